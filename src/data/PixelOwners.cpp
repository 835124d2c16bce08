// SPDX-License-Identifier: MIT
// Scan conversion of the map's rings into runs of pixels by owner.
#include "PixelOwners.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "data/Areor.h"

namespace {

// A projected vertex on the pixel the outline is drawn through, in doubles:
// a far zoom projects points beyond the reach of int.
QPointF Vertex(const TMapProjection& view, const GeoPoint& p) {
    return {double(view.LonLatToX(p.Lon, p.Lat)), double(view.LatToY(p.Lat))};
}

}  // namespace

bool TPixelOwners::FoundFor(const TMapProjection& view, const CAreor* areas,
                            const CAreor* lakes) const {
    return key_ == TKey{view, areas, lakes, areas ? areas->Count() : 0, lakes ? lakes->Count() : 0};
}

void TPixelOwners::Find(const TMapProjection& view, const CAreor* areas, const CAreor* lakes) {
    const int areaCount = areas ? areas->Count() : 0, lakeCount = lakes ? lakes->Count() : 0;
    key_ = {view, areas, lakes, areaCount, lakeCount};
    const int owners = 1 + areaCount + lakeCount;
    ownerOf_.clear();
    for (int i = 0; i < areaCount; ++i) ownerOf_[&areas->Area(i)] = 1 + i;
    for (int i = 0; i < lakeCount; ++i) ownerOf_[&lakes->Area(i)] = 1 + areaCount + i;

    // Where rings overlap the higher rank wins: lakes, then the smaller
    // northern edge, then the earlier record.
    rank_.assign(std::size_t(owners), 0);
    std::vector<int> order(static_cast<std::size_t>(areaCount));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const double na = areas->Area(a).North, nb = areas->Area(b).North;
        return na != nb ? na > nb : a > b;
    });
    for (int k = 0; k < areaCount; ++k) rank_[std::size_t(1 + order[std::size_t(k)])] = 1 + k;
    for (int i = 0; i < lakeCount; ++i) rank_[std::size_t(1 + areaCount + i)] = 1 + areaCount + i;

    spans_.clear();
    runs_.clear();
    if (view.W > 0 && view.H > 0) {
        for (int i = 0; i < areaCount; ++i) AddSpans(view, areas->Area(i), 1 + i);
        for (int i = 0; i < lakeCount; ++i) AddSpans(view, lakes->Area(i), 1 + areaCount + i);
        // By row, then each row settled from left to right.
        rowStart_.assign(std::size_t(view.H) + 1, 0);
        for (const TSpan& s : spans_) ++rowStart_[std::size_t(s.y) + 1];
        std::partial_sum(rowStart_.begin(), rowStart_.end(), rowStart_.begin());
        rowSpans_.resize(spans_.size());
        std::vector<int> next(rowStart_.begin(), rowStart_.end() - 1);
        for (const TSpan& s : spans_) rowSpans_[std::size_t(next[std::size_t(s.y)]++)] = s;
        row_.resize(std::size_t(view.W));
        for (int y = 0; y < view.H; ++y)
            ResolveRow(std::span<TSpan>(rowSpans_.data() + rowStart_[std::size_t(y)],
                                        rowSpans_.data() + rowStart_[std::size_t(y) + 1]),
                       y, view.W);
    }

    // Grouped by owner, each group in row order.
    ownerStart_.assign(std::size_t(owners) + 1, 0);
    pixels_.assign(std::size_t(owners), 0);
    for (const TSpan& r : runs_) {
        ++ownerStart_[std::size_t(r.owner) + 1];
        pixels_[std::size_t(r.owner)] += r.x1 - r.x0 + 1;
    }
    std::partial_sum(ownerStart_.begin(), ownerStart_.end(), ownerStart_.begin());
    byOwner_.resize(runs_.size());
    std::vector<int> next(ownerStart_.begin(), ownerStart_.end() - 1);
    for (const TSpan& r : runs_)
        byOwner_[std::size_t(next[std::size_t(r.owner)]++)] = {r.y, r.x0, r.x1};
}

