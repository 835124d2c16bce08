// SPDX-License-Identifier: MIT
// What the three exercise screens share: fonts and backgrounds, the
// hourglass, the top-ten form behind ShowTopTen.
#pragma once

#include <QFont>
#include <QString>
#include <memory>

#include "platform/Colors.h"

class QWidget;

// "Arial" at a character height in pixels.
QFont ArialPixels(int pixels, bool bold);
// Fills the widget's background with the colour.
void SetBackground(QWidget* widget, TColor colour);

// The hourglass for as long as it lives.
class TWaitCursor {
  public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// A country's flag picture (file relative to the flags folder) at the
// device-pixel ratio, from the twice-size set where there is one, with a
// thin grey edge; null when it can't be read.
class QImage;
QImage LoadFlagPicture(const QString& flagFile, qreal ratio);

// Makes ShowTopTen open the top-ten form, owned by the asking screen.
void InstallTopTenForm();
