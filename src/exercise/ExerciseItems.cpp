// SPDX-License-Identifier: MIT
// TExerciseItems: an exercise's askable keys and their names, flags, capitals.
#include "ExerciseItems.h"

#include <QDir>
#include <QFile>

#include "app/Generell.h"
#include "data/Areor.h"
#include "data/MapLoader.h"
#include "data/Orter.h"
#include "data/UKarta.h"
#include "exercise/ovning.h"

namespace {
// The place file holding every state's capital (the places with Flag1).
constexpr int CapitalsFileNo = 1;

bool AsksPlaces(const COvning& entry) {
    return entry.Kind == QLatin1String("ORT") ||
           (entry.Kind != QLatin1String("AREA") && entry.Kind != QLatin1String("FLAGG"));
}

QString InFolder(const QString& folder, const QString& name) {
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

// The places a run selects, as SelectItems marks them.
std::vector<const COrt*> SelectedPlaces(const COvning& entry, COrter& places) {
    places.ResetMarks();
    for (int i = 1; i <= entry.ItemCount; ++i)
        places.Select(entry.Items[i], entry.MaxPlaceRank, entry.RequirePlaceFlag1,
                      entry.RequirePlaceFlag2);
    std::vector<const COrt*> selected;
    for (const COrt* place = places.First; place; place = place->Next)
        if (place->Selected) selected.push_back(place);
    return selected;
}

QStringList AreaKeys(const COvning& entry) {
    QStringList keys;
    for (int i = 1; i <= entry.ItemCount; ++i)
        if (!keys.contains(entry.Items[i])) keys << entry.Items[i];
    return keys;
}
}  // namespace

TExerciseItems::~TExerciseItems() = default;

QStringList TExerciseItems::KeysOf(const COvning& entry, const QString& folder) {
    if (!AsksPlaces(entry)) return AreaKeys(entry);
    COrter places;
    places.Load(InFolder(folder, PlaceFileName(entry.PlaceFileNo)));
    QStringList keys;
    for (const COrt* place : SelectedPlaces(entry, places)) keys << place->Code;
    return keys;
}

TExerciseItems::TExerciseItems(const COvning& entry, const QString& folder) {
    const int language = CurrentLanguage;
    const bool places = AsksPlaces(entry);
    const std::unique_ptr<CKarta> map = LoadPlacesAndAreas(
        entry.MapNo, places ? std::optional<int>(entry.PlaceFileNo) : std::nullopt, folder);
    const auto areaName = [&](const QString& key) -> QString {
        const CArea* area = map->Areas ? map->Areas->FindByCode(key) : nullptr;
        return area ? area->Names[language] : QString();
    };
    for (const auto& area : map->Areas->Areas)
        if (!area->Code.isEmpty()) otherNames_.emplace(area->Code, area->Names[language]);

    if (places) {
        for (const COrt* place : SelectedPlaces(entry, *map->Places)) {
            TItemInfo item{place->Code, place->Names[language], {}, {}, {}};
            // The region where the map draws it (a state's capital), else the country.
            for (const int m : {2, 1})
                if (item.Within.isEmpty() && !place->MemberCodes[m].isEmpty())
                    item.Within = areaName(place->MemberCodes[m]);
            byKey_.emplace(item.Key, items_.size());
            items_.push_back(item);
        }
        return;
    }

    // A country's capital: the capitals' file holds one per state.
    COrter capitals;
    const QString capitalsFile = InFolder(folder, PlaceFileName(CapitalsFileNo));
    if (QFile::exists(capitalsFile)) capitals.Load(capitalsFile);
    for (const QString& key : AreaKeys(entry)) {
        const CArea* area = map->Areas->FindByCode(key);
        TItemInfo item{
            key, area ? area->Names[language] : key, area ? area->FlagFile : QString(), {}, {}};
        // A state's capital; for a nation of a state (Scotland), its region capital.
        const auto capitalOf = [&](auto isCapital) {
            for (const COrt* place = capitals.First; place; place = place->Next)
                if (isCapital(*place)) return place->Names[language];
            return QString();
        };
        if (!item.FlagFile.isEmpty()) {
            item.Capital =
                capitalOf([&](const COrt& p) { return p.Flag1 && p.MemberCodes[1] == key; });
            if (item.Capital.isEmpty())
                item.Capital = capitalOf(
                    [&](const COrt& p) { return (p.Flag1 || p.Flag2) && p.MemberCodes[2] == key; });
        }
        byKey_.emplace(key, items_.size());
        items_.push_back(item);
    }
}

QStringList TExerciseItems::Keys() const {
    QStringList keys;
    for (const TItemInfo& item : items_) keys << item.Key;
    return keys;
}

const TItemInfo* TExerciseItems::Find(const QString& key) const {
    const auto found = byKey_.find(key);
    return found == byKey_.end() ? nullptr : &items_[found->second];
}

QString TExerciseItems::NameOf(const QString& key) const {
    if (const TItemInfo* item = Find(key)) return item->Name;
    const auto other = otherNames_.find(key);
    return other == otherNames_.end() ? key : other->second;
}
