// SPDX-License-Identifier: MIT
// The picture control of the exercise screens.
#include "PictureBox.h"

#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QWheelEvent>

TPictureBox::TPictureBox(QWidget* parent) : QWidget(parent) {
    // The bitmap covers the control; nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&picture_, &TPicture::Changed, this, qOverload<>(&QWidget::update));
}

TPicture& TPictureBox::Picture() {
    const qreal ratio = PixelRatio();
    picture_.SetPixelRatio(ratio);
    picture_.SetSize(ratio == 1 ? size() : (QSizeF(size()) * ratio).toSize());
    return picture_;
}

qreal TPictureBox::PixelRatio() const {
    return followsDevicePixels_ ? devicePixelRatioF() : 1;
}

QPoint TPictureBox::InPicture(QPointF point) const {
    return (point * picture_.PixelRatio()).toPoint();
}

void TPictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& bitmap = picture_.Bitmap();
    const QRect area = event->rect();
    if (bitmap.isNull()) {
        painter.fillRect(area, palette().window());
        return;
    }
    const qreal ratio = picture_.PixelRatio();
    if (ratio == 1) {
        painter.drawImage(area.topLeft(), bitmap, area);
    } else {
        // Device pixel for device pixel: the painter's own scaling undoes the ratio.
        const QRectF source(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
        painter.drawImage(QRectF(area), bitmap, source);
    }
    // A control larger than its bitmap shows its background beyond it.
    const QRect shown(QPoint(0, 0), (QSizeF(bitmap.size()) / ratio).toSize());
    const QRegion rest = QRegion(area) - QRegion(shown);
    for (const QRect& r : rest) painter.fillRect(r, palette().window());
    if (followsDevicePixels_ && devicePixelRatioF() != ratio) emit pixelRatioChanged();
}

void TPictureBox::resizeEvent(QResizeEvent* event) {
    Picture();
    QWidget::resizeEvent(event);
}

void TPictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mouseDown(InPicture(event->position()), event->button());
}

void TPictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() != Qt::NoButton)
        emit mouseMoved(InPicture(event->position()));
    else
        emit mouseHovered(InPicture(event->position()));
}

void TPictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit mouseUp(InPicture(event->position()), event->button());
}

void TPictureBox::wheelEvent(QWheelEvent* event) {
    event->accept();
    const QPoint delta = event->angleDelta();
    if (delta.y() != 0) emit wheeled(InPicture(event->position()), delta.y() / 120.0);
}

bool TPictureBox::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            emit pinched(InPicture(gesture->position()), 1 + gesture->value());
            return true;
        }
    }
    return QWidget::event(event);
}
