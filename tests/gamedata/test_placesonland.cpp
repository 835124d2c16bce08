// SPDX-License-Identifier: MIT
// Checks that every map draws the land of the places it shows: each country's capital lies inside
// one of its own country's records in every map file that reaches it, and each place that a place
// exercise asks lies inside its country's records on that exercise's map. An island state drawn
// without the island of its capital puts the capital's dot in open sea.

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/Areor.h"
#include "data/Orter.h"
#include "data/ovningar.h"

namespace {

const QString Dir = QStringLiteral(GLOMIRA_GAMEDATA_DIR);

// A town on the shore of a simplified coastline may lie this far (km) off its outline (Banjul on
// its sandbank island, Belém on its bay in the 1:50m world outlines); a capital 50 km off is a
// missing island, not a coastline.
constexpr double CoastKm = 7;

struct Box {
    double w, e, s, n;
};

// Where each map file has land. The world maps (1 and 5) reach everywhere; the others are clipped
// by the generator (tools/datagen, whose README lists the boxes), and a place beyond them is not
// theirs to draw even where they hold some part of its country.
const std::map<int, std::vector<Box>> Reach = {
    {1, {{-180, 360, -90, 90}}},
    {2, {{-95, 100, 24, 84}, {-25, 45, 4, 24}}},
    {3, {{-180, -10, 5, 84}, {-10, 66, 70, 84}, {-95, -70, -6, 5}}},
    {4, {{-35, 55, 19, 73}, {-60, 66, 73, 85}}},
    {5, {{-180, 180, -90, 90}}},
};

bool Reaches(int mapNo, const COrt& p) {
    for (const Box& b : Reach.at(mapNo))
        if (p.Longitude >= b.w && p.Longitude <= b.e && p.Latitude >= b.s && p.Latitude <= b.n)
            return true;
    return false;
}

QString CountryOf(const CArea& a) {
    return a.AltCode1.isEmpty() ? a.Code : a.AltCode1;
}

double KmToOutline(const COrt& p, const CArea& a) {
    const double c = std::cos(p.Latitude * M_PI / 180);
    double best = 1e9;
    for (std::size_t i = 0, j = a.Points.size() - 1; i < a.Points.size(); j = i++) {
        const double ax = (a.Points[j].Lon - p.Longitude) * c, ay = a.Points[j].Lat - p.Latitude;
        const double bx = (a.Points[i].Lon - p.Longitude) * c, by = a.Points[i].Lat - p.Latitude;
        const double dx = bx - ax, dy = by - ay, len = dx * dx + dy * dy;
        const double t = len > 0 ? std::clamp(-(ax * dx + ay * dy) / len, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(ax + t * dx, ay + t * dy));
    }
    return best * 111.2;
}

class PlacesOnLand : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (int m = 1; m <= 5; ++m) {
            maps_[m] = std::make_unique<CAreor>();
            maps_[m]->Load(Dir + "/AREA" + QString::number(m) + ".crp");
        }
        for (int f = 1; f <= 3; ++f) {
            places_[f] = std::make_unique<COrter>();
            places_[f]->Load(Dir + "/Ort" + QString::number(f) + ".crp");
        }
        catalogue_ = std::make_unique<COvningar>();
        catalogue_->Load(Dir + "/Ovning.crp");
    }
    static void TearDownTestSuite() {
        maps_.clear();
        places_.clear();
        catalogue_.reset();
    }

    // How far (km) the place lies off its country's records on the map, 0 inside one of them;
    // negative when the map does not reach the place or holds no part of its country.
    static double KmOff(int mapNo, const COrt& p) {
        if (!Reaches(mapNo, p)) return -1;
        const CAreor& areas = *maps_[mapNo];
        double km = -1;
        for (int i = 0; i < areas.Count(); ++i) {
            const CArea& a = areas.Area(i);
            if (a.PointCount() == 0 || CountryOf(a) != p.MemberCodes[1]) continue;
            if (PointInPolygon({float(p.Latitude), float(p.Longitude)}, a.Points.data(),
                               a.PointCount()))
                return 0;
            const double d = KmToOutline(p, a);
            km = km < 0 ? d : std::min(km, d);
        }
        return km;
    }

    static std::string Describe(const COrt& p, int mapNo, double km) {
        return p.Names[2].toStdString() + " (" + p.MemberCodes[1].toStdString() + ") lies " +
               std::to_string(int(std::lround(km))) + " km off its country in AREA" +
               std::to_string(mapNo) + ".crp";
    }

    static std::map<int, std::unique_ptr<CAreor>> maps_;
    static std::map<int, std::unique_ptr<COrter>> places_;
    static std::unique_ptr<COvningar> catalogue_;
};

std::map<int, std::unique_ptr<CAreor>> PlacesOnLand::maps_;
std::map<int, std::unique_ptr<COrter>> PlacesOnLand::places_;
std::unique_ptr<COvningar> PlacesOnLand::catalogue_;

}  // namespace

TEST_F(PlacesOnLand, EveryCapitalLiesInItsCountryOnEveryMapThatReachesIt) {
    for (int m = 1; m <= 5; ++m) {
        int checked = 0;
        for (const COrt* p = places_[1]->First; p; p = p->Next) {
            if (!p->Flag1) continue;
            const double km = KmOff(m, *p);
            // The world map draws every country, so it holds every capital.
            EXPECT_TRUE(m != 1 || km >= 0) << p->Names[2].toStdString() << ": no country";
            if (km < 0) continue;
            ++checked;
            if (km > CoastKm) ADD_FAILURE() << "capital " << Describe(*p, m, km);
        }
        EXPECT_GT(checked, 10) << "AREA" << m;
    }
}

TEST_F(PlacesOnLand, EveryAskedPlaceLiesInItsCountryOnItsExercisesMap) {
    std::map<std::string, std::string> faults;  // the place and map, and the exercises
    int checked = 0;
    for (const COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind == QLatin1String("AREA") || e->Kind == QLatin1String("FLAGG")) continue;
        COrter& places = *places_[e->PlaceFileNo];
        places.ResetMarks();
        for (int i = 1; i <= e->ItemCount; ++i)
            places.Select(e->Items[i], e->MaxPlaceRank, e->RequirePlaceFlag1, e->RequirePlaceFlag2);
        for (const COrt* p = places.First; p; p = p->Next) {
            if (!p->Selected) continue;
            const double km = KmOff(e->MapNo, *p);
            if (km < 0) continue;
            ++checked;
            if (km > CoastKm) faults[Describe(*p, e->MapNo, km)] += " " + std::to_string(e->Number);
        }
        places.ResetMarks();
    }
    EXPECT_GT(checked, 500);
    for (const auto& [fault, exercises] : faults)
        ADD_FAILURE() << fault << ", asked by exercises" << exercises;
}
