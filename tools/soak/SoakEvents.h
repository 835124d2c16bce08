// SPDX-License-Identifier: MIT
// SoakEvent: the things a restless player does on an exercise screen, and a
// repeatable weighted draw among them.
#pragma once

#include <random>
#include <utility>
#include <vector>

enum class SoakEvent {
    RightAnswer,            // a click (or key) on the answer asked for
    RandomClick,            // anywhere on the map, the flags or the answer boxes
    Burst,                  // two to four clicks before the screen may handle any
    DigitKey,               // 1 to 4
    OtherKey,               // letters, keypad digits, Escape, arrows...
    TopTen,                 // the top-ten button
    Restart,                // the restart button
    Wait,                   // a pause in which the screen's timers run
    Close,                  // the close button; the screen is then released
    Release,                // released as the main menu does
    ReleaseWhileAnswering,  // released a moment after an answer, while it is handled
    Flower,                 // the multiple-choice screen's flower
};

const char* EventName(SoakEvent event);

using SoakRandom = std::mt19937_64;

// 0..n-1 from the engine's raw output, the same on every platform.
int Below(SoakRandom& random, int n);

class EventDraw {
  public:
    using Weights = std::vector<std::pair<SoakEvent, int>>;

    // Events with weight 0 or less are never drawn; at least one must be positive.
    explicit EventDraw(Weights weights);
    SoakEvent Next(SoakRandom& random) const;

  private:
    Weights weights_;
    int total_ = 0;
};
