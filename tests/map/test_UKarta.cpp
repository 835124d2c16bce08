// SPDX-License-Identifier: MIT
// The map: sea seed files, view fitting, projection and the drawing steps
// checked pixel by pixel on small pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/Generell.h"
#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "platform/Picture.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

namespace {

CArea& AddBox(CAreor& areas, const QString& code, double south, double west, double north,
              double east) {
    auto area = std::make_unique<CArea>();
    area->Code = code;
    area->Names[1] = code;
    area->North = north;
    area->South = south;
    area->East = east;
    area->West = west;
    area->Seed1 = area->Seed2 = GeoPoint{float((north + south) / 2), float((east + west) / 2)};
    area->Points = {{float(south), float(west)},
                    {float(north), float(west)},
                    {float(north), float(east)},
                    {float(south), float(east)}};
    areas.Areas.push_back(std::move(area));
    return *areas.Areas.back();
}

class MapTest : public GlomiraTest {
  protected:
    MapTest() {
        map.Areas = std::make_unique<CAreor>();
        map.Waters = std::make_unique<CAreor>();
        map.Places = std::make_unique<COrter>();
    }
    void View(int w, int h, float top, float bottom, float centre) {
        picture.SetSize(QSize(w, h));
        map.Image = &picture;
        map.TopLatitude = top;
        map.BottomLatitude = bottom;
        map.CentreLongitude = centre;
        map.UpdateDivisor();
    }
    TColor At(const GeoPoint& p) {
        return picture.Canvas().Pixel(map.LonLatToX(p.Lon, p.Lat), map.LatToY(p.Lat));
    }
    TColor At(int x, int y) { return picture.Canvas().Pixel(x, y); }
    QString SeedFile(int points) {
        CrpWriter w;
        for (int i = 0; i < points; ++i) w.Degrees(-i * 0.5).Degrees(i * 1.25);
        w.Save(Path("Hav1.crp"));
        return Path("Hav1.crp");
    }
    // Clear, outlines, waters, seas: the common start of every redraw.
    void DrawBase(int border = 1) {
        map.Clear();
        map.DrawAreaOutlines(border);
        map.DrawWaters();
        map.FillSeas();
    }

