// SPDX-License-Identifier: MIT
// What the outlines say each pixel shows is found with QPainter's own polygon fill, apart from
// the map's scan conversion, and compared with the picture the game drew.
#include "MapCheck.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <random>

#include "data/MapLoader.h"
#include "data/MapZoom.h"
#include "data/UKarta.h"
#include "exercise/ovning.h"
#include "platform/RasterSurface.h"
#include "screens/PictureScreen.h"

namespace {

// The ring through the pixels its outline is drawn along, on QPainter's pixel centres.
QPolygonF Ring(const CKarta& map, const CArea& a) {
    QPolygonF ring;
    ring.reserve(a.PointCount());
    for (const GeoPoint& p : a.Points)
        ring << QPointF(map.LonLatToX(p.Lon, p.Lat) + 0.5, map.LatToY(p.Lat) + 0.5);
    return ring;
}

bool Reaches(const QPolygonF& ring, const QRectF& picture) {
    return ring.boundingRect().intersects(picture);
}

// Where the rings of a set lie, as 1 in a mask.
QImage Inside(const CKarta& map, const CAreor* set) {
    QImage mask(map.W(), map.H(), QImage::Format_Grayscale8);
    mask.fill(0);
    if (!set) return mask;
    QPainter p(&mask);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(1, 1, 1));
    const QRectF picture(0, 0, map.W(), map.H());
    for (const auto& a : set->Areas) {
        if (a->PointCount() < 3) continue;
        const QPolygonF ring = Ring(map, *a);
        if (Reaches(ring, picture)) p.drawPolygon(ring, Qt::OddEvenFill);
    }
    return mask;
}

// The frame and the marks drawn over the map, besides the outlines: these are left out.
std::vector<char> LeftOut(const CKarta& map, int borderWidth) {
    const int W = map.W(), H = map.H();
    std::vector<char> out = NearOutlines(map, borderWidth);
    const auto leave = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < W && y < H)
            out[std::size_t(y) * std::size_t(W) + std::size_t(x)] = 1;
    };
    const int frame = map.Scaled(4);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (x < frame || y < frame || x >= W - frame || y >= H - frame) leave(x, y);
    const auto disc = [&](QPoint c, int r) {
        for (int y = c.y() - r; y <= c.y() + r; ++y)
            for (int x = c.x() - r; x <= c.x() + r; ++x) leave(x, y);
    };
    for (const TAreaMarker& m : map.Markers().Markers())
        disc(m.centre, map.Markers().RadiusPixels() + 2);
    if (map.Places) {
        const int r = map.Scaled(int(std::lround(map.W() / map.PixelRatio())) / 250 + 2) + 2;
        for (const COrt* p = map.Places->First; p; p = p->Next)
            if (p->Selected)
                disc({map.LonLatToX(float(p->Longitude), float(p->Latitude)),
                      map.LatToY(float(p->Latitude))},
                     r);
    }
    return out;
}

QString Where(const CKarta& map, int x, int y, const char* what) {
    return QStringLiteral("%1 at pixel %2,%3 (%4°, %5°)")
        .arg(QString::fromLatin1(what))
        .arg(x)
        .arg(y)
        .arg(double(map.YToLat(y)), 0, 'f', 3)
        .arg(double(map.PixelToLon(y, x)), 0, 'f', 3);
}

// Whether a selected item shows its colour: an area's marker, or a pixel of its own record that
// no lake covers; onPicture tells whether it has any pixel on the picture at all.
bool ShowsItsColour(const CKarta& map, const QImage& picture, const QImage& lakes,
                    const CArea& area, TColor colour, bool& onPicture) {
    const QRgb want = ToQRgb(colour);
    if (const TAreaMarker* m = map.Markers().Of(area.Code)) {
        onPicture = true;
        return picture.pixel(m->centre) == want;
    }
    if (area.PointCount() < 3) return false;
    const int frame = map.Scaled(4);
    const QPolygonF ring = Ring(map, area);
    const QRect box = ring.boundingRect().toAlignedRect().intersected(
        QRect(frame, frame, map.W() - 2 * frame, map.H() - 2 * frame));
    if (box.isEmpty()) return false;
    QImage mine(box.size(), QImage::Format_Grayscale8);
    mine.fill(0);
    {
        QPainter p(&mine);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(1, 1, 1));
        p.translate(-box.topLeft());
        p.drawPolygon(ring, Qt::OddEvenFill);
    }
    for (int y = 0; y < box.height(); ++y) {
        const uchar* in = mine.constScanLine(y);
        const uchar* lake = lakes.constScanLine(box.top() + y);
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(box.top() + y));
        for (int x = 0; x < box.width(); ++x) {
            if (!in[x] || lake[box.left() + x]) continue;
            onPicture = true;
            if (row[box.left() + x] == want) return true;
        }
    }
    return false;
}

}  // namespace

