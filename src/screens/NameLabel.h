// SPDX-License-Identifier: MIT
// TNameLabel: the map's name label. On its grey box at first; once the box
// is gone (the label turned transparent) the text keeps a light outline, so
// it stays readable on any colour of the map.
#pragma once

#include <QLabel>

class TNameLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
