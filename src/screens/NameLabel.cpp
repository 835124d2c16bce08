// SPDX-License-Identifier: MIT
// TNameLabel: the text drawn with an outline in the box's own colour when
// the box is not filled.
#include "NameLabel.h"

#include <QPainter>
#include <QPainterPath>

void TNameLabel::paintEvent(QPaintEvent* event) {
    if (autoFillBackground() || text().isEmpty()) return QLabel::paintEvent(event);
    const QRect room = contentsRect();
    const QFontMetrics metrics(font());
    // Centred as the label centres it.
    const qreal left = room.left() + (room.width() - metrics.horizontalAdvance(text())) / 2.0;
    const qreal baseline = room.top() + (room.height() - metrics.height()) / 2.0 + metrics.ascent();
    QPainterPath path;
    path.addText(QPointF(left, baseline), font(), text());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(palette().color(backgroundRole()), 3, Qt::SolidLine, Qt::RoundCap,
                                  Qt::RoundJoin));
    painter.fillPath(path, palette().color(foregroundRole()));
}
