// SPDX-License-Identifier: MIT
// TMapZoom: zooming and panning a map's view within limits: no further out
// than the exercise's own view widened to the whole world's latitudes, no
// further in than half a degree of latitude, and back to that own view.
#pragma once

#include <QPoint>

class CKarta;

class TMapZoom {
  public:
    static constexpr double MinSpan = 0.5;      // degrees of latitude on the picture
    static constexpr double WorldSpan = 180;    // the whole world's latitudes
    static constexpr double StepFactor = 1.25;  // one wheel notch or key press

    // Takes the map's present view as the exercise's own view.
    void SetHome(const CKarta& map);
    bool HasHome() const { return homeSpan_ > 0; }

    // Zooms by factor (above 1: in) so that the point under the pixel stays
    // under it. False when the limits leave the view as it was.
    bool ZoomAt(CKarta& map, QPoint pixel, double factor) const;
    // Moves the view so that the point under from comes to lie under to.
    bool PanBy(CKarta& map, QPoint from, QPoint to) const;
    // The exercise's own view again, widened as at the start where the
    // window's shape now cuts an item off. False when that changes nothing.
    bool Home(CKarta& map) const;

  private:
    float homeTop_ = 0, homeBottom_ = 0, homeCentre_ = 0;
    double homeSpan_ = 0;
};
