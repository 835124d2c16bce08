// SPDX-License-Identifier: MIT
// Who owns each pixel: rings scan-converted for a view, checked against the hit test's own
// even-odd rule in degrees and against the rules for overlapping rings.
#include <gtest/gtest.h>

#include <QPolygonF>
#include <random>

#include "data/Areor.h"
#include "data/PixelOwners.h"

namespace {

CArea& AddRing(CAreor& set, const QString& code, std::vector<GeoPoint> points) {
    auto area = std::make_unique<CArea>();
    area->Code = code;
    area->North = -90, area->South = 90, area->East = -360, area->West = 360;
    for (const GeoPoint& p : points) {
        area->North = std::max(area->North, double(p.Lat));
        area->South = std::min(area->South, double(p.Lat));
        area->East = std::max(area->East, double(p.Lon));
        area->West = std::min(area->West, double(p.Lon));
    }
    area->Points = std::move(points);
    set.Areas.push_back(std::move(area));
    return *set.Areas.back();
}

CArea& AddBox(CAreor& set, const QString& code, float south, float west, float north, float east) {
    return AddRing(set, code, {{south, west}, {north, west}, {north, east}, {south, east}});
}

TMapProjection View(int w, int h, float top, float bottom, float centre) {
    TMapProjection v{w, h, centre, top, bottom, 1};
    v.WidthDivisor = 90 + int(std::nearbyint(std::fabs((double(top) + bottom) / 2) / 90 * 50));
    return v;
}

int Owner(const TPixelOwners& owners, const TMapProjection& view, float lat, float lon) {
    const QPoint p = view.Project({lat, lon});
    return owners.OwnerAt(p.x(), p.y());
}

}  // namespace

// Every pixel has exactly one owner: the runs of all owners tile the picture.
TEST(PixelOwners, TheRunsOfAllOwnersCoverEveryPixelOnce) {
    CAreor areas, lakes;
    AddBox(areas, "A", 10, 0, 40, 30);
    AddBox(areas, "B", 20, 10, 30, 20);  // an enclave in A
    AddBox(areas, "C", 35, 25, 60, 70);  // overlaps A's corner, off the picture's top
    AddBox(lakes, "L", 12, 2, 18, 8);    // a lake in A
    const TMapProjection view = View(301, 199, 50, 0, 20);
    TPixelOwners owners;
    owners.Find(view, &areas, &lakes);
    std::vector<int> covered(std::size_t(view.W) * std::size_t(view.H), 0);
    long long total = 0;
    for (int owner = 0; owner < owners.OwnerCount(); ++owner) {
        int pixels = 0, lastY = -1;
        for (const TPixelOwners::TRun& r : owners.RunsOf(owner)) {
            ASSERT_LE(r.x0, r.x1);
            ASSERT_GE(r.y, lastY) << "runs in row order";
            lastY = r.y;
            for (int x = r.x0; x <= r.x1; ++x) ++covered[std::size_t(r.y) * view.W + x];
            pixels += r.x1 - r.x0 + 1;
        }
        EXPECT_EQ(pixels, owners.PixelCount(owner)) << owner;
        total += pixels;
    }
    EXPECT_EQ(total, (long long)view.W * view.H);
    EXPECT_EQ(std::count(covered.begin(), covered.end(), 1), (long)covered.size());
}

// Where rings overlap, a lake wins over land, an enclave over the area around it (the smaller
// northern edge), and of two identical rings the first; outside them all is the sea.
TEST(PixelOwners, OverlapsGoToLakesThenTheInnermostAreaThenTheFirstRecord) {
    CAreor areas, lakes;
    AddBox(areas, "A", 10, 0, 40, 30);
    AddBox(areas, "B", 20, 10, 30, 20);
    AddBox(areas, "B2", 20, 10, 30, 20);  // B's ring again
    AddBox(lakes, "L", 22, 12, 28, 16);   // a lake in the enclave
    const TMapProjection view = View(400, 300, 50, 0, 15);
    TPixelOwners owners;
    owners.Find(view, &areas, &lakes);
    EXPECT_EQ(owners.OwnerOf(areas.Area(0)), 1);
    EXPECT_EQ(owners.OwnerOf(lakes.Area(0)), 4);
    EXPECT_EQ(Owner(owners, view, 15, 5), owners.OwnerOf(areas.Area(0)));
    EXPECT_EQ(Owner(owners, view, 25, 18), owners.OwnerOf(areas.Area(1)));
    EXPECT_EQ(Owner(owners, view, 25, 14), owners.OwnerOf(lakes.Area(0)));
    EXPECT_EQ(Owner(owners, view, 45, 5), TPixelOwners::Sea);
    EXPECT_EQ(owners.PixelCount(owners.OwnerOf(areas.Area(2))), 0);
    EXPECT_EQ(owners.OwnerAt(-1, 0), -1);
    EXPECT_EQ(owners.OwnerAt(0, view.H), -1);
}

