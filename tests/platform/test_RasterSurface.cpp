// SPDX-License-Identifier: MIT
// Pixel rules of the raster surface: lines, pens, raster modes, shapes,
// flood fill and text.
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <utility>

#include "app/Generell.h"
#include "platform/Picture.h"
#include "platform/RasterSurface.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

class SurfaceTest : public testing::Test {
  protected:
    void Make(int w, int h, TColor background = Colors::White) {
        image = QImage(w, h, QImage::Format_RGB32);
        image.fill(ToQRgb(background));
        surface = std::make_unique<TRasterSurface>(image);
    }
    // Every pixel that is not the background.
    Pixels Painted(TColor background = Colors::White) const {
        Pixels out;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (surface->Pixel(x, y) != background) out.insert({x, y});
        return out;
    }
    int CountOf(TColor colour) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += surface->Pixel(x, y) == colour;
        return n;
    }
    void Line(int x1, int y1, int x2, int y2) {
        surface->MoveTo(x1, y1);
        surface->LineTo(x2, y2);
    }

    QImage image;
    std::unique_ptr<TRasterSurface> surface;
};

// --- Lines -------------------------------------------------------------------

TEST_F(SurfaceTest, LinePaintsStartButNotEndAndLeavesPenAtEnd) {
    Make(10, 10);
    Line(1, 1, 5, 1);
    EXPECT_EQ(Painted(), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(surface->PenPos(), QPoint(5, 1));
    // Continuing from there paints the former end pixel first.
    surface->LineTo(5, 4);
    EXPECT_EQ(surface->Pixel(5, 1), Colors::Black);
    EXPECT_EQ(surface->Pixel(5, 3), Colors::Black);
    EXPECT_EQ(surface->Pixel(5, 4), Colors::White);
}

TEST_F(SurfaceTest, LineMarkingEndsSetsBothEndsInItsOwnColour) {
    Make(10, 10);
    surface->MoveTo(1, 1);
    surface->LineToMarkingEnds(5, 1, Colors::Red);
    EXPECT_EQ(Painted(), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}));
    EXPECT_EQ(surface->Pixel(1, 1), Colors::Red);
    EXPECT_EQ(surface->Pixel(3, 1), Colors::Black);
    EXPECT_EQ(surface->Pixel(5, 1), Colors::Red);
    EXPECT_EQ(surface->PenPos(), QPoint(5, 1));
}

TEST_F(SurfaceTest, LinesFollowBresenhamInEveryOctant) {
    Make(20, 20);
    Line(2, 2, 8, 4);  // shallow: y steps at a third and two thirds
    EXPECT_EQ(Painted(), (Pixels{{2, 2}, {3, 2}, {4, 3}, {5, 3}, {6, 3}, {7, 4}}));
    Make(20, 20);
    Line(8, 4, 2, 2);  // the same line backwards ends short of (2, 2)
    EXPECT_EQ(Painted().count({2, 2}), 0u);
    EXPECT_EQ(Painted().count({8, 4}), 1u);
    EXPECT_EQ(Painted().size(), 6u);
    Make(20, 20);
    Line(5, 15, 5, 10);  // vertical upward
    EXPECT_EQ(Painted(), (Pixels{{5, 15}, {5, 14}, {5, 13}, {5, 12}, {5, 11}}));
    Make(20, 20);
    Line(3, 3, 3, 3);  // zero length paints nothing
    EXPECT_TRUE(Painted().empty());
}

TEST_F(SurfaceTest, PenWidthZeroDrawsLikeOne) {
    Make(30, 30);
    surface->SetPenWidth(1);
    Line(2, 3, 27, 19);
    const Pixels one = Painted();
    Make(30, 30);
    surface->SetPenWidth(0);
    Line(2, 3, 27, 19);
    EXPECT_EQ(Painted(), one);
}

