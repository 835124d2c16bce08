// SPDX-License-Identifier: MIT
// TPicture: the window-free model of a picture control: its size, the
// bitmap it shows and the drawing surface (canvas) over that bitmap.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSize>

#include "platform/RasterSurface.h"

// The widget that shows a picture keeps one of these, sets its size from the
// control's geometry and repaints on Changed(). Drawing code reads Width()
// and Height() (the bitmap's pixels) and draws through Canvas(). On a
// high-DPI screen the bitmap may have the screen's device pixels: then
// PixelRatio() says how many of them make one pixel of the control.
class TPicture : public QObject {
    Q_OBJECT
  public:
    explicit TPicture(QSize size = QSize(), QObject* parent = nullptr);

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    QSize Size() const { return size_; }
    // The bitmap's new size in its own pixels; it follows at the next Canvas().
    void SetSize(QSize size) { size_ = size; }
    // Device pixels per pixel of the control (1 unless the control asks for
    // the screen's device pixels). The bitmap itself stays at ratio 1, so
    // that drawing on it counts its own pixels; the control scales it.
    qreal PixelRatio() const { return ratio_; }
    void SetPixelRatio(qreal ratio) { ratio_ = ratio > 0 ? ratio : 1; }
    // A length in the control's pixels, in the bitmap's (at least 1).
    int Scaled(int length) const;
    // The ratio as a whole number (at least 1), for text drawn at a multiple
    // of its size.
    int WholeRatio() const { return Scaled(1); }

    // The surface over the bitmap. The bitmap is created at the control's
    // size on first use (white) and, should the control's size have changed
    // since, cut or extended to it keeping its pixels in place.
    TRasterSurface& Canvas();

    // The bitmap as it stands (null until something was drawn or assigned).
    const QImage& Bitmap() const { return bitmap_; }
    // Replaces the bitmap (converted to Format_RGB32) and notifies.
    void SetBitmap(const QImage& image);

    // Tells the widget that the bitmap changed and should be repainted;
    // while a hold is open, only once it closes.
    void NotifyChanged() {
        if (holds_ > 0)
            changedWhileHeld_ = true;
        else
            emit Changed();
    }

    // Holds back the change notices from its start to its end, so that a
    // picture drawn in steps is shown when it is done, not half drawn: a
    // redraw for a new view lets window messages run between its steps.
    // Safe when the picture goes first.
    class THold {
      public:
        explicit THold(TPicture& picture) : picture_(&picture) { ++picture.holds_; }
        ~THold();
        THold(const THold&) = delete;
        THold& operator=(const THold&) = delete;

      private:
        QPointer<TPicture> picture_;
    };

  signals:
    void Changed();

  private:
    QSize size_;
    qreal ratio_ = 1;
    QImage bitmap_;
    TRasterSurface canvas_;
    int holds_ = 0;
    bool changedWhileHeld_ = false;
};
