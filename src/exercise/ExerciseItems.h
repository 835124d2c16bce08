// SPDX-License-Identifier: MIT
// TExerciseItems: what the runs of an exercise can ask, by the keys the
// results history keeps (an area's item key, a place's code), and what a
// player is shown of each: its name, and for a country its flag and capital,
// for a place the area it lies in. The review, practice, progress and
// explore windows all name items through it.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class COvning;
class CKarta;

struct TItemInfo {
    QString Key;
    QString Name;      // in the current language
    QString FlagFile;  // relative to the flags folder; empty: not a country
    QString Capital;   // a country's capital; empty where unknown
    QString Within;    // a place's area (country, state); empty for an area
};

class TExerciseItems {
  public:
    // Reads the exercise's areas and places from the folder's data files
    // (an empty folder: the current directory). Raises the loaders' errors.
    explicit TExerciseItems(const COvning& entry, const QString& folder = {});
    ~TExerciseItems();

    // The keys a full run can ask, each once, in the exercise's order.
    const std::vector<TItemInfo>& Items() const { return items_; }
    QStringList Keys() const;
    const TItemInfo* Find(const QString& key) const;
    // What a player calls a key the history holds: an item's or an area's
    // or a place's name; a multiple-choice answer is its own text.
    QString NameOf(const QString& key) const;

    // Only the keys, without the areas' outlines: cheap enough for a list
    // of exercises. Raises the loaders' errors.
    static QStringList KeysOf(const COvning& entry, const QString& folder = {});

  private:
    std::vector<TItemInfo> items_;
    std::map<QString, std::size_t> byKey_;
    std::map<QString, QString> otherNames_;  // areas and places that are not items
};