TEST_F(SurfaceTest, WidePensPaintThickRoundCappedLines) {
    Make(40, 40);
    surface->SetPenWidth(2);
    Line(10, 10, 20, 10);
    for (int x = 10; x <= 19; ++x) {
        EXPECT_EQ(surface->Pixel(x, 9), Colors::Black) << x;
        EXPECT_EQ(surface->Pixel(x, 10), Colors::Black) << x;
        EXPECT_EQ(surface->Pixel(x, 11), Colors::White) << x;  // two rows, not three
    }

    Make(40, 40);
    surface->SetPenWidth(5);
    Line(10, 20, 30, 20);
    for (int dy = -2; dy <= 2; ++dy) EXPECT_EQ(surface->Pixel(20, 20 + dy), Colors::Black);
    EXPECT_EQ(surface->Pixel(20, 17), Colors::White);
    EXPECT_EQ(surface->Pixel(20, 23), Colors::White);
    // Round caps: beyond both ends the cap narrows.
    EXPECT_EQ(surface->Pixel(8, 20), Colors::Black);
    EXPECT_EQ(surface->Pixel(8, 18), Colors::White);
    EXPECT_EQ(surface->Pixel(32, 20), Colors::Black);
    EXPECT_EQ(surface->Pixel(32, 22), Colors::White);
    EXPECT_EQ(surface->Pixel(7, 20), Colors::White);
    EXPECT_EQ(surface->Pixel(33, 20), Colors::White);
}

TEST_F(SurfaceTest, LinesFarOutsideAreClippedWithoutWalkingTheWholeLength) {
    Make(50, 20);
    Line(-2000000000, 5, 2000000000, 5);
    for (int x = 0; x < 50; ++x) EXPECT_EQ(surface->Pixel(x, 5), Colors::Black) << x;
    EXPECT_EQ(int(Painted().size()), 50);
    Make(50, 20);
    surface->SetPenWidth(3);
    Line(-1000000, -1000000, 1000000, 1000000);  // diagonal through the corner
    EXPECT_EQ(surface->Pixel(10, 10), Colors::Black);
    EXPECT_EQ(surface->Pixel(10, 14), Colors::White);
    // The extremes of the coordinate range, thin and thick, on and off the surface.
    constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    for (int width : {1, 4}) {
        Make(50, 20);
        surface->SetPenWidth(width);
        Line(lo, 7, hi, 7);
        EXPECT_EQ(surface->Pixel(25, 7), Colors::Black) << width;
        Line(hi, lo, lo, hi);
        Line(lo, lo, lo + 5, hi);
        Line(1000, 3, hi, 3);     // right of the surface only
        Line(-1000, 12, -5, 12);  // left of it only
        EXPECT_EQ(surface->Pixel(49, 3), Colors::White) << width;
        EXPECT_EQ(surface->Pixel(0, 12), Colors::White) << width;
    }
}

// --- Raster modes and colours ---------------------------------------------------

TEST_F(SurfaceTest, RasterModesCombinePenWithPicture) {
    const TColor ground = MakeColor(0xF0, 0x0F, 0xAA);
    const TColor pen = MakeColor(0x3C, 0xFF, 0x0F);
    Make(10, 3, ground);
    surface->SetPenColor(pen);
    surface->SetPenMode(TPenMode::Copy);
    Line(0, 0, 10, 0);
    surface->SetPenMode(TPenMode::Mask);
    Line(0, 1, 10, 1);
    surface->SetPenMode(TPenMode::NotXor);
    Line(0, 2, 10, 2);
    EXPECT_EQ(surface->Pixel(4, 0), pen);
    EXPECT_EQ(surface->Pixel(4, 1), MakeColor(0x30, 0x0F, 0x0A));
    EXPECT_EQ(surface->Pixel(4, 2), MakeColor(0x33, 0x0F, 0x5A));
    // Not-xor twice restores the picture.
    Line(0, 2, 10, 2);
    EXPECT_EQ(surface->Pixel(4, 2), ground);
}

TEST_F(SurfaceTest, PaletteRelativeColoursDrawAsTheirRgb) {
    Make(5, 5);
    surface->SetPixel(1, 1, 0x02FF0000u);
    EXPECT_EQ(surface->Pixel(1, 1), Colors::Blue);
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 255));
}

