// SPDX-License-Identifier: MIT
// COvningar: loads Ovning.crp into a list of exercise objects.
#include "ovningar.h"

#include <algorithm>

#include "app/Generell.h"
#include "data/Fileread.h"
#include "exercise/OvFlagga.h"
#include "exercise/OvLand.h"
#include "exercise/OvOrt.h"
#include "exercise/Ovmulti.h"

std::unique_ptr<COvning> CreateExercise(const QString& kind) {
    if (kind == QLatin1String("AREA")) return std::make_unique<COvningLandArea>();
    if (kind == QLatin1String("ORT")) return std::make_unique<COvningOrt>();
    if (kind == QLatin1String("FLAGG")) return std::make_unique<COvningFlagga>();
    return std::make_unique<COvningMulti>();
}

COvningar::~COvningar() {
    // Free in list order.
    for (auto& entry : entries_) entry.reset();
    First = nullptr;
}

COvning* COvningar::Append(const QString& kind) {
    return &Add(CreateExercise(kind));
}

COvning& COvningar::Add(std::unique_ptr<COvning> entry) {
    COvning* raw = entry.get();
    raw->Next = nullptr;
    if (!entries_.empty()) entries_.back()->Next = raw;
    entries_.push_back(std::move(entry));
    if (!First) First = raw;
    return *raw;
}

COvning& COvningar::InsertBefore(const COvning* before, std::unique_ptr<COvning> entry) {
    const auto at = std::find_if(entries_.begin(), entries_.end(),
                                 [before](const auto& owned) { return owned.get() == before; });
    if (at == entries_.end()) return Add(std::move(entry));
    COvning* raw = entry.get();
    raw->Next = (*at).get();
    if (First == before) First = raw;
    for (auto& other : entries_)
        if (other->Next == before) other->Next = raw;
    entries_.insert(at, std::move(entry));
    return *raw;
}

void COvningar::Remove(const COvning* entry) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [entry](const auto& owned) { return owned.get() == entry; });
    if (found == entries_.end()) return;
    COvning* next = entry->Next;
    if (First == entry) First = next;
    for (auto& other : entries_)
        if (other->Next == entry) other->Next = next;
    entries_.erase(found);
}

std::vector<const COvning*> COvningar::Entries() const {
    std::vector<const COvning*> list;
    for (const COvning* entry = First; entry; entry = entry->Next) list.push_back(entry);
    return list;
}

void COvningar::Load(const QString& fileName) {
    TByteFile file(fileName);
    // The kind is read ahead, so the end test always falls between records.
    QString kind = file.ReadText();
    COvning* entry = Append(kind);
    while (!file.AtEnd()) {
        entry->Kind = kind;
        for (int language = 1; language <= 6; ++language) entry->Names[language] = file.ReadText();
        entry->Number = file.ReadWord();
        entry->MaxPlaceRank = file.ReadByte();
        entry->BorderWidth = file.ReadByte();
        entry->RequirePlaceFlag1 = file.ReadByte() != 0;
        entry->RequirePlaceFlag2 = file.ReadByte() != 0;
        entry->ReservedFlag = file.ReadByte() != 0;
        entry->MapNo = file.ReadWord();
        entry->PlaceFileNo = file.ReadWord();
        entry->Continent = file.ReadText();
        entry->LandColor = TColor(file.ReadInt32());
        entry->AreaColor = TColor(file.ReadInt32());
        entry->SeaColor = TColor(file.ReadInt32());
        entry->TopLatitude = file.ReadInt32() / 10000.0;
        entry->BottomLatitude = file.ReadInt32() / 10000.0;
        entry->CentreLongitude = file.ReadInt32() / 10000.0;
        const int count = file.ReadWord();
        entry->ItemCount = 0;
        for (int i = 1; i <= count; ++i) {
            const QString key = file.ReadText();
            entry->Items[i] = key;  // the 101st key is a range error
            entry->ItemCount = i;
        }
        if (file.AtEnd()) break;
        kind = file.ReadText();
        entry = Append(kind);
    }
}

COvning* COvningar::FindByName(const QString& name) const {
    for (COvning* entry = First; entry; entry = entry->Next)
        if (entry->Names[CurrentLanguage] == name) return entry;
    return nullptr;
}

COvning* COvningar::FindByNumberOrName(const QString& wanted) const {
    bool isNumber = false;
    const int number = wanted.trimmed().toInt(&isNumber);
    if (!isNumber) return FindByName(wanted);
    for (COvning* entry = First; entry; entry = entry->Next)
        if (entry->Number == number) return entry;
    return nullptr;
}
