// SPDX-License-Identifier: MIT
// ItemFocus: whether an area or place of a map exercise is small on the
// map's present view, and the view that centres it zoomed in until it is
// plain to see. The hint and the map screen's ShowItem zoom there.
#pragma once

#include <QString>

#include "platform/Colors.h"

class CKarta;
class COrt;
class COvning;

// The part of a map's state that zooming and panning change.
struct TMapView {
    float Top = 0;
    float Bottom = 0;
    float Centre = 0;

    static TMapView Of(const CKarta& map);
    void ApplyTo(CKarta& map) const;
    bool operator==(const TMapView&) const = default;
};

class TItemFocus {
  public:
    // An area is small when its largest piece spans fewer control pixels
    // than this on the picture, or when it is shown as a marker.
    static constexpr int SmallExtent = 30;
    // Zoomed in, the area's largest piece spans about this many.
    static constexpr int WantedExtent = 100;
    // A place is a dot, so it always counts as small; zoomed in, the nearest
    // other place of the exercise lies at least this far from it.
    static constexpr int PlaceGap = 60;
    // Each zoom to an item is at least MinFactor and at most MaxFactor times
    // closer than the view it starts from, and never past TMapZoom::MinSpan.
    static constexpr double MinFactor = 2;
    static constexpr double MaxFactor = 16;

    // key is what the exercise's AskedKey gives: an area code in an area
    // exercise, a place code in a place exercise. Other kinds have no items
    // on a map.
    TItemFocus(const CKarta& map, const COvning& exercise, const QString& key);

    // The map holds a selected area or place with the key.
    bool Found() const { return found_; }
    bool IsPlace() const { return place_; }
    // Small on the map's present view, by the rules above.
    bool IsSmall() const { return found_ && small_; }
    // Centres the map's view on the item, zoomed in by the rules above.
    // False when the item is not found or the view stays as it was.
    bool ZoomTo(CKarta& map) const;
    // The colour the item shows in the run's present state (its answer, the
    // hint, or the exercise colour).
    TColor StateColour() const;
    // Paints the item (every piece and its marker; the place's dot) in colour.
    void Paint(CKarta& map, TColor colour) const;

  private:
    const CKarta& map_;
    const COvning& exercise_;
    QString key_;
    bool found_ = false;
    bool place_ = false;
    bool small_ = false;
    const COrt* placeItem_ = nullptr;
    double factor_ = MinFactor;  // the zoom the rules ask for
    float lat_ = 0, lon_ = 0;    // the centre of the largest piece, or the place
};