    TPicture picture;
    CKarta map;
};

// --- Defaults and sea seeds ---------------------------------------------------------

TEST_F(MapTest, NewMapHasTheDocumentedDefaults) {
    CKarta fresh;
    EXPECT_EQ(fresh.Image, nullptr);
    EXPECT_EQ(fresh.SeaSeedCount, 0);
    EXPECT_FALSE(fresh.ShowGrid);
    EXPECT_EQ(fresh.WidthDivisor, 1);
    EXPECT_EQ(fresh.LandColor, MakeColor(128, 128, 128));
    EXPECT_EQ(fresh.AreaColor, MakeColor(0, 128, 0));
    EXPECT_EQ(fresh.SeaColor, MakeColor(0, 0, 128));
    EXPECT_EQ(fresh.WaterColor, MakeColor(0, 0, 128));
}

TEST_F(MapTest, SeaSeedFilesOfZeroThreeAndOneHundredPoints) {
    map.LoadSeaSeeds(SeedFile(3));
    EXPECT_EQ(map.SeaSeedCount, 3);
    EXPECT_FLOAT_EQ(map.SeaSeeds[3].Lat, -1.0f);
    EXPECT_FLOAT_EQ(map.SeaSeeds[3].Lon, 2.5f);

    CKarta empty;
    empty.LoadSeaSeeds(SeedFile(0));
    EXPECT_EQ(empty.SeaSeedCount, 1);
    EXPECT_FLOAT_EQ(empty.SeaSeeds[1].Lat, 0);
    EXPECT_FLOAT_EQ(empty.SeaSeeds[1].Lon, 0);

    map.LoadSeaSeeds(SeedFile(100));
    EXPECT_EQ(map.SeaSeedCount, 100);
    EXPECT_FLOAT_EQ(map.SeaSeeds[100].Lon, 123.75f);
}

TEST_F(MapTest, BadSeaSeedFilesFailAndKeepTheSeedsLoadedBefore) {
    map.LoadSeaSeeds(SeedFile(3));
    EXPECT_THROW(map.LoadSeaSeeds(SeedFile(101)), ERangeError);
    EXPECT_EQ(map.SeaSeedCount, 3);
    CrpWriter cut;
    cut.Degrees(10).Degrees(20).Degrees(30);  // ends inside the second point
    cut.Save(Path("cut.crp"));
    EXPECT_THROW(map.LoadSeaSeeds(Path("cut.crp")), EInOutError);
    EXPECT_THROW(map.LoadSeaSeeds(Path("missing.crp")), EFileNotFound);
    EXPECT_EQ(map.SeaSeedCount, 3);
    EXPECT_FLOAT_EQ(map.SeaSeeds[2].Lon, 1.25f);
}

// --- View and projection ----------------------------------------------------------

TEST_F(MapTest, WidthDivisorGrowsWithTheViewsMiddleLatitude) {
    const struct {
        float top, bottom;
        int divisor;
    } cases[] = {{10, -10, 90}, {50, 40, 115},    {-40, -50, 115}, {70, 50, 123},
                 {90, 90, 140}, {-80, -100, 140}, {10, 8, 95}};
    for (const auto& c : cases) {
        map.TopLatitude = c.top;
        map.BottomLatitude = c.bottom;
        map.UpdateDivisor();
        EXPECT_EQ(map.WidthDivisor, c.divisor) << c.top << " " << c.bottom;
    }
}

// A picture that grows or shrinks shows more or less around the same centre
// at the same scale: two points stay as far apart in pixels.
TEST_F(MapTest, AResizedPictureKeepsTheCentreAndTheScale) {
    View(400, 200, 60, 40, 10);
    const int divisor = map.WidthDivisor;
    const int apartX = map.LonLatToX(20, 50) - map.LonLatToX(0, 50);
    const int apartY = map.LatToY(45) - map.LatToY(55);
    picture.SetSize(QSize(300, 400));
    map.KeepScaleAfterResize(200);
    EXPECT_FLOAT_EQ(map.TopLatitude, 70);
    EXPECT_FLOAT_EQ(map.BottomLatitude, 30);
    EXPECT_EQ(map.WidthDivisor, divisor);
    EXPECT_EQ(map.LonLatToX(20, 50) - map.LonLatToX(0, 50), apartX);
    EXPECT_EQ(map.LatToY(45) - map.LatToY(55), apartY);
    EXPECT_EQ(map.LonLatToX(10, 50), 150);  // the centre stays in the middle
    EXPECT_EQ(map.LatToY(50), 200);

    picture.SetSize(QSize(300, 100));
    map.KeepScaleAfterResize(400);
    EXPECT_FLOAT_EQ(map.TopLatitude, 55);
    EXPECT_FLOAT_EQ(map.BottomLatitude, 45);
    map.KeepScaleAfterResize(0);  // no picture before: nothing to keep
    EXPECT_FLOAT_EQ(map.TopLatitude, 55);
}

TEST_F(MapTest, ProjectsTheWorkedExampleAndBack) {
    View(600, 400, 70, 30, 10);
    EXPECT_EQ(map.WidthDivisor, 118);
    EXPECT_EQ(map.LatToY(50), 200);
    EXPECT_EQ(map.LonLatToX(20, 50), 363);
    EXPECT_FLOAT_EQ(map.YToLat(200), 50);
    EXPECT_NEAR(map.PixelToLon(200, 363), 19.934, 0.001);
    EXPECT_EQ(map.LatToY(70), 0);
    EXPECT_EQ(map.LatToY(30), 400);
    EXPECT_EQ(map.LonLatToX(10, 45), 300);  // the centre meridian
}

TEST_F(MapTest, PolesAndClampedLatitudes) {
    View(601, 400, 95, 30, 10);
    EXPECT_EQ(map.LatToY(95), map.LatToY(90));
    EXPECT_EQ(map.LatToY(-120), map.LatToY(-90));
    EXPECT_EQ(map.LonLatToX(-170, 90), 300);  // Nearest(300.5): halves go to even
    View(603, 400, 95, 30, 10);
    EXPECT_EQ(map.LonLatToX(55, -90), 302);  // Nearest(301.5)
    // Rows above 90 north map to 90 and from there to the centre longitude.
    EXPECT_FLOAT_EQ(map.YToLat(0), 90);
    EXPECT_FLOAT_EQ(map.PixelToLon(0, 5), 10);
}

TEST_F(MapTest, InsideImageExcludesTheOutermostRowsAndColumns) {
    View(100, 50, 70, 30, 10);
    EXPECT_FALSE(map.InsideImage(0, 10));
    EXPECT_FALSE(map.InsideImage(100, 10));
    EXPECT_FALSE(map.InsideImage(10, 0));
    EXPECT_FALSE(map.InsideImage(10, 50));
    EXPECT_TRUE(map.InsideImage(1, 1));
    EXPECT_TRUE(map.InsideImage(99, 49));
}

TEST_F(MapTest, FitsASmallSelectionWithItsMarginOnly) {
    View(800, 600, 0, 0, 0);
    AddBox(*map.Areas, "X", 50, 10, 60, 20).Selected = true;
    AddBox(*map.Areas, "far", -40, 100, -30, 120);  // not selected: ignored
    map.FitToSelection();
    EXPECT_NEAR(map.TopLatitude, 60.4, 1e-4);
    EXPECT_NEAR(map.BottomLatitude, 49.6, 1e-4);
    EXPECT_FLOAT_EQ(map.CentreLongitude, 15);
    EXPECT_EQ(map.WidthDivisor, 121);
}

TEST_F(MapTest, WidensTheViewUntilAWideSelectionFits) {
    View(800, 600, 0, 0, 0);
    AddBox(*map.Areas, "X", 0, 0, 10, 100).Selected = true;
    map.FitToSelection();
    EXPECT_NEAR(map.TopLatitude, 41.33, 0.01);
    EXPECT_NEAR(map.BottomLatitude, -31.64, 0.01);
    EXPECT_FLOAT_EQ(map.CentreLongitude, 50);
    EXPECT_EQ(map.WidthDivisor, 93);
    // The whole width of the selection is on the picture now.
    EXPECT_GE(map.LonLatToX(0, 0), 0);
    EXPECT_LE(map.LonLatToX(100, 0), 800);
}

TEST_F(MapTest, WideningStopsAtAPole) {
    View(800, 600, 0, 0, 0);
    AddBox(*map.Areas, "AQ", -85, -180, -60, 180).Selected = true;
    map.FitToSelection();  // would never end if it widened past the pole
    EXPECT_LE(map.BottomLatitude, -90);
    EXPECT_GT(map.BottomLatitude, -95);
    EXPECT_LT(map.TopLatitude, 90);
}

// A view made for one screen shape cuts items off another: it widens about
// its middle until every selected area shows, a small one whole and a large
// one by a part of 40 pixels each way, and every selected place, and no
// further.
TEST_F(MapTest, AFixedViewWidensAboutItsMiddleUntilEveryItemShows) {
    View(400, 300, 10, -10, 0);
    AddBox(*map.Areas, "in", 0, 0, 1, 1).Selected = true;
    AddBox(*map.Areas, "far", 0, 40, 1, 41).Selected = true;
    AddBox(*map.Areas, "far", 5, 80, 6, 81).Selected = true;  // a second piece, further out
    AddBox(*map.Areas, "unasked", 0, 150, 1, 151);
    map.WidenToShowSelection();
    EXPECT_FLOAT_EQ((map.TopLatitude + map.BottomLatitude) / 2, 0);
    EXPECT_FLOAT_EQ(map.CentreLongitude, 0);
    const int margin = 8, last = 400 - 1 - margin;  // the last column clear of the edge
    // "far" shows whole by its nearer piece; a little less widening would cut it.
    EXPECT_LE(map.LonLatToX(41, 0), last);
    EXPECT_GT(map.LonLatToX(81, 6), 400);
    const float span = map.TopLatitude - map.BottomLatitude;
    View(400, 300, span / 2 / 1.021f, -span / 2 / 1.021f, 0);
    EXPECT_GT(map.LonLatToX(41, 0), last);

    // A large area needs only a part of 40 pixels each way on the picture.
    View(400, 300, 10, -10, 0);
    map.Areas->Areas.clear();
    AddBox(*map.Areas, "large", -30, 35, 30, 120).Selected = true;
    map.WidenToShowSelection();
    EXPECT_GE(last - map.LonLatToX(35, 30), 40);
    EXPECT_GT(map.LonLatToX(120, 0), 400);
    View(400, 300, map.TopLatitude / 1.021f, map.BottomLatitude / 1.021f, 0);
    EXPECT_LT(last - map.LonLatToX(35, 30), 40);

    // Places count too; a view that shows everything stays as it is.
    CrpWriter w;
    PlaceRecord p;
    p.Code = "P";
    p.Member1 = "K";
    p.Lat = -30;
    p.Lon = 0;
    WritePlace(w, p);
    w.Save(Path("Ort1.crp"));
    map.Places->Load(Path("Ort1.crp"));
    map.Places->Select("K", 10, false, false);
    View(400, 300, 10, -10, 0);
    map.Areas->Areas.clear();
    map.WidenToShowSelection();
    EXPECT_GT(map.LatToY(-30), margin);
    EXPECT_LT(map.LatToY(-30), 300 - margin);
    const float top = map.TopLatitude, bottom = map.BottomLatitude;
    map.WidenToShowSelection();
    EXPECT_EQ(map.TopLatitude, top);
    EXPECT_EQ(map.BottomLatitude, bottom);
}

TEST_F(MapTest, InsetsStayOnlyWhereTheirAreaIsAsked) {
    AddBox(*map.Areas, "US-AK", 55, -170, 70, -140);               // where it lies
    AddBox(*map.Areas, "US-AK", 24, -128, 29, -121).Reserved = 1;  // drawn beside the lower 48
    AddBox(*map.Areas, "US-HI", 22, -119, 25, -114).Reserved = 1;
    AddBox(*map.Areas, "CA-BC", 49, -139, 60, -114).Reserved = 2;  // other bits mean nothing
    map.Areas->Select("US-AK");
    map.Areas->RemoveUnselectedInsets();
    ASSERT_EQ(map.Areas->Count(), 3);
    EXPECT_EQ(map.Areas->Area(1).Code, "US-AK");
    EXPECT_TRUE(map.Areas->Area(1).IsInset());
    EXPECT_EQ(map.Areas->Area(2).Code, "CA-BC");
    // The inset answers a click on it, as the region itself does.
    EXPECT_EQ(map.Areas->AreaAt({26, -125}), &map.Areas->Area(1));
    EXPECT_EQ(map.Areas->AreaAt({60, -150}), &map.Areas->Area(0));
}

// A seed close to a border rounds onto the neighbour's side of it at some
// picture sizes: the neighbour keeps its colour, and the area is coloured
// from points inside it instead.
TEST_F(MapTest, ASeedOnTheNeighboursSideLeavesTheNeighbourAndStillColoursTheArea) {
    View(400, 300, 20, -20, 0);
    CArea& west = AddBox(*map.Areas, "W", -10, -20, 10, 0);
    CArea& east = AddBox(*map.Areas, "E", -10, 0, 10, 20);
    west.Seed1 = west.Seed2 = GeoPoint{0, 5};  // inside the eastern neighbour
    west.Selected = east.Selected = true;
    DrawBase();
    map.FillArea(west, Colors::Red);
    EXPECT_EQ(At({0, 10}), map.LandColor);
    EXPECT_EQ(At({0, -10}), Colors::Red);
}

// Tall and wide pictures alike: every corner of every selected area ends up
// on the picture. A tall one needs a view whose top lies past the north pole.
TEST_F(MapTest, AFittedViewHoldsTheWholeSelectionOnTallAndWidePictures) {
    struct Box {
        const char* name;
        float south, west, north, east;
    };
    const Box boxes[] = {{"Canada", 41.7f, -141, 83.1f, -52.6f},
                         {"Russia", 41.2f, 27, 77.7f, 169},
                         {"Chile", -55.9f, -75.7f, -17.5f, -67},
                         {"Indonesia", -11, 95, 6, 141},
                         {"Sahara", 15, -17, 37, 35}};
    const QSize sizes[] = {{1076, 1800}, {1920, 1048}, {720, 1280}, {1280, 720}};
    for (const QSize size : sizes) {
        for (const Box& box : boxes) {
            SCOPED_TRACE(testing::Message()
                         << box.name << " on " << size.width() << "x" << size.height());
            map.Areas = std::make_unique<CAreor>();
            AddBox(*map.Areas, box.name, box.south, box.west, box.north, box.east).Selected = true;
            View(size.width(), size.height(), 0, 0, 0);
            map.FitToSelection();
            for (const float lat : {box.south, box.north}) {
                for (const float lon : {box.west, box.east}) {
                    const int x = map.LonLatToX(lon, lat);
                    const int y = map.LatToY(lat);
                    EXPECT_TRUE(x >= 0 && x <= size.width() && y >= 0 && y <= size.height())
                        << lat << "/" << lon << " at " << x << "," << y << "; view "
                        << map.TopLatitude << "/" << map.BottomLatitude;
                }
            }
        }
    }
}

TEST_F(MapTest, NothingSelectedGivesTheWholeWorld) {
    View(800, 600, 0, 0, 0);
    AddBox(*map.Areas, "X", 0, 0, 10, 10);
    map.FitToSelection();
    EXPECT_FLOAT_EQ(map.TopLatitude, 90);
    EXPECT_FLOAT_EQ(map.BottomLatitude, -90);
    EXPECT_FLOAT_EQ(map.CentreLongitude, 0);
    EXPECT_EQ(map.WidthDivisor, 90);
    EXPECT_EQ(map.LatToY(0), 300);
}

TEST_F(MapTest, ASelectionAlongOneParallelStillGetsAView) {
    View(800, 600, 0, 0, 0);
    AddBox(*map.Areas, "flat", 20, 0, 20, 30).Selected = true;
    map.FitToSelection();
    EXPECT_GT(map.TopLatitude, map.BottomLatitude);
    EXPECT_GE(map.LonLatToX(0, 20), 0);
    EXPECT_LE(map.LonLatToX(30, 20), 800);
}

// A selection less than a degree tall (one small country) gets its 4 %
// margins and no more: it fills the picture.
TEST_F(MapTest, ASmallSelectionIsFittedWithoutExtraHeight) {
    View(800, 600, 0, 0, 0);
    AddBox(*map.Areas, "LU", 49.45, 5.73, 50.18, 6.53).Selected = true;
    map.FitToSelection();
    const float margin = float((50.18 - 49.45) / 25);
    EXPECT_NEAR(map.TopLatitude, 50.18f + margin, 1e-4);
    EXPECT_NEAR(map.BottomLatitude, 49.45f - margin, 1e-4);
    EXPECT_NEAR(map.CentreLongitude, 6.13f, 1e-4);
}

TEST_F(MapTest, PixelDistanceIsBetweenWholeProjectedPixels) {
    View(600, 400, 70, 30, 10);
    COrt place;
    place.Latitude = 50;
    place.Longitude = 20;
    EXPECT_EQ(map.PixelDistance({50, 20}, place), 0);
    EXPECT_EQ(map.PixelDistance({50.02f, 19.99f}, place), 0);  // same pixel
    // Ten pixels up and LonLatToX's own step to the side.
    const int dx = map.LonLatToX(20, 49) - 363;
    const int expected = int(std::lround(std::sqrt(double(dx * dx + 100))));
    EXPECT_EQ(map.PixelDistance({49, 20}, place), expected);
}

// --- Drawing ------------------------------------------------------------------------

TEST_F(MapTest, WithoutAPictureDrawingDoesNothing) {
    map.TopLatitude = 70;
    map.BottomLatitude = 30;
    AddBox(*map.Areas, "X", 40, 0, 50, 10).Selected = true;
    map.Clear();
    map.DrawAreaOutlines(1);
    map.DrawWaters();
    map.FillSeas();
    map.ColourSelectedAreas();
    map.DrawGrid(10, Colors::Silver, TPenMode::NotXor);
    map.DrawPlaces();
    EXPECT_TRUE(picture.Bitmap().isNull());
}

TEST_F(MapTest, AViewWithEqualTopAndBottomDrawsWithoutFailing) {
    // A catalogue entry with top = bottom (not both 0) is not fitted; its
    // infinite scale must give far-off pixels, not overflow or a hang.
    View(300, 200, 50, 50, 10);
    CArea& a = AddBox(*map.Areas, "A", 40, 0, 60, 20);
    a.Selected = true;
    AddBox(*map.Waters, "lake", 45, 5, 55, 15);
    map.SeaSeedCount = 1;
    DrawBase(3);
    map.ColourSelectedAreas();
    map.DrawGrid(10, Colors::Silver, TPenMode::NotXor);
    COrt place;
    place.Latitude = 50;
    place.Longitude = 10;
    place.Answered = true;
    map.DrawPlace(place, Colors::Green);
    EXPECT_EQ(At(0, 0), Colors::Black);
    EXPECT_EQ(At(1, 1), Colors::Black);
    EXPECT_FLOAT_EQ(map.YToLat(100), 50);  // every row shows the one latitude
}

TEST_F(MapTest, OutlinesAndFrameBoundTheSea) {
    View(400, 300, 60, 0, 20);
    const CArea& a = AddBox(*map.Areas, "A", 10, 0, 40, 20);
    map.SeaSeedCount = 2;
    map.SeaSeeds[1] = {50, 30};
    map.SeaSeeds[2] = {80, 0};  // off the picture: skipped
    DrawBase();
    EXPECT_EQ(At(a.Seed1), map.LandColor);
    EXPECT_EQ(At({55, 30}), map.SeaColor);
    EXPECT_EQ(At({5, 50}), map.SeaColor);
    EXPECT_EQ(At(0, 0), Colors::Black);  // the frame, 5 wide around row 0
    EXPECT_EQ(At(2, 150), Colors::Black);
    EXPECT_EQ(At(3, 150), map.SeaColor);
    EXPECT_EQ(At(map.LonLatToX(0, 10), map.LatToY(10)), Colors::Black);  // a corner
}

// The seeds are placed for the exercises' own views; at another size or zoom
// a sea they miss is found all the same: a region outside every outline.
TEST_F(MapTest, SeaWithoutASeedIsFoundOutsideTheOutlines) {
    View(400, 300, 60, 0, 20);
    const CArea& a = AddBox(*map.Areas, "A", 10, 0, 40, 20);
    const CArea& lake = AddBox(*map.Waters, "L", 48, 30, 52, 36);
    AddBox(*map.Areas, "B", 44, 26, 56, 40);  // land around the lake
    DrawBase();                               // no sea seeds at all
    EXPECT_EQ(At(a.Seed1), map.LandColor);
    EXPECT_EQ(At({55, 10}), map.SeaColor);
    EXPECT_EQ(At({5, 50}), map.SeaColor);
    EXPECT_EQ(At({46, 28}), map.LandColor);  // the land around the lake stays land
    EXPECT_EQ(At(lake.Seed1), map.WaterColor);
}

// A sea seed that falls on land at a size or zoom it was not placed for
// leaves that land alone; the open sea is still filled.
TEST_F(MapTest, ASeaSeedOnLandLeavesTheLand) {
    View(400, 300, 60, 0, 20);
    const CArea& island = AddBox(*map.Areas, "I", 20, 10, 30, 20);
    map.SeaSeeds[1] = island.Seed1;
    map.SeaSeeds[2] = {55, 30};
    map.SeaSeedCount = 2;
    DrawBase();
    EXPECT_EQ(At(island.Seed1), map.LandColor);
    EXPECT_EQ(At({55, 30}), map.SeaColor);
    EXPECT_EQ(At({5, 40}), map.SeaColor);
}

// Where the outlines pinch an area in two at this size, the part that its
// seeds miss takes its colour too, now and when it is coloured again.
TEST_F(MapTest, APartTheOutlinesPinchOffTakesTheAreasColour) {
    View(400, 300, 60, 0, 20);
    CArea& area = AddBox(*map.Areas, "D", 20, 0, 30, 10);
    // Two boxes joined by a neck far thinner than a pixel.
    area.Points = {{20, 0},  {30, 0},  {30, 10}, {25.02f, 10}, {25.02f, 20}, {30, 20},
                   {30, 30}, {20, 30}, {20, 20}, {24.98f, 20}, {24.98f, 10}, {20, 10}};
    area.East = 30;
    area.Seed1 = area.Seed2 = {25, 5};
    area.Selected = true;
    const GeoPoint part{25, 25};
    DrawBase();
    ASSERT_EQ(At(part), map.LandColor);
    map.ColourSelectedAreas();
    EXPECT_EQ(At(area.Seed1), map.AreaColor);
    EXPECT_EQ(At(part), map.AreaColor);
    map.FillArea(area, Colors::White);  // an answer, with the picture drawn on since
    EXPECT_EQ(At(area.Seed1), Colors::White);
    EXPECT_EQ(At(part), Colors::White);
}

// An island's seed that falls into the sea at some size must not paint the sea.
TEST_F(MapTest, AnAreaSeedInTheSeaPaintsNothing) {
    View(400, 300, 60, 0, 20);
    CArea& islet = AddBox(*map.Areas, "I", 30, 30, 30.05, 30.05);
    islet.Seed1 = islet.Seed2 = {20, 40};  // in the open sea at this view
    islet.Selected = true;
    DrawBase();
    ASSERT_EQ(At(islet.Seed1), map.SeaColor);
    map.FillArea(islet, Colors::Lime);
    EXPECT_EQ(At(islet.Seed1), map.SeaColor);
    EXPECT_EQ(At({55, 10}), map.SeaColor);
}

TEST_F(MapTest, BorderWidthZeroDrawsLikeOne) {
    View(300, 200, 60, 0, 20);
    AddBox(*map.Areas, "A", 10, 0, 40, 20);
    AddBox(*map.Areas, "B", 5, 15, 35, 50);
    map.Clear();
    map.DrawAreaOutlines(1);
    const QImage one = picture.Bitmap().copy();
    map.Clear();
    map.DrawAreaOutlines(0);
    EXPECT_EQ(picture.Bitmap(), one);
    map.Clear();
    map.DrawAreaOutlines(3);
    EXPECT_NE(picture.Bitmap(), one);
}

// South of the equator an area's box comes nearest the picture at its southern edge: there the
// meridians draw together. One that reaches into the picture only there is outlined.
TEST_F(MapTest, AnAreaThatReachesThePictureOnlyAtItsSouthernEdgeIsOutlined) {
    View(200, 200, 0, -80, 0);
    // At 10 south its eastern edge lies far left of the picture; at 85 south it is on it.
    CArea& south = AddBox(*map.Areas, "south", -85, -140, -10, -120);
    ASSERT_LT(map.LonLatToX(float(south.East), float(south.North)), -100);
    ASSERT_GT(map.LonLatToX(float(south.East), float(south.South)), 0);
    EXPECT_TRUE(map.IsVisible(south));
    const CArea& farther = AddBox(*map.Areas, "farther", -85, -420, -10, -400);
    EXPECT_FALSE(map.IsVisible(farther));
}

TEST_F(MapTest, AreasBeyondTheSidesAreNotOutlined) {
    View(300, 200, 60, 0, 20);
    const CArea& far = AddBox(*map.Areas, "far", 10, 150, 40, 170);
    EXPECT_FALSE(map.IsVisible(far));
    const CArea& north = AddBox(*map.Areas, "north", 65, 0, 80, 20);
    EXPECT_FALSE(map.IsVisible(north));
    const CArea& in = AddBox(*map.Areas, "in", 10, 0, 40, 20);
    EXPECT_TRUE(map.IsVisible(in));
}

TEST_F(MapTest, SelectedAreasAreColouredByAttempts) {
    View(700, 200, 40, 0, 35);
    const struct {
        bool answered;
        int attempts;
        TColor colour;
    } cases[] = {{false, 0, MakeColor(0, 128, 0)},    {true, 1, MakeColor(255, 255, 255)},
                 {true, 2, MakeColor(255, 255, 128)}, {true, 3, MakeColor(255, 255, 0)},
                 {true, 4, MakeColor(255, 0, 0)},     {true, 7, MakeColor(255, 0, 0)},
                 {true, 0, MakeColor(128, 128, 128)}};
    int i = 0;
    for (const auto& c : cases) {
        CArea& a = AddBox(*map.Areas, QString::number(i), 10, i * 10, 30, i * 10 + 8);
        a.Selected = true;
        a.Answered = c.answered;
        a.Attempts = c.attempts;
        ++i;
    }
    AddBox(*map.Areas, "unselected", 32, 0, 38, 8);
    DrawBase();
    map.ColourSelectedAreas();
    for (std::size_t k = 0; k < std::size(cases); ++k)
        EXPECT_EQ(At(map.Areas->Area(int(k)).Seed1), cases[k].colour) << k;
    EXPECT_EQ(At(map.Areas->Area(7).Seed1), map.LandColor);
}

// The pixels an area owns take its colour wherever its seeds fall: on its outline too, which a
// seed may round onto at some size or zoom. The outline itself stays black.
TEST_F(MapTest, FillAreaRecoloursItsOwnPixelsWhereverItsSeedsLie) {
    View(300, 200, 60, 0, 20);
    CArea& a = AddBox(*map.Areas, "A", 10, 0, 40, 20);
    DrawBase();
    map.FillArea(a, Colors::Red);
    const QImage red = picture.Bitmap().copy();
    EXPECT_EQ(At(a.Seed1), Colors::Red);
    map.FillArea(a, Colors::Red);
    EXPECT_EQ(picture.Bitmap(), red);
    map.FillArea(a, Colors::Yellow);
    EXPECT_EQ(At(a.Seed1), Colors::Yellow);
    EXPECT_EQ(At({12, 2}), Colors::Yellow);
    a.Seed1 = a.Seed2 = {10, 10};  // on the outline
    map.FillArea(a, Colors::White);
    EXPECT_EQ(At({12, 2}), Colors::White);
    EXPECT_EQ(At({25, 10}), Colors::White);
    EXPECT_EQ(At({10, 10}), Colors::Black);
    EXPECT_EQ(At({40, 20}), Colors::Black);
}

TEST_F(MapTest, ColourAreasByCodeTouchesSelectedMatchesOnly) {
    View(300, 200, 60, 0, 20);
    CArea& a = AddBox(*map.Areas, "A", 10, 0, 40, 10);
    a.AltCode1 = "ALT";
    a.Selected = true;
    CArea& b = AddBox(*map.Areas, "ALT", 10, 20, 40, 30);  // matches, not selected
    DrawBase();
    map.ColourAreasByCode("ALT", Colors::Lime);
    EXPECT_EQ(At(a.Seed1), Colors::Lime);
    EXPECT_EQ(At(b.Seed1), map.LandColor);
}

TEST_F(MapTest, LakesPaintOverBordersAndReadBackTheirColour) {
    View(300, 200, 60, 0, 20);
    AddBox(*map.Areas, "A", 10, 0, 40, 20);
    AddBox(*map.Areas, "B", 10, 20, 40, 40);
    CArea& lake = AddBox(*map.Waters, "lake", 20, 15, 30, 25);  // across the border
    lake.Seed1 = {25, 17};
    lake.Seed2 = {25, 23};
    map.WaterColor = 0x02FF0000u;  // palette-relative blue
    DrawBase();
    EXPECT_EQ(map.WaterColor, Colors::Blue);
    EXPECT_EQ(At({25, 20}), Colors::Blue);   // the border inside the lake is gone
    EXPECT_EQ(At({15, 20}), Colors::Black);  // outside the lake it stays
    EXPECT_EQ(At({25, 17}), Colors::Blue);
    EXPECT_EQ(At({25, 23}), Colors::Blue);
    // Area fills leave the lake alone.
    map.FillArea(map.Areas->Area(0), Colors::Red);
    EXPECT_EQ(At({25, 17}), Colors::Blue);
    EXPECT_EQ(At({15, 5}), Colors::Red);
}

// Zoomed in, the seeds of an area or a lake may lie off the picture while
// parts of it are on it: those parts are coloured all the same, each of them,
// and an enclave inside the area keeps its own colour.
TEST_F(MapTest, AreasAndLakesWhoseSeedsMissThePictureAreColouredWhereTheyShow) {
    // A U: two arms reaching up into the picture from a base below it.
    auto u = std::make_unique<CArea>();
    u->Code = "U";
    u->North = 50, u->South = 0, u->West = 0, u->East = 30;
    u->Points = {{0, 0}, {50, 0}, {50, 10}, {20, 10}, {20, 20}, {50, 20}, {50, 30}, {0, 30}};
    u->Seed1 = u->Seed2 = {10, 15};  // in the base
    u->Selected = true;
    map.Areas->Areas.push_back(std::move(u));
    const CArea& area = *map.Areas->Areas.back();
    CArea& enclave = AddBox(*map.Areas, "E", 40, 2, 44, 6);     // in the left arm, not asked
    CArea& lake = AddBox(*map.Waters, "lake", 30, 22, 45, 28);  // in the right arm
    lake.Seed1 = lake.Seed2 = {32, 25};
    View(400, 300, 48, 34, 15);  // only the arms' tops: no seed on the picture
    ASSERT_GT(map.LatToY(lake.Seed1.Lat), 300);
    ASSERT_GT(map.LatToY(area.Seed1.Lat), 300);
    DrawBase();
    map.FillArea(area, Colors::Red);
    EXPECT_EQ(At({45, 8}), Colors::Red);   // left arm
    EXPECT_EQ(At({47, 25}), Colors::Red);  // right arm, above the lake
    EXPECT_EQ(At({40, 25}), map.WaterColor);
    EXPECT_EQ(At(enclave.Seed1), map.LandColor);
    EXPECT_EQ(At({45, 15}), map.SeaColor);  // between the arms
}

// A part's extra record repeats its area's ring with seeds of its own; the
// points inside the ring belong to the area all the same.
TEST_F(MapTest, AnAreaWithAPartRecordIsColouredWhereItShowsPastTheEdge) {
    CArea& main = AddBox(*map.Areas, "I", 40, -30, 50, 10);
    CArea& part = AddBox(*map.Areas, "I", 40, -30, 50, 10);
    CArea& lake = AddBox(*map.Waters, "lake", 44, 6, 46, 8);
    main.Seed1 = {45, -25};
    main.Seed2 = {45, 7};  // in the lake: fills nothing
    part.Seed1 = part.Seed2 = {41, -29};
    lake.Seed1 = lake.Seed2 = {45, 7};
    main.Selected = part.Selected = true;
    View(400, 300, 60, 30, 25);  // the box's east end only
    ASSERT_LT(map.LonLatToX(-25, 45), 0);
    DrawBase();
    map.FillArea(main, Colors::Red);
    map.FillArea(part, Colors::Red);
    EXPECT_EQ(At({42, 2}), Colors::Red);
}

TEST_F(MapTest, WatersWithoutLakesDrawOnlyTheFrames) {
    View(120, 80, 60, 0, 20);
    map.Clear();
    map.DrawFrame();
    const QImage frameOnly = picture.Bitmap().copy();
    map.Clear();
    map.DrawWaters();
    EXPECT_EQ(picture.Bitmap(), frameOnly);
    EXPECT_EQ(At(2, 40), Colors::Black);
    EXPECT_EQ(At(3, 40), map.LandColor);
    EXPECT_EQ(At(117, 40), Colors::Black);
    EXPECT_EQ(At(116, 40), map.LandColor);
}

TEST_F(MapTest, GraticuleDrawsParallelsAndMeridiansInTheGivenMode) {
    View(600, 400, 70, 30, 10);
    map.Clear();
    map.DrawGrid(10, Colors::Silver, TPenMode::NotXor);
    const TColor notXor = MakeColor(191, 191, 191);  // NOT (grey XOR silver)
    for (int lat : {40, 50, 60}) EXPECT_EQ(At(150, map.LatToY(lat)), notXor) << lat;
    EXPECT_EQ(At(150, map.LatToY(45)), map.LandColor);
    EXPECT_EQ(At(map.LonLatToX(20, 45), map.LatToY(45)), notXor);  // meridian 20 east
    EXPECT_EQ(At(map.LonLatToX(15, 45), map.LatToY(45)), map.LandColor);
    EXPECT_EQ(At(1, 1), Colors::Black);  // the frame comes last

    map.Clear();
    map.DrawGrid(10, map.AreaColor, TPenMode::Mask);
    EXPECT_EQ(At(150, map.LatToY(50)), MakeColor(0, 128, 0));  // grey AND green
}

TEST_F(MapTest, PlacesAreDotsAndAnsweredOnesGetNameBoxes) {
    HighlightColor = MakeColor(255, 64, 64);
    View(1000, 400, 70, 30, 10);
    map.Clear();
    COrt place;
    place.Latitude = 50;
    place.Longitude = 10;
    place.Names[CurrentLanguage] = "Bern";
    const int x = map.LonLatToX(10, 50), y = map.LatToY(50);
    map.DrawPlace(place, Colors::Green);
    EXPECT_EQ(At(x, y), Colors::Green);
    EXPECT_EQ(At(x - 6, y), Colors::White);  // radius 1000 div 250 + 2, white rim
    EXPECT_EQ(At(x - 7, y), map.LandColor);
    EXPECT_EQ(At(x + 5, y), Colors::White);
    EXPECT_EQ(At(x + 6, y), map.LandColor);  // right bound exclusive

    place.Answered = true;
    const struct {
        int attempts;
        TColor box;
    } cases[] = {{1, MakeColor(255, 255, 255)},
                 {2, MakeColor(255, 255, 160)},
                 {3, MakeColor(255, 255, 0)},
                 {4, MakeColor(255, 64, 64)},
                 {0, MakeColor(255, 64, 64)}};
    for (const auto& c : cases) {
        place.Attempts = c.attempts;
        map.DrawPlace(place, Colors::Yellow);
        // Inside the box's left margin, clear of the text.
        const int w = picture.Canvas().TextWidth("Bern");
        EXPECT_EQ(At(x - w / 2 - 2, y - 6 + 2), c.box) << c.attempts;
        EXPECT_EQ(At(x - w / 2 - 4, y - 6 + 2), Colors::Black);  // box outline
    }
}

TEST_F(MapTest, NarrowPicturesGetTheSmallestDots) {
    View(200, 100, 70, 30, 10);
    map.Clear();
    COrt place;
    place.Latitude = 50;
    place.Longitude = 10;
    map.DrawPlace(place, Colors::Green);
    const int x = map.LonLatToX(10, 50), y = map.LatToY(50);
    EXPECT_EQ(At(x - 2, y), Colors::White);
    EXPECT_EQ(At(x - 3, y), map.LandColor);
}

TEST_F(MapTest, DrawPlacesShowsSelectedUnansweredPlacesOnly) {
    CrpWriter w;
    PlaceRecord p;
    p.Code = "A";
    p.Member1 = "K";
    p.Lat = 50;
    p.Lon = 0;
    WritePlace(w, p);
    p.Code = "B";
    p.Lon = 10;
    WritePlace(w, p);
    p.Code = "C";
    p.Lon = 20;
    WritePlace(w, p);
    w.Save(Path("Ort1.crp"));
    map.Places->Load(Path("Ort1.crp"));
    map.Places->Select("K", 10, false, false);
    COrt* b = map.Places->First->Next;
    b->Answered = true;
    map.Places->First->Next->Next->Selected = false;
    View(600, 400, 70, 30, 10);
    map.Clear();
    map.DrawPlaces();
    EXPECT_EQ(At({50, 0}), Colors::Green);
    EXPECT_EQ(At({50, 10}), map.LandColor);
    EXPECT_EQ(At({50, 20}), map.LandColor);
}

// --- High-DPI pictures --------------------------------------------------------------

// The same view at one and at two device pixels per control pixel: twice the
// pixels, and every width, mark and text twice as wide, not a blurred doubling.
TEST_F(MapTest, AtTwiceTheDevicePixelsLinesMarksAndTextGrowWithTheRatio) {
    struct Measures {
        int border = 0, frame = 0, dotRadius = 0, textHeight = 0, distance = 0;
    };
    const auto measure = [&](int ratio) {
        picture.SetPixelRatio(ratio);
        View(500 * ratio, 300 * ratio, 60, 0, 20);
        map.Areas = std::make_unique<CAreor>();
        const CArea& a = AddBox(*map.Areas, "A", 10, 0, 40, 20);
        map.Clear();
        map.DrawAreaOutlines(1);
        Measures m;
        // Black along the row through the seed, at the west edge.
        const int y = map.LatToY(a.Seed1.Lat);
        const int edge = map.LonLatToX(0, a.Seed1.Lat);
        for (int x = edge - 4 * ratio; x <= edge + 4 * ratio; ++x)
            m.border += At(x, y) == Colors::Black ? 1 : 0;
        map.DrawFrame();
        while (At(m.frame, y) == Colors::Black) ++m.frame;
        COrt place;
        place.Latitude = 50;
        place.Longitude = 40;
        place.Names[CurrentLanguage] = "Bern";
        const int px = map.LonLatToX(40, 50), py = map.LatToY(50);
        map.DrawPlace(place, Colors::Green);
        while (At(px - m.dotRadius - 1, py) != map.LandColor) ++m.dotRadius;
        place.Answered = true;
        place.Attempts = 2;
        map.DrawPlace(place, Colors::Yellow);
        // The name box's left margin, from its top edge down to its bottom edge.
        const int w = picture.Canvas().TextWidth("Bern");
        const int margin = px - w / 2 - 1;
        int top = 0;
        while (At(margin, top) != MakeColor(255, 255, 160)) ++top;
        int bottom = top;
        while (At(margin, bottom) == MakeColor(255, 255, 160)) ++bottom;
        m.textHeight = bottom - top;
        m.distance = map.PixelDistance({45, 40}, place);
        return m;
    };
    const Measures one = measure(1);
    const Measures two = measure(2);
    EXPECT_EQ(picture.Bitmap().size(), QSize(1000, 600));
    EXPECT_EQ(one.border, 1);
    EXPECT_EQ(two.border, 2);
    EXPECT_EQ(one.frame, 3);  // a pen of 5 centred on the picture's edge
    EXPECT_EQ(two.frame, 5);  // one of 10
    EXPECT_EQ(two.dotRadius, 2 * one.dotRadius);
    EXPECT_NEAR(two.textHeight, 2 * one.textHeight, 2);
    // Distances count the control's pixels, so a click's tolerance does not shrink.
    EXPECT_NEAR(two.distance, one.distance, 1);
}

}  // namespace

