// SPDX-License-Identifier: MIT
// The delivered city lists: every place is a city of its own, not a district or borough of a
// larger one, and the large cities are there, each in the size class its urban population gives.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "app/Generell.h"
#include "data/MapLoader.h"
#include "data/Orter.h"

namespace {

constexpr int English = 2;

struct Place {
    QString name;  // English
    QString country;
    int rank;
    bool capital;
    double lat, lon;
    std::vector<QString> names;
};

std::vector<Place> LoadPlaces(int fileNo) {
    COrter file;
    file.Load(ProgramFile(PlaceFileName(fileNo)));
    std::vector<Place> out;
    for (const COrt* p = file.First; p; p = p->Next) {
        Place q{p->Names[English], p->MemberCodes[1], p->Rank, p->Flag1,
                p->Latitude,       p->Longitude,      {}};
        for (int l = 1; l <= 6; ++l) q.names.push_back(p->Names[l]);
        out.push_back(q);
    }
    return out;
}

double Km(const Place& a, const Place& b) {
    const double r = M_PI / 180;
    const double x = (b.lon - a.lon) * r * std::cos((a.lat + b.lat) / 2 * r),
                 y = (b.lat - a.lat) * r;
    return 6371 * std::hypot(x, y);
}

// Pairs closer than this are one city unless reviewed as two.
constexpr double SameCityKm = 5;

// Neighbouring cities of their own, reviewed one by one: separate municipalities of one
// conurbation (Metro Manila, Laguna, the Kolkata and Port-au-Prince agglomerations, greater
// São Paulo, Monterrey and Osaka), Howrah across the Hooghly from Kolkata, Salé across the Bou
// Regreg from Rabat, New Delhi within Delhi, and Dispur, seat of Assam's government in Guwahati.
const QSet<QString> TwoCities = {
    "New Delhi|Delhi",
    "Kolkata|Haora",
    "Santo Domingo|Santo Domingo Este",
    "Rabat|Salé",
    "Monterrey|Guadalupe",
    "Bacoor|Las Piñas City",
    "Makati City|Pasay City",
    "Makati City|Mandaluyong City",
    "Pasay City|Mandaluyong City",
    "Santa Rosa (Philippines)|Biñan",
    "Osasco|Carapicuíba",
    "Antipolo|Taytay",
    "Port-au-Prince|Delmas",
    "Lapu-Lapu City|Mandaue City",
    "Delmas|Pétion-Ville",
    "Santa Rosa (Philippines)|Cabuyao",
    "Hirakata|Takatsuki",
    "Ciudad Apodaca|Ciudad General Escobedo",
    "Panihati|Kamarhati",
    "Biñan|San Pedro",
    "Guwahati|Dispur",
};

const Place* Find(const std::vector<Place>& list, const QString& name, const QString& country) {
    for (const Place& p : list)
        if (p.country == country && (p.name == name || p.name.startsWith(name + " ("))) return &p;
    return nullptr;
}

}  // namespace

// A borough, ward or district lies within a few km of its city: no two places of one country
// are that close unless reviewed as two cities (Kowloon by Hong Kong, Islington in London,
// Çankaya in Ankara, Esenler by Bagcilar in Istanbul).
TEST(Cities, NoPlaceIsAPartOfAnotherNearIt) {
    for (int fileNo : {1, 2}) {
        const std::vector<Place> list = LoadPlaces(fileNo);
        ASSERT_GT(list.size(), 400u);
        for (size_t i = 0; i < list.size(); ++i) {
            for (size_t j = 0; j < i; ++j) {
                const Place &a = list[j], &b = list[i];
                if (a.country != b.country || Km(a, b) >= SameCityKm) continue;
                EXPECT_TRUE(TwoCities.contains(a.name + "|" + b.name) ||
                            TwoCities.contains(b.name + "|" + a.name))
                    << "Ort" << fileNo << ": " << b.name.toStdString() << " lies " << Km(a, b)
                    << " km from " << a.name.toStdString() << " (" << a.country.toStdString()
                    << ")";
            }
        }
    }
}

