// SPDX-License-Identifier: MIT
// An exercise's progress in two figures, as the main menu's exercise list
// shows them beside each name: the best percentage of a full run, and how
// many of its items are learned (in the schedule's top box).
#pragma once

#include <QString>
#include <QStringList>

#include "screens/SideNoteDelegate.h"

class TResultsHistory;

struct TProgressFigures {
    int BestPercent = -1;  // -1: no full run finished yet
    int Learned = 0;
    int Items = 0;

    // "87 %  12/45"; "–" for a percentage not there yet.
    QString ShortText() const;
    // The same in words, in the language.
    QString LongText(int language) const;
};

TProgressFigures ProgressFiguresOf(const TResultsHistory& history, int exercise,
                                   const QStringList& itemKeys);

// The list line's side note (TSideNoteDelegate) holds ShortText.
constexpr int ProgressFiguresRole = SideNoteRole;
