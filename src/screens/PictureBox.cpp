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

void TPictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& bitmap = picture_.Bitmap();
    const QRect area = event->rect();
    if (bitmap.isNull()) {
        painter.fillRect(area, palette().window());
        return;
    }
    painter.drawImage(area.topLeft(), bitmap, area);
    // A control larger than its bitmap shows its background beyond it.
    const QRegion rest = QRegion(area) - QRegion(bitmap.rect());
    for (const QRect& r : rest) painter.fillRect(r, palette().window());
}

void TPictureBox::resizeEvent(QResizeEvent* event) {
    picture_.SetSize(event->size());
    QWidget::resizeEvent(event);
}

void TPictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mouseDown(event->position().toPoint(), event->button());
}

void TPictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() != Qt::NoButton) emit mouseMoved(event->position().toPoint());
}

void TPictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit mouseUp(event->position().toPoint(), event->button());
}

void TPictureBox::wheelEvent(QWheelEvent* event) {
    event->accept();
    const QPoint delta = event->angleDelta();
    if (delta.y() != 0) emit wheeled(event->position().toPoint(), delta.y() / 120.0);
}

bool TPictureBox::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            emit pinched(gesture->position().toPoint(), 1 + gesture->value());
            return true;
        }
    }
    return QWidget::event(event);
}
