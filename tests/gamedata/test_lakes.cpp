// SPDX-License-Identifier: MIT
// Checks that the world's largest lakes are on the map: the generator's reference list gives a
// point well inside each, which must fall in a water area of the delivered lakes file, unless the
// list says why the lake is not drawn, and that every lake carries its own name.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "data/Areor.h"

TEST(Lakes, TheLargestLakesOfTheReferenceListAreOnTheMap) {
    QFile f(QStringLiteral(GLOMIRA_LARGEST_LAKES));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonArray lakes = QJsonDocument::fromJson(f.readAll()).object()["lakes"].toArray();
    ASSERT_GE(lakes.size(), 50);
    CAreor waters;
    waters.Load(QStringLiteral(GLOMIRA_GAMEDATA_DIR) + "/Vatten.crp");
    int drawn = 0;
    for (const QJsonValue& v : lakes) {
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
    // Only a few may be left out, each with its reason.
    EXPECT_GE(drawn, 44);
}

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
