// SPDX-License-Identifier: MIT
// The palettes as players with the three common colour-vision deficiencies
// see them: every pair of colours that must differ differs enough in the
// safe palette, and the usual palette is shown to fall short (so the check
// can fail at all).
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <array>
#include <cmath>
#include <vector>

#include "app/ColorScheme.h"
#include "app/Generell.h"
#include "app/Palette.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"
#include "support/GlomiraTest.h"

namespace {

// Colour vision is simulated with Machado, Oliveira & Fernandes (2009), "A
// Physiologically-based Model for Simulation of Color Vision Deficiency",
// at severity 1.0 (full dichromacy): their published matrices, applied to
// linear sRGB.
using Matrix = std::array<std::array<double, 3>, 3>;
enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia };
constexpr Vision AllVisions[] = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia,
                                 Vision::Tritanopia};

const char* NameOf(Vision v) {
    switch (v) {
        case Vision::Normal:
            return "normal vision";
        case Vision::Protanopia:
            return "protanopia";
        case Vision::Deuteranopia:
            return "deuteranopia";
        default:
            return "tritanopia";
    }
}

Matrix MatrixOf(Vision v) {
    switch (v) {
        case Vision::Protanopia:
            return {{{0.152286, 1.052583, -0.204868},
                     {0.114503, 0.786281, 0.099216},
                     {-0.003882, -0.048116, 1.051998}}};
        case Vision::Deuteranopia:
            return {{{0.367322, 0.860646, -0.227968},
                     {0.280085, 0.672501, 0.047413},
                     {-0.011820, 0.042940, 0.968881}}};
        case Vision::Tritanopia:
            return {{{1.255528, -0.076749, -0.178779},
                     {-0.078411, 0.930809, 0.147602},
                     {0.004733, 0.691367, 0.303900}}};
        default:
            return {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    }
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Lab {
    double L, a, b;
};

// The colour as seen with the deficiency, in CIELAB (D65 white).
Lab Seen(TColor colour, Vision v) {
    const double rgb[3] = {Linear(RedOf(colour)), Linear(GreenOf(colour)), Linear(BlueOf(colour))};
    const Matrix m = MatrixOf(v);
    double s[3];
    for (int i = 0; i < 3; ++i)
        s[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    const double x = (0.4124564 * s[0] + 0.3575761 * s[1] + 0.1804375 * s[2]) / 0.95047;
    const double y = 0.2126729 * s[0] + 0.7151522 * s[1] + 0.0721750 * s[2];
    const double z = (0.0193339 * s[0] + 0.1191920 * s[1] + 0.9503041 * s[2]) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Degrees(double radians) {
    return radians * 180 / M_PI;
}
double Radians(double degrees) {
    return degrees * M_PI / 180;
}

// CIEDE2000 (Sharma, Wu & Dalal, 2005).
double DeltaE2000(const Lab& p, const Lab& q) {
    const double c1 = std::hypot(p.a, p.b), c2 = std::hypot(q.a, q.b);
    const double cBar7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(cBar7 / (cBar7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
    const double c1p = std::hypot(a1, p.b), c2p = std::hypot(a2, q.b);
    const auto hue = [](double b, double a) {
        if (a == 0 && b == 0) return 0.0;
        const double h = Degrees(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
    const double dL = q.L - p.L, dC = c2p - c1p;
    double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180) dh -= 360;
        if (dh < -180) dh += 360;
    }
    const double dH = 2 * std::sqrt(c1p * c2p) * std::sin(Radians(dh / 2));
    const double lBar = (p.L + q.L) / 2, cBarP = (c1p + c2p) / 2;
    double hBar = h1 + h2;
    if (c1p * c2p != 0)
        hBar = std::fabs(h1 - h2) <= 180 ? (h1 + h2) / 2
               : h1 + h2 < 360           ? (h1 + h2 + 360) / 2
                                         : (h1 + h2 - 360) / 2;
    const double t = 1 - 0.17 * std::cos(Radians(hBar - 30)) + 0.24 * std::cos(Radians(2 * hBar)) +
                     0.32 * std::cos(Radians(3 * hBar + 6)) -
                     0.20 * std::cos(Radians(4 * hBar - 63));
    const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double cBarP7 = std::pow(cBarP, 7);
    const double rC = 2 * std::sqrt(cBarP7 / (cBarP7 + std::pow(25.0, 7)));
    const double sL = 1 + 0.015 * std::pow(lBar - 50, 2) / std::sqrt(20 + std::pow(lBar - 50, 2));
    const double sC = 1 + 0.045 * cBarP, sH = 1 + 0.015 * cBarP * t;
    const double rT = -std::sin(Radians(2 * dTheta)) * rC;
    return std::sqrt(std::pow(dL / sL, 2) + std::pow(dC / sC, 2) + std::pow(dH / sH, 2) +
                     rT * (dC / sC) * (dH / sH));
}

// Colours that mean different things must differ by ΔE2000 >= 10 for every
// kind of vision. The just-noticeable difference is about 1 to 2; 10 is the
// usual floor for telling categories apart at a glance on small patches
// (a small area, a place's name box) rather than side by side.
constexpr double MinDeltaE = 10;

struct Pair {
    QString what;
    TColor a, b;
};

// Everything that must differ: each try colour from the others and from
// what it sits on, the hint's phases from each other and from the land (and
// the place dot's from the silver land of the place maps), right from wrong.
std::vector<Pair> PairsThatMustDiffer(const TPalette& p, const QList<TColor>& landColours,
                                      const QList<TColor>& seaColours) {
    std::vector<Pair> pairs;
    const auto tries = [&](const std::array<TColor, 4>& colours, const QString& what,
                           const QList<TColor>& under) {
        for (int i = 0; i < 4; ++i) {
            for (int j = i + 1; j < 4; ++j)
                pairs.push_back({QString("%1 %2 vs %3 tries").arg(what).arg(i + 1).arg(j + 1),
                                 colours[std::size_t(i)], colours[std::size_t(j)]});
            for (TColor below : under)
                pairs.push_back({QString("%1 %2 tries vs map colour %3")
                                     .arg(what)
                                     .arg(i + 1)
                                     .arg(below, 6, 16, QChar('0')),
                                 colours[std::size_t(i)], below});
        }
    };
    tries(p.AreaTries, "area", landColours + seaColours);
    tries(p.PlaceLabelTries, "place label", {Colors::Silver, Colors::Navy});
    pairs.push_back({"area hint phases", p.AreaHint[0], p.AreaHint[1]});
    pairs.push_back({"place hint phases", p.PlaceHint[0], p.PlaceHint[1]});
    pairs.push_back({"flag hint phases", p.FlagHint[0], p.FlagHint[1]});
    for (TColor phase : p.AreaHint)
        for (TColor land : landColours) pairs.push_back({"area hint vs land", phase, land});
    for (TColor phase : p.PlaceHint) pairs.push_back({"place hint vs land", phase, Colors::Silver});
    pairs.push_back({"multiple choice right vs wrong", p.RightAnswer, p.WrongAnswer});
    return pairs;
}

// What falls short, one line per pair and vision.
QStringList Shortfalls(const std::vector<Pair>& pairs) {
    QStringList failures;
    for (const Pair& pair : pairs)
        for (Vision v : AllVisions) {
            const double d = DeltaE2000(Seen(pair.a, v), Seen(pair.b, v));
            if (d < MinDeltaE)
                failures << QString("%1, %2: %3").arg(pair.what, NameOf(v)).arg(d, 0, 'f', 1);
        }
    return failures;
}

class PaletteTest : public GlomiraTest {
  protected:
    void SetUp() override {
        // The scheme of every display the game runs on today (more than 256 colours).
        const TColorScheme scheme = ColorSchemeFor(ColorCount(32, 1));
        HighlightColor = scheme.Highlight;
        CorrectColor = scheme.Correct;
        // The map's own colours, and those the delivered exercises ask for.
        const CKarta map;
        land = {map.LandColor, map.AreaColor};
        sea = {map.SeaColor};
        if (QFile::exists(ProgramFile("Ovning.crp"))) {
            COvningar catalogue;
            catalogue.Load(ProgramFile("Ovning.crp"));
            for (const COvning* e = catalogue.First; e; e = e->Next) {
                for (TColor c : {e->LandColor, e->AreaColor})
                    if (c != 0 && !land.contains(c & 0xFFFFFFu)) land << (c & 0xFFFFFFu);
                if (e->SeaColor != 0 && !sea.contains(e->SeaColor & 0xFFFFFFu))
                    sea << (e->SeaColor & 0xFFFFFFu);
            }
        }
    }
    QList<TColor> land, sea;
};

TEST(ColourVision, TheModelAndTheDifferenceBehaveAsPublished) {
    // Sharma et al.'s test data, pairs 1 and 17.
    EXPECT_NEAR(DeltaE2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(DeltaE2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);
    // White stays white; red and green fall together for the red-green
    // deficiencies but not for tritanopia.
    for (Vision v : AllVisions) EXPECT_NEAR(Seen(Colors::White, v).L, 100, 0.5) << NameOf(v);
    const TColor red = MakeColor(200, 60, 40), green = MakeColor(110, 140, 40);
    EXPECT_GT(DeltaE2000(Seen(red, Vision::Normal), Seen(green, Vision::Normal)), 40);
    EXPECT_LT(DeltaE2000(Seen(red, Vision::Deuteranopia), Seen(green, Vision::Deuteranopia)), 10);
    EXPECT_GT(DeltaE2000(Seen(red, Vision::Tritanopia), Seen(green, Vision::Tritanopia)), 20);
}

TEST_F(PaletteTest, TheSafePaletteIsTellableApartWithEveryDeficiency) {
    const QStringList failures =
        Shortfalls(PairsThatMustDiffer(TPalette::ColourBlindSafe(), land, sea));
    EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
}

TEST_F(PaletteTest, TheUsualPaletteFailsTheSameCheck) {
    const QStringList failures = Shortfalls(PairsThatMustDiffer(TPalette::Usual(), land, sea));
    // The pale and full yellow of two and three tries, and the wrong
    // answer's red beside the right one's green, are what it fails on.
    EXPECT_TRUE(failures.join('\n').contains("area 2 vs 3 tries, tritanopia"))
        << failures.join('\n').toStdString();
    EXPECT_TRUE(failures.join('\n').contains("multiple choice right vs wrong, protanopia"))
        << failures.join('\n').toStdString();
}

TEST_F(PaletteTest, TheFocusFrameShowsOnEveryCellColourInBothPalettes) {
    for (const TPalette& p : {TPalette::Usual(), TPalette::ColourBlindSafe()}) {
        std::vector<Pair> pairs;
        for (TColor cell : {Colors::White, Colors::Silver, p.FlagHint[0], p.FlagHint[1]})
            pairs.push_back({"focus frame vs cell", p.FocusFrame, cell});
        const QStringList failures = Shortfalls(pairs);
        EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
    }
}

TEST_F(PaletteTest, TheUsualPaletteIsTheGamesOwnAndTheSwitchChoosesThePalette) {
    const TPalette usual = TPalette::Usual();
    EXPECT_EQ(usual.AreaColourForTries(1), Colors::White);
    EXPECT_EQ(usual.AreaColourForTries(2), MakeColor(255, 255, 128));
    EXPECT_EQ(usual.AreaColourForTries(3), Colors::Yellow);
    EXPECT_EQ(usual.AreaColourForTries(4), Colors::Red);
    EXPECT_EQ(usual.AreaColourForTries(17), Colors::Red);
    EXPECT_EQ(usual.PlaceLabelColourForTries(2), MakeColor(255, 255, 160));
    EXPECT_EQ(usual.PlaceLabelColourForTries(0), HighlightColor);  // as the label always had
    // The scheme's colours as they stand when asked, not when first built.
    CorrectColor = MakeColor(1, 2, 3);
    EXPECT_EQ(TPalette::Usual().AreaHint[0], MakeColor(1, 2, 3));
    EXPECT_EQ(TPalette::Usual().PlaceHint[0], MakeColor(1, 2, 3));

    ASSERT_FALSE(ColourBlindPaletteOn());  // off unless the player turns it on
    EXPECT_EQ(CurrentPalette().AreaTries, TPalette::Usual().AreaTries);
    UseColourBlindPalette(true);
    EXPECT_EQ(CurrentPalette().AreaTries, TPalette::ColourBlindSafe().AreaTries);
    EXPECT_EQ(CurrentPalette().RightAnswer, TPalette::ColourBlindSafe().RightAnswer);
    UseColourBlindPalette(false);
    EXPECT_EQ(CurrentPalette().RightAnswer, Colors::Green);
}

}  // namespace
