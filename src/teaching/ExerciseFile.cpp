// SPDX-License-Identifier: MIT
// Export and import of own exercises.
#include "ExerciseFile.h"

#include <QFileInfo>
#include <algorithm>

#include "app/OwnTexts.h"
#include "data/CatalogueWriter.h"
#include "data/Fileread.h"
#include "data/ovningar.h"
#include "teaching/ExerciseRules.h"
#include "teaching/OwnExercises.h"

namespace {
// Far above what 90 exercises of 100 keys take (about 100 kB); a bigger
// file is not one of ours and is not read into memory.
constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

// The same exercise, whatever its number (its top-ten list's key).
bool SameExercise(const COvning& a, const COvning& b) {
    if (a.Kind != b.Kind || a.MaxPlaceRank != b.MaxPlaceRank || a.BorderWidth != b.BorderWidth ||
        a.RequirePlaceFlag1 != b.RequirePlaceFlag1 || a.RequirePlaceFlag2 != b.RequirePlaceFlag2 ||
        a.ReservedFlag != b.ReservedFlag || a.MapNo != b.MapNo || a.PlaceFileNo != b.PlaceFileNo ||
        a.Continent != b.Continent || a.LandColor != b.LandColor || a.AreaColor != b.AreaColor ||
        a.SeaColor != b.SeaColor || a.TopLatitude != b.TopLatitude ||
        a.BottomLatitude != b.BottomLatitude || a.CentreLongitude != b.CentreLongitude ||
        a.ItemCount != b.ItemCount)
        return false;
    for (int language = 1; language <= 6; ++language)
        if (a.Names[language] != b.Names[language]) return false;
    for (int i = 1; i <= a.ItemCount; ++i)
        if (a.Items[i] != b.Items[i]) return false;
    return true;
}
}  // namespace

void ExportExercises(const std::vector<const COvning*>& entries, const QString& fileName) {
    SaveCatalogue(entries, fileName);
}

TImportResult ImportExercises(const QString& fileName, TOwnExercises& own, TExerciseRules& rules,
                              int language) {
    TImportResult result;
    const auto refuse = [&](const QString& why) {
        result.Reason = why;
        return result;
    };
    const QFileInfo info(fileName);
    if (info.exists() && info.size() > MaxFileBytes)
        return refuse(OwnText(TOwnText::ImportUnreadable, language)
                          .arg(OwnText(TOwnText::ImportTooBig, language)));
    COvningar read;
    try {
        read.Load(fileName);
    } catch (const Exception& e) {
        return refuse(OwnText(TOwnText::ImportUnreadable, language).arg(e.Message()));
    }
    std::vector<std::unique_ptr<COvning>> entries;
    for (const COvning* entry = read.First; entry; entry = entry->Next) {
        const QStringList problems = rules.ProblemsOf(*entry, language);
        if (!problems.isEmpty()) {
            const QString name = TExerciseRules::NameOf(*entry, language);
            return refuse(
                OwnText(TOwnText::ImportFaultyExercise, language)
                    .arg(name.isEmpty() ? QStringLiteral("?") : name, problems.join('\n')));
        }
        auto copy = CreateExercise(entry->Kind);
        copy->CopyCatalogueFields(*entry);
        TExerciseRules::FillEmptyNames(*copy);
        const auto same = [&](const COvning* other) { return SameExercise(*copy, *other); };
        const std::vector<const COvning*> there = own.Entries();
        if (std::any_of(there.begin(), there.end(), same) ||
            std::any_of(entries.begin(), entries.end(),
                        [&](const std::unique_ptr<COvning>& e) { return same(e.get()); })) {
            result.Skipped << copy->Names[language];
            continue;
        }
        entries.push_back(std::move(copy));
    }
    try {
        if (!entries.empty())
            for (COvning* added : own.Add(std::move(entries)))
                result.Names << added->Names[language];
    } catch (const Exception& e) {
        return refuse(e.Message());
    }
    result.Imported = true;
    return result;
}
