// SPDX-License-Identifier: MIT
// TExerciseRules: the checks every own or imported exercise passes.
#include "ExerciseRules.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <set>

#include "app/Generell.h"
#include "app/OwnTexts.h"
#include "data/Areor.h"
#include "data/CatalogueWriter.h"
#include "data/Fileread.h"
#include "data/MapLoader.h"
#include "data/Orter.h"
#include "exercise/ovning.h"

namespace {

const QStringList Kinds = {QStringLiteral("AREA"), QStringLiteral("ORT"), QStringLiteral("FLAGG"),
                           QStringLiteral("MULTI")};
const QStringList Continents = {QStringLiteral("EUR"), QStringLiteral("NOR"), QStringLiteral("SYD"),
                                QStringLiteral("ASI"), QStringLiteral("AFR"), QStringLiteral("AUS"),
                                QStringLiteral("*")};

bool UsesPlaces(const QString& kind) {
    return kind == QLatin1String("ORT") || kind == QLatin1String("MULTI");
}

// Marks the places the keys select, as a run's start does; returns them.
std::vector<const COrt*> SelectedPlaces(COrter& places, const COvning& entry,
                                        const QStringList& keys) {
    places.ResetMarks();
    for (const QString& key : keys)
        places.Select(key, entry.MaxPlaceRank, entry.RequirePlaceFlag1, entry.RequirePlaceFlag2);
    std::vector<const COrt*> selected;
    for (const COrt* place = places.First; place; place = place->Next)
        if (place->Selected) selected.push_back(place);
    places.ResetMarks();
    return selected;
}

QStringList KeysOf(const COvning& entry) {
    QStringList keys;
    for (int i = 1; i <= entry.ItemCount; ++i) keys << entry.Items[i];
    return keys;
}

}  // namespace

TExerciseRules::TExerciseRules(QString folder)
    : folder_(folder.isEmpty() ? ProgramDirectory() : std::move(folder)) {}
TExerciseRules::~TExerciseRules() = default;

const CAreor* TExerciseRules::Areas(int mapNo) {
    auto found = areas_.find(mapNo);
    if (found == areas_.end()) {
        std::unique_ptr<CAreor> areas;
        const QString name = AreaFileName(mapNo);
        if (!name.isEmpty()) {
            try {
                areas = std::make_unique<CAreor>();
                areas->Load(QDir(folder_).filePath(name));
            } catch (const Exception& e) {
                LogFailure(e, QStringLiteral("checking an exercise against map %1").arg(mapNo));
                areas.reset();
            }
        }
        found = areas_.emplace(mapNo, std::move(areas)).first;
    }
    return found->second.get();
}

const COrter* TExerciseRules::Places(int placeFileNo) {
    return MarkablePlaces(placeFileNo);
}

COrter* TExerciseRules::MarkablePlaces(int placeFileNo) {
    auto found = places_.find(placeFileNo);
    if (found == places_.end()) {
        std::unique_ptr<COrter> places;
        if (placeFileNo >= 1 && placeFileNo <= PlaceFileCount) {
            try {
                places = std::make_unique<COrter>();
                places->Load(QDir(folder_).filePath(PlaceFileName(placeFileNo)));
            } catch (const Exception& e) {
                LogFailure(
                    e,
                    QStringLiteral("checking an exercise against place file %1").arg(placeFileNo));
                places.reset();
            }
        }
        found = places_.emplace(placeFileNo, std::move(places)).first;
    }
    return found->second.get();
}

QStringList TExerciseRules::PlaceNames(const COvning& entry, int language) {
    QStringList names;
    if (COrter* places = MarkablePlaces(entry.PlaceFileNo))
        for (const COrt* place : SelectedPlaces(*places, entry, KeysOf(entry)))
            names << place->Names[language];
    return names;
}

QString TExerciseRules::NameOf(const COvning& entry, int language) {
    if (!entry.Names[language].trimmed().isEmpty()) return entry.Names[language];
    for (int other = 1; other <= 6; ++other)
        if (!entry.Names[other].trimmed().isEmpty()) return entry.Names[other];
    return {};
}

void TExerciseRules::FillEmptyNames(COvning& entry) {
    QString first;
    for (int language = 1; language <= 6 && first.isEmpty(); ++language)
        first = entry.Names[language].trimmed();
    for (int language = 1; language <= 6; ++language) {
        entry.Names[language] = entry.Names[language].trimmed();
        if (entry.Names[language].isEmpty()) entry.Names[language] = first;
    }
}

