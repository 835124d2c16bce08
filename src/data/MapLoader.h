// SPDX-License-Identifier: MIT
// The data files an exercise's map is made of, named by the catalogue's map
// and place-file numbers, and the two ways of loading them: the map screen's
// full map, and the places and areas the flag and multiple-choice screens use.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class CKarta;

// Only the world map shows the graticule.
constexpr int GridMapNo = 1;

// "AREA1.crp" .. "AREA5.crp" for map numbers 1..5; empty for any other.
QString AreaFileName(int mapNo);
// "Ort<n>.crp".
QString PlaceFileName(int placeFileNo);
// "Hav1.crp" .. "Hav3.crp"; maps 4 and 5 share the world's; empty outside 1..5.
QString SeaSeedFileName(int mapNo);
// Maps 1..3 show the lakes of Vatten.crp; 4 and 5 have none of their own.
bool MapHasLakes(int mapNo);

// The files are looked up in folder; an empty folder is the current directory.
// The loaders' errors are raised with the failing file's name attached.

// Places and areas only (no lakes, no seas). No place file is read when
// placeFileNo is empty; no areas for a map number outside 1..5.
std::unique_ptr<CKarta> LoadPlacesAndAreas(int mapNo, std::optional<int> placeFileNo,
                                           const QString& folder = {});
// The map screen's map: the places, then by map number the lakes, areas and
// sea seeds, and the graticule for the world map. Outside 1..5 only the places.
std::unique_ptr<CKarta> LoadFullMap(int mapNo, std::optional<int> placeFileNo,
                                    const QString& folder = {});
