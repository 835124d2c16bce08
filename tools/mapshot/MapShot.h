// SPDX-License-Identifier: MIT
// The map-rendering tool's work: load an exercise's map as the map screen
// does, draw it as the area or place exercise does, list its items, save a PNG.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// A failure the tool reports to its user as it stands.
class MapShotError : public std::runtime_error {
  public:
    explicit MapShotError(const QString& message)
        : std::runtime_error(message.toStdString()), Message(message) {}
    QString Message;
};

// What to draw: an exercise of the catalogue, or a map given by hand, or an
// exercise with some of its settings overridden.
struct TMapShotRequest {
    QString ProgramDir;
    QString Exercise;        // number or name in Language; empty: by hand
    QSize Size{1916, 1044};  // the map picture of a maximised 1920x1080 window
    int Language = 2;
    std::optional<int> Answered;  // colour every item as answered at this attempt
    // Overrides (required when no exercise is given: MapNo).
    std::optional<QString> Kind;  // "AREA" or "ORT"
    std::optional<int> MapNo;
    std::optional<int> PlaceFileNo;  // 0: no place file
    std::optional<int> BorderWidth;
    std::optional<int> MaxPlaceRank;
    std::optional<double> Top, Bottom, Centre;
    std::optional<QStringList> Items;  // {"all"}: every area or place
};

// One exercise item as it lands on the picture.
struct TMapShotItem {
    QString Code;
    QString Name;
    QPoint Seed1, Seed2;  // places: both the place itself
    QString Note;         // why a seed will not colour its area; empty when fine
};

struct TMapShotResult {
    QImage Picture;
    QString Title;  // the exercise's name or a description of the hand-made view
    QString Kind;
    float Top = 0, Bottom = 0, Centre = 0;
    int WidthDivisor = 0;
    QList<TMapShotItem> Items;
    QStringList Warnings;  // things the exercise maker will want to know
};

// Raises MapShotError with a message that names the file or item at fault.
TMapShotResult RenderMap(const TMapShotRequest& request);
// Writes the PNG whole or not at all.
void SavePng(const QImage& picture, const QString& fileName);
