// SPDX-License-Identifier: MIT
// A gold star and a flower, painted with antialiasing on a transparent ground.
#include "Decorations.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {
QPixmap Transparent(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    return picture;
}
}  // namespace

QPixmap StarPicture(int size) {
    QPixmap picture = Transparent(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double outer = size * 0.48;
    const double inner = outer * 0.45;
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? outer : inner;
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.setPen(QPen(QColor(160, 110, 0), 1));
    painter.setBrush(QColor(255, 200, 0));
    painter.drawPath(star);
    return picture;
}

QPixmap FlowerPicture(int size) {
    QPixmap picture = Transparent(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double petal = size * 0.2;
    painter.setPen(QPen(QColor(180, 40, 90), 1));
    painter.setBrush(QColor(240, 90, 150));
    for (int i = 0; i < 6; ++i) {
        const double angle = i * M_PI / 3;
        const QPointF at = centre + QPointF(petal * 1.2 * qCos(angle), petal * 1.2 * qSin(angle));
        painter.drawEllipse(at, petal, petal);
    }
    painter.setPen(QPen(QColor(170, 120, 0), 1));
    painter.setBrush(QColor(255, 215, 0));
    painter.drawEllipse(centre, petal * 0.9, petal * 0.9);
    return picture;
}