TEST_F(SurfaceTest, PixelsOutsideReadInvalidAndIgnoreWrites) {
    Make(5, 5);
    EXPECT_EQ(surface->Pixel(-1, 0), InvalidColor);
    EXPECT_EQ(surface->Pixel(5, 0), InvalidColor);
    EXPECT_EQ(surface->Pixel(0, 5), InvalidColor);
    surface->SetPixel(5, 5, Colors::Black);
    surface->SetPixel(-1, 2, Colors::Black);
    EXPECT_TRUE(Painted().empty());
}

// --- Shapes ------------------------------------------------------------------

TEST_F(SurfaceTest, RectangleExcludesRightAndBottom) {
    Make(10, 10);
    surface->SetFillColor(Colors::Red);
    surface->Rectangle(2, 2, 6, 5);
    for (int x = 2; x <= 5; ++x) {
        EXPECT_EQ(surface->Pixel(x, 2), Colors::Black);
        EXPECT_EQ(surface->Pixel(x, 4), Colors::Black);
        EXPECT_EQ(surface->Pixel(x, 5), Colors::White);
    }
    for (int y = 2; y <= 4; ++y) {
        EXPECT_EQ(surface->Pixel(2, y), Colors::Black);
        EXPECT_EQ(surface->Pixel(5, y), Colors::Black);
        EXPECT_EQ(surface->Pixel(6, y), Colors::White);
    }
    EXPECT_EQ(surface->Pixel(3, 3), Colors::Red);
    EXPECT_EQ(surface->Pixel(4, 3), Colors::Red);
    EXPECT_EQ(CountOf(Colors::Red), 2);
}

TEST_F(SurfaceTest, RectangleWithoutFillLeavesItsInside) {
    Make(10, 10);
    surface->SetNoFill();
    surface->Rectangle(0, 0, 10, 10);
    EXPECT_EQ(int(Painted().size()), 36);
    EXPECT_EQ(surface->Pixel(9, 9), Colors::Black);
    EXPECT_EQ(surface->Pixel(5, 5), Colors::White);
    surface->SetFillColor(Colors::Navy);
    EXPECT_TRUE(surface->HasFill());  // setting a colour makes the fill solid
}

TEST_F(SurfaceTest, HugeShapesAreClippedNotWalked) {
    constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    Make(20, 10);
    surface->SetFillColor(Colors::Red);
    surface->Rectangle(lo, lo, hi, hi);
    EXPECT_EQ(CountOf(Colors::Red), 200);
    surface->Ellipse(lo, lo, hi, hi);
    surface->FillRect(lo, lo, hi, hi);
    EXPECT_EQ(CountOf(Colors::Red), 200);
}

TEST_F(SurfaceTest, FillRectExcludesRightAndBottom) {
    Make(10, 10);
    surface->SetFillColor(Colors::Green);
    surface->FillRect(1, 2, 4, 6);
    EXPECT_EQ(CountOf(Colors::Green), 3 * 4);
    EXPECT_EQ(surface->Pixel(3, 5), Colors::Green);
    EXPECT_EQ(surface->Pixel(4, 5), Colors::White);
    EXPECT_EQ(surface->Pixel(3, 6), Colors::White);
}

TEST_F(SurfaceTest, EllipseStaysInsideItsExclusiveBoundsAndIsSymmetric) {
    Make(20, 20);
    surface->SetPenColor(Colors::Black);
    surface->SetFillColor(Colors::Green);
    surface->Ellipse(3, 3, 15, 15);
    const Pixels all = Painted();
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (auto [x, y] : all) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
        EXPECT_EQ(all.count({3 + 14 - x, y}), 1u) << "mirror of " << x << "," << y;
        EXPECT_EQ(all.count({x, 3 + 14 - y}), 1u);
    }
    EXPECT_EQ(minX, 3);
    EXPECT_EQ(maxX, 14);
    EXPECT_EQ(minY, 3);
    EXPECT_EQ(maxY, 14);
    EXPECT_EQ(surface->Pixel(9, 9), Colors::Green);
    EXPECT_EQ(surface->Pixel(3, 9), Colors::Black);
    EXPECT_EQ(surface->Pixel(3, 3), Colors::White);  // corners stay out
}

