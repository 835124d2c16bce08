// SPDX-License-Identifier: MIT
// Starts every map exercise of the delivered catalogue as the game does and checks the
// fills: every sea region filled, no land region painted as sea, every part of an exercise area
// coloured.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <memory>
#include <vector>

#include "data/Areor.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"
#include "platform/Picture.h"
#include "support/ExerciseOnPicture.h"

namespace {

const QString Dir = QStringLiteral(GLOMIRA_GAMEDATA_DIR);

// Regions smaller than this are the specks that outlines leave between them along a coast,
// not sea a player would see as a region.
constexpr int MinRegionPixels = 12;
// Land drawn as sea: a region this large is land a player sees, not a strip along a coast that
// the world outlines draw coarser than the regional maps.
constexpr int MinLandPixels = 40;

struct Size {
    int W, H;
};
void PrintTo(const Size& s, std::ostream* os) {
    *os << s.W << "x" << s.H;
}

// The exercise's map as the exercise draws it at start.
struct Drawn : ExerciseOnPicture {
    Drawn(COvning& e, Size size) : ExerciseOnPicture(e, QSize(size.W, size.H), Dir) {}
};

enum Ground : uchar { Sea = 0, Land = 1, Lake = 2, OffWorld = 3 };

// What each pixel shows geographically: land, a lake, open sea, or nothing (beyond ±180°). With
// selectedOnly, only the selected areas count as land.
std::vector<uchar> GroundOf(const CKarta& map, int W, int H, bool selectedOnly = false) {
    QImage mask(W, H, QImage::Format_Grayscale8);
    mask.fill(Sea);
    {
        QPainter p(&mask);
        for (const CAreor* set : {map.Areas.get(), map.Waters.get()}) {
            // A lake's drawn outline belongs to the lake, which matters for long thin lakes.
            const bool lakes = set == map.Waters.get();
            const QColor ground = lakes ? QColor(Lake, Lake, Lake) : QColor(Land, Land, Land);
            p.setPen(lakes ? QPen(ground, 2) : QPen(Qt::NoPen));
            p.setBrush(ground);
            for (int i = 0; i < set->Count(); ++i) {
                const CArea& a = set->Area(i);
                if (selectedOnly && !lakes && !a.Selected) continue;
                QPolygonF ring;
                for (int k = 0; k < a.PointCount(); ++k) {
                    const GeoPoint& pt = a.Points[std::size_t(k)];
                    ring << QPointF(map.LonLatToX(pt.Lon, pt.Lat), map.LatToY(pt.Lat));
                }
                p.drawPolygon(ring, Qt::OddEvenFill);
            }
        }
        // An area of another exercise enclosed by a selected one (San Marino in Italy) keeps
        // the land colour: it is not the exercise's ground.
        for (int i = 0; selectedOnly && i < map.Areas->Count(); ++i) {
            const CArea& a = map.Areas->Area(i);
            if (a.Selected) continue;
            bool enclosed = false;
            for (int k = 0; k < map.Areas->Count() && !enclosed; ++k) {
                const CArea& b = map.Areas->Area(k);
                enclosed = b.Selected && b.Code != a.Code &&
                           PointInPolygon(a.Seed1, b.Points.data(), b.PointCount());
            }
            if (!enclosed) continue;
            QPolygonF ring;
            for (const GeoPoint& pt : a.Points)
                ring << QPointF(map.LonLatToX(pt.Lon, pt.Lat), map.LatToY(pt.Lat));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(Sea, Sea, Sea));
            p.drawPolygon(ring, Qt::OddEvenFill);
        }
    }
    std::vector<uchar> out(std::size_t(W) * std::size_t(H));
    for (int y = 0; y < H; ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < W; ++x) {
            const float lon = map.PixelToLon(y, x);
            out[std::size_t(y) * std::size_t(W) + std::size_t(x)] =
                (lon < -180 || lon > 180) ? uchar(OffWorld) : row[x];
        }
    }
    return out;
}