// --- Markers for areas too small to click ------------------------------------------

// Small selected areas get a circle in their colour; a click in it answers
// for them, a click just outside for the area beneath; unselected and large
// areas get none, and zooming in until the area is large removes it.
TEST_F(MapTest, AreasTooSmallToClickGetMarkersThatAnswerForThem) {
    View(400, 300, 60, 0, 20);
    CArea& big = AddBox(*map.Areas, "B", 10, 0, 40, 20);
    CArea& islet = AddBox(*map.Areas, "S", 25, 30, 25.5, 30.5);
    CArea& enclave = AddBox(*map.Areas, "E", 20, 10, 20.4, 10.4);
    AddBox(*map.Areas, "U", 45, 30, 45.5, 30.5);  // not in the exercise
    for (CArea* a : {&big, &islet, &enclave}) a->Selected = true;
    map.MarkersWanted = true;
    DrawBase();
    map.ColourSelectedAreas();

    const TAreaMarkers& markers = map.Markers();
    ASSERT_EQ(markers.Markers().size(), 2u);
    const TAreaMarker* ofIslet = markers.Of("S");
    const TAreaMarker* ofEnclave = markers.Of("E");
    ASSERT_TRUE(ofIslet && ofEnclave);
    EXPECT_EQ(markers.Of("B"), nullptr);
    EXPECT_EQ(markers.Of("U"), nullptr);
    EXPECT_EQ(At(ofIslet->centre.x(), ofIslet->centre.y()), map.AreaColor);

    const int r = markers.RadiusPixels();
    const auto clicked = [&](QPoint p) {
        const CArea* a = map.Areas->AreaAt(map.ClickPoint(p.x(), p.y()));
        return a ? a->Code : QString();
    };
    EXPECT_EQ(clicked(ofIslet->centre), "S");
    EXPECT_EQ(clicked(ofEnclave->centre + QPoint(r - 1, 0)), "E");
    EXPECT_EQ(clicked(ofEnclave->centre + QPoint(r + 2, 0)), "B");
    EXPECT_EQ(clicked(ofIslet->centre + QPoint(0, r + 2)), "");  // the sea beside it

    // An answer and the hint colour the marker. Its rim stays visible on
    // land of the same colour: white round a dark fill, dark round a light one.
    const auto rim = [&](const TAreaMarker* m) {
        int white = 0, dark = 0;
        for (int dx = -r - 1; dx <= -r + 1; ++dx) {
            const TColor c = At(m->centre.x() + dx, m->centre.y());
            white += c == Colors::White;
            dark += RedOf(c) < 100 && GreenOf(c) < 100 && BlueOf(c) < 100;
        }
        return std::make_pair(white, dark);
    };
    EXPECT_GT(rim(ofEnclave).first, 0);
    map.ColourAreasByCode("S", Colors::White);
    EXPECT_EQ(At(ofIslet->centre.x(), ofIslet->centre.y()), Colors::White);
    EXPECT_GT(rim(ofIslet).second, 0);
    islet.Answered = true;
    islet.Attempts = 3;
    map.ColourSelectedAreas();
    EXPECT_EQ(At(map.Markers().Of("S")->centre.x(), map.Markers().Of("S")->centre.y()),
              Colors::Yellow);

    // Zoomed in on the islet it is large enough to click itself.
    View(400, 300, 26, 24.5, 30.25);
    DrawBase();
    EXPECT_EQ(map.Markers().Of("S"), nullptr);
    EXPECT_EQ(map.Areas->AreaAt(map.ClickPoint(200, 150)), &islet);

    // A picture smaller than a marker still gets one, on it.
    View(12, 10, 60, 0, 20);
    ASSERT_NE(map.Markers().Of("S"), nullptr);
    EXPECT_TRUE(QRect(0, 0, 12, 10).contains(map.Markers().Of("S")->centre));

    // Without a wish for markers (a place exercise) there are none.
    map.MarkersWanted = false;
    View(400, 300, 60, 0, 20);
    EXPECT_TRUE(map.Markers().Markers().empty());
}

