// SPDX-License-Identifier: MIT
// The map: sea seeds, view, and the drawing of outlines and owned colours.
#include "UKarta.h"

#include <QRect>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "app/Generell.h"
#include "app/Palette.h"
#include "data/Fileread.h"
#include "platform/Picture.h"
#include "platform/Rounding.h"

namespace {

// Dark grey: distinct from the black borders and from the sea.
constexpr TColor MarkerDarkRim = MakeColor(72, 72, 72);

float ReadSeedDegrees(TByteFile& file) {
    return float(file.ReadInt32()) / 10000.0f;
}

// Longest the widening of FitToSelection may go on; each pass widens by 2 %,
// so even a tiny view reaches the south pole long before.
constexpr int MaxWideningPasses = 100000;

// Control pixels between a shown item and the picture's edge, and how much of
// a large area must show: a sliver at the edge is hard to see or click.
constexpr int ShowMargin = 8;
constexpr int ShowEnough = 40;
// Latitude span at which widening gives up; the world on a portrait screen
// needs about 640.
constexpr double WidestSpan = 2000;

}  // namespace

CKarta::~CKarta() = default;

// --- Set-up ----------------------------------------------------------------

void CKarta::LoadSeaSeeds(const QString& fileName) {
    // Read into a copy so that a bad file leaves the map's seeds as they were.
    RangeArray<GeoPoint, 1, MaxSeaSeeds> seeds;
    qint32 count = 1;
    TByteFile file(fileName);
    while (!file.AtEnd()) {
        GeoPoint& seed = seeds[count];
        seed.Lat = ReadSeedDegrees(file);
        seed.Lon = ReadSeedDegrees(file);
        if (!file.AtEnd()) ++count;
    }
    SeaSeeds = seeds;
    SeaSeedCount = count;
}

// --- View and projection ---------------------------------------------------

int CKarta::W() const {
    return Image ? Image->Width() : 0;
}
int CKarta::H() const {
    return Image ? Image->Height() : 0;
}

double CKarta::PixelRatio() const {
    return Image ? Image->PixelRatio() : 1;
}

int CKarta::Scaled(int length) const {
    return Image ? Image->Scaled(length) : length;
}

void CKarta::UpdateDivisor() {
    const double middle = (double(TopLatitude) + BottomLatitude) / 2;
    WidthDivisor = 90 + RoundHalfEven(std::fabs(middle) / 90 * 50);
}

float CKarta::VisibleHalfWidth() const {
    return MinSingle(CentreLongitude - PixelToLon(H(), 0),
                     MinSingle(CentreLongitude - PixelToLon(H() / 2, 0), 1000));
}

void CKarta::FitToSelection() {
    float north = -10000, south = 10000, east = -10000, west = 10000;
    bool any = false;
    if (Areas) {
        for (const auto& area : Areas->Areas) {
            if (!area->Selected || area->PointCount() <= 0) continue;
            any = true;
            if (area->East > east) east = float(area->East);
            if (area->North > north) north = float(area->North);
            if (area->West < west) west = float(area->West);
            if (area->South < south) south = float(area->South);
        }
    }
    if (!any) {
        // Nothing to fit to: show the whole world rather than an inverted view.
        CentreLongitude = 0;
        TopLatitude = 90;
        BottomLatitude = -90;
        UpdateDivisor();
        return;
    }
    CentreLongitude = float((double(west) + east) / 2);
    const double margin = (double(north) - south) / 25;
    TopLatitude = float(north + margin);
    BottomLatitude = float(south - margin);
    if (TopLatitude <= BottomLatitude) {
        // Areas along a single parallel: give the view some height to scale by.
        TopLatitude = float(double(TopLatitude) + 0.5);
        BottomLatitude = float(double(BottomLatitude) - 0.5);
    }
    UpdateDivisor();
    if (W() <= 0 || H() <= 0) return;  // no picture to fit into

    const float half = MaxSingle(CentreLongitude - west, east - CentreLongitude);
    // Widen until the longitude range fits. Only the south pole can stop it:
    // the width is measured on the bottom row, which has none there. A top
    // past the north pole is harmless, and a tall picture needs it.
    for (int pass = 0; pass < MaxWideningPasses && VisibleHalfWidth() < half; ++pass) {
        if (BottomLatitude <= -90) break;
        TopLatitude = float(double(TopLatitude) + (double(TopLatitude) - BottomLatitude) / 100);
        BottomLatitude =
            float(double(BottomLatitude) - (double(TopLatitude) - BottomLatitude) / 100);
        UpdateDivisor();
    }
}

