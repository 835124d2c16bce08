// SPDX-License-Identifier: MIT
// The right and wrong signs of the multiple-choice boxes.
#include "AnswerMarks.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/Picture.h"

namespace {
constexpr int Side = 20;  // the sign's square in the control's pixels
constexpr int Left = 8;
constexpr int Stroke = 3;
}  // namespace

QRect AnswerMarkRect(const TPicture& box) {
    const int side = box.Scaled(Side);
    return QRect(box.Scaled(Left), (box.Height() - side) / 2, side, side);
}

void DrawAnswerMark(TPicture& box, TAnswerMark mark) {
    if (mark == TAnswerMark::None) return;
    const QRectF r = AnswerMarkRect(box);
    QImage& image = box.Canvas().Image();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath sign;
    if (mark == TAnswerMark::Right) {
        sign.moveTo(r.left() + r.width() * 0.08, r.top() + r.height() * 0.55);
        sign.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.85);
        sign.lineTo(r.left() + r.width() * 0.95, r.top() + r.height() * 0.12);
    } else {
        const QRectF in =
            r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12);
        sign.moveTo(in.topLeft());
        sign.lineTo(in.bottomRight());
        sign.moveTo(in.topRight());
        sign.lineTo(in.bottomLeft());
    }
    // A white rim keeps the black sign clear on a dark fill as on a light one.
    const qreal stroke = box.Scaled(Stroke);
    painter.setPen(
        QPen(Qt::white, stroke + box.Scaled(2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(sign);
    painter.setPen(QPen(Qt::black, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(sign);
    painter.end();
    box.NotifyChanged();
}
