// SPDX-License-Identifier: MIT
// The map: sea seeds, view, projection and the flood-fill drawing.
#include "UKarta.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "app/Generell.h"
#include "app/Palette.h"
#include "data/Fileread.h"
#include "platform/Picture.h"
#include "platform/Rounding.h"

namespace {

constexpr int InteriorRowStep = 8;  // rows between the fallback fills' looks at an outline
// Dark grey: distinct from the black borders and from the sea.
constexpr TColor MarkerDarkRim = MakeColor(72, 72, 72);

bool SameColour(TColor a, TColor b) {
    return (a & 0x00FFFFFFu) == (b & 0x00FFFFFFu);
}

float ClampLatitude(float lat) {
    return lat > 90 ? 90.0f : lat < -90 ? -90.0f : lat;
}

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
    if (TopLatitude - BottomLatitude < 1) {
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

void CKarta::WidenToShowSelection() {
    if (W() <= 0 || H() <= 0) return;
    const int margin = Scaled(ShowMargin), enough = Scaled(ShowEnough);
    // Widening about the middle only draws points toward the picture's
    // centre, so whatever shows once keeps showing.
    std::vector<std::vector<const CArea*>> areasLeft;  // by code
    if (Areas) {
        std::map<QString, std::size_t> byCode;
        for (const auto& area : Areas->Areas) {
            if (!area->Selected || area->PointCount() <= 0) continue;
            const auto [it, fresh] = byCode.try_emplace(area->Code, areasLeft.size());
            if (fresh) areasLeft.emplace_back();
            areasLeft[it->second].push_back(area.get());
        }
    }
    std::vector<const COrt*> placesLeft;
    if (Places)
        for (const COrt* p = Places->First; p; p = p->Next)
            if (p->Selected) placesLeft.push_back(p);
    const auto shows = [&](const COrt* place) {
        const auto lat = float(place->Latitude), lon = float(place->Longitude);
        const int x = LonLatToX(lon, lat), y = LatToY(lat);
        return x >= margin && y >= margin && x < W() - margin && y < H() - margin;
    };
    for (int pass = 0; pass < MaxWideningPasses; ++pass) {
        std::erase_if(areasLeft, [&](const std::vector<const CArea*>& pieces) {
            return std::any_of(pieces.begin(), pieces.end(), [&](const CArea* piece) {
                return ShowsEnoughOf(*piece, margin, enough);
            });
        });
        std::erase_if(placesLeft, shows);
        if (areasLeft.empty() && placesLeft.empty()) return;
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
    const double lat = ClampLatitude(point.Lat);
    const double chord = std::sqrt(std::max(8100.0 - lat * lat, 1e-6));
    CentreLongitude =
        float(double(point.Lon) - (pixel.x() - W() / 2.0) / chord * WidthDivisor / perDegree);
}

qint32 CKarta::LatToY(float lat) const {
    lat = ClampLatitude(lat);
    return RoundHalfEven(double(H()) -
                         Interpolate(lat, TopLatitude, BottomLatitude, float(H()), 0));
}

qint32 CKarta::LonLatToX(float lon, float lat) const {
    const double halfWidth = W() / 2.0;
    lat = ClampLatitude(lat);
    if (lat == 90 || lat == -90) return RoundHalfEven(halfWidth);
    const float s = float(double(H()) / (double(TopLatitude) - BottomLatitude));
    const float d = float(double(lon) - CentreLongitude);
    const double chord = std::sqrt(8100.0 - double(lat) * lat);
    return RoundHalfEven(chord * d / WidthDivisor * s + halfWidth);
}

float CKarta::YToLat(int y) const {
    return ClampLatitude(Interpolate(float(y), float(H()), 0, BottomLatitude, TopLatitude));
}

float CKarta::PixelToLon(int y, int x) const {
    const float lat = YToLat(y);
    if (lat == 90 || lat == -90) return CentreLongitude;
    const float s = float(double(H()) / (double(TopLatitude) - BottomLatitude));
    const double chord = std::sqrt(8100.0 - double(lat) * lat);
    return float(CentreLongitude + (double(x) - W() / 2) / chord * WidthDivisor / s);
}

bool CKarta::InsideImage(int x, int y) const {
    return x > 0 && x < W() && y > 0 && y < H();
}

qint32 CKarta::PixelDistance(const GeoPoint& point, const COrt& place) const {
    const double dy = double(LatToY(point.Lat)) - LatToY(float(place.Latitude));
    const double dx = double(LonLatToX(point.Lon, point.Lat)) -
                      LonLatToX(float(place.Longitude), float(place.Latitude));
    return RoundHalfEven(std::sqrt(dx * dx + dy * dy) / PixelRatio());
}

QPoint CKarta::Project(const GeoPoint& p) const {
    return {LonLatToX(p.Lon, p.Lat), LatToY(p.Lat)};
}

// --- Drawing ---------------------------------------------------------------

TRasterSurface* CKarta::Surface() const {
    if (!Image || W() <= 0 || H() <= 0) return nullptr;
    return &Image->Canvas();
}

void CKarta::Changed() const {
    if (Image) Image->NotifyChanged();
}

void CKarta::Clear() {
    TRasterSurface* s = Surface();
    if (!s) return;
    s->SetFillColor(LandColor);
    s->FillRect(0, 0, W(), H());
    partPixels_ = {};
    markersPlaced_ = false;  // the selection may have changed too
    Changed();
}

CKarta::TViewKey CKarta::ViewKey() const {
    return {W(), H(), TopLatitude, BottomLatitude, CentreLongitude};
}

const TAreaMarkers& CKarta::Markers() const {
    if (!MarkersWanted) {
        markers_.Forget();
    } else if (!markersPlaced_ || !(markersView_ == ViewKey())) {
        markers_.Place(*this);
        markersPlaced_ = true;
        markersView_ = ViewKey();
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
    return {YToLat(y), PixelToLon(y, x)};
}

bool CKarta::IsVisible(const CArea& area) const {
    const float north = float(area.North);
    return area.North >= BottomLatitude && area.South <= TopLatitude &&
           LonLatToX(float(area.East), north) >= -100 &&
           LonLatToX(float(area.West), north) <= W() + 100;
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
        for (const auto& area : Areas->Areas) {
            if (area->PointCount() <= 0 || !IsVisible(*area)) continue;
            const QPoint first = Project(area->Points[0]);
            s->MoveTo(first.x(), first.y());
            QPoint previous = first;
            for (int j = 0; j < area->PointCount(); ++j) {
                const QPoint p = Project(area->Points[std::size_t(j)]);
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

void CKarta::DrawWaters() {
    TRasterSurface* s = Surface();
    if (!s) return;
    s->SetPenColor(WaterColor);
    s->SetPenWidth(Scaled(1));
    s->SetNoFill();
    s->Rectangle(0, 0, W(), H());
    const TColor pen = s->PenColor();
    if (Waters) {
        for (const auto& water : Waters->Areas) {
            if (water->PointCount() <= 0) continue;
            const QPoint first = Project(water->Points[0]);
            s->MoveTo(first.x(), first.y());
            for (int j = 0; j < water->PointCount(); ++j) {
                const QPoint p = Project(water->Points[std::size_t(j)]);
                s->LineToMarkingEnds(p.x(), p.y(), pen);
            }
            s->LineToMarkingEnds(first.x(), first.y(), pen);

            // A lake's fill stops only at its own outline colour, as the
            // surface holds it (read back after the first fill).
            s->SetFillColor(WaterColor);
            const QPoint seed1 = Project(water->Seed1);
            if (InsideImage(seed1.x(), seed1.y())) {
                FloodFillAt(*s, seed1.x(), seed1.y(), WaterColor, TFillStyle::Border);
                WaterColor = s->Pixel(seed1.x(), seed1.y());
            }
            const QPoint seed2 = Project(water->Seed2);
            if (InsideImage(seed2.x(), seed2.y()))
                FloodFillAt(*s, seed2.x(), seed2.y(), WaterColor, TFillStyle::Border);
            // Zoomed in, a lake's seeds may lie off the picture while it is on it.
            if (CutByTheEdges(*water)) {
                for (const QPoint& p : InteriorPixels(*water, InteriorRowStep)) {
                    if (SameColour(s->Pixel(p.x(), p.y()), WaterColor) ||
                        !OnlyInside({YToLat(p.y()), PixelToLon(p.y(), p.x())}, *water))
                        continue;
                    FloodFillAt(*s, p.x(), p.y(), WaterColor, TFillStyle::Border);
                    WaterColor = s->Pixel(p.x(), p.y());
                }
            }
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
    // One pass finds every land-coloured region; each seed then paints its own.
    landRegions_.Find(s->Image(), ToQRgb(LandColor & 0x00FFFFFFu));
    const int count = std::min<int>(SeaSeedCount, MaxSeaSeeds);
    for (int i = 1; i <= count; ++i) {
        const QPoint p = Project(SeaSeeds[i]);
        if (!SameColour(s->Pixel(p.x(), p.y()), SeaColor) && InsideImage(p.x(), p.y())) {
            // At a size or zoom the seeds were not placed for, a seed may fall
            // on land; that region is not the sea's.
            const int region = landRegions_.DescribeNow(s->Image())
                                   ? landRegions_.RegionAt(p.x(), p.y())
                                   : TColourRegions::NoRegion;
            if (region != TColourRegions::NoRegion && !MostlyOutsideOutlines(region)) continue;
            FillOver(*s, p, LandColor, SeaColor);
            Changed();
            // The map may be gone afterwards: touch nothing of it then.
            if (letMessagesRun && !letMessagesRun()) return false;
        }
    }
    FillSeaOutsideOutlines(*s);
    Changed();
    return true;
}

namespace {

constexpr int CellDegrees = 10;
constexpr int LatCells = 180 / CellDegrees;
constexpr int LonCells = 360 / CellDegrees;

int LatCell(double lat) {
    return std::clamp(int(std::floor((lat + 90) / CellDegrees)), 0, LatCells - 1);
}
int LonCell(double lon) {
    return std::clamp(int(std::floor((lon + 180) / CellDegrees)), 0, LonCells - 1);
}

}  // namespace

const CKarta::TOutlineIndex& CKarta::OutlineIndex() const {
    const int outlines = (Areas ? Areas->Count() : 0) + (Waters ? Waters->Count() : 0);
    if (outlineIndex_.outlines == outlines) return outlineIndex_;
    outlineIndex_.outlines = outlines;
    outlineIndex_.cells.assign(std::size_t(LatCells) * LonCells, {});
    for (const CAreor* set : {Areas.get(), Waters.get()}) {
        if (!set) continue;
        const bool lakes = set == Waters.get();
        for (const auto& area : set->Areas) {
            if (area->PointCount() < 3) continue;
            const bool wraps = area->West > area->East;
            for (int la = LatCell(area->South); la <= LatCell(area->North); ++la)
                for (int lo = wraps ? 0 : LonCell(area->West);
                     lo <= (wraps ? LonCells - 1 : LonCell(area->East)); ++lo)
                    outlineIndex_.cells[std::size_t(la) * LonCells + lo].push_back(
                        {area.get(), lakes});
        }
    }
    return outlineIndex_;
}

bool CKarta::OnLandOrLake(const GeoPoint& point) const {
    const CArea* found = nullptr;
    return OnLandOrLake(point, found);
}

bool CKarta::OnLandOrLake(const GeoPoint& point, const CArea*& found) const {
    const auto holds = [&point](const CArea* area) {
        if (point.Lat > area->North || point.Lat < area->South ||
            (area->West <= area->East && (point.Lon > area->East || point.Lon < area->West)))
            return false;
        return PointInPolygon(point, area->Points.data(), area->PointCount());
    };
    if (found && holds(found)) return true;
    const auto& cell =
        OutlineIndex().cells[std::size_t(LatCell(point.Lat)) * LonCells + LonCell(point.Lon)];
    for (const auto& entry : cell) {
        if (entry.outline != found && holds(entry.outline)) {
            found = entry.outline;
            return true;
        }
    }
    return false;
}

void CKarta::FillSeaOutsideOutlines(TRasterSurface& s) {
    constexpr int Votes = 15;  // points of a region asked whether they lie on land
    QImage& image = s.Image();
    if (image.width() < 3 || image.height() < 3) return;
    const QRgb land = ToQRgb(LandColor & 0x00FFFFFFu);
    const QRgb sea = ToQRgb(SeaColor & 0x00FFFFFFu);
    if (!landRegions_.DescribeNow(image) || landRegions_.Colour() != land)
        landRegions_.Find(image, land);

    // A region is sea when most of its points asked lie outside every
    // outline: one at an open coast, or beside an outline left undrawn, may
    // hold some land too. Past the date line only the islands drawn there
    // (Samoa, Tonga, Polynesia) are on the map; farther east nothing: no sea.
    // A region's vote stops once its majority is certain: most regions are
    // land through and through, and each point asked costs polygon tests.
    const std::size_t regions = std::size_t(landRegions_.Count());
    std::vector<int> seen(regions, 0), asked(regions, 0), outside(regions, 0);
    std::vector<const CArea*> lastFound(regions, nullptr);
    for (const TColourRegions::TRun& run : landRegions_.Runs()) {
        const int r = run.region;
        if (landRegions_.Painted(r)) continue;
        const int members = landRegions_.RunCount(r);
        const std::size_t k = std::size_t(r);
        const int step = std::max(1, members / Votes);
        if (seen[k]++ % step != 0) continue;
        const int votes = (members + step - 1) / step;
        const int inside = asked[k] - outside[k];
        if (outside[k] * 2 > votes || inside * 2 >= votes) continue;  // decided
        const int x = (run.x0 + run.x1) / 2;
        const GeoPoint at{YToLat(run.y), PixelToLon(run.y, x)};
        if (!OnTheMap(at.Lon)) continue;
        ++asked[k];
        if (!OnLandOrLake(at, lastFound[k])) ++outside[k];
    }
    {
        const TColourRegions::TBatch batch(landRegions_, image);
        for (std::size_t k = 0; k < regions; ++k)
            if (outside[k] * 2 > asked[k]) landRegions_.Paint(image, int(k), sea);
    }
    FindPartPixels();
}

bool CKarta::OnTheMap(float lon) const {
    if (lon >= -180 && lon <= 180) return true;
    if (lon < -180 || !Areas) return false;
    // The areas change only when a map is loaded or its insets go.
    if (eastmost_.areas != Areas->Count()) {
        eastmost_ = {Areas->Count(), 180};
        for (const auto& area : Areas->Areas) eastmost_.lon = std::max(eastmost_.lon, area->East);
    }
    return lon <= eastmost_.lon;
}

bool CKarta::MostlyOutsideOutlines(int region) const {
    constexpr int Votes = 15;
    const int runs = landRegions_.RunCount(region);
    const int step = std::max(1, runs / Votes);
    const int votes = (runs + step - 1) / step;
    int asked = 0, outside = 0;
    const CArea* found = nullptr;
    for (int k = 0; k < runs; k += step) {
        if (outside * 2 > votes || (asked - outside) * 2 >= votes) break;  // decided
        const TColourRegions::TRun& run = landRegions_.RunOf(region, k);
        const int x = (run.x0 + run.x1) / 2;
        const GeoPoint at{YToLat(run.y), PixelToLon(run.y, x)};
        if (!OnTheMap(at.Lon)) continue;
        ++asked;
        if (!OnLandOrLake(at, found)) ++outside;
    }
    return asked == 0 || outside * 2 > asked;
}

void CKarta::FindPartPixels() {
    partPixels_ = {};
    partPixels_.view = ViewKey();
    // A region that holds a seed is its area's own, coloured from there.
    std::vector<char> seen(std::size_t(landRegions_.Count()), 0);
    if (Areas) {
        for (const auto& area : Areas->Areas) {
            for (const GeoPoint& seed : {area->Seed1, area->Seed2}) {
                const QPoint p = Project(seed);
                const int region = landRegions_.RegionAt(p.x(), p.y());
                if (region != TColourRegions::NoRegion) seen[std::size_t(region)] = 1;
            }
        }
    }
    for (const TColourRegions::TRun& run : landRegions_.Runs()) {
        const std::size_t k = std::size_t(run.region);
        if (seen[k] || landRegions_.Painted(run.region)) continue;
        seen[k] = 1;
        const int x = (run.x0 + run.x1) / 2;
        const GeoPoint at{YToLat(run.y), PixelToLon(run.y, x)};
        if (!OnTheMap(at.Lon)) continue;
        if (const CArea* owner = InnermostAreaAt(at))
            partPixels_.byArea[owner].push_back({x, run.y});
    }
}

const CArea* CKarta::InnermostAreaAt(const GeoPoint& point) const {
    const CArea* best = nullptr;
    const auto& cell =
        OutlineIndex().cells[std::size_t(LatCell(point.Lat)) * LonCells + LonCell(point.Lon)];
    for (const auto& [area, lake] : cell) {
        if (lake || (best && best->North <= area->North) || point.Lat > area->North ||
            point.Lat < area->South ||
            (area->West <= area->East && (point.Lon > area->East || point.Lon < area->West)))
            continue;
        if (PointInPolygon(point, area->Points.data(), area->PointCount())) best = area;
    }
    return best;
}

void CKarta::FillOver(TRasterSurface& s, QPoint p, TColor over, TColor colour) {
    s.SetFillColor(colour);
    QImage& image = s.Image();
    const QRgb from = ToQRgb(over & 0x00FFFFFFu);
    if (from == landRegions_.Colour() && landRegions_.DescribeNow(image)) {
        // A pixel of another colour, or one painted since, stops a fill at once.
        landRegions_.Paint(image, landRegions_.RegionAt(p.x(), p.y()),
                           ToQRgb(colour & 0x00FFFFFFu));
        return;
    }
    landRegions_.Flush(image);  // a fill reads the picture as it is
    FloodFillAt(s, p.x(), p.y(), over, TFillStyle::Surface);
}

TColor CKarta::PixelNow(const TRasterSurface& s, QPoint p) const {
    QRgb held = 0;
    if (landRegions_.DescribeNow(s.Image()) && landRegions_.HeldBack(p.x(), p.y(), held))
        return FromQRgb(held);
    return s.Pixel(p.x(), p.y());
}

void CKarta::FillArea(const CArea& area, TColor colour) {
    TRasterSurface* s = Surface();
    if (!s) return;
    // A point on an outline, in a lake or already coloured changes nothing;
    // nor one that falls into the sea, as a speck of an island may at a size
    // or zoom its seeds were not placed for: it would paint the sea.
    const auto fillFrom = [&](QPoint p) {
        const TColor c = PixelNow(*s, p);
        if (SameColour(c, Colors::Black) || SameColour(c, WaterColor) || SameColour(c, colour) ||
            SameColour(c, SeaColor) || !InsideImage(p.x(), p.y()))
            return false;
        FillOver(*s, p, c, colour);
        return true;
    };
    // Whether the seeds coloured the area, or would have: a seed on the
    // picture that lies on an outline or in a lake leaves the area as it is.
    // A seed close to a border can round onto the neighbour's side of it on
    // some picture sizes; it must not colour the neighbour.
    const auto inNeighbour = [&](QPoint p) {
        const GeoPoint at{YToLat(p.y()), PixelToLon(p.y(), p.x())};
        const CArea* owner = InnermostAreaAt(at);
        return owner && owner->Code != area.Code &&
               !PointInPolygon(at, area.Points.data(), area.PointCount());
    };
    bool reached = false, seedShown = false, strayed = false;
    for (const GeoPoint& seed : {area.Seed1, area.Seed2}) {
        const QPoint p = Project(seed);
        if (!InsideImage(p.x(), p.y())) continue;
        seedShown = true;
        if (inNeighbour(p) || SameColour(PixelNow(*s, p), SeaColor)) {
            strayed = true;
            continue;
        }
        reached = fillFrom(p) || reached || SameColour(PixelNow(*s, p), colour);
    }
    // Zoomed in, the seeds may lie off the picture, or on another piece of
    // the area than the ones the picture cuts out; and a seed by a coast or
    // border may round into the sea or the neighbour.
    if (CutByTheEdges(area) || (strayed && !reached)) {
        for (const QPoint& p : InteriorPixels(area, InteriorRowStep)) {
            const TColor c = PixelNow(*s, p);
            if (SameColour(c, colour) || SameColour(c, Colors::Black)) continue;
            if (OnlyInside({YToLat(p.y()), PixelToLon(p.y(), p.x())}, area))
                reached = fillFrom(p) || reached;
        }
    }
    // Parts that the outlines pinch off at this size or zoom.
    const auto& parts = partPixels_;
    if ((reached || !seedShown) && parts.view == ViewKey()) {
        if (const auto it = parts.byArea.find(&area); it != parts.byArea.end())
            for (const QPoint& p : it->second) fillFrom(p);
    }
    Changed();
}

bool CKarta::CutByTheEdges(const CArea& outline) const {
    if (outline.PointCount() < 3 || !IsVisible(outline)) return false;
    const QPoint corners[] = {Project({float(outline.North), float(outline.West)}),
                              Project({float(outline.North), float(outline.East)}),
                              Project({float(outline.South), float(outline.West)}),
                              Project({float(outline.South), float(outline.East)})};
    for (const QPoint& c : corners)
        if (c.x() <= 0 || c.y() <= 0 || c.x() >= W() - 1 || c.y() >= H() - 1) return true;
    return false;
}

bool CKarta::OnlyInside(const GeoPoint& point, const CArea& outline) const {
    if (!PointInPolygon(point, outline.Points.data(), outline.PointCount())) return false;
    const auto& cell =
        OutlineIndex().cells[std::size_t(LatCell(point.Lat)) * LonCells + LonCell(point.Lon)];
    const bool lake = Waters && std::any_of(Waters->Areas.begin(), Waters->Areas.end(),
                                            [&](const auto& w) { return w.get() == &outline; });
    for (const auto& [other, otherIsLake] : cell) {
        // A part's extra record repeats its area's ring.
        const bool sameArea = other == &outline || (!lake && other->Code == outline.Code);
        if (sameArea || otherIsLake != lake || point.Lat > other->North ||
            point.Lat < other->South ||
            (other->West <= other->East && (point.Lon > other->East || point.Lon < other->West)))
            continue;
        if (PointInPolygon(point, other->Points.data(), other->PointCount())) return false;
    }
    return true;
}

std::vector<QPoint> CKarta::InteriorPixels(const CArea& outline, int step) const {
    std::vector<QPoint> found;
    const int n = outline.PointCount();
    if (n < 3 || W() < 3 || H() < 3 || step < 1) return found;
    std::vector<QPoint> ring(static_cast<std::size_t>(n));
    int top = H(), bottom = 0;
    for (int i = 0; i < n; ++i) {
        ring[std::size_t(i)] = Project(outline.Points[std::size_t(i)]);
        top = std::min(top, ring[std::size_t(i)].y());
        bottom = std::max(bottom, ring[std::size_t(i)].y());
    }
    constexpr int MinStretch = 6;  // pixels between crossings, so the middle is clear of lines
    std::vector<double> crossings;
    for (int y = std::max(top, 1) + step / 2; y < std::min(bottom, H() - 1); y += step) {
        crossings.clear();
        const double row = y + 0.5;
        for (int i = 0, j = n - 1; i < n; j = i++) {
            const QPoint a = ring[std::size_t(j)], b = ring[std::size_t(i)];
            if ((a.y() <= row) == (b.y() <= row)) continue;
            // In doubles: a degenerate view projects points far beyond int's reach.
            const double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
            crossings.push_back(ax + (row - ay) * (bx - ax) / (by - ay));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const double from = std::max(crossings[k], 1.0);
            const double to = std::min(crossings[k + 1], double(W() - 2));
            if (to - from >= MinStretch) found.push_back({int((from + to) / 2), y});
        }
    }
    return found;
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
    TRasterSurface* s = Surface();
    if (!Areas || !s) return;
    {
        const TColourRegions::TBatch batch(landRegions_, s->Image());
        for (const auto& area : Areas->Areas) {
            TColor colour = 0;
            if (area->Selected && SelectedAreaColour(*area, colour)) FillArea(*area, colour);
        }
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