bool CKarta::ShowsEnoughOf(const CArea& area, int margin, int enough) const {
    if (area.PointCount() <= 0 || !IsVisible(area)) return false;
    int x0 = INT_MAX, x1 = INT_MIN, y0 = INT_MAX, y1 = INT_MIN;
    for (const GeoPoint& p : area.Points) {
        const int x = LonLatToX(p.Lon, p.Lat), y = LatToY(p.Lat);
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
    const int shownW = std::min(x1, W() - 1 - margin) - std::max(x0, margin);
    const int shownH = std::min(y1, H() - 1 - margin) - std::max(y0, margin);
    return shownW >= 0 && shownH >= 0 && shownW >= std::min(x1 - x0, enough) &&
           shownH >= std::min(y1 - y0, enough);
}

namespace {

// The selected items a view doesn't show yet: areas by code (any piece will
// do), places.
struct TNotShown {
    std::vector<std::vector<const CArea*>> areas;
    std::vector<const COrt*> places;

    explicit TNotShown(const CKarta& map) {
        if (map.Areas) {
            std::map<QString, std::size_t> byCode;
            for (const auto& area : map.Areas->Areas) {
                if (!area->Selected || area->PointCount() <= 0) continue;
                const auto [it, fresh] = byCode.try_emplace(area->Code, areas.size());
                if (fresh) areas.emplace_back();
                areas[it->second].push_back(area.get());
            }
        }
        if (map.Places)
            for (const COrt* p = map.Places->First; p; p = p->Next)
                if (p->Selected) places.push_back(p);
    }
    // Drops what the map's view shows; true when nothing is left.
    bool DropShown(const CKarta& map, int margin, int enough) {
        std::erase_if(areas, [&](const std::vector<const CArea*>& pieces) {
            return std::any_of(pieces.begin(), pieces.end(), [&](const CArea* piece) {
                return map.ShowsEnoughOf(*piece, margin, enough);
            });
        });
        std::erase_if(places, [&](const COrt* place) {
            const auto lat = float(place->Latitude), lon = float(place->Longitude);
            const int x = map.LonLatToX(lon, lat), y = map.LatToY(lat);
            return x >= margin && y >= margin && x < map.W() - margin && y < map.H() - margin;
        });
        return areas.empty() && places.empty();
    }
};

}  // namespace

bool CKarta::ShowsSelection() const {
    if (W() <= 0 || H() <= 0) return true;
    return TNotShown(*this).DropShown(*this, Scaled(ShowMargin), Scaled(ShowEnough));
}

void CKarta::WidenToShowSelection() {
    if (W() <= 0 || H() <= 0) return;
    const int margin = Scaled(ShowMargin), enough = Scaled(ShowEnough);
    // Widening about the middle only draws points toward the picture's
    // centre, so whatever shows once keeps showing.
    TNotShown left(*this);
    for (int pass = 0; pass < MaxWideningPasses; ++pass) {
        if (left.DropShown(*this, margin, enough)) return;
        const double middle = (double(TopLatitude) + BottomLatitude) / 2;
        const double half = (double(TopLatitude) - BottomLatitude) / 2 * 1.02;
        if (2 * half > WidestSpan) return;
        TopLatitude = float(middle + half);
        BottomLatitude = float(middle - half);
        UpdateDivisor();
    }
}

void CKarta::KeepScaleAfterResize(int oldHeight) {
    if (oldHeight <= 0 || H() <= 0 || oldHeight == H()) return;
    const double middle = (double(TopLatitude) + BottomLatitude) / 2;
    const double half = (double(TopLatitude) - BottomLatitude) / 2 * H() / oldHeight;
    TopLatitude = float(middle + half);
    BottomLatitude = float(middle - half);
}

void CKarta::ShowAt(const GeoPoint& point, QPoint pixel, double latitudeSpan) {
    if (H() <= 0 || latitudeSpan <= 0) return;
    const double perDegree = H() / latitudeSpan;
    BottomLatitude = float(double(point.Lat) - (double(H()) - pixel.y()) / perDegree);
    TopLatitude = float(double(BottomLatitude) + latitudeSpan);
    UpdateDivisor();
    const double lat = TMapProjection::ClampLatitude(point.Lat);
    const double chord = std::sqrt(std::max(8100.0 - lat * lat, 1e-6));
    CentreLongitude =
        float(double(point.Lon) - (pixel.x() - W() / 2.0) / chord * WidthDivisor / perDegree);
}

TMapProjection CKarta::Projection() const {
    return {W(), H(), CentreLongitude, TopLatitude, BottomLatitude, WidthDivisor};
}

qint32 CKarta::LatToY(float lat) const {
    return Projection().LatToY(lat);
}

qint32 CKarta::LonLatToX(float lon, float lat) const {
    return Projection().LonLatToX(lon, lat);
}

float CKarta::YToLat(int y) const {
    return Projection().YToLat(y);
}

float CKarta::PixelToLon(int y, int x) const {
    return Projection().PixelToLon(y, x);
}

bool CKarta::InsideImage(int x, int y) const {
    return Projection().InsideImage(x, y);
}

qint32 CKarta::PixelDistance(const GeoPoint& point, const COrt& place) const {
    const double dy = double(LatToY(point.Lat)) - LatToY(float(place.Latitude));
    const double dx = double(LonLatToX(point.Lon, point.Lat)) -
                      LonLatToX(float(place.Longitude), float(place.Latitude));
    return RoundHalfEven(std::sqrt(dx * dx + dy * dy) / PixelRatio());
}

// --- Drawing ---------------------------------------------------------------

TRasterSurface* CKarta::Surface() const {
    if (!Image || W() <= 0 || H() <= 0) return nullptr;
    return &Image->Canvas();
}

void CKarta::Changed() const {
    if (Image) Image->NotifyChanged();
}

const TPixelOwners& CKarta::Owners() const {
    const TMapProjection view = Projection();
    if (!owners_.FoundFor(view, Areas.get(), Waters.get()))
        owners_.Find(view, Areas.get(), Waters.get());
    return owners_;
}

void CKarta::Clear() {
    TRasterSurface* s = Surface();
    if (!s) return;
    s->SetFillColor(LandColor);
    s->FillRect(0, 0, W(), H());
    markersPlaced_ = false;  // the selection may have changed too
    Changed();
}

const TAreaMarkers& CKarta::Markers() const {
    if (!MarkersWanted) {
        markers_.Forget();
    } else if (!markersPlaced_ || !(markersView_ == Projection())) {
        markers_.Place(Projection(), Areas.get(), Owners(), Scaled(TAreaMarkers::Radius),
                       Scaled(TAreaMarkers::MinExtent), Scaled(TAreaMarkers::ClickSide));
        markersPlaced_ = true;
        markersView_ = Projection();
    }
    return markers_;
}

void CKarta::DrawMarker(const TAreaMarker& marker, TColor colour) {
    TRasterSurface* s = Surface();
    if (!s) return;
    const int r = markers_.RadiusPixels();
    const QPoint c = marker.centre;
    // A white rim, or a dark one round a light fill: an answered marker
    // (white) on land answered the same way would otherwise vanish.
    const int light = 299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour);
    s->SetPenMode(TPenMode::Copy);
    s->SetPenColor(light > 180000 ? MarkerDarkRim : Colors::White);
    s->SetPenWidth(Scaled(1));
    s->SetFillSolid();
    s->SetFillColor(colour);
    s->Ellipse(c.x() - r, c.y() - r, c.x() + r + 1, c.y() + r + 1);
    Changed();
}

