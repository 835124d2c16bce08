// SPDX-License-Identifier: MIT
// Map loading shared by the screens, the tools and the tests.
#include "MapLoader.h"

#include <QDir>

#include "data/Fileread.h"
#include "data/UKarta.h"

namespace {

constexpr int FirstMapNo = 1;
constexpr int LastMapNo = 5;

bool IsMapNo(int mapNo) {
    return mapNo >= FirstMapNo && mapNo <= LastMapNo;
}

QString InFolder(const QString& folder, const QString& name) {
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

// Runs one file's load; a failure leaves with the file's name on it.
template <typename Load>
void LoadFile(const QString& fileName, Load load) {
    try {
        load(fileName);
    } catch (Exception& e) {
        if (e.FileName().isEmpty()) e.SetFileName(fileName);
        throw;
    }
}

std::unique_ptr<CKarta> EmptyMap() {
    auto map = std::make_unique<CKarta>();
    map->Areas = std::make_unique<CAreor>();
    map->Waters = std::make_unique<CAreor>();
    map->Places = std::make_unique<COrter>();
    return map;
}

void LoadPlaces(CKarta& map, std::optional<int> placeFileNo, const QString& folder) {
    if (!placeFileNo) return;
    LoadFile(InFolder(folder, PlaceFileName(*placeFileNo)),
             [&](const QString& f) { map.Places->Load(f); });
}

}  // namespace

QString AreaFileName(int mapNo) {
    if (!IsMapNo(mapNo)) return {};
    return QStringLiteral("AREA%1.crp").arg(mapNo);
}

QString PlaceFileName(int placeFileNo) {
    return QStringLiteral("Ort%1.crp").arg(placeFileNo);
}

QString SeaSeedFileName(int mapNo) {
    if (!IsMapNo(mapNo)) return {};
    return QStringLiteral("Hav%1.crp").arg(mapNo <= 3 ? mapNo : 1);
}

bool MapHasLakes(int mapNo) {
    return mapNo >= FirstMapNo && mapNo <= 3;
}

std::unique_ptr<CKarta> LoadPlacesAndAreas(int mapNo, std::optional<int> placeFileNo,
                                           const QString& folder) {
    auto map = EmptyMap();
    LoadPlaces(*map, placeFileNo, folder);
    if (IsMapNo(mapNo))
        LoadFile(InFolder(folder, AreaFileName(mapNo)),
                 [&](const QString& f) { map->Areas->Load(f); });
    return map;
}

std::unique_ptr<CKarta> LoadFullMap(int mapNo, std::optional<int> placeFileNo,
                                    const QString& folder) {
    auto map = EmptyMap();
    LoadPlaces(*map, placeFileNo, folder);
    if (!IsMapNo(mapNo)) return map;
    if (MapHasLakes(mapNo))
        LoadFile(InFolder(folder, QStringLiteral("Vatten.crp")),
                 [&](const QString& f) { map->Waters->Load(f); });
    LoadFile(InFolder(folder, AreaFileName(mapNo)), [&](const QString& f) { map->Areas->Load(f); });
    LoadFile(InFolder(folder, SeaSeedFileName(mapNo)),
             [&](const QString& f) { map->LoadSeaSeeds(f); });
    map->ShowGrid = mapNo == GridMapNo;
    return map;
}