void TPixelOwners::AddSpans(const TMapProjection& view, const CArea& area, int owner) {
    const int n = area.PointCount();
    if (n < 3) return;
    ring_.resize(std::size_t(n));
    double top = 1e300, bottom = -1e300, left = 1e300, right = -1e300;
    for (int i = 0; i < n; ++i) {
        const QPointF v = Vertex(view, area.Points[std::size_t(i)]);
        ring_[std::size_t(i)] = v;
        top = std::min(top, v.y()), bottom = std::max(bottom, v.y());
        left = std::min(left, v.x()), right = std::max(right, v.x());
    }
    if (bottom < 0 || top > view.H - 1 || right < 0 || left > view.W - 1) return;
    // Every crossing of an edge with a pixel row, half-open at the ends as
    // the even-odd test of the hit test counts them, gathered by row.
    const int firstRow = int(std::max(std::ceil(top), 0.0));
    const int lastRow = int(std::min(bottom, double(view.H - 1)));
    if (firstRow > lastRow) return;
    ringRowStart_.assign(std::size_t(lastRow - firstRow) + 2, 0);
    const auto rowsOf = [&](const QPointF& a, const QPointF& b, int& from, int& to) {
        const double lo = std::min(a.y(), b.y()), hi = std::max(a.y(), b.y());
        from = int(std::max(lo, double(firstRow)));
        to = int(std::min(hi - 1, double(lastRow)));
    };
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const QPointF a = ring_[std::size_t(j)], b = ring_[std::size_t(i)];
        if (a.y() == b.y()) continue;
        int from = 0, to = 0;
        rowsOf(a, b, from, to);
        for (int y = from; y <= to; ++y) ++ringRowStart_[std::size_t(y - firstRow) + 1];
    }
    std::partial_sum(ringRowStart_.begin(), ringRowStart_.end(), ringRowStart_.begin());
    crossings_.resize(std::size_t(ringRowStart_.back()));
    fillAt_.assign(ringRowStart_.begin(), ringRowStart_.end() - 1);
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const QPointF a = ring_[std::size_t(j)], b = ring_[std::size_t(i)];
        if (a.y() == b.y()) continue;
        int from = 0, to = 0;
        rowsOf(a, b, from, to);
        const double slope = (b.x() - a.x()) / (b.y() - a.y());
        for (int y = from; y <= to; ++y)
            crossings_[std::size_t(fillAt_[std::size_t(y - firstRow)]++)] =
                a.x() + (y - a.y()) * slope;
    }
    // A pixel lies inside when an odd number of crossings lie to its right.
    for (int y = firstRow; y <= lastRow; ++y) {
        const auto begin = crossings_.begin() + ringRowStart_[std::size_t(y - firstRow)];
        const auto end = crossings_.begin() + ringRowStart_[std::size_t(y - firstRow) + 1];
        std::sort(begin, end);
        for (auto k = begin; k + 1 < end; k += 2) {
            const double x0 = std::ceil(*k), x1 = std::ceil(*(k + 1)) - 1;
            const int from = int(std::max(x0, 0.0)), to = int(std::min(x1, double(view.W - 1)));
            if (from <= to) spans_.push_back({y, from, to, owner});
        }
    }
}

void TPixelOwners::Emit(int y, int x0, int x1, int owner) {
    if (!runs_.empty()) {
        TSpan& last = runs_.back();
        if (last.y == y && last.owner == owner && last.x1 + 1 == x0) {
            last.x1 = x1;
            return;
        }
    }
    runs_.push_back({y, x0, x1, owner});
}

void TPixelOwners::ResolveRow(std::span<TSpan> spans, int y, int width) {
    std::sort(spans.begin(), spans.end(),
              [](const TSpan& a, const TSpan& b) { return a.x0 < b.x0; });
    int x = 0;
    for (std::size_t i = 0; i < spans.size();) {
        // A cluster: spans that overlap one another, directly or through others.
        const int from = spans[i].x0;
        int to = spans[i].x1;
        std::size_t j = i + 1;
        while (j < spans.size() && spans[j].x0 <= to) to = std::max(to, spans[j].x1), ++j;
        if (from > x) Emit(y, x, from - 1, Sea);
        if (j == i + 1) {
            Emit(y, from, to, spans[i].owner);
        } else {
            const auto cluster = spans.subspan(i, j - i);
            std::sort(cluster.begin(), cluster.end(), [&](const TSpan& a, const TSpan& b) {
                return rank_[std::size_t(a.owner)] < rank_[std::size_t(b.owner)];
            });
            std::fill(row_.begin() + from, row_.begin() + to + 1, quint16(Sea));
            for (const TSpan& s : cluster)
                std::fill(row_.begin() + s.x0, row_.begin() + s.x1 + 1, quint16(s.owner));
            int start = from;
            for (int k = from + 1; k <= to + 1; ++k) {
                if (k <= to && row_[std::size_t(k)] == row_[std::size_t(start)]) continue;
                Emit(y, start, k - 1, row_[std::size_t(start)]);
                start = k;
            }
        }
        x = to + 1;
        i = j;
    }
    if (x < width) Emit(y, x, width - 1, Sea);
}

int TPixelOwners::OwnerOf(const CArea& outline) const {
    const auto it = ownerOf_.find(&outline);
    return it == ownerOf_.end() ? -1 : it->second;
}

std::span<const TPixelOwners::TRun> TPixelOwners::RunsOf(int owner) const {
    if (owner < 0 || owner + 1 >= int(ownerStart_.size())) return {};
    return {byOwner_.data() + ownerStart_[std::size_t(owner)],
            byOwner_.data() + ownerStart_[std::size_t(owner) + 1]};
}

int TPixelOwners::OwnerAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= key_.view.W || y >= key_.view.H) return -1;
    const auto it = std::lower_bound(
        runs_.begin(), runs_.end(), std::pair(y, x), [](const TSpan& r, std::pair<int, int> p) {
            return r.y < p.first || (r.y == p.first && r.x1 < p.second);
        });
    return it == runs_.end() ? -1 : it->owner;
}