// Pixels that the world outlines (AREA1) draw as land, lakes aside, two pixels in from every
// coast so that the finer coasts of the regional maps do not count.
std::vector<uchar> WorldLandOf(const CKarta& map, const CAreor& world, int W, int H) {
    QImage mask(W, H, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setPen(Qt::NoPen);
        for (const CAreor* set :
             {static_cast<const CAreor*>(&world), static_cast<const CAreor*>(map.Waters.get())}) {
            if (!set) continue;
            p.setBrush(set == &world ? QColor(1, 1, 1) : QColor(0, 0, 0));
            for (int i = 0; i < set->Count(); ++i) {
                const CArea& a = set->Area(i);
                QPolygonF ring;
                for (const GeoPoint& pt : a.Points)
                    ring << QPointF(map.LonLatToX(pt.Lon, pt.Lat), map.LatToY(pt.Lat));
                p.drawPolygon(ring, Qt::OddEvenFill);
            }
        }
    }
    constexpr int Inset = 2;
    std::vector<uchar> out(std::size_t(W) * std::size_t(H));
    for (int y = Inset; y < H - Inset; ++y) {
        for (int x = Inset; x < W - Inset; ++x) {
            bool land = true;
            for (int dy = -Inset; dy <= Inset && land; ++dy)
                for (int dx = -Inset; dx <= Inset && land; ++dx)
                    land = mask.constScanLine(y + dy)[x + dx] == 1;
            const float lon = map.PixelToLon(y, x);
            out[std::size_t(y) * std::size_t(W) + std::size_t(x)] =
                land && lon >= -180 && lon <= 180;
        }
    }
    return out;
}

struct Region {
    int pixels = 0, sea = 0, land = 0;
    int x = 0, y = 0;  // one pixel of it
};

// 4-connected regions of one colour, as the game's fills see them; the markers of areas too
// small to click are no regions of the map.
std::vector<Region> RegionsOfColour(const Drawn& d, TColor colour,
                                    const std::vector<uchar>& ground) {
    const QImage& img = d.Picture();
    const int W = img.width(), H = img.height();
    std::vector<uchar> seen(std::size_t(W) * std::size_t(H));
    const TAreaMarkers& markers = d.Map().Markers();
    const int r = markers.RadiusPixels() + 1;
    for (const TAreaMarker& m : markers.Markers())
        for (int y = std::max(0, m.centre.y() - r); y <= std::min(H - 1, m.centre.y() + r); ++y)
            for (int x = std::max(0, m.centre.x() - r); x <= std::min(W - 1, m.centre.x() + r); ++x)
                seen[std::size_t(y) * std::size_t(W) + std::size_t(x)] = 1;
    std::vector<Region> out;
    std::vector<int> stack;
    for (int start = 0; start < W * H; ++start) {
        if (seen[std::size_t(start)] || d.Pixel(start % W, start / W) != colour) continue;
        Region r;
        r.x = start % W;
        r.y = start / W;
        seen[std::size_t(start)] = 1;
        stack.push_back(start);
        while (!stack.empty()) {
            const int k = stack.back();
            stack.pop_back();
            ++r.pixels;
            const uchar g = ground[std::size_t(k)];
            r.sea += g == Sea;
            r.land += g == Land;
            const int x = k % W, y = k / W;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= W || n[1] >= H) continue;
                const int j = n[1] * W + n[0];
                if (seen[std::size_t(j)] || d.Pixel(n[0], n[1]) != colour) continue;
                seen[std::size_t(j)] = 1;
                stack.push_back(j);
            }
        }
        out.push_back(r);
    }
    return out;
}

std::string Describe(const COvning& e, const Drawn& d, const Region& r) {
    return "exercise " + std::to_string(e.Number) + " (map " + std::to_string(e.MapNo) +
           "): " + std::to_string(r.pixels) + " px at " + std::to_string(d.Map().YToLat(r.y)) +
           "," + std::to_string(d.Map().PixelToLon(r.y, r.x)) + " (pixel " + std::to_string(r.x) +
           "," + std::to_string(r.y) + ")";
}

// The sizes the seeds are placed for, the map picture in a 1280 x 720 and a 1920 x 1048 window,
// and sizes they are not: a common laptop screen, a 4K screen and a portrait screen, where the
// map itself must find the seas and parts that the seeds miss.
const Size Sizes[] = {{1280, 720}, {1920, 1048}, {1366, 768}, {3840, 2160}, {1080, 1920}};

}  // namespace

class MapFill : public testing::TestWithParam<Size> {
  protected:
    static void SetUpTestSuite() {
        catalogue_ = std::make_unique<COvningar>();
        catalogue_->Load(Dir + "/Ovning.crp");
    }
    static void TearDownTestSuite() { catalogue_.reset(); }
    static std::unique_ptr<COvningar> catalogue_;
};
std::unique_ptr<COvningar> MapFill::catalogue_;

