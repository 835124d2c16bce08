// SPDX-License-Identifier: MIT
// Where the numbers of a worksheet's map go: each on its item where there is
// room, else beside it on the nearest free spot with a leader line, so that
// a hundred numbers on a crowded map neither pile up nor hide one another.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

struct TNumberLabel {
    // Given.
    QPointF Anchor;         // the item's point
    QSizeF Size;            // the number's box
    double Keep = 0;        // radius around the anchor left visible (a marker, a dot)
    bool OnAnchor = false;  // the box may sit centred on the anchor (room inside the area)
    // Found.
    QRectF Box;
    bool Leader = false;  // the box stands off: a line joins it to the anchor
};

// Places every label inside bounds, in order: centred on its anchor where
// allowed and free, else on the nearest free spot around it, clear of the
// other boxes and of every anchor's kept disc. Where no spot is free (a page
// too full), the spot that overlaps least.
void PlaceNumberLabels(std::vector<TNumberLabel>& labels, const QRectF& bounds);

// The point of the box's edge nearest to p (p itself inside the box).
QPointF NearestOnBox(const QRectF& box, QPointF p);
