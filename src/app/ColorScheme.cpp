// SPDX-License-Identifier: MIT
// The colour scheme by the display's colour count.
#include "ColorScheme.h"

#include <QScreen>
#include <limits>

#include "app/Generell.h"

qint64 ColorCount(int bitsPerPixel, int planes) {
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    if (bitsPerPixel < 0 || planes <= 0) return 0;
    if (bitsPerPixel >= 62) return max;
    const qint64 perPlane = qint64(1) << bitsPerPixel;
    return perPlane > max / planes ? max : perPlane * planes;
}

TColorScheme ColorSchemeFor(qint64 colorCount) {
    if (colorCount <= 256)
        return {MakeColor(192, 192, 192), MakeColor(0, 0, 128), MakeColor(255, 0, 0),
                MakeColor(0, 255, 0)};
    return {0x02E0D0C0u, MakeColor(40, 90, 160), 0x024040FFu, MakeColor(0, 255, 0)};
}

void UseColorSchemeOf(const QScreen* screen) {
    ScreenColorCount = ColorCount(screen ? screen->depth() : 32, 1);
    const TColorScheme scheme = ColorSchemeFor(ScreenColorCount);
    PanelColor = scheme.Panel;
    FrameColor = scheme.Frame;
    HighlightColor = scheme.Highlight;
    CorrectColor = scheme.Correct;
}