void CKarta::DrawMarkers() {
    for (const TAreaMarker& marker : Markers().Markers()) {
        TColor colour = 0;
        if (SelectedAreaColour(*marker.area, colour)) DrawMarker(marker, colour);
    }
}

GeoPoint CKarta::ClickPoint(int x, int y) const {
    if (const TAreaMarker* marker = Markers().At(QPoint(x, y))) return marker->area->Seed1;
    return Projection().PixelToPoint(x, y);
}

void CKarta::DrawAreaOutlines(int width) {
    TRasterSurface* s = Surface();
    if (!s) return;
    s->SetPenColor(Colors::Black);
    s->SetPenMode(TPenMode::Copy);
    s->SetNoFill();
    s->Rectangle(0, 0, W(), H());
    s->SetPenWidth(Scaled(width));
    if (Areas) {
        const TMapProjection view = Projection();
        for (const auto& area : Areas->Areas) {
            if (area->PointCount() <= 0 || !view.IsVisible(*area)) continue;
            const QPoint first = view.Project(area->Points[0]);
            s->MoveTo(first.x(), first.y());
            QPoint previous = first;
            for (int j = 0; j < area->PointCount(); ++j) {
                const QPoint p = view.Project(area->Points[std::size_t(j)]);
                // Lines leave their end pixel out; both ends are set so fills cannot leak.
                if (p != previous) s->LineToMarkingEnds(p.x(), p.y(), Colors::Black);
                previous = p;
            }
            s->LineTo(first.x(), first.y());
        }
    }
    s->SetPenMode(TPenMode::Copy);
    s->Rectangle(0, 0, W(), H());
    Changed();
}

