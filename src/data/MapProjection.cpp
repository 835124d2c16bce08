// SPDX-License-Identifier: MIT
// The map's projection: latitude linear in rows, longitude scaled by the
// half-chord of a circle of radius 90 degrees.
#include "MapProjection.h"

#include <cmath>

#include "platform/Rounding.h"

float TMapProjection::YToLat(int y) const {
    return ClampLatitude(Interpolate(float(y), float(H), 0, BottomLatitude, TopLatitude));
}

float TMapProjection::PixelToLon(int y, int x) const {
    const float lat = YToLat(y);
    if (lat == 90 || lat == -90) return CentreLongitude;
    const float s = float(double(H) / (double(TopLatitude) - BottomLatitude));
    const double chord = std::sqrt(8100.0 - double(lat) * lat);
    return float(CentreLongitude + (double(x) - W / 2) / chord * WidthDivisor / s);
}

bool TMapProjection::IsVisible(const CArea& area) const {
    // Measured where the box comes nearest the middle column: at its edge
    // farthest from the equator, where the meridians draw together (the
    // northern edge, but the southern one south of the equator: an area
    // there can reach into the picture while its northern edge lies off it).
    const float polar =
        float(std::fabs(area.South) > std::fabs(area.North) ? area.South : area.North);
    return area.North >= BottomLatitude && area.South <= TopLatitude &&
           LonLatToX(float(area.East), polar) >= -100 &&
           LonLatToX(float(area.West), polar) <= W + 100;
}