// After the exercise's start, a grey region that is mostly sea lacks a seed, a region in the
// exercise's colour that is mostly sea is sea an area's fill ran into, and a blue region that is
// mostly land had a seed fall into it.
TEST_P(MapFill, EverySeaRegionAndNoLandRegionIsFilled) {
    int views = 0, seaRegions = 0;
    std::vector<std::string> unfilled, painted, flooded;
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA") && e->Kind != QLatin1String("ORT")) continue;
        if (e->MapNo < 1 || e->MapNo > 5) continue;
        const Drawn d(*e, GetParam());
        ++views;
        const auto ground = GroundOf(d.Map(), GetParam().W, GetParam().H);
        for (const Region& r : RegionsOfColour(d, d.Map().LandColor, ground))
            if (r.sea * 2 > r.pixels && r.sea >= MinRegionPixels)
                unfilled.push_back(Describe(*e, d, r));
        if (d.Map().AreaColor != d.Map().LandColor)
            for (const Region& r : RegionsOfColour(d, d.Map().AreaColor, ground))
                if (r.sea * 2 > r.pixels && r.sea >= MinRegionPixels)
                    painted.push_back(Describe(*e, d, r));
        for (const Region& r : RegionsOfColour(d, d.Map().SeaColor, ground)) {
            if (r.land * 2 > r.pixels && r.land >= MinRegionPixels)
                flooded.push_back(Describe(*e, d, r));
            else if (r.sea >= MinRegionPixels)
                ++seaRegions;
        }
    }
    EXPECT_GT(views, 20);
    EXPECT_GT(seaRegions, views);
    std::string list;
    for (const auto& s : unfilled) list += "\n  " + s;
    EXPECT_TRUE(unfilled.empty()) << unfilled.size() << " sea regions left unfilled:" << list;
    list.clear();
    for (const auto& s : painted) list += "\n  " + s;
    EXPECT_TRUE(painted.empty()) << painted.size() << " sea regions in an area's colour:" << list;
    list.clear();
    for (const auto& s : flooded) list += "\n  " + s;
    EXPECT_TRUE(flooded.empty()) << flooded.size() << " land regions filled as sea:" << list;
}

// Once the exercise areas are coloured, a grey region inside them is a part of an area that no
// seed reaches: a speck the player cannot tell from the land around. (Lakes are left to their
// own fill and not counted.)
TEST_P(MapFill, EveryPartOfAnExerciseAreaIsColoured) {
    std::vector<std::string> grey;
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA") || e->MapNo < 1 || e->MapNo > 5) continue;
        Drawn d(*e, GetParam());
        const auto ground = GroundOf(d.Map(), GetParam().W, GetParam().H, true);
        for (const Region& r : RegionsOfColour(d, d.Map().LandColor, ground))
            if (r.land * 2 > r.pixels && r.land >= MinRegionPixels)
                grey.push_back(Describe(*e, d, r));
    }
    std::string list;
    for (const auto& s : grey) list += "\n  " + s;
    EXPECT_TRUE(grey.empty()) << grey.size() << " parts of exercise areas left uncoloured:" << list;
}

// Every map shows the land of its whole picture: beyond the reach of a map's own file, where the
// world outlines have land, no picture of an exercise may be sea-coloured (a regional map's file
// carries the countries around its regions far enough for every view of its exercises).
TEST_P(MapFill, TheLandOfTheWorldOutlinesIsNeverDrawnAsSea) {
    CAreor world;
    world.Load(Dir + "/AREA1.crp");
    std::vector<std::string> sea;
    int views = 0;
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA") && e->Kind != QLatin1String("ORT")) continue;
        if (e->MapNo < 1 || e->MapNo > 5) continue;
        const Drawn d(*e, GetParam());
        ++views;
        auto land = WorldLandOf(d.Map(), world, GetParam().W, GetParam().H);
        // Only land beyond the reach of the map's own file: within it, the file's finer coasts,
        // bays and estuaries decide.
        double north = -90, south = 90, east = -180, west = 180;
        for (int i = 0; i < d.Map().Areas->Count(); ++i) {
            const CArea& a = d.Map().Areas->Area(i);
            north = std::max(north, a.North), south = std::min(south, a.South);
            east = std::max(east, a.East), west = std::min(west, a.West);
        }
        for (int y = 0; y < GetParam().H; ++y) {
            const float lat = d.Map().YToLat(y);
            for (int x = 0; x < GetParam().W; ++x) {
                const float lon = d.Map().PixelToLon(y, x);
                if (lat <= north && lat >= south && lon <= east && lon >= west)
                    land[std::size_t(y) * std::size_t(GetParam().W) + std::size_t(x)] = 0;
            }
        }
        // Regions of such pixels; coasts of the finer regional outlines leave only thin strips.
        const int W = GetParam().W, H = GetParam().H;
        std::vector<uchar> seen(std::size_t(W) * std::size_t(H));
        Region r;
        for (int start = 0; start < W * H; ++start) {
            if (seen[std::size_t(start)] || !land[std::size_t(start)] ||
                d.Pixel(start % W, start / W) != d.Map().SeaColor)
                continue;
            Region cur;
            cur.x = start % W, cur.y = start / W;
            std::vector<int> stack{start};
            seen[std::size_t(start)] = 1;
            while (!stack.empty()) {
                const int k = stack.back();
                stack.pop_back();
                ++cur.pixels;
                const int x = k % W, y = k / W;
                const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                for (const auto& n : next) {
                    if (n[0] < 0 || n[1] < 0 || n[0] >= W || n[1] >= H) continue;
                    const int j = n[1] * W + n[0];
                    if (seen[std::size_t(j)] || !land[std::size_t(j)] ||
                        d.Pixel(n[0], n[1]) != d.Map().SeaColor)
                        continue;
                    seen[std::size_t(j)] = 1;
                    stack.push_back(j);
                }
            }
            if (cur.pixels > r.pixels) r = cur;
        }
        if (r.pixels >= MinLandPixels) sea.push_back(Describe(*e, d, r));
    }
    EXPECT_GT(views, 20);
    std::string list;
    for (const auto& s : sea) list += "\n  " + s;
    EXPECT_TRUE(sea.empty()) << sea.size()
                             << " views show land of the world outlines as sea:" << list;
}