namespace {

// Paints the runs' pixels that have the colour `from` with `to`; returns the
// box of the runs where any pixel was painted. Branch-free in the row, which
// is most of a redraw's time.
QRect PaintRuns(QImage& image, std::span<const TPixelOwners::TRun> runs, QRgb from, QRgb to) {
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const TPixelOwners::TRun& run : runs) {
        QRgb* p = reinterpret_cast<QRgb*>(bits + run.y * stride) + run.x0;
        const int n = run.x1 - run.x0 + 1;
        int hits = 0;
        for (int i = 0; i < n; ++i) {
            const QRgb v = p[i];
            hits += v == from;
            p[i] = v == from ? to : v;
        }
        if (hits == 0) continue;
        x0 = std::min(x0, run.x0), x1 = std::max(x1, run.x1);
        y0 = std::min(y0, run.y), y1 = std::max(y1, run.y);
    }
    return x0 > x1 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

// Every pixel of the runs in one colour.
void FillRuns(QImage& image, std::span<const TPixelOwners::TRun> runs, QRgb colour) {
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const TPixelOwners::TRun& run : runs) {
        QRgb* row = reinterpret_cast<QRgb*>(bits + run.y * stride);
        std::fill(row + run.x0, row + run.x1 + 1, colour);
    }
}

// The colour most of the runs' pixels have, outline and lake shore pixels
// aside; false when they have none but those. The first such colour is
// counted first: an area is mostly one colour.
bool CommonestColour(const QImage& image, std::span<const TPixelOwners::TRun> runs, int pixels,
                     QRgb black, QRgb water, QRgb& commonest) {
    const uchar* bits = image.constBits();
    const qsizetype stride = image.bytesPerLine();
    const auto row = [&](int y) { return reinterpret_cast<const QRgb*>(bits + y * stride); };
    QRgb first = 0;
    bool found = false;
    for (const TPixelOwners::TRun& run : runs) {
        for (int x = run.x0; x <= run.x1 && !found; ++x) {
            const QRgb c = row(run.y)[x];
            if (c != black && c != water) first = c, found = true;
        }
        if (found) break;
    }
    if (!found) return false;
    // A large area is judged by every fourth of its rows first, where three
    // quarters in the first colour settle it; a small one by all of them.
    const bool sampled = pixels > 4000;
    int same = 0, asked = 0;
    for (const TPixelOwners::TRun& run : runs) {
        if (sampled && run.y % 4 != 0) continue;
        const QRgb* r = row(run.y) + run.x0;
        const int n = run.x1 - run.x0 + 1;
        for (int i = 0; i < n; ++i) same += r[i] == first;
        asked += n;
        if (!sampled && same * 2 > pixels) break;
    }
    if (sampled ? same * 4 > asked * 3 : same * 2 > pixels) {
        commonest = first;
        return true;
    }
    // Several colours share the area: count them all.
    std::vector<std::pair<QRgb, int>> counts;
    for (const TPixelOwners::TRun& run : runs) {
        const QRgb* r = row(run.y);
        for (int x = run.x0; x <= run.x1; ++x) {
            const QRgb c = r[x];
            if (c == black || c == water) continue;
            auto it = std::find_if(counts.begin(), counts.end(),
                                   [c](const auto& e) { return e.first == c; });
            if (it == counts.end()) it = counts.insert(counts.end(), {c, 0});
            ++it->second;
        }
    }
    commonest = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                    return a.second < b.second;
                })->first;
    return true;
}

}  // namespace

