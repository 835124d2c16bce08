// SPDX-License-Identifier: MIT
// COvningar: loads Ovning.crp into a list of exercise objects.
#include "ovningar.h"

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
    auto entry = CreateExercise(kind);
    COvning* raw = entry.get();
    if (!entries_.empty()) entries_.back()->Next = raw;
    entries_.push_back(std::move(entry));
    if (!First) First = raw;
    return raw;
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
