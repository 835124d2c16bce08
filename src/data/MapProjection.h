// SPDX-License-Identifier: MIT
// TMapProjection: one view of the map on a picture of one size, and the
// projection between degrees and picture pixels that it gives.
#pragma once

#include <QPoint>
#include <QtGlobal>
#include <cmath>

#include "data/Areor.h"
#include "platform/Rounding.h"

struct TMapProjection {
    int W = 0, H = 0;  // the picture's size in pixels
    float CentreLongitude = 0;
    float TopLatitude = 0;
    float BottomLatitude = 0;
    qint32 WidthDivisor = 1;

    // Inline: a redraw projects every point of every outline.
    qint32 LatToY(float lat) const {
        lat = ClampLatitude(lat);
        return RoundHalfEven(double(H) -
                             Interpolate(lat, TopLatitude, BottomLatitude, float(H), 0));
    }
    qint32 LonLatToX(float lon, float lat) const {
        const double halfWidth = W / 2.0;
        lat = ClampLatitude(lat);
        if (lat == 90 || lat == -90) return RoundHalfEven(halfWidth);
        const float s = float(double(H) / (double(TopLatitude) - BottomLatitude));
        const float d = float(double(lon) - CentreLongitude);
        const double chord = std::sqrt(8100.0 - double(lat) * lat);
        return RoundHalfEven(chord * d / WidthDivisor * s + halfWidth);
    }
    QPoint Project(const GeoPoint& p) const { return {LonLatToX(p.Lon, p.Lat), LatToY(p.Lat)}; }
    float YToLat(int y) const;
    float PixelToLon(int y, int x) const;
    GeoPoint PixelToPoint(int x, int y) const { return {YToLat(y), PixelToLon(y, x)}; }
    // True inside the picture without its outermost rows and columns.
    bool InsideImage(int x, int y) const { return x > 0 && x < W && y > 0 && y < H; }
    // Whether the area's box reaches the view, with 100 pixels to spare at
    // the sides: the outlines worth drawing.
    bool IsVisible(const CArea& area) const;

    bool operator==(const TMapProjection&) const = default;

    static float ClampLatitude(float lat) { return lat > 90 ? 90.0f : lat < -90 ? -90.0f : lat; }
};
