// SPDX-License-Identifier: MIT
// What counts as small on the view, where the zoom to an item goes and how
// far, the item's colour in the run's state, and the flag a wrong click on
// a country hands to the screen.
#include <gtest/gtest.h>

#include <QRect>
#include <climits>
#include <cmath>

#include "FakeScreens.h"
#include "data/MapZoom.h"
#include "exercise/ItemFocus.h"
#include "exercise/OvLand.h"
#include "exercise/OvOrt.h"

namespace {

constexpr TColor Magenta = MakeColor(255, 0, 255);

// The projected box of an area's pieces, in picture pixels.
QRect Box(const CKarta& map, const QString& code) {
    int x0 = INT_MAX, x1 = INT_MIN, y0 = INT_MAX, y1 = INT_MIN;
    for (const auto& area : map.Areas->Areas) {
        if (!area->Matches(code)) continue;
        for (const GeoPoint& p : area->Points) {
            const int x = map.LonLatToX(p.Lon, p.Lat), y = map.LatToY(p.Lat);
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
    }
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

double Span(const CKarta& map) {
    return double(map.TopLatitude) - map.BottomLatitude;
}

// A view of 20 degrees over a 400 x 300 picture: 15 pixels a degree of latitude.
class AreaFocusTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        AreaRecord tiny = Named(BoxArea("TI", 49.98, 14.98, 50.02, 15.02), "Tiny");
        tiny.FlagFile = "ti.bmp";
        map = MakeMap({Named(BoxArea("BIG", 41, 0, 59, 12), "Big"), tiny,
                       Named(BoxArea("MID", 52, 20, 53.6, 22.4), "Middling"),
                       Named(BoxArea("LOW", 44, 20, 44.6, 20.8), "Lowly"),
                       Named(BoxArea("REG", 41, 24, 59, 30), "Region")});
        area.Map = map.get();
        area.TopLatitude = 60;
        area.BottomLatitude = 40;
        area.CentreLongitude = 15;
        area.BorderWidth = 1;
        SetItems(area, {"BIG", "TI", "MID", "LOW", "REG"});
        area.Start(screen);
    }

    std::unique_ptr<CKarta> map;
    COvningLandArea area;
    FakeMapScreen screen{QSize(400, 300)};
};

TEST_F(AreaFocusTest, SmallMeansUnderThirtyPixelsOrAMarker) {
    ASSERT_GE(Box(*map, "BIG").height(), 30);
    ASSERT_LT(Box(*map, "MID").height(), 30);
    ASSERT_GE(Box(*map, "MID").height(), 10);  // too big for a marker
    ASSERT_NE(map->Markers().Of("TI"), nullptr);
    EXPECT_FALSE(TItemFocus(*map, area, "BIG").IsSmall());
    EXPECT_FALSE(TItemFocus(*map, area, "REG").IsSmall());
    EXPECT_TRUE(TItemFocus(*map, area, "MID").IsSmall());
    EXPECT_TRUE(TItemFocus(*map, area, "TI").IsSmall());

    const TItemFocus unknown(*map, area, "NOPE");
    EXPECT_FALSE(unknown.Found());
    EXPECT_FALSE(unknown.IsSmall());
    const TMapView before = TMapView::Of(*map);
    EXPECT_FALSE(unknown.ZoomTo(*map));
    EXPECT_EQ(TMapView::Of(*map), before);

    // Zoomed in far enough, the small one is small no more.
    map->ShowAt(GeoPoint{52.8f, 21.2f}, QPoint(200, 150), 4);
    EXPECT_FALSE(TItemFocus(*map, area, "MID").IsSmall());
}

TEST_F(AreaFocusTest, TheZoomCentresTheAreaAndMakesItAboutAHundredPixels) {
    const TItemFocus mid(*map, area, "MID");
    ASSERT_TRUE(mid.ZoomTo(*map));
    const QRect box = Box(*map, "MID");
    EXPECT_NEAR(std::max(box.width(), box.height()), 100, 3);
    EXPECT_NEAR(box.center().x(), 200, 2);
    EXPECT_NEAR(box.center().y(), 150, 2);
    EXPECT_TRUE(map->ShowsEnoughOf(*map->Areas->FindByCode("MID"), 0, 100));
}

TEST_F(AreaFocusTest, TheZoomStaysWithinItsFactorsAndTheZoomLimit) {
    // 0.04 degrees is under a pixel: sixteen times in, no more.
    ASSERT_TRUE(TItemFocus(*map, area, "TI").ZoomTo(*map));
    EXPECT_NEAR(Span(*map), 20.0 / 16, 1e-4);
    EXPECT_NEAR(map->LatToY(50), 150, 1);
    EXPECT_NEAR(map->LonLatToX(15, 50), 200, 1);

    // From there, sixteen times more would pass half a degree.
    ASSERT_TRUE(TItemFocus(*map, area, "TI").ZoomTo(*map));
    EXPECT_NEAR(Span(*map), TMapZoom::MinSpan, 1e-4);
}

TEST_F(AreaFocusTest, AZoomIsAtLeastTwiceCloser) {
    // Over 50 pixels: the rule would ask for less than twice.
    map->ShowAt(GeoPoint{44.3f, 20.4f}, QPoint(200, 150), 2.5);
    const QRect before = Box(*map, "LOW");
    ASSERT_LT(std::max(before.width(), before.height()), 100);
    ASSERT_GT(std::max(before.width(), before.height()), 50);
    ASSERT_TRUE(TItemFocus(*map, area, "LOW").ZoomTo(*map));
    EXPECT_NEAR(Span(*map), 1.25, 1e-4);
}

TEST_F(AreaFocusTest, TheStateColourFollowsAnswersAndTheHint) {
    EXPECT_EQ(TItemFocus(*map, area, "MID").StateColour(), map->AreaColor);
    map->Areas->MarkAnswered("MID", 1);
    EXPECT_EQ(TItemFocus(*map, area, "MID").StateColour(), Colors::White);
    map->Areas->MarkAnswered("BIG", 4);
    EXPECT_EQ(TItemFocus(*map, area, "BIG").StateColour(), Colors::Red);
    area.CurrentKey = "LOW";
    area.HintColour = Colors::Lime;
    EXPECT_EQ(TItemFocus(*map, area, "LOW").StateColour(), Colors::Lime);
    EXPECT_EQ(TItemFocus(*map, area, "REG").StateColour(), map->AreaColor);
}

TEST_F(AreaFocusTest, PaintColoursTheAreaAndItsMarker) {
    const auto pixel = [&](QPoint p) { return FromQRgb(screen.picture.Bitmap().pixel(p)); };
    const CArea& reg = *map->Areas->FindByCode("REG");
    const QPoint seed(map->LonLatToX(reg.Seed1.Lon, reg.Seed1.Lat), map->LatToY(reg.Seed1.Lat));
    TItemFocus(*map, area, "REG").Paint(*map, Magenta);
    EXPECT_EQ(pixel(seed), Magenta);
    TItemFocus(*map, area, "TI").Paint(*map, Magenta);
    EXPECT_EQ(pixel(map->Markers().Of("TI")->centre), Magenta);
}

// A wrong click on an area with a flag file hands the flag to the screen;
// one on an area without keeps to the plain name.
TEST_F(AreaFocusTest, AWrongClickOnACountryNamesItWithItsFlag) {
    area.CurrentKey = "BIG";
    TAnswer onTiny;
    onTiny.Lat = 50;
    onTiny.Lon = 15;
    area.Wrong(onTiny);
    ASSERT_FALSE(screen.names.isEmpty());
    EXPECT_EQ(screen.names.last().Text, "Tiny");
    EXPECT_EQ(screen.names.last().Flag, "ti.bmp");
    EXPECT_TRUE(screen.names.last().Visible);

    TAnswer onRegion;
    onRegion.Lat = 50;
    onRegion.Lon = 27;
    area.Wrong(onRegion);
    EXPECT_EQ(screen.names.last().Text, "Region");
    EXPECT_TRUE(screen.names.last().Flag.isEmpty());
    EXPECT_EQ(area.WrongCount, 2);
}

class PlaceFocusTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        map = MakeMap(
            {Named(BoxArea("AA", 41, 0, 59, 30), "Alpha")},
            {Place("Lone", "AA", 45, 3), Place("Near", "AA", 52, 20), Place("Nigh", "AA", 52, 20.8),
             Place("Twin", "AA", 55, 25), Place("Close", "AA", 55, 25.001)});
        ort.Map = map.get();
        ort.TopLatitude = 60;
        ort.BottomLatitude = 40;
        ort.CentreLongitude = 15;
        ort.MaxPlaceRank = 10;
        SetItems(ort, {"AA"});
        ort.Start(screen);
    }
    const COrt& Called(const QString& name) const {
        for (const COrt* p = map->Places->First; p; p = p->Next)
            if (p->Names[1] == name) return *p;
        throw std::runtime_error("no such place");
    }

    std::unique_ptr<CKarta> map;
    COvningOrt ort;
    FakeMapScreen screen{QSize(400, 300)};
};

