// SPDX-License-Identifier: MIT
// TAreaMarkers: circles that stand in for the exercise's areas too small to
// click in the current view.
#pragma once

#include <QPoint>
#include <QString>
#include <vector>

class CArea;
class CKarta;

struct TAreaMarker {
    const CArea* area;  // the area's largest record on the picture
    QPoint centre;      // in picture pixels
};

class TAreaMarkers {
  public:
    // An area is too small when no piece of it on the picture spans this
    // many control pixels.
    static constexpr int MinExtent = 10;
    static constexpr int Radius = 7;  // control pixels

    // The markers for the map's selected areas in its current view; placed
    // apart where they would overlap, as far as the picture allows.
    void Place(const CKarta& map);
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
