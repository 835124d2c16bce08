// COvning: one exercise of the catalogue; the catalogue fields as read
// from Ovning.crp. The exercise kinds derive from it.
#pragma once

#include <QString>

#include "data/RangeArray.h"
#include "platform/Colors.h"

class COvning {
public:
    static constexpr int MaxItems = 100;

    COvning() = default;
    virtual ~COvning() = default;
    COvning(const COvning&) = delete;
    COvning& operator=(const COvning&) = delete;

    // Catalogue fields.
    QString Kind;                  // "AREA", "ORT", "FLAGG", anything else: multiple choice
    RangeArray<QString, 1, 6> Names;  // by language number
    qint32 Number = 0;             // key of the exercise's top-ten list
    qint32 MaxPlaceRank = 0;
    qint32 BorderWidth = 0;
    bool RequirePlaceFlag1 = false;
    bool RequirePlaceFlag2 = false;
    bool ReservedFlag = false;
    qint32 MapNo = 0;
    qint32 PlaceFileNo = 0;
    QString Continent;             // "EUR", "NOR", "SYD", "ASI", "AFR", "AUS" or "*"
    TColor LandColor = 0;          // 0 keeps the map's default
    TColor AreaColor = 0;
    TColor SeaColor = 0;
    double TopLatitude = 0;        // both latitudes 0: fit the view to the selection
    double BottomLatitude = 0;
    double CentreLongitude = 0;
    qint32 ItemCount = 0;
    RangeArray<QString, 1, MaxItems> Items;
    COvning* Next = nullptr;       // following entry in file order; owned by the catalogue
};