void CKarta::DrawWaters() {
    TRasterSurface* s = Surface();
    if (!s) return;
    s->SetPenColor(WaterColor);
    s->SetPenWidth(Scaled(1));
    s->SetNoFill();
    s->Rectangle(0, 0, W(), H());
    const TColor pen = s->PenColor();
    if (Waters) {
        const TMapProjection view = Projection();
        for (const auto& water : Waters->Areas) {
            if (water->PointCount() <= 0) continue;
            const QPoint first = view.Project(water->Points[0]);
            s->MoveTo(first.x(), first.y());
            for (int j = 0; j < water->PointCount(); ++j) {
                const QPoint p = view.Project(water->Points[std::size_t(j)]);
                s->LineToMarkingEnds(p.x(), p.y(), pen);
            }
            s->LineToMarkingEnds(first.x(), first.y(), pen);
        }
        // A lake covers the area borders that cross it. The colour the
        // surface holds is the lake colour from then on.
        const TPixelOwners& owners = Owners();
        QImage& image = s->Image();
        for (const auto& water : Waters->Areas) {
            const auto runs = owners.RunsOf(owners.OwnerOf(*water));
            if (runs.empty()) continue;
            FillRuns(image, runs, ToQRgb(WaterColor));
            WaterColor = s->Pixel(runs.front().x0, runs.front().y);
        }
    }
    DrawFrame();
}

void CKarta::DrawFrame() {
    TRasterSurface* s = Surface();
    if (!s) return;
    s->SetPenColor(Colors::Black);
    s->SetPenWidth(Scaled(5));
    s->SetPenMode(TPenMode::Copy);
    s->SetNoFill();
    s->Rectangle(0, 0, W(), H());
    s->SetFillSolid();
    Changed();
}

bool CKarta::FillSeas(const std::function<bool()>& letMessagesRun) {
    TRasterSurface* s = Surface();
    if (!s) return true;
    s->SetFillColor(SeaColor);
    PaintRuns(s->Image(), Owners().RunsOf(TPixelOwners::Sea), ToQRgb(LandColor), ToQRgb(SeaColor));
    Changed();
    return !letMessagesRun || letMessagesRun();
}

std::vector<QPoint> CKarta::InteriorPixels(const CArea& outline, int step) const {
    constexpr int MinStretch = 6;  // pixels in a run, so that its middle is clear of lines
    std::vector<QPoint> found;
    if (step < 1 || W() < 3 || H() < 3) return found;
    const TPixelOwners& owners = Owners();
    const auto runs = owners.RunsOf(owners.OwnerOf(outline));
    if (runs.empty()) return found;
    // Rows from half a step in, or the middle row of an outline lower than a step.
    const int first = runs.front().y, last = runs.back().y;
    const int start = first + std::min(step / 2, (last - first) / 2);
    for (const TPixelOwners::TRun& run : runs) {
        if (run.y < start || (run.y - start) % step != 0) continue;
        const int from = std::max(run.x0, 1), to = std::min(run.x1, W() - 2);
        if (to - from + 1 >= MinStretch && run.y > 0 && run.y < H() - 1)
            found.push_back({(from + to) / 2, run.y});
    }
    return found;
}

void CKarta::FillArea(const CArea& area, TColor colour) {
    TRasterSurface* s = Surface();
    if (!s) return;
    const TPixelOwners& owners = Owners();
    const int owner = owners.OwnerOf(area);
    const auto runs = owners.RunsOf(owner);
    if (runs.empty()) return;
    QImage& image = s->Image();
    // The area's present colour goes, wherever it shows among its pixels.
    QRgb present = 0;
    if (!CommonestColour(image, runs, owners.PixelCount(owner), ToQRgb(Colors::Black),
                         ToQRgb(WaterColor), present))
        return;  // nothing but outline
    const QRgb to = ToQRgb(colour);
    if (present == to) return;
    s->SetFillColor(colour);
    const QRect painted = PaintRuns(image, runs, present, to);
    // A neighbour's marker over these pixels is drawn again over them.
    if (MarkersWanted && !painted.isEmpty()) {
        const int r = Markers().RadiusPixels() + 1;
        for (const TAreaMarker& marker : Markers().Markers()) {
            TColor mine = 0;
            if (marker.area->Code != area.Code &&
                painted.intersects(
                    QRect(marker.centre - QPoint(r, r), marker.centre + QPoint(r, r))) &&
                SelectedAreaColour(*marker.area, mine))
                DrawMarker(marker, mine);
        }
    }
    Changed();
}

