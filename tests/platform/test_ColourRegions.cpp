// SPDX-License-Identifier: MIT
// The regions of one colour against the flood fill they stand in for, on
// random pictures; and that they refuse a picture drawn on since.
#include <gtest/gtest.h>

#include <random>

#include "app/Generell.h"
#include "platform/ColourRegions.h"
#include "platform/RasterSurface.h"

namespace {

constexpr QRgb Land = 0xFF808080;
constexpr QRgb Line = 0xFF000000;
constexpr QRgb Lake = 0xFF000080;

// Land with scattered lines and lakes in clumps and single pixels: many
// regions, with runs that touch only at corners (separate for a fill).
QImage RandomPicture(std::mt19937& random, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Land);
    std::uniform_int_distribution<int> pick(0, 99);
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int p = pick(random);
            if (p < 30)
                row[x] = Line;
            else if (p < 34)
                row[x] = Lake;
            else if (p < 40 && x > 0)
                row[x] = row[x - 1];  // clumps
        }
    }
    return image;
}

// What a flood fill in surface mode over land paints from the pixel.
void FloodFillLand(QImage& image, int x, int y, QRgb colour) {
    TRasterSurface surface(image);
    surface.SetFillColor(FromQRgb(colour));
    FloodFillAt(surface, x, y, FromQRgb(Land), TFillStyle::Surface);
}

QRgb Colour(int i) {
    return qRgb(40 + 17 * (i % 11), 200 - 13 * (i % 7), 60 + 29 * (i % 5));
}

TEST(ColourRegionsTest, PaintingRegionsOneByOneMatchesFloodFills) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const int w = 3 + int(random() % 60), h = 3 + int(random() % 40);
        QImage filled = RandomPicture(random, w, h);
        QImage painted = filled.copy();
        TColourRegions regions;
        regions.Find(painted, Land);
        for (int i = 0; i < 25; ++i) {
            const int x = int(random() % unsigned(w)), y = int(random() % unsigned(h));
            const bool land = filled.pixel(x, y) == Land;
            EXPECT_EQ(regions.RegionAt(x, y) != TColourRegions::NoRegion, land);
            FloodFillLand(filled, x, y, Colour(i));
            regions.Paint(painted, regions.RegionAt(x, y), Colour(i));
            ASSERT_TRUE(regions.DescribeNow(painted));
            ASSERT_EQ(painted, filled) << "after fill " << i << " at " << x << ", " << y;
        }
    }
}

TEST(ColourRegionsTest, ABatchWritesTheSamePictureAtItsEnd) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        const int w = 5 + int(random() % 70), h = 5 + int(random() % 30);
        QImage filled = RandomPicture(random, w, h);
        QImage painted = filled.copy();
        const QImage before = filled.copy();
        TColourRegions regions;
        regions.Find(painted, Land);
        {
            const TColourRegions::TBatch batch(regions, painted);
            for (int i = 0; i < 30; ++i) {
                const int x = int(random() % unsigned(w)), y = int(random() % unsigned(h));
                const int region = regions.RegionAt(x, y);
                FloodFillLand(filled, x, y, Colour(i));
                regions.Paint(painted, region, Colour(i));
                // Held back: the picture is untouched, but the pixel tells
                // the colour it will get.
                QRgb held = 0;
                const bool paintedHere = filled.pixel(x, y) != before.pixel(x, y);
                ASSERT_EQ(regions.HeldBack(x, y, held), paintedHere);
                if (paintedHere) {
                    EXPECT_EQ(held, filled.pixel(x, y));
                }
            }
            EXPECT_EQ(painted, before);
        }
        EXPECT_EQ(painted, filled);
        EXPECT_TRUE(regions.DescribeNow(painted));
    }
}

TEST(ColourRegionsTest, RegionsJoinAlongEdgesNotAtCorners) {
    // Two diagonal pixels are two regions; an L of three is one.
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(Line);
    image.setPixel(0, 0, Land);
    image.setPixel(1, 1, Land);
    image.setPixel(3, 0, Land);
    image.setPixel(4, 0, Land);
    image.setPixel(4, 1, Land);
    TColourRegions regions;
    regions.Find(image, Land);
    EXPECT_EQ(regions.Count(), 3);
    EXPECT_NE(regions.RegionAt(0, 0), regions.RegionAt(1, 1));
    EXPECT_EQ(regions.RegionAt(3, 0), regions.RegionAt(4, 1));
    EXPECT_EQ(regions.RegionAt(0, 1), TColourRegions::NoRegion);
    EXPECT_EQ(regions.RegionAt(-1, 0), TColourRegions::NoRegion);
    EXPECT_EQ(regions.RegionAt(5, 0), TColourRegions::NoRegion);
    EXPECT_EQ(regions.RunCount(regions.RegionAt(3, 0)), 2);
}

TEST(ColourRegionsTest, APictureDrawnOnOrReplacedIsNeverPaintedFromOldRuns) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Land);
    TColourRegions regions;
    regions.Find(image, Land);
    const int whole = regions.RegionAt(5, 5);
    ASSERT_NE(whole, TColourRegions::NoRegion);

    // Any other write, even of the same colour, makes the regions stale.
    image.setPixel(0, 0, Land);
    EXPECT_FALSE(regions.DescribeNow(image));
    regions.Paint(image, whole, Lake);
    EXPECT_EQ(image.pixel(5, 5), Land);

    // Held-back paints for a picture of another size are dropped, not
    // written out of its bounds.
    regions.Find(image, Land);
    {
        const TColourRegions::TBatch batch(regions, image);
        regions.Paint(image, regions.RegionAt(5, 5), Lake);
        image = QImage(4, 4, QImage::Format_RGB32);
        image.fill(Land);
    }
    EXPECT_EQ(image.pixel(1, 1), Land);
    EXPECT_FALSE(regions.DescribeNow(image));
}

}  // namespace
