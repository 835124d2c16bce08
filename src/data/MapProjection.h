// SPDX-License-Identifier: MIT
// TMapProjection: one view of the map on a picture of one size, and the
// projection between degrees and picture pixels that it gives.
#pragma once

#include <QPoint>
#include <QtGlobal>

#include "data/Areor.h"

struct TMapProjection {
    int W = 0, H = 0;  // the picture's size in pixels
    float CentreLongitude = 0;
    float TopLatitude = 0;
    float BottomLatitude = 0;
    qint32 WidthDivisor = 1;

    qint32 LatToY(float lat) const;
    qint32 LonLatToX(float lon, float lat) const;
    QPoint Project(const GeoPoint& p) const { return {LonLatToX(p.Lon, p.Lat), LatToY(p.Lat)}; }
    float YToLat(int y) const;
    float PixelToLon(int y, int x) const;
    GeoPoint PixelToPoint(int x, int y) const { return {YToLat(y), PixelToLon(y, x)}; }
    // True inside the picture without its outermost rows and columns.
    bool InsideImage(int x, int y) const { return x > 0 && x < W && y > 0 && y < H; }
    // Whether the area's box reaches the view, with 100 pixels to spare at
    // the sides (measured at its northern edge): the outlines worth drawing.
    bool IsVisible(const CArea& area) const;

    bool operator==(const TMapProjection&) const = default;
};
