// SPDX-License-Identifier: MIT
// TPixelOwners: which area record, lake or the sea owns each pixel of the
// picture, found from the outlines themselves for one view and size.
#pragma once

#include <QPointF>
#include <QtGlobal>
#include <span>
#include <unordered_map>
#include <vector>

#include "data/MapProjection.h"

class CArea;
class CAreor;

// Every record's ring is scan-converted in picture space, through the same
// rounded pixels its outline is drawn along, with the even-odd rule at each
// pixel (as the hit test decides in degrees). A pixel belongs to:
//   - a lake, when a lake's ring holds it (lakes lie over the land);
//   - otherwise the innermost area record that holds it: of several, the one
//     with the smallest northern edge, the first in file order on a tie (as
//     the hit test prefers an enclave to the area around it);
//   - otherwise the sea.
// Colours are then painted onto exactly their owner's pixels, so no fill can
// leave its outline at any size, zoom or device ratio.
class TPixelOwners {
  public:
    // Owners: Sea, then the areas in file order, then the lakes.
    static constexpr int Sea = 0;
    struct TRun {
        int y, x0, x1;  // x1 included
    };

    void Find(const TMapProjection& view, const CAreor* areas, const CAreor* lakes);
    // Whether the owners were found for this view and these outlines.
    bool FoundFor(const TMapProjection& view, const CAreor* areas, const CAreor* lakes) const;
    void Forget() { key_ = {}; }

    // The owner number of an area record or a lake; -1 for neither.
    int OwnerOf(const CArea& outline) const;
    // The owner's pixels, as runs in row order.
    std::span<const TRun> RunsOf(int owner) const;
    int PixelCount(int owner) const { return pixels_[std::size_t(owner)]; }
    int OwnerCount() const { return int(pixels_.size()); }
    int OwnerAt(int x, int y) const;  // -1 outside the picture

  private:
    struct TSpan {
        int y, x0, x1;
        int owner;
    };
    void AddSpans(const TMapProjection& view, const CArea& ring, int owner);
    void ResolveRow(std::span<TSpan> spans, int y, int width);
    void Emit(int y, int x0, int x1, int owner);

    struct TKey {
        TMapProjection view;
        const CAreor* areas = nullptr;
        const CAreor* lakes = nullptr;
        int areaCount = -1, lakeCount = -1;
        bool operator==(const TKey&) const = default;
    };
    TKey key_;
    std::unordered_map<const CArea*, int> ownerOf_;
    std::vector<int> rank_;  // by owner: who wins where rings overlap
    std::vector<TSpan> spans_, rowSpans_, runs_;
    std::vector<double> crossings_;  // a ring's, by row
    std::vector<int> ringRowStart_, fillAt_;
    std::vector<QPointF> ring_;
    std::vector<quint16> row_;  // a row's owners while overlaps are settled
    std::vector<int> rowStart_;
    std::vector<TRun> byOwner_;
    std::vector<int> ownerStart_;
    std::vector<int> pixels_;
};