// A place named as an administrative part of a city: Chinese districts (Qu) of a city (Shi) and
// township seats (Chengguanzhen), districts in English, Japanese and Korean wards (-ku, -gu).
TEST(Cities, NoPlaceIsNamedAsADistrict) {
    const QRegularExpression district(
        QStringLiteral("( Qu| District| Borough|Chengguanzhen|-ku|-gu)( \\(.*\\))?$| Shi "));
    for (int fileNo : {1, 2, 3})
        for (const Place& p : LoadPlaces(fileNo))
            EXPECT_FALSE(
                std::any_of(p.names.begin(), p.names.end(),
                            [&](const QString& n) { return district.match(n).hasMatch(); }))
                << "Ort" << fileNo << ": " << p.name.toStdString();
}

// Cities the 2020 census of China counts among its large cities (over a million in the urban
// area) whose sources name them by a district or give only the prefecture's figure, and cities
// of 300,000 to a million that sources name by their district; Delhi, Istanbul and Hong Kong.
TEST(Cities, KnownLargeCitiesAreThereInTheirClass) {
    const std::vector<Place> list = LoadPlaces(1);
    // name, country, the highest rank number it may have (3: over a million, 4: over 300,000;
    // a place crowded by a larger neighbour falls a class, never below 4 when over a million:
    // Quanzhou beside Jinjiang)
    const struct {
        const char* name;
        const char* country;
        int maxRank;
    } cities[] = {
        {"Quanzhou", "CN", 4}, {"Datong", "CN", 3},    {"Linyi", "CN", 3},
        {"Yichang", "CN", 3},  {"Xinxiang", "CN", 3},  {"Nanyang", "CN", 3},
        {"Ganzhou", "CN", 3},  {"Mianyang", "CN", 3},  {"Daqing", "CN", 3},
        {"Jinhua", "CN", 3},   {"Xuzhou", "CN", 3},    {"Lianyungang", "CN", 3},
        {"Kaifeng", "CN", 3},  {"Kashgar", "CN", 4},   {"Panzhihua", "CN", 4},
        {"Jingzhou", "CN", 4}, {"Puyang", "CN", 4},    {"Huludao", "CN", 4},
        {"Istanbul", "TR", 2}, {"Ankara", "TR", 1},    {"Hyderabad", "IN", 3},
        {"Delhi", "IN", 4},    {"Hong Kong", "HK", 4}, {"London", "GB", 1},
    };
    for (const auto& c : cities) {
        const Place* p = Find(list, c.name, c.country);
        if (!p) {
            ADD_FAILURE() << c.name << " (" << c.country << ") is missing";
            continue;
        }
        EXPECT_LE(p->rank, c.maxRank) << c.name << " (" << c.country << ")";
    }
    // Towns that sources give their prefecture's figure: not among the cities of 300,000.
    for (const char* town : {"Lijiang", "Beian"}) {
        const Place* p = Find(list, town, "CN");
        if (p) EXPECT_EQ(p->rank, 5) << town;
    }
}

// The world's largest urban areas: Delhi leads them with Tokyo and Shanghai, and Hong Kong is one
// of its own beside Shenzhen.
TEST(Cities, TheWorldsLargestCitiesHoldDelhiAndHongKong) {
    const std::vector<Place> list = LoadPlaces(2);
    for (const auto& [name, country, rank] :
         std::vector<std::tuple<QString, QString, int>>{{"Delhi", "IN", 2},
                                                        {"Tokyo", "JP", 2},
                                                        {"Shanghai", "CN", 2},
                                                        {"Hong Kong", "HK", 3},
                                                        {"Shenzhen", "CN", 2}}) {
        const Place* p = Find(list, name, country);
        if (!p) {
            ADD_FAILURE() << name.toStdString() << " is missing";
            continue;
        }
        EXPECT_EQ(p->rank, rank) << name.toStdString();
    }
}
