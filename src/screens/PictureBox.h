// SPDX-License-Identifier: MIT
// TPictureBox: the picture control of the exercise screens: shows a TPicture
// at its natural size from the top-left corner and reports mouse presses.
#pragma once

#include <QPoint>
#include <QWidget>

#include "platform/Picture.h"

class TPictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit TPictureBox(QWidget* parent = nullptr);

    // The picture model; its size follows the control's geometry, also
    // before the control is first shown.
    TPicture& Picture() {
        picture_.SetSize(size());
        return picture_;
    }

  signals:
    // Any button; the point is in picture pixels. Emitted last, so a
    // receiver may release the control.
    void mouseDown(QPoint point, Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    TPicture picture_;
};
