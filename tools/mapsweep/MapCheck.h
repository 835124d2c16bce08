// SPDX-License-Identifier: MIT
// The map property check: an exercise's map drawn at a picture size, device ratio, zoom and pan,
// and every pixel away from the outlines compared with what the outlines say it shows.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

class CKarta;
class COvning;

// One picture to check: its size in device pixels and ratio, then wheel steps at a point of the
// picture (0..1 each way) and a drag by a part of the picture's size.
struct TMapCase {
    QSize Size;
    double Ratio = 1;
    int ZoomSteps = 0;
    QPointF ZoomAt{0.5, 0.5};
    QPointF Pan{0, 0};
    QString Describe() const;
};

// The cases for one exercise, the same for the same seed: `sizes` picture sizes from 640 x 400
// to 3840 x 2160, every other one portrait, at ratio 1 and 2 in turn, then `views` zoomed and
// panned views on sizes of their own.
std::vector<TMapCase> RandomMapCases(quint64 seed, int exerciseNumber, int sizes, int views);

struct TMapCheck {
    int Checked = 0;         // pixels compared
    int LandAsWater = 0;     // inside a land outline, drawn in the sea's or a lake's colour
    int LakeOutside = 0;     // in a lake's colour outside every lake outline
    int WaterUnfilled = 0;   // inside a lake or outside all outlines, in another colour
    QStringList Uncoloured;  // selected items shown nowhere in their colour
    QString FirstFault;      // the first faulty pixel, in pixels and degrees
    bool Passed() const {
        return !LandAsWater && !LakeOutside && !WaterUnfilled && Uncoloured.isEmpty();
    }
    QString Summary() const;
};

// The pixels on an outline of the map (its areas at the border width, its lakes) or touching
// one, 1 in row order: where a change to the colouring may move pixels.
std::vector<char> NearOutlines(const CKarta& map, int borderWidth);

// Draws the exercise as the map screen does (the map loaded from dataDir, without the
// graticule) and checks it. Raises the loaders' errors.
TMapCheck CheckMapCase(COvning& exercise, const QString& dataDir, const TMapCase& c);
