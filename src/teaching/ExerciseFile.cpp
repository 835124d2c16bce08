// SPDX-License-Identifier: MIT
// Export and import of own exercises.
#include "ExerciseFile.h"

#include <QFileInfo>

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
        entries.push_back(std::move(copy));
    }
    try {
        for (COvning* added : own.Add(std::move(entries))) result.Names << added->Names[language];
    } catch (const Exception& e) {
        return refuse(e.Message());
    }
    result.Imported = true;
    return result;
}