// Away from its outline, a pixel belongs to a ring exactly when the hit test's even-odd rule in
// degrees puts the pixel's point inside it: on random self-crossing rings, concave and wound
// either way, in random views.
TEST(PixelOwners, AgreesWithTheHitTestAwayFromTheOutline) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<float> unit(0, 1);
    int checked = 0;
    for (int round = 0; round < 30; ++round) {
        CAreor areas;
        std::vector<GeoPoint> corners, ring;
        for (int i = 3 + int(random() % 12); i > 0; --i)
            corners.push_back({-60 + 120 * unit(random), -90 + 180 * unit(random)});
        // Edges in pieces of about a degree, as outlines come: the projection bends long ones.
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const GeoPoint a = corners[i], b = corners[(i + 1) % corners.size()];
            const int pieces = 1 + int(std::hypot(b.Lat - a.Lat, b.Lon - a.Lon));
            for (int k = 0; k < pieces; ++k)
                ring.push_back(
                    {a.Lat + (b.Lat - a.Lat) * k / pieces, a.Lon + (b.Lon - a.Lon) * k / pieces});
        }
        const CArea& a = AddRing(areas, "R", ring);
        const int n = a.PointCount();
        const TMapProjection view = View(200 + int(random() % 400), 150 + int(random() % 300), 70,
                                         -70, -20 + 40 * unit(random));
        TPixelOwners owners;
        owners.Find(view, &areas, nullptr);
        // The outline as straight lines between its rounded pixels.
        QPolygonF drawn;
        for (const GeoPoint& p : a.Points) drawn << QPointF(view.Project(p));
        for (int y = 0; y < view.H; y += 5)
            for (int x = 0; x < view.W; x += 5) {
                bool nearEdge = false;
                for (int i = 0, j = n - 1; i < n && !nearEdge; j = i++) {
                    const QPointF p = drawn[j], q = drawn[i], d = q - p;
                    const double len2 = QPointF::dotProduct(d, d);
                    const double t =
                        len2 > 0
                            ? std::clamp(QPointF::dotProduct(QPointF(x, y) - p, d) / len2, 0.0, 1.0)
                            : 0.0;
                    const QPointF c = p + t * d - QPointF(x, y);
                    nearEdge = QPointF::dotProduct(c, c) < 2.5 * 2.5;
                }
                if (nearEdge) continue;
                ++checked;
                const bool inside = PointInPolygon(view.PixelToPoint(x, y), a.Points.data(), n);
                ASSERT_EQ(owners.OwnerAt(x, y) == 1, inside)
                    << "round " << round << " pixel " << x << "," << y;
            }
    }
    EXPECT_GT(checked, 5000);
}

// A ring wholly off the picture, or with too few points to hold anything, owns no pixel; a ring
// reaching past every edge owns the picture.
TEST(PixelOwners, RingsOffThePictureOrTooSmallOwnNothing) {
    CAreor areas;
    AddBox(areas, "far", 10, 150, 20, 160);
    AddRing(areas, "line", {{10, 0}, {20, 10}});
    AddBox(areas, "all", -80, -170, 80, 170);
    const TMapProjection view = View(120, 80, 30, 0, 0);
    TPixelOwners owners;
    owners.Find(view, &areas, nullptr);
    EXPECT_EQ(owners.PixelCount(1), 0);
    EXPECT_EQ(owners.PixelCount(2), 0);
    EXPECT_EQ(owners.PixelCount(3), view.W * view.H);
    EXPECT_TRUE(owners.FoundFor(view, &areas, nullptr));
    TMapProjection moved = view;
    moved.CentreLongitude = 1;
    EXPECT_FALSE(owners.FoundFor(moved, &areas, nullptr));
    AddBox(areas, "new", 0, 0, 1, 1);
    EXPECT_FALSE(owners.FoundFor(view, &areas, nullptr));
}