std::vector<char> NearOutlines(const CKarta& map, int borderWidth) {
    const int W = map.W(), H = map.H();
    QImage lines(W, H, QImage::Format_RGB32);
    lines.fill(Qt::white);
    TRasterSurface s(lines);
    s.SetPenColor(Colors::Black);
    const auto outline = [&](const CArea& a, int width) {
        if (a.PointCount() <= 0) return;
        s.SetPenWidth(width);
        const QPoint first = map.Projection().Project(a.Points[0]);
        s.MoveTo(first.x(), first.y());
        for (const GeoPoint& p : a.Points) {
            const QPoint q = map.Projection().Project(p);
            s.LineToMarkingEnds(q.x(), q.y(), Colors::Black);
        }
        s.LineToMarkingEnds(first.x(), first.y(), Colors::Black);
    };
    for (const auto& a : map.Areas->Areas)
        if (map.IsVisible(*a)) outline(*a, map.Scaled(borderWidth));
    if (map.Waters)
        for (const auto& lake : map.Waters->Areas) outline(*lake, map.Scaled(1));
    std::vector<char> near(std::size_t(W) * std::size_t(H), 0);
    for (int y = 0; y < H; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(lines.constScanLine(y));
        for (int x = 0; x < W; ++x) {
            if (row[x] == qRgb(255, 255, 255)) continue;
            for (int dy = std::max(y - 1, 0); dy <= std::min(y + 1, H - 1); ++dy)
                for (int dx = std::max(x - 1, 0); dx <= std::min(x + 1, W - 1); ++dx)
                    near[std::size_t(dy) * std::size_t(W) + std::size_t(dx)] = 1;
        }
    }
    return near;
}

QString TMapCase::Describe() const {
    QString s = QStringLiteral("%1x%2 ratio %3").arg(Size.width()).arg(Size.height()).arg(Ratio);
    if (ZoomSteps != 0 || !Pan.isNull())
        s += QStringLiteral(", %1 steps in at (%2, %3), moved by (%4, %5)")
                 .arg(ZoomSteps)
                 .arg(ZoomAt.x(), 0, 'f', 3)
                 .arg(ZoomAt.y(), 0, 'f', 3)
                 .arg(Pan.x(), 0, 'f', 3)
                 .arg(Pan.y(), 0, 'f', 3);
    return s;
}

QString TMapCheck::Summary() const {
    QStringList faults;
    if (LandAsWater)
        faults << QStringLiteral("%1 land pixels in sea or lake colour").arg(LandAsWater);
    if (LakeOutside)
        faults << QStringLiteral("%1 lake-coloured pixels outside lakes").arg(LakeOutside);
    if (WaterUnfilled)
        faults << QStringLiteral("%1 pixels of lakes or sea in another colour").arg(WaterUnfilled);
    if (!Uncoloured.isEmpty())
        faults << QStringLiteral("not shown in their colour: ") +
                      Uncoloured.join(QStringLiteral(", "));
    if (faults.isEmpty()) return QStringLiteral("%1 pixels checked, no fault").arg(Checked);
    return faults.join(QStringLiteral("; ")) + QStringLiteral("; first: ") + FirstFault;
}

std::vector<TMapCase> RandomMapCases(quint64 seed, int exerciseNumber, int sizes, int views) {
    std::mt19937_64 random(seed * 1000003u + quint64(exerciseNumber));
    const auto between = [&](int lo, int hi) { return lo + int(random() % quint64(hi - lo + 1)); };
    const auto unit = [&] { return double(random() % 1000000) / 1000000; };
    const auto size = [&](int k) {
        int w = between(640, 3840), h = between(400, 2160);
        if ((k % 2 == 1) != (h > w)) std::swap(w, h);  // every other one portrait
        return QSize(std::clamp(w, 400, 3840), std::clamp(h, 400, 3840));
    };
    std::vector<TMapCase> cases;
    for (int k = 0; k < sizes; ++k) cases.push_back({size(k), k % 2 == 0 ? 1.0 : 2.0});
    for (int k = 0; k < views; ++k) {
        TMapCase c{size(k), k % 2 == 0 ? 1.0 : 2.0};
        c.ZoomSteps = between(1, 14);
        c.ZoomAt = {unit(), unit()};
        c.Pan = {unit() - 0.5, unit() - 0.5};
        cases.push_back(c);
    }
    return cases;
}

