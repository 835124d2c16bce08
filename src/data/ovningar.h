// SPDX-License-Identifier: MIT
// COvningar: the exercise catalogue read from Ovning.crp.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "exercise/ovning.h"

class COvningar {
  public:
    COvningar() = default;
    ~COvningar();
    COvningar(const COvningar&) = delete;
    COvningar& operator=(const COvningar&) = delete;

    // Reads every record; raises the reader's errors or the range error.
    // Entries read before a failure stay in the catalogue.
    void Load(const QString& fileName);

    // First entry whose name in the current language equals the text.
    COvning* FindByName(const QString& name) const;
    // The entry with this number when the text is a whole number, otherwise
    // FindByName; how the tools let a user name an exercise.
    COvning* FindByNumberOrName(const QString& wanted) const;

    // The entry joins the end of the list.
    COvning& Add(std::unique_ptr<COvning> entry);
    // The entry joins the list just before another one.
    COvning& InsertBefore(const COvning* before, std::unique_ptr<COvning> entry);
    // Takes the entry out of the list and frees it; nothing for a stranger.
    void Remove(const COvning* entry);
    // The entries in list order.
    std::vector<const COvning*> Entries() const;

    COvning* First = nullptr;

  private:
    COvning* Append(const QString& kind);
    std::vector<std::unique_ptr<COvning>> entries_;  // owns the list, in file order
};

// The exercise object for a record's kind.
std::unique_ptr<COvning> CreateExercise(const QString& kind);
