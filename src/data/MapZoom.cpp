// SPDX-License-Identifier: MIT
// Zoom and pan of a map's view.
#include "MapZoom.h"

#include <algorithm>
#include <cmath>

#include "data/UKarta.h"

namespace {

bool SameView(const CKarta& map, float top, float bottom, float centre) {
    return map.TopLatitude == top && map.BottomLatitude == bottom && map.CentreLongitude == centre;
}

}  // namespace

void TMapZoom::SetHome(const CKarta& map) {
    homeTop_ = map.TopLatitude;
    homeBottom_ = map.BottomLatitude;
    homeCentre_ = map.CentreLongitude;
    homeSpan_ = double(homeTop_) - homeBottom_;
}

bool TMapZoom::ZoomAt(CKarta& map, QPoint pixel, double factor) const {
    if (map.H() <= 0 || factor <= 0) return false;
    const double span = double(map.TopLatitude) - map.BottomLatitude;
    const double widest = std::max(homeSpan_, WorldSpan);
    const double wanted = std::clamp(span / factor, MinSpan, std::max(widest, MinSpan));
    if (wanted == span) return false;
    const GeoPoint under{map.YToLat(pixel.y()), map.PixelToLon(pixel.y(), pixel.x())};
    const float top = map.TopLatitude, bottom = map.BottomLatitude, centre = map.CentreLongitude;
    map.ShowAt(under, pixel, wanted);
    return !SameView(map, top, bottom, centre);
}

bool TMapZoom::PanBy(CKarta& map, QPoint from, QPoint to) const {
    if (map.H() <= 0 || from == to) return false;
    const GeoPoint under{map.YToLat(from.y()), map.PixelToLon(from.y(), from.x())};
    const float top = map.TopLatitude, bottom = map.BottomLatitude, centre = map.CentreLongitude;
    map.ShowAt(under, to, double(map.TopLatitude) - map.BottomLatitude);
    // Never so far that the world's middle leaves the picture.
    const double middle = (double(map.TopLatitude) + map.BottomLatitude) / 2;
    const double half = (double(map.TopLatitude) - map.BottomLatitude) / 2;
    const double clamped = std::clamp(middle, -90.0, 90.0);
    if (clamped != middle) {
        map.TopLatitude = float(clamped + half);
        map.BottomLatitude = float(clamped - half);
        map.UpdateDivisor();
    }
    map.CentreLongitude = std::clamp(map.CentreLongitude, -180.0f, 180.0f);
    return !SameView(map, top, bottom, centre);
}

bool TMapZoom::Home(CKarta& map) const {
    if (!HasHome()) return false;
    const float top = map.TopLatitude, bottom = map.BottomLatitude, centre = map.CentreLongitude;
    map.TopLatitude = homeTop_;
    map.BottomLatitude = homeBottom_;
    map.CentreLongitude = homeCentre_;
    map.UpdateDivisor();
    // Made for the window's shape at the start: another shape may need more.
    map.WidenToShowSelection();
    return !SameView(map, top, bottom, centre);
}
