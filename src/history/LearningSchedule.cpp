// SPDX-License-Identifier: MIT
#include "LearningSchedule.h"

#include <algorithm>

void TLearningSchedule::Asked(const QString& item, bool rightAtFirstTry, const QDateTime& when) {
    // An item starts in the first box.
    TProgress& p = items_[item];
    p.box = rightAtFirstTry ? std::min(std::max(p.box, 1) + 1, Boxes) : 1;
    p.lastRight = rightAtFirstTry;
    p.lastAsked = when;
}

TLearningSchedule::TProgress TLearningSchedule::Of(const QString& item) const {
    const auto it = items_.find(item);
    return it == items_.end() ? TProgress{} : it->second;
}

QDateTime TLearningSchedule::DueAt(const QString& item) const {
    const TProgress p = Of(item);
    if (p.box == 0) return {};
    return p.lastAsked.addDays(DueAfterDays[p.box - 1]);
}

bool TLearningSchedule::IsDue(const QString& item, const QDateTime& now) const {
    const QDateTime due = DueAt(item);
    return !due.isValid() || due <= now;
}

QStringList TLearningSchedule::Due(const QStringList& items, const QDateTime& now) const {
    QStringList due;
    for (const QString& item : items)
        if (IsDue(item, now)) due << item;
    return due;
}

std::optional<QDateTime> TLearningSchedule::NextDue(const QStringList& items) const {
    std::optional<QDateTime> first;
    for (const QString& item : items) {
        const QDateTime due = DueAt(item);
        if (!due.isValid()) return std::nullopt;  // never asked: due already
        if (!first || due < *first) first = due;
    }
    return first;
}

int TLearningSchedule::Learned(const QStringList& items) const {
    return int(std::count_if(items.begin(), items.end(),
                             [&](const QString& item) { return Of(item).box == Boxes; }));
}
