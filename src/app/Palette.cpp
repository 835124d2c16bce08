// SPDX-License-Identifier: MIT
// The usual and the colour-blind-safe palettes, and which one is in use.
#include "Palette.h"

#include "app/Generell.h"

namespace {

bool colourBlind = false;

// Okabe & Ito, "Color Universal Design" (2008), as Wong (Nature Methods, 2011) lists it.
constexpr TColor SkyBlue = MakeColor(86, 180, 233);
constexpr TColor BluishGreen = MakeColor(0, 158, 115);
constexpr TColor Blue = MakeColor(0, 114, 178);
constexpr TColor Vermillion = MakeColor(213, 94, 0);
constexpr TColor ReddishPurple = MakeColor(204, 121, 167);
// Paul Tol's "light" scheme, for the area hint: no try has these colours.
constexpr TColor Pear = MakeColor(187, 204, 51);
constexpr TColor LightCyan = MakeColor(153, 221, 255);

int TriesIndex(int tries) {
    return tries >= 1 && tries <= 3 ? tries - 1 : 3;
}

}  // namespace

TColor TPalette::AreaColourForTries(int tries) const {
    return AreaTries[std::size_t(TriesIndex(tries))];
}

TColor TPalette::PlaceLabelColourForTries(int tries) const {
    return PlaceLabelTries[std::size_t(TriesIndex(tries))];
}

TPalette TPalette::Usual() {
    TPalette p;
    p.AreaTries = {Colors::White, MakeColor(255, 255, 128), Colors::Yellow, Colors::Red};
    p.PlaceLabelTries = {Colors::White, MakeColor(255, 255, 160), Colors::Yellow, HighlightColor};
    p.AreaHint = {CorrectColor, Colors::Green};
    p.PlaceHint = {CorrectColor, Colors::Black};
    p.FlagHint = {Colors::Lime, Colors::White};
    p.RightAnswer = Colors::Green;
    p.WrongAnswer = HighlightColor;
    p.FocusFrame = Blue;
    return p;
}

TPalette TPalette::ColourBlindSafe() {
    // Tries go from white through sky blue and blue to reddish purple, light
    // to dark as the usual white-yellow-red does; yellow and orange would be
    // lost on the beige and green land of some maps. The area hint blinks
    // in two colours no try has; black would be taken for the outlines.
    TPalette p;
    p.AreaTries = {Colors::White, SkyBlue, Blue, ReddishPurple};
    p.PlaceLabelTries = p.AreaTries;
    p.AreaHint = {Pear, LightCyan};
    p.PlaceHint = {SkyBlue, Colors::Black};
    p.FlagHint = {SkyBlue, Colors::White};
    p.RightAnswer = BluishGreen;
    p.WrongAnswer = Vermillion;
    p.FocusFrame = Blue;
    return p;
}

void UseColourBlindPalette(bool on) {
    colourBlind = on;
}

bool ColourBlindPaletteOn() {
    return colourBlind;
}

TPalette CurrentPalette() {
    return colourBlind ? TPalette::ColourBlindSafe() : TPalette::Usual();
}
