// What the three exercise screens share: loading an exercise's map files,
// fonts and backgrounds, the hourglass, the top-ten form behind ShowTopTen.
#pragma once

#include <QFont>
#include <QString>
#include <memory>

#include "platform/Colors.h"

class CKarta;
class COvning;
class QWidget;

// "AREA1.crp" .. "AREA5.crp" for map numbers 1..5; empty for any other.
QString AreaFileName(int mapNo);
// "Ort<n>.crp".
QString PlaceFileName(int placeFileNo);

// A map that only holds the exercise's places and areas (no water, no seas),
// as the flag and multiple-choice screens need it. Data files are named
// relative to the current directory, which is the program's. Raises the
// loaders' errors.
std::unique_ptr<CKarta> LoadPlacesAndAreas(const COvning& exercise);
// The full map of the map screen: places, then water, areas and sea seeds
// by map number, and the graticule for map 1.
std::unique_ptr<CKarta> LoadFullMap(const COvning& exercise);

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

// Makes ShowTopTen open the top-ten form, owned by the asking screen.
void InstallTopTenForm();