// --- Flood fill ------------------------------------------------------------------

class FloodFillTest : public SurfaceTest {
  protected:
    // A white picture with a one-pixel black box (2,2)-(12,12) holding a red dot.
    void MakeBox() {
        Make(16, 16);
        surface->SetNoFill();
        surface->Rectangle(2, 2, 13, 13);
        surface->SetPixel(7, 7, Colors::Red);
        surface->SetFillColor(Colors::Blue);
    }
};

TEST_F(FloodFillTest, BorderModeFillsUpToTheBorderColourOnly) {
    MakeBox();
    FloodFillAt(*surface, 5, 5, Colors::Black, TFillStyle::Border);
    EXPECT_EQ(CountOf(Colors::Blue), 9 * 9);  // the red dot is painted over
    EXPECT_EQ(surface->Pixel(7, 7), Colors::Blue);
    EXPECT_EQ(surface->Pixel(1, 1), Colors::White);  // nothing leaked
    EXPECT_EQ(surface->Pixel(13, 13), Colors::White);
}

TEST_F(FloodFillTest, SurfaceModeRepaintsOnlyTheGivenColour) {
    MakeBox();
    FloodFillAt(*surface, 5, 5, Colors::White, TFillStyle::Surface);
    EXPECT_EQ(CountOf(Colors::Blue), 9 * 9 - 1);
    EXPECT_EQ(surface->Pixel(7, 7), Colors::Red);
    EXPECT_EQ(surface->Pixel(0, 0), Colors::White);
}

TEST_F(FloodFillTest, StartPixelThatDoesNotQualifyFillsNothing) {
    MakeBox();
    const QImage before = image.copy();
    FloodFillAt(*surface, 2, 5, Colors::Black, TFillStyle::Border);    // on the border
    FloodFillAt(*surface, 7, 7, Colors::White, TFillStyle::Surface);   // red, not white
    FloodFillAt(*surface, -1, 5, Colors::White, TFillStyle::Surface);  // outside
    FloodFillAt(*surface, 5, 16, Colors::White, TFillStyle::Surface);
    EXPECT_EQ(image, before);
}

TEST_F(FloodFillTest, IsFourConnectedAndHeldByADiagonalLine) {
    Make(12, 12);
    Line(0, 0, 12, 12);  // touches its neighbours only at corners
    surface->SetFillColor(Colors::Blue);
    FloodFillAt(*surface, 8, 2, Colors::White, TFillStyle::Surface);
    EXPECT_EQ(CountOf(Colors::Blue), 11 * 12 / 2);
    EXPECT_EQ(surface->Pixel(2, 8), Colors::White);
    FloodFillAt(*surface, 8, 2, Colors::Black, TFillStyle::Border);  // border mode too
    EXPECT_EQ(surface->Pixel(2, 8), Colors::White);
}

TEST_F(FloodFillTest, BorderModePassesThroughPixelsAlreadyInTheFillColour) {
    Make(20, 10);
    for (int y = 0; y < 10; ++y) surface->SetPixel(10, y, Colors::Blue);  // a wall of fill colour
    surface->SetFillColor(Colors::Blue);
    FloodFillAt(*surface, 2, 2, Colors::Black, TFillStyle::Border);
    EXPECT_EQ(CountOf(Colors::Blue), 200);
}

TEST_F(FloodFillTest, FillingWithTheBorderColourEnds) {
    MakeBox();
    surface->SetFillColor(Colors::Black);
    FloodFillAt(*surface, 5, 5, Colors::Black, TFillStyle::Border);
    EXPECT_EQ(CountOf(Colors::Black), 11 * 11);
}

