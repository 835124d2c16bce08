// SPDX-License-Identifier: MIT
// The picture control of the exercise screens.
#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

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
