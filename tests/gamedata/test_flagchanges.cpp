// SPDX-License-Identifier: MIT
// Checks that each national flag whose design changed after the flag source was released is
// delivered in its new design: the generator's table of changes gives points of the new design
// and their colours, and the delivered image must show them.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cstdlib>

namespace {

const QString Dir = QStringLiteral(GLOMIRA_GAMEDATA_DIR);
const QString Changes = QStringLiteral(GLOMIRA_FLAG_CHANGES);

// Rendering smooths edges; a probe sits well inside a field of its colour.
constexpr int Tolerance = 40;

QJsonObject LoadChanges() {
    QFile f(Changes);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

}  // namespace

TEST(FlagChanges, TheTableNamesItsSourceAndTheChangesSinceItsRelease) {
    const QJsonObject table = LoadChanges();
    ASSERT_FALSE(table.isEmpty()) << Changes.toStdString();
    const QString released = table["source"].toObject()["released"].toString();
    ASSERT_EQ(released.size(), 10);
    const int since = released.left(4).toInt();
    const QJsonArray changes = table["changes"].toArray();
    ASSERT_FALSE(changes.isEmpty());
    for (const QJsonValue& v : changes) {
        const QJsonObject c = v.toObject();
        EXPECT_GE(c["year"].toInt(), since) << c["code"].toString().toStdString();
        EXPECT_GE(c["probes"].toArray().size(), 3) << c["code"].toString().toStdString();
    }
}

TEST(FlagChanges, EachChangedFlagShowsItsNewDesign) {
    const QJsonArray changes = LoadChanges()["changes"].toArray();
    ASSERT_FALSE(changes.isEmpty());
    for (const QJsonValue& v : changes) {
        const QJsonObject c = v.toObject();
        const std::string code = c["code"].toString().toStdString();
        QImage flag(Dir + "/flags/" + c["code"].toString().toLower() + ".bmp");
        ASSERT_FALSE(flag.isNull()) << code;
        for (const QJsonValue& p : c["probes"].toArray()) {
            const QJsonArray probe = p.toArray();
            const int x = std::min(flag.width() - 1, int(probe[0].toDouble() * flag.width()));
            const int y = std::min(flag.height() - 1, int(probe[1].toDouble() * flag.height()));
            const QColor want(probe[2].toString()), got = flag.pixelColor(x, y);
            const int diff =
                std::max({std::abs(want.red() - got.red()), std::abs(want.green() - got.green()),
                          std::abs(want.blue() - got.blue())});
            EXPECT_LE(diff, Tolerance)
                << code << " at " << x << "," << y << ": " << got.name().toStdString()
                << " instead of " << want.name().toStdString();
        }
    }
}