void CKarta::ColourAreasByCode(const QString& code, TColor colour) {
    if (!Areas) return;
    for (const auto& area : Areas->Areas)
        if (area->Matches(code) && area->Selected) FillArea(*area, colour);
    if (const TAreaMarker* marker = Markers().Of(code)) DrawMarker(*marker, colour);
}

bool CKarta::SelectedAreaColour(const CArea& area, TColor& colour) const {
    if (!area.Answered) {
        colour = AreaColor;
        return true;
    }
    if (area.Attempts <= 0) return false;
    colour = CurrentPalette().AreaColourForTries(area.Attempts);
    return true;
}

void CKarta::ColourSelectedAreas() {
    if (!Areas || !Surface()) return;
    for (const auto& area : Areas->Areas) {
        TColor colour = 0;
        if (area->Selected && SelectedAreaColour(*area, colour)) FillArea(*area, colour);
    }
    DrawMarkers();
    Changed();
}
void CKarta::DrawGrid(int step, TColor colour, TPenMode mode) {
    TRasterSurface* s = Surface();
    if (!s) return;
    if (step > 0) {
        const float south = MaxSingle(BottomLatitude, -89);
        const float north = MinSingle(TopLatitude, 89);
        const float c = CentreLongitude;
        s->SetPenColor(colour);
        s->SetPenWidth(Scaled(1));
        s->SetPenMode(mode);
        // Meridians in quarter-step pieces so they follow the curvature.
        const int qFrom = 4 * (RoundHalfEven(south) / step) - 4;
        const int qTo = 4 * (RoundHalfEven(north) / step) + 3;
        const int kFrom = RoundHalfEven(double(c) - 180) / step;
        const int kTo = RoundHalfEven(double(c) + 180) / step;
        for (int q = qFrom; q <= qTo; ++q) {
            const float a = float(double(q) * step / 4);
            const float b = float(double(a) + step / 4.0);
            for (int k = kFrom; k <= kTo; ++k) {
                const float lon = float(k * step);
                s->MoveTo(LonLatToX(lon, a), LatToY(a));
                s->LineTo(LonLatToX(lon, b), LatToY(b));
            }
        }
        // Parallels: straight rows a full 360 degrees wide.
        for (int m = RoundHalfEven(south) / step; m <= RoundHalfEven(north) / step; ++m) {
            const float lat = float(m * step);
            if (std::fabs(lat) >= 90) continue;
            const int y = LatToY(lat);
            s->MoveTo(LonLatToX(float(double(c) - 180), lat), y);
            s->LineTo(LonLatToX(float(double(c) + 180), lat), y);
        }
    }
    s->SetPenMode(TPenMode::Copy);
    DrawFrame();
}

void CKarta::DrawPlaces() {
    if (!Places) return;
    for (const COrt* place = Places->First; place; place = place->Next)
        if (place->Selected && !place->Answered) DrawPlace(*place, Colors::Green);
}

TColor CKarta::PlaceLabelColour(qint32 attempts) {
    return CurrentPalette().PlaceLabelColourForTries(attempts);
}

void CKarta::DrawPlace(const COrt& place, TColor colour) {
    TRasterSurface* s = Surface();
    if (!s) return;
    // The dot grows with the control's width, not with its device pixels.
    const int r = Scaled(RoundHalfEven(W() / PixelRatio()) / 250 + 2);
    const int x = LonLatToX(float(place.Longitude), float(place.Latitude));
    const int y = LatToY(float(place.Latitude));
    s->SetPenColor(Colors::White);
    s->SetPenWidth(Scaled(1));
    s->SetFillColor(colour);
    s->Ellipse(x - r, y - r, x + r, y + r);
    if (place.Answered) {
        // The name box starts at the top of the dot, centred on it.
        s->SetFillColor(PlaceLabelColour(place.Attempts));
        s->SetPenColor(Colors::Black);
        s->SetFont(QStringLiteral("Arial"), 8, Image->WholeRatio());
        const QString& text = place.Names[CurrentLanguage];
        const int w = s->TextWidth(text);
        const int h = s->TextHeight(text);
        const int pad = Scaled(4);
        s->Rectangle(x - w / 2 - pad, y - r, x + w / 2 + pad, y - r + h);
        s->SetNoFill();
        s->TextOut(x - w / 2, y - r, text);
    }
    Changed();
}
