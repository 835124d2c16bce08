// SPDX-License-Identifier: MIT
#include "NumberLabels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Gap = 0.8;  // between two boxes, and between a box and a kept disc

double Overlap(const QRectF& a, const QRectF& b) {
    const QRectF i = a.intersected(b);
    return i.isEmpty() ? 0 : i.width() * i.height();
}

QRectF Disc(QPointF centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

// East and west first (a number beside its item reads best), then north and
// south, then the diagonals and the directions between.
std::vector<QPointF> Directions() {
    std::vector<QPointF> out;
    for (double degrees : {0.0, 180.0, 270.0, 90.0, 315.0, 45.0, 225.0, 135.0, 337.5, 202.5, 292.5,
                           247.5, 22.5, 157.5, 67.5, 112.5}) {
        const double r = degrees * std::numbers::pi / 180;
        out.emplace_back(std::cos(r), std::sin(r));
    }
    return out;
}

}  // namespace

QPointF NearestOnBox(const QRectF& box, QPointF p) {
    return {std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom())};
}

void PlaceNumberLabels(std::vector<TNumberLabel>& labels, const QRectF& bounds) {
    static const std::vector<QPointF> directions = Directions();
    std::vector<QRectF> kept;  // every anchor's disc, so no number hides an item
    for (const TNumberLabel& l : labels) kept.push_back(Disc(l.Anchor, std::max(l.Keep, 1.5)));
    std::vector<QRectF> placed;
    const double reach = std::min(120.0, 0.3 * std::max(bounds.width(), bounds.height()));

    for (std::size_t i = 0; i < labels.size(); ++i) {
        TNumberLabel& label = labels[i];
        const double w = label.Size.width(), h = label.Size.height();
        double bestCost = -1;
        QRectF best;
        const auto cost = [&](const QRectF& box) {
            if (!bounds.contains(box)) return -1.0;
            const QRectF padded = box.adjusted(-Gap, -Gap, Gap, Gap);
            double sum = 0;
            for (const QRectF& other : placed) sum += Overlap(padded, other);
            for (std::size_t k = 0; k < kept.size(); ++k)
                if (k != i) sum += Overlap(padded, kept[k]);
            return sum;
        };
        const auto consider = [&](const QRectF& box) {
            const double c = cost(box);
            if (c < 0) return false;
            if (bestCost < 0 || c < bestCost) {
                bestCost = c;
                best = box;
            }
            return c == 0;
        };
        bool free = false;
        if (label.OnAnchor)
            free = consider(QRectF(label.Anchor.x() - w / 2, label.Anchor.y() - h / 2, w, h));
        for (double d = label.Keep + Gap; !free && d <= reach; d += 0.6 * h) {
            for (const QPointF& u : directions) {
                const QPointF centre = label.Anchor + u * d + QPointF(u.x() * w / 2, u.y() * h / 2);
                if (consider(QRectF(centre.x() - w / 2, centre.y() - h / 2, w, h))) {
                    free = true;
                    break;
                }
            }
        }
        if (bestCost < 0) {
            // Nothing fits inside the bounds: keep the box at its anchor, moved in.
            best = QRectF(label.Anchor.x() - w / 2, label.Anchor.y() - h / 2, w, h);
            best.moveLeft(std::clamp(best.left(), bounds.left(), bounds.right() - w));
            best.moveTop(std::clamp(best.top(), bounds.top(), bounds.bottom() - h));
        }
        label.Box = best;
        const QPointF near = NearestOnBox(best, label.Anchor);
        label.Leader =
            std::hypot(near.x() - label.Anchor.x(), near.y() - label.Anchor.y()) > label.Keep + 1.2;
        placed.push_back(best.adjusted(-Gap / 2, -Gap / 2, Gap / 2, Gap / 2));
    }
}
