// SPDX-License-Identifier: MIT
// ItemFocus: the size of an exercise's item on the view, the view zoomed in
// on it, and its colour in the run's present state.
#include "ItemFocus.h"

#include <QPoint>
#include <algorithm>
#include <climits>

#include "data/MapZoom.h"
#include "data/UKarta.h"
#include "exercise/OvLand.h"
#include "exercise/OvOrt.h"

TMapView TMapView::Of(const CKarta& map) {
    return {map.TopLatitude, map.BottomLatitude, map.CentreLongitude};
}

void TMapView::ApplyTo(CKarta& map) const {
    map.TopLatitude = Top;
    map.BottomLatitude = Bottom;
    map.CentreLongitude = Centre;
    map.UpdateDivisor();
}

TItemFocus::TItemFocus(const CKarta& map, const COvning& exercise, const QString& key)
    : map_(map), exercise_(exercise), key_(key) {
    if (key.isEmpty()) return;
    if (dynamic_cast<const COvningOrt*>(&exercise)) {
        place_ = true;
        if (!map.Places) return;
        for (const COrt* p = map.Places->First; p && !placeItem_; p = p->Next)
            if (p->Selected && p->Code == key) placeItem_ = p;
        if (!placeItem_) return;
        found_ = true;
        small_ = true;
        lat_ = float(placeItem_->Latitude);
        lon_ = float(placeItem_->Longitude);
        const GeoPoint at{lat_, lon_};
        int nearest = INT_MAX;
        for (const COrt* p = map.Places->First; p; p = p->Next)
            if (p->Selected && p != placeItem_)
                nearest = std::min(nearest, map.PixelDistance(at, *p));
        if (nearest != INT_MAX) factor_ = double(PlaceGap) / std::max(nearest, 1);
    } else if (dynamic_cast<const COvningLandArea*>(&exercise)) {
        if (!map.Areas) return;
        // The largest piece as projected now, whether the picture shows it or not.
        int extent = -1;
        for (const auto& area : map.Areas->Areas) {
            if (!area->Selected || !area->Matches(key) || area->PointCount() <= 0) continue;
            int x0 = INT_MAX, x1 = INT_MIN, y0 = INT_MAX, y1 = INT_MIN;
            float north = -90, south = 90, east = -1000, west = 1000;
            for (const GeoPoint& p : area->Points) {
                const int x = map.LonLatToX(p.Lon, p.Lat), y = map.LatToY(p.Lat);
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y),
                y1 = std::max(y1, y);
                north = std::max(north, p.Lat), south = std::min(south, p.Lat);
                east = std::max(east, p.Lon), west = std::min(west, p.Lon);
            }
            const int pieceExtent = std::max(x1 - x0, y1 - y0);
            if (pieceExtent <= extent) continue;
            extent = pieceExtent;
            lat_ = (north + south) / 2;
            lon_ = (east + west) / 2;
        }
        if (extent < 0) return;
        found_ = true;
        small_ = extent < map.Scaled(SmallExtent) || map.Markers().Of(key) != nullptr;
        factor_ = double(map.Scaled(WantedExtent)) / std::max(extent, 1);
    }
    factor_ = std::clamp(factor_, MinFactor, MaxFactor);
}

bool TItemFocus::ZoomTo(CKarta& map) const {
    if (!found_ || map.W() <= 0 || map.H() <= 0) return false;
    const TMapView before = TMapView::Of(map);
    const double span = double(map.TopLatitude) - map.BottomLatitude;
    const double wanted = std::max(span / factor_, std::min(span, TMapZoom::MinSpan));
    map.ShowAt(GeoPoint{lat_, lon_}, QPoint(map.W() / 2, map.H() / 2), wanted);
    return !(TMapView::Of(map) == before);
}

TColor TItemFocus::StateColour() const {
    if (place_) {
        const auto& places = static_cast<const COvningOrt&>(exercise_);
        if (!placeItem_) return Colors::Green;
        if (placeItem_ == places.CurrentPlace && exercise_.HintColour != 0)
            return exercise_.HintColour;
        return placeItem_->Answered ? Colors::Yellow : Colors::Green;
    }
    const auto* areas = dynamic_cast<const COvningLandArea*>(&exercise_);
    if (areas && !areas->CurrentKey.isEmpty() && key_ == areas->CurrentKey &&
        exercise_.HintColour != 0)
        return exercise_.HintColour;
    TColor colour = map_.AreaColor;
    if (map_.Areas)
        for (const auto& area : map_.Areas->Areas)
            if (area->Selected && area->Matches(key_) && map_.SelectedAreaColour(*area, colour))
                break;
    return colour;
}

void TItemFocus::Paint(CKarta& map, TColor colour) const {
    if (!found_) return;
    if (placeItem_)
        map.DrawPlace(*placeItem_, colour);
    else
        map.ColourAreasByCode(key_, colour);
}