TMapCheck CheckMapCase(COvning& exercise, const QString& dataDir, const TMapCase& c) {
    const std::unique_ptr<CKarta> map = LoadFullMap(exercise.MapNo, exercise.PlaceFileNo, dataDir);
    map->ShowGrid = false;  // the fills beneath it are what counts
    TPictureScreen screen(c.Size, c.Ratio);
    exercise.Map = map.get();
    exercise.Start(screen);
    if (c.ZoomSteps != 0 || !c.Pan.isNull()) {
        TMapZoom zoom;
        zoom.SetHome(*map);
        const QPoint at(int(c.ZoomAt.x() * map->W()), int(c.ZoomAt.y() * map->H()));
        zoom.ZoomAt(*map, at, std::pow(TMapZoom::StepFactor, c.ZoomSteps));
        zoom.PanBy(*map, at, at + QPoint(int(c.Pan.x() * map->W()), int(c.Pan.y() * map->H())));
        exercise.RedrawMap();
    }
    const QImage& picture = screen.Picture().Bitmap();
    TMapCheck check;
    const QImage land = Inside(*map, map->Areas.get());
    const QImage lakes = Inside(*map, map->Waters.get());
    const std::vector<char> leftOut = LeftOut(*map, exercise.BorderWidth);
    const QRgb sea = ToQRgb(map->SeaColor), lake = ToQRgb(map->WaterColor);
    const bool landLooksWet = map->LandColor == map->SeaColor || map->AreaColor == map->SeaColor ||
                              map->LandColor == map->WaterColor ||
                              map->AreaColor == map->WaterColor;
    const auto fault = [&](int& count, int x, int y, const char* what) {
        if (count++ == 0 && check.FirstFault.isEmpty()) check.FirstFault = Where(*map, x, y, what);
    };
    for (int y = 0; y < map->H(); ++y) {
        const uchar* inLand = land.constScanLine(y);
        const uchar* inLake = lakes.constScanLine(y);
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < map->W(); ++x) {
            if (leftOut[std::size_t(y) * std::size_t(map->W()) + std::size_t(x)]) continue;
            ++check.Checked;
            const QRgb p = row[x];
            if (inLake[x]) {
                if (p != lake && !landLooksWet)
                    fault(check.WaterUnfilled, x, y, "a lake not in its colour");
            } else if (inLand[x]) {
                if (!landLooksWet && (p == sea || p == lake))
                    fault(check.LandAsWater, x, y, "land in water's colour");
            } else {
                if (p == lake && lake != sea)
                    fault(check.LakeOutside, x, y, "lake colour outside every lake");
                else if (p != sea && map->SeaColor != map->LandColor)
                    fault(check.WaterUnfilled, x, y, "open sea not in its colour");
            }
        }
    }
    if (exercise.Kind == QLatin1String("AREA")) {
        QStringList seen;
        for (const auto& a : map->Areas->Areas) {
            TColor colour = 0;
            if (!a->Selected || seen.contains(a->Code) || !map->SelectedAreaColour(*a, colour))
                continue;
            seen << a->Code;
            bool onPicture = false, shown = false;
            for (const auto& part : map->Areas->Areas)
                if (part->Code == a->Code && !shown)
                    shown = ShowsItsColour(*map, picture, lakes, *part, colour, onPicture);
            if (onPicture && !shown) check.Uncoloured << a->Code;
        }
    } else {
        const int frame = map->Scaled(4);
        for (const COrt* p = map->Places->First; p; p = p->Next) {
            if (!p->Selected || p->Answered) continue;
            const QPoint at(map->LonLatToX(float(p->Longitude), float(p->Latitude)),
                            map->LatToY(float(p->Latitude)));
            if (at.x() < frame || at.y() < frame || at.x() >= map->W() - frame ||
                at.y() >= map->H() - frame)
                continue;
            // Its dot, which a neighbour's dot may partly cover.
            const int r = map->Scaled(int(std::lround(map->W() / map->PixelRatio())) / 250 + 2);
            bool shown = false;
            for (int dy = -r; dy <= r && !shown; ++dy)
                for (int dx = -r; dx <= r && !shown; ++dx)
                    shown = picture.rect().contains(at + QPoint(dx, dy)) &&
                            picture.pixel(at + QPoint(dx, dy)) == ToQRgb(Colors::Green);
            if (!shown) check.Uncoloured << p->Names[2];
        }
    }
    exercise.Map = nullptr;
    exercise.Form = nullptr;
    return check;
}
