// SPDX-License-Identifier: MIT
// Checks that the world's largest lakes are on the map: the generator's reference list gives a
// point well inside each, which must fall in a water area of the delivered lakes file, unless the
// list says why the lake is not drawn.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

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
        bool found = false;
        for (int i = 0; i < waters.Count() && !found; ++i) {
            const CArea& w = waters.Area(i);
            found = PointInPolygon(p, w.Points.data(), w.PointCount());
        }
        EXPECT_TRUE(found) << lake["name"].toString().toStdString() << " is not on the map";
    }
    // Only a few may be left out, each with its reason.
    EXPECT_GE(drawn, 44);
}