INSTANTIATE_TEST_SUITE_P(Sizes, MapFill, testing::ValuesIn(Sizes));

// Windows of other sizes than the seeds were placed for (common laptop and desktop screens, a
// restored window): no sea is left in the land colour or painted in an exercise's colour.
class SeaAtOtherSizes : public MapFill {};

TEST_P(SeaAtOtherSizes, NoSeaIsLeftGreyOrPaintedAsAnArea) {
    std::vector<std::string> wrong;
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA") && e->Kind != QLatin1String("ORT")) continue;
        if (e->MapNo < 1 || e->MapNo > 5) continue;
        const Drawn d(*e, GetParam());
        const auto ground = GroundOf(d.Map(), GetParam().W, GetParam().H);
        for (const TColor colour : {d.Map().LandColor, d.Map().AreaColor})
            for (const Region& r : RegionsOfColour(d, colour, ground))
                if (r.sea * 2 > r.pixels && r.sea >= MinRegionPixels)
                    wrong.push_back(Describe(*e, d, r));
    }
    std::string list;
    for (const auto& s : wrong) list += "\n  " + s;
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " sea regions not drawn as sea:" << list;
}

const Size OtherSizes[] = {{1362, 732}, {1020, 732}, {1436, 864}, {2556, 1404}, {700, 464}};
INSTANTIATE_TEST_SUITE_P(Windows, SeaAtOtherSizes, testing::ValuesIn(OtherSizes));

namespace {

// Zoomed in on each island drawn past the date line (as the hint and the
// review zoom to a small target), the ocean around it is sea: open water
// there once kept the land colour, the whole picture beige round a speck.
TEST(SeaPastTheDateLine, IsSeaWhenZoomedInOnTheIslandsDrawnThere) {
    COvningar catalogue;
    catalogue.Load(Dir + "/Ovning.crp");
    COvning* oceania = nullptr;
    for (COvning* e = catalogue.First; e; e = e->Next)
        if (e->Kind == QLatin1String("AREA") && e->Continent == QLatin1String("AUS") &&
            e->MapNo == 1)
            oceania = e;
    ASSERT_NE(oceania, nullptr);
    const ExerciseOnPicture drawn(*oceania, QSize(1366, 705), Dir);
    CKarta& map = drawn.Map();
    int islands = 0;
    for (const auto& area : map.Areas->Areas) {
        if (area->East <= 180 || !area->Selected) continue;
        ++islands;
        SCOPED_TRACE(area->Code.toStdString());
        // Kiribati spans the date line: its islands east of it.
        const GeoPoint centre{float((area->North + area->South) / 2),
                              float((area->East + std::max(area->West, 181.0)) / 2)};
        map.ShowAt(centre, QPoint(683, 352), 3.0);
        ASSERT_TRUE(oceania->RedrawMap());
        // Points of the picture well clear of every outline: all sea.
        int open = 0, sea = 0;
        for (int y = 10; y < 705; y += 25)
            for (int x = 10; x < 1366; x += 25) {
                bool clear = true;
                for (int dy = -6; dy <= 6 && clear; dy += 3)
                    for (int dx = -6; dx <= 6 && clear; dx += 3)
                        clear = !map.Areas->AreaAt(map.ClickPoint(x + dx, y + dy));
                if (!clear) continue;
                ++open;
                if ((drawn.Pixel(x, y) & 0xFFFFFFu) == (map.SeaColor & 0xFFFFFFu)) ++sea;
            }
        // A pixel or two may be another island's marker.
        EXPECT_GT(open, 100);
        EXPECT_GE(sea * 100, open * 99) << sea << " of " << open;
    }
    EXPECT_GE(islands, 3);  // Samoa, Tonga and Kiribati's eastern islands
}

}  // namespace
