// SPDX-License-Identifier: MIT
// Checks the border policy of the README in every delivered map file with the game's loader and
// hit test: each disputed place lies in the area it belongs to, and every country keeps its
// parts in every file that reaches them.

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/Areor.h"

namespace {

const QString Dir = QStringLiteral(GLOMIRA_GAMEDATA_DIR);
const char* MapFiles[] = {"AREA1.crp", "AREA2.crp", "AREA3.crp", "AREA4.crp", "AREA5.crp"};

std::unique_ptr<CAreor> LoadAreas(const char* name) {
    auto areas = std::make_unique<CAreor>();
    areas->Load(Dir + "/" + name);
    return areas;
}

// The country a record belongs to: a region's AltCode1, else its own code.
QString CountryOf(const CArea& a) {
    return a.AltCode1.isEmpty() ? a.Code : a.AltCode1;
}

std::set<QString> CountriesAt(const CAreor& areas, GeoPoint p) {
    std::set<QString> out;
    for (int i = 0; i < areas.Count(); ++i) {
        const CArea& a = areas.Area(i);
        if (PointInPolygon(p, a.Points.data(), a.PointCount())) out.insert(CountryOf(a));
    }
    return out;
}

// Where a file has land: the bounding boxes of its records. A regional file may be clipped to
// several boxes (map 3 reaches over the pole to Svalbard), so its overall box says too little.
struct Reach {
    std::vector<const CArea*> boxes;
    bool Holds(GeoPoint p) const {
        for (const CArea* a : boxes)
            if (p.Lat <= a->North && p.Lat >= a->South && p.Lon <= a->East && p.Lon >= a->West)
                return true;
        return false;
    }
    // Each corner of the area's box lies where the file has land.
    bool HoldsBox(const CArea& a) const {
        return Holds({float(a.North), float(a.West)}) && Holds({float(a.North), float(a.East)}) &&
               Holds({float(a.South), float(a.West)}) && Holds({float(a.South), float(a.East)});
    }
};

Reach ReachOf(const CAreor& areas) {
    Reach r;
    for (int i = 0; i < areas.Count(); ++i) r.boxes.push_back(&areas.Area(i));
    return r;
}

struct Place {
    const char* name;
    float lat, lon;
    const char* country;
};

// Points well inside each disputed place and the area the README's policy gives it.
const Place Disputed[] = {
    {"Golan Heights (Katzrin)", 32.99f, 35.69f, "SY"},
    {"Golan Heights (Majdal Shams)", 33.27f, 35.77f, "SY"},
    {"Golan Heights (Quneitra)", 33.13f, 35.82f, "SY"},
    {"Shebaa Farms", 33.30f, 35.72f, "SY"},
    {"East Jerusalem (Old City)", 31.777f, 35.234f, "PS"},
    {"East Jerusalem (north)", 31.81f, 35.24f, "PS"},
    {"Gaza", 31.50f, 34.45f, "PS"},
    {"Khan Yunis", 31.35f, 34.31f, "PS"},
    {"Ramallah", 31.90f, 35.20f, "PS"},
    {"West Jerusalem", 31.78f, 35.20f, "IL"},
    {"Tel Aviv", 32.08f, 34.80f, "IL"},
    {"Crimea", 45.00f, 34.10f, "UA"},
    {"Sevastopol", 44.60f, 33.55f, "UA"},
    {"Donetsk", 48.00f, 37.80f, "UA"},
    {"Laayoune", 27.15f, -13.20f, "EH"},
    {"Western Sahara (south)", 24.50f, -13.00f, "EH"},
    {"Kosovo", 42.66f, 21.16f, "XK"},
    {"Taiwan", 23.70f, 121.00f, "TW"},
    {"Northern Cyprus", 35.25f, 33.90f, "CY"},
    {"Kyrenia", 35.33f, 33.32f, "CY"},
    {"Somaliland (Hargeisa)", 9.56f, 44.06f, "SO"},
    {"Abkhazia", 43.00f, 41.00f, "GE"},
    {"South Ossetia", 42.22f, 43.97f, "GE"},
    {"Transnistria", 46.84f, 29.63f, "MD"},
    {"Nagorno-Karabakh", 39.82f, 46.75f, "AZ"},
    {"Kashmir (Srinagar)", 34.08f, 74.80f, "IN"},
    {"Kashmir (Muzaffarabad)", 34.37f, 73.47f, "PK"},
};

// Parts smaller than this (about 300 km², the size of the Gaza Strip) are not compared.
constexpr double MinPart = 0.025;

// Plane area in square degrees, scaled by the cosine of the latitude (about km² / 12,300).
double SquareDegrees(const CArea& a) {
    double s = 0;
    for (int i = 0, j = a.PointCount() - 1; i < a.PointCount(); j = i++)
        s += double(a.Points[std::size_t(j)].Lon) * a.Points[std::size_t(i)].Lat -
             double(a.Points[std::size_t(i)].Lon) * a.Points[std::size_t(j)].Lat;
    return std::abs(s) / 2 * std::cos((a.North + a.South) / 2 * M_PI / 180);
}

}  // namespace