TEST_F(FloodFillTest, FillsAHugeSerpentineWithoutRecursion) {
    // Walls with alternating gaps make one path through every row: a
    // recursive fill would need millions of frames here.
    Make(2001, 2001);
    for (int y = 1; y < 2001; y += 2) {
        surface->MoveTo(y % 4 == 1 ? 0 : 1, y);
        surface->LineTo(y % 4 == 1 ? 2000 : 2001, y);
    }
    surface->SetFillColor(Colors::Green);
    FloodFillAt(*surface, 0, 0, Colors::White, TFillStyle::Surface);
    EXPECT_EQ(CountOf(Colors::White), 0);
    EXPECT_EQ(surface->Pixel(1000, 2000), Colors::Green);
}

// --- Text ----------------------------------------------------------------------

TEST_F(SurfaceTest, TextOnAFillPaintsItsBoxAndWithoutFillOnlyGlyphs) {
    Make(120, 40);
    surface->SetFont("Arial", 8);
    const int w = surface->TextWidth("Oslo"), h = surface->TextHeight("Oslo");
    EXPECT_GT(w, 10);
    EXPECT_GE(h, 11);
    EXPECT_LT(h, 20);
    surface->SetFillColor(Colors::Yellow);
    surface->TextOut(10, 5, "Oslo");
    EXPECT_EQ(surface->Pixel(10, 5), Colors::Yellow);
    EXPECT_EQ(surface->Pixel(10 + w - 1, 5 + h - 1), Colors::Yellow);
    EXPECT_EQ(surface->Pixel(10 + w, 5), Colors::White);
    EXPECT_EQ(surface->Pixel(10, 5 + h), Colors::White);
    EXPECT_GT(CountOf(Colors::Black), 10);

    Make(120, 40);
    surface->SetNoFill();
    surface->TextOut(10, 5, "Oslo");
    const int black = CountOf(Colors::Black);
    EXPECT_GT(black, 10);
    EXPECT_EQ(black + CountOf(Colors::White), 120 * 40);  // crisp, no background
}

// --- Picture and template ---------------------------------------------------------

TEST(Picture, CanvasFollowsTheControlSizeKeepingPixels) {
    TPicture picture(QSize(8, 6));
    picture.Canvas().SetPixel(1, 1, Colors::Red);
    EXPECT_EQ(picture.Bitmap().size(), QSize(8, 6));
    picture.SetSize(QSize(12, 4));
    TRasterSurface& canvas = picture.Canvas();
    EXPECT_EQ(canvas.Width(), 12);
    EXPECT_EQ(canvas.Pixel(1, 1), Colors::Red);
    EXPECT_EQ(canvas.Pixel(11, 3), Colors::White);
}

TEST(Picture, ResetFromTemplateCutsOrExtends) {
    TemplateBitmap = QImage(4, 3, QImage::Format_RGB32);
    TemplateBitmap.fill(qRgb(10, 20, 30));
    QImage picture;
    ResetImageFromTemplate(picture, QSize(6, 2));
    ASSERT_EQ(picture.size(), QSize(6, 2));
    EXPECT_EQ(picture.pixel(3, 1), qRgb(10, 20, 30));
    EXPECT_EQ(picture.pixel(4, 1), qRgb(255, 255, 255));
    ResetImageFromTemplate(picture, QSize(2, 2));
    EXPECT_EQ(picture.size(), QSize(2, 2));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    TemplateBitmap = QImage();
}

}  // namespace

// A picture drawn in steps under a hold tells its change once, when the last hold ends; a
// hold that outlives its picture does nothing.
TEST(Picture, AHoldTellsTheChangesOnceWhenItEnds) {
    TPicture picture(QSize(4, 4));
    int told = 0;
    QObject::connect(&picture, &TPicture::Changed, [&] { ++told; });
    {
        const TPicture::THold outer(picture);
        {
            const TPicture::THold inner(picture);
            picture.NotifyChanged();
            picture.NotifyChanged();
        }
        EXPECT_EQ(told, 0);
    }
    EXPECT_EQ(told, 1);
    { const TPicture::THold unchanged(picture); }
    EXPECT_EQ(told, 1);
    picture.NotifyChanged();
    EXPECT_EQ(told, 2);
    auto gone = std::make_unique<TPicture>(QSize(2, 2));
    {
        const TPicture::THold hold(*gone);
        gone->NotifyChanged();
        gone.reset();
    }
}
