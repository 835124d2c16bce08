// SPDX-License-Identifier: MIT
// TOwnExercises: the exercises a player made or imported, kept in a
// catalogue file of their own beside the player's other files. Every change
// is written at once, all or nothing; a change that can't be written is not
// made.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "data/ovningar.h"

class TOwnExercises {
  public:
    // As many as the high-score file keeps lists for.
    static constexpr int MaxExercises = 90;

    // scoreFile: the own exercises' high-score file, whose list of an
    // exercise goes with it; empty: none.
    explicit TOwnExercises(QString fileName, QString scoreFile = {});

    // Reads the file when there is one (none: no own exercises). Raises the
    // loader's errors, and the reader's end-of-file error for a file that
    // ends after a record's kind; the entries are then the whole records
    // read before the failure.
    void Load();

    const QString& FileName() const { return fileName_; }
    COvning* First() const { return catalogue_.First; }
    std::vector<const COvning*> Entries() const { return catalogue_.Entries(); }
    int Count() const { return int(Entries().size()); }
    COvning* Find(int number) const;
    // Room for this many more.
    int Room() const { return MaxExercises - Count(); }

    // Adds the entries with the lowest free numbers, marked as own, and
    // writes the file. Raises when there is no room for all of them (nothing
    // added) or the file can't be written (nothing added).
    std::vector<COvning*> Add(std::vector<std::unique_ptr<COvning>> entries);
    // Puts the entry in the place of the own exercise with that number,
    // keeping the number (and with it the top ten).
    COvning& Replace(int number, std::unique_ptr<COvning> entry);
    // Removes the exercise and empties its top ten, so that a later one
    // with its number starts with an empty list.
    void Remove(int number);

  private:
    // Writes the list as it would be; raises without changing anything.
    void Write(const std::vector<const COvning*>& entries) const;

    void ClearScores(int number) const;

    QString fileName_;
    QString scoreFile_;
    COvningar catalogue_;
};

// The problem of a full list, in the language.
class EOwnExercisesFull : public Exception {
  public:
    using Exception::Exception;
};