QStringList TExerciseRules::ProblemsOf(const COvning& entry, int language) {
    QStringList problems;
    const auto say = [&](TOwnText text) { return OwnText(text, language); };
    const auto quoted = [](const QString& s) { return QStringLiteral("“%1”").arg(s); };

    if (!Kinds.contains(entry.Kind)) problems << say(TOwnText::RuleKind).arg(quoted(entry.Kind));
    if (NameOf(entry, language).isEmpty()) problems << say(TOwnText::RuleNoName);
    for (int l = 1; l <= 6; ++l)
        if (!CatalogueTextProblem(entry.Names[l]).isEmpty()) {
            problems << say(TOwnText::RuleText).arg(quoted(entry.Names[l].left(60)));
            break;
        }
    if (!Continents.contains(entry.Continent))
        problems << say(TOwnText::RuleContinent).arg(quoted(entry.Continent));
    const bool northFine = entry.TopLatitude >= -90 && entry.TopLatitude <= 90;
    const bool southFine = entry.BottomLatitude >= -90 && entry.BottomLatitude <= 90;
    const bool fitted = entry.TopLatitude == 0 && entry.BottomLatitude == 0;
    if (!northFine || !southFine || (!fitted && entry.TopLatitude <= entry.BottomLatitude) ||
        !(std::abs(entry.CentreLongitude) <= 180))
        problems << say(TOwnText::RuleView);

    const CAreor* areas = Areas(entry.MapNo);
    if (!areas) {
        problems << say(TOwnText::RuleMap).arg(entry.MapNo);
        return problems;
    }
    const QStringList keys = KeysOf(entry);
    if (keys.isEmpty()) {
        problems << say(TOwnText::RuleNoItems);
        return problems;
    }
    for (const QString& key : keys)
        if (!CatalogueTextProblem(key).isEmpty() || key.isEmpty()) {
            problems << say(TOwnText::RuleUnknownKey).arg(quoted(key.left(60)));
            return problems;
        }

    if (!UsesPlaces(entry.Kind)) {
        // Areas and flags are found by the area's own code.
        for (const QString& key : keys)
            if (!areas->FindByCode(key)) problems << say(TOwnText::RuleUnknownKey).arg(quoted(key));
        if (entry.Kind == QLatin1String("FLAGG")) {
            if (keys.size() > MaxFlags)
                problems << say(TOwnText::RuleFlags).arg(MaxFlags).arg(keys.size());
            for (const QString& key : keys) {
                const CArea* area = areas->FindByCode(key);
                if (area &&
                    (area->FlagFile.isEmpty() || !QFileInfo::exists(QDir(folder_).filePath(
                                                     QStringLiteral("flags/") + area->FlagFile))))
                    problems << say(TOwnText::RuleNoFlag).arg(area->Names[language]);
            }
        }
        return problems;
    }

    COrter* places = MarkablePlaces(entry.PlaceFileNo);
    if (!places) {
        problems << say(TOwnText::RulePlaceFile).arg(entry.PlaceFileNo);
        return problems;
    }
    if (entry.Kind == QLatin1String("MULTI"))
        for (const QString& key : keys)
            if (!areas->FindByCode(key)) problems << say(TOwnText::RuleUnknownKey).arg(quoted(key));
    for (const QString& key : keys)
        if (SelectedPlaces(*places, entry, {key}).empty()) {
            const CArea* area = areas->FindByCode(key);
            problems << say(TOwnText::RuleNoPlace).arg(quoted(area ? area->Names[language] : key));
        }
    const std::vector<const COrt*> selected = SelectedPlaces(*places, entry, keys);
    if (int(selected.size()) > MaxQuestions)
        problems << say(TOwnText::RuleTooMany).arg(MaxQuestions).arg(selected.size());
    if (entry.Kind == QLatin1String("MULTI")) {
        std::set<QString> areaNames, placeNames;
        for (const QString& key : keys)
            if (const CArea* area = areas->FindByCode(key)) areaNames.insert(area->Names[language]);
        for (const COrt* place : selected) placeNames.insert(place->Names[language]);
        if (int(areaNames.size()) < MinChoices || int(placeNames.size()) < MinChoices)
            problems << say(TOwnText::RuleChoices)
                            .arg(MinChoices)
                            .arg(areaNames.size())
                            .arg(placeNames.size());
    }
    return problems;
}
