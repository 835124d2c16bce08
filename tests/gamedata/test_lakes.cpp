// SPDX-License-Identifier: MIT
// Checks that the world's largest lakes and reservoirs are on the map: the generator's reference
// lists give a point well inside each, which must fall in a water area of the delivered lakes file,
// unless the list says why it is not drawn, and that every lake carries its own name.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "data/Areor.h"

namespace {

// The water area at each drawn entry's point of one list of the reference file; returns how
// many entries are drawn.
int CheckListIsOnTheMap(const QJsonArray& list, const CAreor& waters) {
    int drawn = 0;
    for (const QJsonValue& v : list) {
        const QJsonObject lake = v.toObject();
        if (!lake["absent"].toString().isEmpty()) continue;
        ++drawn;
        const GeoPoint p{float(lake["lat"].toDouble()), float(lake["lon"].toDouble())};
        const CArea* found = nullptr;
        for (int i = 0; i < waters.Count() && !found; ++i) {
            const CArea& w = waters.Area(i);
            if (PointInPolygon(p, w.Points.data(), w.PointCount())) found = &w;
        }
        EXPECT_TRUE(found) << lake["name"].toString().toStdString() << " is not on the map";
        // The water there is the lake of the list, not a neighbour that a misplaced outline put
        // there.
        if (found) {
            EXPECT_EQ(found->Names[2], lake["name"].toString())
                << "the water at " << p.Lat << "," << p.Lon << " is named otherwise";
        }
    }
    return drawn;
}

class LakeLists : public testing::Test {
  protected:
    void SetUp() override {
        QFile f(QStringLiteral(GLOMIRA_LARGEST_LAKES));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        reference_ = QJsonDocument::fromJson(f.readAll()).object();
        waters_.Load(QStringLiteral(GLOMIRA_GAMEDATA_DIR) + "/Vatten.crp");
    }
    QJsonObject reference_;
    CAreor waters_;
};

TEST_F(LakeLists, TheLargestLakesOfTheReferenceListAreOnTheMap) {
    const QJsonArray lakes = reference_["lakes"].toArray();
    ASSERT_GE(lakes.size(), 50);
    // Only a few may be left out, each with its reason.
    EXPECT_GE(CheckListIsOnTheMap(lakes, waters_), 44);
}

TEST_F(LakeLists, TheReservoirsOfTheReferenceListAreOnTheMap) {
    const QJsonArray reservoirs = reference_["reservoirs"].toArray();
    ASSERT_GE(reservoirs.size(), 40);
    for (const QJsonValue& v : reservoirs) EXPECT_GE(v.toObject()["km2"].toInt(), 1000);
    EXPECT_GE(CheckListIsOnTheMap(reservoirs, waters_), 28);
}

}  // namespace

// A lake is named like any other place of the map: a bare word for lake or reservoir in any
// language is a placeholder, not a name.
TEST(Lakes, EveryLakeHasItsOwnNameInEveryLanguage) {
    CAreor waters;
    waters.Load(QStringLiteral(GLOMIRA_GAMEDATA_DIR) + "/Vatten.crp");
    ASSERT_GT(waters.Count(), 100);
    const QStringList generic = {"sjö",     "sjön",    "lake",      "lac",       "see",
                                 "lago",    "laguna",  "reservoir", "réservoir", "reservoaren",
                                 "stausee", "embalse", "bacino",    "lagoon",    "water"};
    for (int i = 0; i < waters.Count(); ++i) {
        const CArea& w = waters.Area(i);
        for (int lang = 1; lang <= 6; ++lang) {
            const QString name = w.Names[lang].trimmed();
            EXPECT_FALSE(generic.contains(name.toLower()))
                << w.Code.toStdString() << " is named \"" << name.toStdString() << "\" in language "
                << lang;
            EXPECT_TRUE(!name.isEmpty() && name[0].isUpper())
                << w.Code.toStdString() << " language " << lang;
        }
    }
}
