// SPDX-License-Identifier: MIT
// TPictureBox: the picture control of the exercise screens: shows a TPicture
// at its natural size from the top-left corner and reports the mouse: presses,
// moves with a button down, releases, the wheel and the touchpad's pinch.
// A box that follows the device pixels gives its picture the screen's device
// pixels and reports points in them.
#pragma once

#include <QPoint>
#include <QWidget>

#include "platform/Picture.h"

class TPictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit TPictureBox(QWidget* parent = nullptr);

    // The picture model; its size follows the control's geometry (in device
    // pixels when the box follows them), also before it is first shown.
    TPicture& Picture();

    // Off by default: the picture has one pixel per pixel of the control.
    void SetFollowsDevicePixels(bool follows) { followsDevicePixels_ = follows; }
    // Device pixels per control pixel that the picture gets now.
    qreal PixelRatio() const;

  signals:
    // Any button; the point is in picture pixels. Emitted last, so a
    // receiver may release the control.
    void mouseDown(QPoint point, Qt::MouseButton button);
    void mouseMoved(QPoint point);    // with a button down
    void mouseHovered(QPoint point);  // with no button down; needs mouse tracking
    void mouseUp(QPoint point, Qt::MouseButton button);
    // Wheel notches (positive: away from the user) at the pointer.
    void wheeled(QPoint point, double notches);
    // A touchpad pinch: the factor the picture grows by, at the pointer.
    void pinched(QPoint point, double factor);
    // The screen's device pixel ratio is no longer the picture's (the window
    // moved to another screen): the picture should be drawn again.
    void pixelRatioChanged();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QPoint InPicture(QPointF point) const;

    TPicture picture_;
    bool followsDevicePixels_ = false;
};