// Markers of neighbouring small areas are placed apart, and where discs
// still overlap the nearest centre wins.
TEST_F(MapTest, NeighbouringMarkersArePlacedApartAndTheNearestCentreWins) {
    View(400, 300, 60, 0, 20);
    for (int i = 0; i < 4; ++i) {
        CArea& a =
            AddBox(*map.Areas, QString("M%1").arg(i), 30, 20 + 0.3 * i, 30.2, 20.2 + 0.3 * i);
        a.Selected = true;
    }
    map.MarkersWanted = true;
    DrawBase();
    const auto& placed = map.Markers().Markers();
    ASSERT_EQ(placed.size(), 4u);
    const int r = map.Markers().RadiusPixels();
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const QPoint d = placed[i].centre - placed[j].centre;
            EXPECT_GE(std::hypot(d.x(), d.y()), 2.0 * r - 1) << i << " " << j;
        }
    for (const TAreaMarker& m : placed) {
        EXPECT_EQ(map.Markers().At(m.centre), &m);
        const QPoint towards = m.centre + QPoint(r / 2, 0);
        const TAreaMarker* hit = map.Markers().At(towards);
        ASSERT_NE(hit, nullptr);
        for (const TAreaMarker& other : placed) {
            const QPoint a = towards - hit->centre, b = towards - other.centre;
            EXPECT_LE(a.x() * a.x() + a.y() * a.y(), b.x() * b.x() + b.y() * b.y());
        }
    }
}

