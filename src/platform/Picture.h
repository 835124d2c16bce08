// SPDX-License-Identifier: MIT
// TPicture: the window-free model of a picture control: its size, the
// bitmap it shows and the drawing surface (canvas) over that bitmap.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

#include "platform/RasterSurface.h"

// The widget that shows a picture keeps one of these, sets its size from the
// control's geometry and repaints on Changed(). Drawing code reads Width()
// and Height() (the control's size) and draws through Canvas().
class TPicture : public QObject {
    Q_OBJECT
  public:
    explicit TPicture(QSize size = QSize(), QObject* parent = nullptr);

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    QSize Size() const { return size_; }
    // The control's new size; the bitmap follows at the next Canvas().
    void SetSize(QSize size) { size_ = size; }

    // The surface over the bitmap. The bitmap is created at the control's
    // size on first use (white) and, should the control's size have changed
    // since, cut or extended to it keeping its pixels in place.
    TRasterSurface& Canvas();

    // The bitmap as it stands (null until something was drawn or assigned).
    const QImage& Bitmap() const { return bitmap_; }
    // Replaces the bitmap (converted to Format_RGB32) and notifies.
    void SetBitmap(const QImage& image);

    // Tells the widget that the bitmap changed and should be repainted.
    void NotifyChanged() { emit Changed(); }

  signals:
    void Changed();

  private:
    QSize size_;
    QImage bitmap_;
    TRasterSurface canvas_;
};
