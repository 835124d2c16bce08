// SPDX-License-Identifier: MIT
// The picture model: control size, bitmap and its canvas.
#include "Picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

TPicture::TPicture(QSize size, QObject* parent) : QObject(parent), size_(size), canvas_(bitmap_) {}

TRasterSurface& TPicture::Canvas() {
    if (bitmap_.size() != size_ && !size_.isEmpty()) {
        QImage resized(size_, QImage::Format_RGB32);
        resized.fill(Qt::white);
        if (!bitmap_.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(0, 0, bitmap_);
        }
        bitmap_ = std::move(resized);
    }
    return canvas_;
}

int TPicture::Scaled(int length) const {
    if (ratio_ == 1) return length;
    return std::max(1, int(std::lround(length * ratio_)));
}

TPicture::THold::~THold() {
    if (!picture_ || --picture_->holds_ > 0 || !picture_->changedWhileHeld_) return;
    picture_->changedWhileHeld_ = false;
    emit picture_->Changed();
}

void TPicture::SetBitmap(const QImage& image) {
    bitmap_ = image.convertToFormat(QImage::Format_RGB32);
    NotifyChanged();
}
