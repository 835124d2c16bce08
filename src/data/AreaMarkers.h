// SPDX-License-Identifier: MIT
// TAreaMarkers: circles that stand in for the exercise's areas too small to
// click in the current view.
#pragma once

#include <QPoint>
#include <QString>
#include <vector>

#include "data/MapProjection.h"

class CArea;
class CAreor;
class TPixelOwners;

struct TAreaMarker {
    const CArea* area;  // the area's largest record on the picture
    QPoint centre;      // in picture pixels
};

class TAreaMarkers {
  public:
    // An area is too small when no piece of it on the picture spans this
    // many control pixels, or none holds a square of ClickSide pixels that
    // a click can hit (a sliver along a border or a string of atolls).
    static constexpr int MinExtent = 10;
    static constexpr int ClickSide = 6;
    static constexpr int Radius = 7;  // control pixels

    // The markers for the selected areas in the view, of the given radius,
    // for the areas too small by minExtent and clickSide (in picture pixels)
    // with the pixels the owners give them; placed apart where they would
    // overlap, as far as the picture allows.
    void Place(const TMapProjection& view, const CAreor* areas, const TPixelOwners& owners,
               int radius, int minExtent, int clickSide);
    void Forget() { markers_.clear(); }
    const std::vector<TAreaMarker>& Markers() const { return markers_; }
    int RadiusPixels() const { return radius_; }
    // The marker for an area's code, or none.
    const TAreaMarker* Of(const QString& code) const;
    // The marker whose disc holds the pixel; the nearest centre where discs
    // overlap; none outside them all.
    const TAreaMarker* At(QPoint pixel) const;

  private:
    std::vector<TAreaMarker> markers_;
    int radius_ = Radius;
};
