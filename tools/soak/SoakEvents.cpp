// SPDX-License-Identifier: MIT
// Event names and the weighted draw of the soak.
#include "SoakEvents.h"

#include <stdexcept>

const char* EventName(SoakEvent event) {
    switch (event) {
        case SoakEvent::RightAnswer:
            return "right answer";
        case SoakEvent::RandomClick:
            return "random click";
        case SoakEvent::Burst:
            return "burst of clicks";
        case SoakEvent::DigitKey:
            return "digit key";
        case SoakEvent::OtherKey:
            return "other key";
        case SoakEvent::TopTen:
            return "top-ten button";
        case SoakEvent::Restart:
            return "restart button";
        case SoakEvent::Wait:
            return "wait";
        case SoakEvent::Close:
            return "close button";
        case SoakEvent::Release:
            return "release";
        case SoakEvent::ReleaseWhileAnswering:
            return "release while answering";
        case SoakEvent::Flower:
            return "flower";
    }
    return "?";
}

int Below(SoakRandom& random, int n) {
    if (n <= 1) return 0;
    return int(random() % std::uint64_t(n));
}

EventDraw::EventDraw(Weights weights) : weights_(std::move(weights)) {
    for (const auto& [event, weight] : weights_)
        if (weight > 0) total_ += weight;
    if (total_ <= 0) throw std::invalid_argument("an event draw needs a positive weight");
}

SoakEvent EventDraw::Next(SoakRandom& random) const {
    int pick = Below(random, total_);
    for (const auto& [event, weight] : weights_) {
        if (weight <= 0) continue;
        if (pick < weight) return event;
        pick -= weight;
    }
    return weights_.back().first;  // not reached
}
