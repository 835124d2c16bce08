// SPDX-License-Identifier: MIT
// The four shared colours (panel, frame, highlight, correct), chosen by the
// display's colour count: plain colours on a 256-colour display, softer
// ones on any richer display.
#pragma once

#include <QtGlobal>

#include "platform/Colors.h"

class QScreen;

struct TColorScheme {
    TColor Panel;
    TColor Frame;
    TColor Highlight;
    TColor Correct;
};

// 2^bitsPerPixel * planes, saturating instead of overflowing.
qint64 ColorCount(int bitsPerPixel, int planes);
TColorScheme ColorSchemeFor(qint64 colorCount);

// Sets ScreenColorCount and the four shared colours for the screen's depth
// (none: 32 bits), as the main menu does at start.
void UseColorSchemeOf(const QScreen* screen);