// --- The delivered maps ---------------------------------------------------------

// Colouring a redraw's areas through the land regions the sea fill found
// must paint what flood fills from the seeds paint: each delivered map drawn
// twice, the second time with the picture touched after the sea fill so that
// the regions are stale and the fills run. A fitted view, and a zoomed one
// whose areas reach beyond the picture.
TEST(DeliveredMapTest, ColouringThroughTheLandRegionsMatchesFloodFills) {
    for (int mapNo = 1; mapNo <= 5; ++mapNo) {
        SCOPED_TRACE(mapNo);
        std::unique_ptr<CKarta> map;
        try {
            map = LoadFullMap(mapNo, std::nullopt, ProgramDirectory());
        } catch (const std::exception& e) {
            GTEST_SKIP() << "the delivered maps are not beside the test program: " << e.what();
        }
        int i = 0;
        for (const auto& area : map->Areas->Areas) {
            area->Selected = area->PointCount() > 0;
            area->Answered = i % 5 != 0;
            area->Attempts = i % 5;
            ++i;
        }
        TPicture picture(QSize(900, 520));
        map->Image = &picture;
        map->FitToSelection();
        map->UpdateDivisor();
        const CArea& largest = **std::max_element(
            map->Areas->Areas.begin(), map->Areas->Areas.end(),
            [](const auto& a, const auto& b) { return a->PointCount() < b->PointCount(); });
        for (bool zoomed : {false, true}) {
            SCOPED_TRACE(zoomed ? "zoomed" : "fitted");
            if (zoomed)
                map->ShowAt(largest.Seed1, QPoint(450, 260),
                            (largest.North - largest.South) / 2 + 0.5);
            QImage drawn[2];
            for (bool stale : {false, true}) {
                map->Clear();
                map->DrawAreaOutlines(1);
                map->DrawWaters();
                map->FillSeas();
                TRasterSurface& canvas = picture.Canvas();
                if (stale) canvas.SetPixel(0, 0, canvas.Pixel(0, 0));
                map->ColourSelectedAreas();
                drawn[stale] = canvas.Image().copy();
            }
            int differing = 0;
            for (int y = 0; y < drawn[0].height(); ++y)
                for (int x = 0; x < drawn[0].width(); ++x)
                    differing += drawn[0].pixel(x, y) != drawn[1].pixel(x, y);
            EXPECT_EQ(differing, 0);
        }
    }
}
