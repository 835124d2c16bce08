// SPDX-License-Identifier: MIT
// Zoom and pan of a map's view: the point under the pointer stays under it,
// the limits hold, and home is the exercise's own view exactly.
#include <gtest/gtest.h>

#include "data/MapZoom.h"
#include "data/UKarta.h"
#include "platform/Picture.h"

namespace {

class MapZoomTest : public testing::Test {
  protected:
    MapZoomTest() : picture(QSize(400, 200)) {
        map.Image = &picture;
        map.TopLatitude = 60;
        map.BottomLatitude = 40;
        map.CentreLongitude = 10;
        map.UpdateDivisor();
        zoom.SetHome(map);
    }
    GeoPoint Under(QPoint p) const { return {map.YToLat(p.y()), map.PixelToLon(p.y(), p.x())}; }
    QPoint Where(const GeoPoint& g) const {
        return {map.LonLatToX(g.Lon, g.Lat), map.LatToY(g.Lat)};
    }
    double Span() const { return double(map.TopLatitude) - map.BottomLatitude; }

    TPicture picture;
    CKarta map;
    TMapZoom zoom;
};

TEST_F(MapZoomTest, ThePointUnderThePointerStaysUnderIt) {
    for (const QPoint pointer : {QPoint(100, 50), QPoint(390, 190), QPoint(200, 100)}) {
        for (const double factor : {TMapZoom::StepFactor, 1 / TMapZoom::StepFactor, 3.0}) {
            const GeoPoint under = Under(pointer);
            ASSERT_TRUE(zoom.ZoomAt(map, pointer, factor));
            const QPoint now = Where(under);
            EXPECT_NEAR(now.x(), pointer.x(), 1) << factor;
            EXPECT_NEAR(now.y(), pointer.y(), 1) << factor;
        }
    }
}

TEST_F(MapZoomTest, ZoomStopsAtTheWholeWorldAndAtHalfADegree) {
    for (int i = 0; i < 40; ++i) zoom.ZoomAt(map, QPoint(200, 100), 1 / TMapZoom::StepFactor);
    EXPECT_NEAR(Span(), TMapZoom::WorldSpan, 1e-3);
    EXPECT_FALSE(zoom.ZoomAt(map, QPoint(200, 100), 1 / TMapZoom::StepFactor));
    for (int i = 0; i < 80; ++i) zoom.ZoomAt(map, QPoint(200, 100), TMapZoom::StepFactor);
    EXPECT_NEAR(Span(), TMapZoom::MinSpan, 1e-4);
    EXPECT_FALSE(zoom.ZoomAt(map, QPoint(200, 100), TMapZoom::StepFactor));

    // An exercise whose own view is taller than the world may show all of it.
    map.TopLatitude = 120;
    map.BottomLatitude = -100;
    zoom.SetHome(map);
    EXPECT_FALSE(zoom.ZoomAt(map, QPoint(200, 100), 0.5));
}

TEST_F(MapZoomTest, PanningMovesThePointUnderThePressWithThePointer) {
    const QPoint from(120, 80), to(260, 130);
    const GeoPoint under = Under(from);
    ASSERT_TRUE(zoom.PanBy(map, from, to));
    EXPECT_NEAR(Where(under).x(), to.x(), 1);
    EXPECT_NEAR(Where(under).y(), to.y(), 1);
    EXPECT_NEAR(Span(), 20, 1e-4);  // panning keeps the scale
    EXPECT_FALSE(zoom.PanBy(map, to, to));
}

TEST_F(MapZoomTest, PanningKeepsTheWorldsMiddleOnThePicture) {
    for (int i = 0; i < 50; ++i) zoom.PanBy(map, QPoint(200, 0), QPoint(200, 199));
    EXPECT_LE((map.TopLatitude + map.BottomLatitude) / 2, 90.0f);
    for (int i = 0; i < 50; ++i) zoom.PanBy(map, QPoint(0, 100), QPoint(399, 100));
    EXPECT_GE(map.CentreLongitude, -180.0f);
}

TEST_F(MapZoomTest, HomeIsTheOwnViewExactly) {
    EXPECT_FALSE(zoom.Home(map));
    zoom.ZoomAt(map, QPoint(30, 170), 2.5);
    zoom.PanBy(map, QPoint(10, 10), QPoint(300, 150));
    ASSERT_TRUE(zoom.Home(map));
    EXPECT_EQ(map.TopLatitude, 60);
    EXPECT_EQ(map.BottomLatitude, 40);
    EXPECT_EQ(map.CentreLongitude, 10);
    EXPECT_FALSE(TMapZoom().Home(map));  // no own view yet
}

}  // namespace

namespace {

// Home on a window whose shape changed since the start: the exercise's own view, widened until
// the selected areas show again; on the shape it was made for, exactly that view.
TEST(MapZoomHome, WidensTheOwnViewWhereTheWindowsShapeCutsAnItemOff) {
    TPicture picture(QSize(800, 400));
    CKarta map;
    map.Areas = std::make_unique<CAreor>();
    for (const auto& [code, west, east] : {std::tuple{"W", -28.f, -20.f}, {"E", 20.f, 28.f}}) {
        auto area = std::make_unique<CArea>();
        area->Code = code;
        area->North = 55, area->South = 45, area->West = west, area->East = east;
        area->Points = {{45, west}, {55, west}, {55, east}, {45, east}};
        area->Selected = true;
        map.Areas->Areas.push_back(std::move(area));
    }
    map.Image = &picture;
    map.TopLatitude = 62;
    map.BottomLatitude = 38;
    map.CentreLongitude = 0;
    map.UpdateDivisor();
    ASSERT_TRUE(map.ShowsSelection());
    TMapZoom zoom;
    zoom.SetHome(map);
    EXPECT_FALSE(zoom.Home(map)) << "nothing to change";
    picture.SetSize(QSize(240, 400));  // portrait now
    ASSERT_FALSE(map.ShowsSelection());
    EXPECT_TRUE(zoom.Home(map));
    EXPECT_TRUE(map.ShowsSelection());
    EXPECT_GT(double(map.TopLatitude) - map.BottomLatitude, 24.0);
    EXPECT_FALSE(zoom.Home(map)) << "already home for this shape";
}

}  // namespace
