// SPDX-License-Identifier: MIT
// COrt and COrter: the places (cities) of a place file, in file order.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "data/RangeArray.h"

class COrt {
  public:
    QString Code;
    RangeArray<QString, 1, 6> Names;  // by language number
    qint32 Rank = 0;
    bool Flag1 = false;
    bool Flag2 = false;
    RangeArray<QString, 1, 3> MemberCodes;  // group codes that item keys select by
    double Latitude = 0;
    double Longitude = 0;
    COrt* Next = nullptr;  // owned by the list
    bool Selected = false;
    bool Answered = false;
    qint32 Attempts = 0;  // attempt at which the place was answered, 1 = first
};

class COrter {
  public:
    COrter() = default;
    ~COrter();
    COrter(const COrter&) = delete;
    COrter& operator=(const COrter&) = delete;

    // Reads a place file. An empty file yields one empty place.
    void Load(const QString& fileName);
    void ResetMarks();
    void Select(const QString& key, qint32 maxRank, bool requireFlag1, bool requireFlag2);

    COrt* First = nullptr;
    qint32 SelectedCount = 0;
    qint32 RemainingCount = 0;

  private:
    COrt* Append();
    std::vector<std::unique_ptr<COrt>> places_;  // owns the list, in file order
};
