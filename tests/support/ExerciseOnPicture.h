// SPDX-License-Identifier: MIT
// An area or place exercise started on a picture the way the map screen
// starts it: the map loaded from a folder by the game's loader, then the
// exercise's own colours, selection, view and drawing. Data checks look at
// what a player would see instead of drawing the map their own way.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>

#include "platform/Colors.h"
#include "screens/PictureScreen.h"

class CKarta;
class COvning;

class ExerciseOnPicture {
  public:
    // The graticule is left out unless asked for: the checks look at the
    // fills beneath it. Raises the loaders' errors. size is in device pixels.
    ExerciseOnPicture(COvning& exercise, QSize size, const QString& folder, bool graticule = false,
                      qreal pixelRatio = 1);
    ~ExerciseOnPicture();
    ExerciseOnPicture(const ExerciseOnPicture&) = delete;
    ExerciseOnPicture& operator=(const ExerciseOnPicture&) = delete;

    CKarta& Map() const { return *map_; }
    const QImage& Picture() const;
    TPictureScreen& Screen() { return screen_; }

    // The picture pixel of a point on the map.
    QPoint At(float lat, float lon) const;
    TColor Pixel(int x, int y) const;
    TColor Pixel(QPoint p) const { return Pixel(p.x(), p.y()); }
    bool Inside(QPoint p) const;

  private:
    COvning& exercise_;
    std::unique_ptr<CKarta> map_;
    TPictureScreen screen_;
};
