// SPDX-License-Identifier: MIT
// TExerciseRules: whether an exercise can be played as it stands: its kind,
// names, map, view and items checked against the map and place files it
// names, with a reason a teacher can act on for every fault. The maker
// checks a draft with it as it goes; an import checks every exercise.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>

class CAreor;
class COrter;
class COvning;

class TExerciseRules {
  public:
    static constexpr int MaxFlags = 16;       // what the flag screen shows
    static constexpr int MaxQuestions = 100;  // places a run asks, at most
    static constexpr int MinChoices = 4;      // answers a question offers
    static constexpr int PlaceFileCount = 3;

    // The map and place files are read from the folder (the program's by
    // default) when first needed, and kept.
    explicit TExerciseRules(QString folder = {});
    ~TExerciseRules();

    // Every reason the exercise can't be played, in the language; empty when
    // it can. The number is not checked: own exercises get theirs on saving.
    QStringList ProblemsOf(const COvning& entry, int language);
    // The names of the places the exercise asks (place and multiple-choice
    // kinds) in the language, in the place file's order.
    QStringList PlaceNames(const COvning& entry, int language);
    // The map's areas; null when the map can't be read.
    const CAreor* Areas(int mapNo);
    // The place file's places; null when it can't be read.
    const COrter* Places(int placeFileNo);
    // The name the exercise has in the language, or the first one given.
    static QString NameOf(const COvning& entry, int language);
    // Fills the empty names from the first one given.
    static void FillEmptyNames(COvning& entry);

  private:
    // The cached places, whose marks the checks set and clear again.
    COrter* MarkablePlaces(int placeFileNo);

    QString folder_;
    std::map<int, std::unique_ptr<CAreor>> areas_;   // by map number; null: unreadable
    std::map<int, std::unique_ptr<COrter>> places_;  // by place file number
};
