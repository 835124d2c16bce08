// SPDX-License-Identifier: MIT
// Own exercises shared as a file: a ".glomira" file holds one or more
// exercises as catalogue records. Importing reads it with the catalogue's
// loader and checks every exercise against the maps before any is added.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class COvning;
class TExerciseRules;
class TOwnExercises;

// The file name ending of shared exercises, without the dot.
inline constexpr const char* ExerciseFileSuffix = "glomira";

// Writes the exercises to the file, all or nothing. Raises the writer's
// errors with a message a user is shown.
void ExportExercises(const std::vector<const COvning*>& entries, const QString& fileName);

struct TImportResult {
    bool Imported = false;
    QString Reason;       // why nothing was imported, in the language
    QStringList Names;    // the exercises added, in the language
    QStringList Skipped;  // those already among the own ones, not added again
};

// Adds every exercise of the file to the own ones, or none: a file that
// can't be read, holds an exercise that can't be played, or more than
// there is room for, changes nothing. An exercise the same in every field
// as one already there (or earlier in the file), but for its number, is
// skipped: importing a file twice adds nothing the second time.
TImportResult ImportExercises(const QString& fileName, TOwnExercises& own, TExerciseRules& rules,
                              int language);
