// SPDX-License-Identifier: MIT
// TOwnExercises: the player's own catalogue file.
#include "OwnExercises.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <set>
#include <stdexcept>

#include "app/Generell.h"
#include "app/OwnTexts.h"
#include "data/CatalogueWriter.h"
#include "scores/ScoreFile.h"

TOwnExercises::TOwnExercises(QString fileName, QString scoreFile)
    : fileName_(std::move(fileName)), scoreFile_(std::move(scoreFile)) {}

void TOwnExercises::Load() {
    if (!QFileInfo::exists(fileName_)) return;
    catalogue_.Load(fileName_);
    for (COvning* entry = catalogue_.First; entry; entry = entry->Next) entry->Own = true;
    // The loader makes an entry of a kind that the file ends right after,
    // holding nothing but the kind's absence; here that is a cut-off record.
    bool cut = false;
    for (const COvning* entry : catalogue_.Entries()) {
        if (!entry->Kind.isEmpty()) continue;
        catalogue_.Remove(entry);
        cut = true;
    }
    if (cut) throw EInOutError(QStringLiteral("Read beyond end of file"));
}

COvning* TOwnExercises::Find(int number) const {
    for (COvning* entry = catalogue_.First; entry; entry = entry->Next)
        if (entry->Number == number) return entry;
    return nullptr;
}

void TOwnExercises::Write(const std::vector<const COvning*>& entries) const {
    SaveCatalogue(entries, fileName_);
}

std::vector<COvning*> TOwnExercises::Add(std::vector<std::unique_ptr<COvning>> entries) {
    if (int(entries.size()) > Room())
        throw EOwnExercisesFull(
            OwnText(TOwnText::OwnExercisesFull, CurrentLanguage).arg(MaxExercises).arg(Room()));
    std::set<int> used;
    for (const COvning* entry : Entries()) used.insert(entry->Number);
    int next = 1;
    for (auto& entry : entries) {
        while (used.count(next)) ++next;
        entry->Number = next;
        entry->Own = true;
        used.insert(next);
    }
    std::vector<const COvning*> all = Entries();
    for (const auto& entry : entries) all.push_back(entry.get());
    Write(all);
    std::vector<COvning*> added;
    for (auto& entry : entries) added.push_back(&catalogue_.Add(std::move(entry)));
    return added;
}

COvning& TOwnExercises::Replace(int number, std::unique_ptr<COvning> entry) {
    COvning* old = Find(number);
    if (!old) throw std::invalid_argument("No own exercise with that number");
    entry->Number = number;
    entry->Own = true;
    std::vector<const COvning*> all = Entries();
    std::replace(all.begin(), all.end(), static_cast<const COvning*>(old),
                 static_cast<const COvning*>(entry.get()));
    Write(all);
    COvning& placed = catalogue_.InsertBefore(old, std::move(entry));
    catalogue_.Remove(old);
    return placed;
}

void TOwnExercises::Remove(int number) {
    const COvning* old = Find(number);
    if (!old) return;
    std::vector<const COvning*> all = Entries();
    all.erase(std::remove(all.begin(), all.end(), old), all.end());
    ClearScores(number);
    Write(all);
    catalogue_.Remove(old);
}

void TOwnExercises::ClearScores(int number) const {
    if (scoreFile_.isEmpty() || !QFileInfo::exists(scoreFile_) || number < 1 ||
        number > ScoreExercises)
        return;
    QFile file(scoreFile_);
    if (!file.open(QIODevice::ReadOnly)) throw EInOutError(file.errorString());
    TScoreTable table;
    try {
        ReadScores(file.readAll(), table, TLowNumbers::Skip);
    } catch (const Exception&) {
        // What could be read stays; the damaged rest is not worth keeping.
    }
    table[number] = TScoreList();
    SaveScores(scoreFile_, table);
}
