// SPDX-License-Identifier: MIT
// Place list: loading, per-exercise marks and selection.
#include "Orter.h"

#include "data/Fileread.h"

COrter::~COrter() {
    for (auto& place : places_) place.reset();
    First = nullptr;
}

COrt* COrter::Append() {
    places_.push_back(std::make_unique<COrt>());
    COrt* place = places_.back().get();
    if (places_.size() > 1)
        places_[places_.size() - 2]->Next = place;
    else
        First = place;
    return place;
}

void COrter::Load(const QString& fileName) {
    TByteFile file(fileName);
    // The first place exists before the end test, so an empty file
    // still yields one (empty) place.
    COrt* place = Append();
    while (!file.AtEnd()) {
        place->Code = file.ReadText();
        for (int language = 1; language <= 6; ++language) place->Names[language] = file.ReadText();
        place->Rank = file.ReadWord();
        for (int language = 2; language <= 6; ++language)
            if (place->Names[language].isEmpty()) place->Names[language] = place->Names[1];
        place->Flag1 = file.ReadByte() != 0;
        place->Flag2 = file.ReadByte() != 0;
        for (int i = 1; i <= 3; ++i) place->MemberCodes[i] = file.ReadText();
        place->Latitude = file.ReadInt32() / 10000.0;
        place->Longitude = file.ReadInt32() / 10000.0;
        place->Selected = false;
        place->Answered = false;
        if (!file.AtEnd()) place = Append();
    }
}

void COrter::ResetMarks() {
    for (COrt* place = First; place; place = place->Next) {
        place->Selected = false;
        place->Answered = false;
    }
    RemainingCount = 0;
}

void COrter::Select(const QString& key, qint32 maxRank, bool requireFlag1, bool requireFlag2) {
    for (COrt* place = First; place; place = place->Next) {
        if (maxRank < place->Rank) continue;
        if (place->MemberCodes[1] != key && place->MemberCodes[2] != key &&
            place->MemberCodes[3] != key)
            continue;
        if ((requireFlag1 && !place->Flag1) || (requireFlag2 && !place->Flag2)) continue;
        if (!place->Selected) ++RemainingCount;
        place->Selected = true;
        place->Answered = false;
    }
    SelectedCount = RemainingCount;
}