// Every place is small; the zoom parts it from its nearest neighbour by at
// least 60 pixels, zooming twice at least and sixteen times at most.
TEST_F(PlaceFocusTest, APlaceIsAlwaysSmallAndTheZoomPartsItFromItsNeighbour) {
    EXPECT_TRUE(TItemFocus(*map, ort, "LON").IsSmall());
    EXPECT_TRUE(TItemFocus(*map, ort, "LON").IsPlace());
    EXPECT_FALSE(TItemFocus(*map, ort, "XYZ").Found());

    const CKarta& m = *map;
    const auto gap = [&](const COrt& a, const COrt& b) {
        return m.PixelDistance(GeoPoint{float(a.Latitude), float(a.Longitude)}, b);
    };
    ASSERT_LT(gap(Called("Near"), Called("Nigh")), 60);
    ASSERT_TRUE(TItemFocus(*map, ort, "NEA").ZoomTo(*map));
    // Whole pixels each way: within a few of the rule.
    EXPECT_GE(gap(Called("Near"), Called("Nigh")), 55);
    EXPECT_LE(gap(Called("Near"), Called("Nigh")), 66);
    EXPECT_NEAR(map->LatToY(52), 150, 1);
    EXPECT_NEAR(map->LonLatToX(20, 52), 200, 1);

    TMapView{60, 40, 15}.ApplyTo(*map);
    ASSERT_TRUE(TItemFocus(*map, ort, "LON").ZoomTo(*map));
    EXPECT_NEAR(Span(*map), 10, 1e-4);  // far from all: twice

    TMapView{60, 40, 15}.ApplyTo(*map);
    ASSERT_TRUE(TItemFocus(*map, ort, "TWI").ZoomTo(*map));
    EXPECT_NEAR(Span(*map), 20.0 / 16, 1e-4);  // on top of another: sixteen times
}

TEST_F(PlaceFocusTest, ThePlaceShowsItsAnswerOrTheHint) {
    COrt& near = const_cast<COrt&>(Called("Near"));
    EXPECT_EQ(TItemFocus(*map, ort, "NEA").StateColour(), Colors::Green);
    near.Answered = true;
    EXPECT_EQ(TItemFocus(*map, ort, "NEA").StateColour(), Colors::Yellow);
    ort.CurrentPlace = const_cast<COrt*>(&Called("Lone"));
    ort.HintColour = Colors::Lime;
    EXPECT_EQ(TItemFocus(*map, ort, "LON").StateColour(), Colors::Lime);

    const QPoint dot(map->LonLatToX(3, 45), map->LatToY(45));
    TItemFocus(*map, ort, "LON").Paint(*map, Magenta);
    EXPECT_EQ(FromQRgb(screen.picture.Bitmap().pixel(dot)), Magenta);
}

}  // namespace
