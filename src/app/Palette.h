// SPDX-License-Identifier: MIT
// TPalette: the colours that tell the player how an answer went (tries,
// hint, right and wrong, the flag the keys point at), in the usual set or in
// a set that players with the common kinds of colour blindness can tell apart.
#pragma once

#include <array>

#include "platform/Colors.h"

struct TPalette {
    std::array<TColor, 4> AreaTries;        // an answered area: 1, 2, 3, more tries
    std::array<TColor, 4> PlaceLabelTries;  // an answered place's name box, likewise
    std::array<TColor, 2> AreaHint;         // the asked area's two blink phases
    std::array<TColor, 2> PlaceHint;        // the asked place's dot, likewise
    std::array<TColor, 2> FlagHint;         // the right flag's cell, likewise
    TColor RightAnswer;                     // the multiple-choice boxes
    TColor WrongAnswer;
    TColor FocusFrame;  // the flag cell the arrow keys point at

    // 1, 2, 3 tries, and every count above (or a count that makes no sense).
    TColor AreaColourForTries(int tries) const;
    TColor PlaceLabelColourForTries(int tries) const;

    // The colours the game has always had; the hint and the wrong answer
    // take the colour scheme's CorrectColor and HighlightColor as they are now.
    static TPalette Usual();
    // From the Okabe-Ito colours for colour-blind readers (and two of Paul
    // Tol's for the area hint).
    static TPalette ColourBlindSafe();
};

void UseColourBlindPalette(bool on);
bool ColourBlindPaletteOn();
// The palette the exercises and screens draw with now.
TPalette CurrentPalette();
