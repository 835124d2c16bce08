// SPDX-License-Identifier: MIT
// Which areas get a marker, where it goes, and which one a click hits.
#include "AreaMarkers.h"

#include <QRect>
#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <vector>

#include "data/Areor.h"
#include "data/PixelOwners.h"

namespace {

// A record's box as the picture shows it, clipped to the picture.
QRect ShownBox(const TMapProjection& map, const CArea& area) {
    if (area.PointCount() <= 0 || !map.IsVisible(area)) return {};
    int x0 = map.W, y0 = map.H, x1 = -1, y1 = -1;
    for (const GeoPoint& p : area.Points) {
        const QPoint q = map.Project(p);
        x0 = std::min(x0, q.x()), x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y()), y1 = std::max(y1, q.y());
    }
    return QRect(QPoint(x0, y0), QPoint(x1, y1)).intersected(QRect(0, 0, map.W, map.H));
}

// Whether the record's pixels hold a square of side pixels: rows in order, and in each the
// stretches at least that long, narrowed row by row.
bool HoldsSquare(std::span<const TPixelOwners::TRun> runs, int side) {
    if (side <= 1) return !runs.empty();
    std::vector<std::pair<int, int>> shared, next;
    for (std::size_t first = 0; first < runs.size(); ++first) {
        if (runs[first].x1 - runs[first].x0 + 1 < side) continue;
        const int top = runs[first].y;
        shared = {{runs[first].x0, runs[first].x1}};
        std::size_t k = first + 1;
        for (int y = top + 1; y < top + side && !shared.empty(); ++y) {
            next.clear();
            while (k < runs.size() && runs[k].y < y) ++k;
            for (std::size_t j = k; j < runs.size() && runs[j].y == y; ++j)
                for (const auto& [a, b] : shared) {
                    const int x0 = std::max(a, runs[j].x0), x1 = std::min(b, runs[j].x1);
                    if (x1 - x0 + 1 >= side) next.push_back({x0, x1});
                }
            shared.swap(next);
        }
        if (!shared.empty()) return true;
    }
    return false;
}

}  // namespace

void TAreaMarkers::Place(const TMapProjection& map, const CAreor* areas, const TPixelOwners& owners,
                         int radius, int minExtent, int clickSide) {
    markers_.clear();
    radius_ = radius;
    if (!areas || map.W <= 0 || map.H <= 0) return;
    // Per code, the largest piece on the picture.
    struct TBest {
        const CArea* area = nullptr;
        QRect box;
        int extent = -1;
        bool clickable = false;
    };
    std::map<QString, TBest> byCode;
    std::vector<QString> order;
    for (const auto& area : areas->Areas) {
        if (!area->Selected) continue;
        const QRect box = ShownBox(map, *area);
        const int extent = box.isEmpty() ? -1 : std::max(box.width(), box.height());
        auto [it, fresh] = byCode.try_emplace(area->Code);
        if (fresh) order.push_back(area->Code);
        const bool clickable = it->second.clickable;
        if (extent > it->second.extent) it->second = {area.get(), box, extent, clickable};
        if (!clickable && extent >= minExtent)
            it->second.clickable = HoldsSquare(owners.RunsOf(owners.OwnerOf(*area)), clickSide);
    }
    for (const QString& code : order) {
        const TBest& best = byCode[code];
        if (!best.area || best.extent < 0 || (best.extent >= minExtent && best.clickable)) continue;
        markers_.push_back({best.area, best.box.center()});
    }
    // Pushed apart pair by pair, a few rounds: enough for the clusters of
    // small states a map has (the Lesser Antilles, the Gulf).
    const double apart = 2.0 * radius_ + 1;
    std::vector<QPointF> at;
    for (const TAreaMarker& m : markers_) at.emplace_back(m.centre);
    for (int round = 0; round < 40; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < at.size(); ++i) {
            for (std::size_t j = i + 1; j < at.size(); ++j) {
                QPointF d = at[j] - at[i];
                double length = std::hypot(d.x(), d.y());
                if (length >= apart) continue;
                if (length < 1e-6) d = QPointF(1, 0), length = 1;  // same spot: side by side
                const QPointF push = d * ((apart - length) / 2 / length);
                at[i] -= push;
                at[j] += push;
                moved = true;
            }
        }
        // Inside the picture's frame, as far as a picture that small allows.
        const double left = std::min(radius_ + 3.0, (map.W - 1) / 2.0);
        const double top = std::min(radius_ + 3.0, (map.H - 1) / 2.0);
        const double right = std::max(left, double(map.W - radius_ - 4));
        const double bottom = std::max(top, double(map.H - radius_ - 4));
        for (QPointF& p : at) {
            p.setX(std::clamp(p.x(), left, right));
            p.setY(std::clamp(p.y(), top, bottom));
        }
        if (!moved) break;
    }
    for (std::size_t i = 0; i < at.size(); ++i) markers_[i].centre = at[i].toPoint();
}

const TAreaMarker* TAreaMarkers::Of(const QString& code) const {
    for (const TAreaMarker& m : markers_)
        if (m.area->Matches(code)) return &m;
    return nullptr;
}

const TAreaMarker* TAreaMarkers::At(QPoint pixel) const {
    const TAreaMarker* best = nullptr;
    long long bestDistance = 0;
    for (const TAreaMarker& m : markers_) {
        const long long dx = pixel.x() - m.centre.x(), dy = pixel.y() - m.centre.y();
        const long long d = dx * dx + dy * dy;
        if (d > (long long)radius_ * radius_) continue;
        if (!best || d < bestDistance) best = &m, bestDistance = d;
    }
    return best;
}