class MapFile : public testing::TestWithParam<const char*> {};

TEST_P(MapFile, EachDisputedPlaceLiesInTheAreaThePolicyGivesIt) {
    auto areas = LoadAreas(GetParam());
    const Reach reach = ReachOf(*areas);
    std::set<QString> held;
    for (int i = 0; i < areas->Count(); ++i) held.insert(CountryOf(areas->Area(i)));
    int checked = 0;
    for (const Place& p : Disputed) {
        const GeoPoint at{p.lat, p.lon};
        const std::set<QString> hits = CountriesAt(*areas, at);
        // A file that holds the area and reaches the place must draw it; one that does not
        // hold the area must not give the place to another.
        if (hits.empty() && !(held.count(p.country) && reach.Holds(at))) continue;
        ++checked;
        std::string found;
        for (const QString& c : hits) found += c.toStdString() + " ";
        EXPECT_EQ(hits, std::set<QString>{p.country})
            << p.name << " in " << GetParam() << " lies in " << (found.empty() ? "the sea" : found);
    }
    EXPECT_GT(checked, 0) << GetParam();
}

// Every part of a country that shares a land border with another country (the Gaza Strip, an
// exclave) is drawn in every file that reaches it: AREA1 and each other file are checked against
// each other. Islands go by each file's scale and record cap, so they may differ. No record is
// repeated (records of one area share a ring only with seeds of their own, for pinched parts).
TEST_P(MapFile, LandPartsOfEachCountryAreInEveryFileAndNoRecordIsRepeated) {
    auto areas = LoadAreas(GetParam());
    std::set<std::string> records;
    for (int i = 0; i < areas->Count(); ++i) {
        const CArea& a = areas->Area(i);
        std::string key = a.Code.toStdString();
        for (const GeoPoint& p : a.Points)
            key += "," + std::to_string(p.Lat) + ":" + std::to_string(p.Lon);
        for (const GeoPoint& p : {a.Seed1, a.Seed2})
            key += "|" + std::to_string(p.Lat) + ":" + std::to_string(p.Lon);
        EXPECT_TRUE(records.insert(key).second)
            << a.Code.toStdString() << " repeated in " << GetParam();
    }
    if (QString::fromLatin1(GetParam()) == "AREA1.crp") return;
    auto world = LoadAreas("AREA1.crp");
    auto check = [](const CAreor& from, const char* fromName, const CAreor& to,
                    const char* toName) {
        const Reach r = ReachOf(to);
        std::set<QString> held;
        for (int i = 0; i < to.Count(); ++i) held.insert(CountryOf(to.Area(i)));
        // Which countries each vertex of the file belongs to.
        std::map<std::pair<float, float>, std::set<QString>> owners;
        for (int i = 0; i < from.Count(); ++i)
            for (const GeoPoint& p : from.Area(i).Points)
                owners[{p.Lat, p.Lon}].insert(CountryOf(from.Area(i)));
        int checked = 0;
        for (int i = 0; i < from.Count(); ++i) {
            const CArea& a = from.Area(i);
            const QString c = CountryOf(a);
            // An extra record of a pinched part repeats its area's ring with other seeds.
            if (i > 0 && from.Area(i - 1).Code == a.Code &&
                from.Area(i - 1).Points.size() == a.Points.size())
                continue;
            int shared = 0;
            for (const GeoPoint& p : a.Points) shared += owners[{p.Lat, p.Lon}].size() > 1;
            if (shared < 3 || SquareDegrees(a) < MinPart || !held.count(c) || !r.HoldsBox(a))
                continue;
            ++checked;
            // Either seed: one of them may lie in a bay that the coarser outline fills.
            EXPECT_TRUE(CountriesAt(to, a.Seed1).count(c) || CountriesAt(to, a.Seed2).count(c))
                << c.toStdString() << " part at " << a.Seed1.Lat << "," << a.Seed1.Lon << " of "
                << fromName << " missing in " << toName;
        }
        EXPECT_GT(checked, 0) << fromName << " against " << toName;
    };
    check(*world, "AREA1.crp", *areas, GetParam());
    check(*areas, GetParam(), *world, "AREA1.crp");
}

INSTANTIATE_TEST_SUITE_P(
    Delivered, MapFile, testing::ValuesIn(MapFiles),
    [](const testing::TestParamInfo<const char*>& info) {
        return QString::fromLatin1(info.param).section('.', 0, 0).toStdString();
    });
