// SPDX-License-Identifier: MIT
// TLearningSchedule: when each item of an exercise is due to be practised
// again, by Leitner boxes. Every item starts in the first box; a right answer
// at the first try moves it up a box, a miss sends it back to the first. The
// boxes fall due 0, 1, 3, 7 and 21 days after the item was last asked, and an
// item never asked is due.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

class TLearningSchedule {
  public:
    static constexpr int Boxes = 5;
    // Days from the last question to the next, by box 1..5.
    static constexpr int DueAfterDays[Boxes] = {0, 1, 3, 7, 21};

    // An item's place in the boxes.
    struct TProgress {
        int box = 0;  // 0: never asked; 1..Boxes
        bool lastRight = false;
        QDateTime lastAsked;
    };

    // One question asked of the item, in the order they were asked.
    void Asked(const QString& item, bool rightAtFirstTry, const QDateTime& when);

    TProgress Of(const QString& item) const;
    // When the item falls due; invalid for one never asked (due at once).
    QDateTime DueAt(const QString& item) const;
    bool IsDue(const QString& item, const QDateTime& now) const;
    // The items of the list that are due now, in the list's order.
    QStringList Due(const QStringList& items, const QDateTime& now) const;
    // When nothing is due: when the first item falls due.
    std::optional<QDateTime> NextDue(const QStringList& items) const;
    // How many of the items are learned: in the top box.
    int Learned(const QStringList& items) const;

  private:
    std::map<QString, TProgress> items_;
};
