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

// Checks that the picture in the given folder shows each probe of the given list in its colour.
void ExpectProbes(const QJsonObject& change, const QString& list, const QString& folder) {
    const std::string code = change["code"].toString().toStdString();
    QImage flag(Dir + "/" + folder + "/" + change["code"].toString().toLower() + ".bmp");
    ASSERT_FALSE(flag.isNull()) << folder.toStdString() << "/" << code;
    for (const QJsonValue& p : change[list].toArray()) {
        const QJsonArray probe = p.toArray();
        const int x = std::min(flag.width() - 1, int(probe[0].toDouble() * flag.width()));
        const int y = std::min(flag.height() - 1, int(probe[1].toDouble() * flag.height()));
        const QColor want(probe[2].toString()), got = flag.pixelColor(x, y);
        const int diff =
            std::max({std::abs(want.red() - got.red()), std::abs(want.green() - got.green()),
                      std::abs(want.blue() - got.blue())});
        EXPECT_LE(diff, Tolerance)
            << folder.toStdString() << "/" << code << " at " << x << "," << y << ": "
            << got.name().toStdString() << " instead of " << want.name().toStdString();
    }
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
        ExpectProbes(v.toObject(), "probes", "flags");
        ExpectProbes(v.toObject(), "probes", "flags2x");
    }
}

// Kyrgyzstan's tunduk is a lattice of crossing arcs, finer than the 1x picture can show: the
// picture of twice the size must have red where the arcs cross and gold between them.
TEST(FlagChanges, TheLargerPictureShowsTheDetailOfTheNewDesign) {
    const QJsonArray changes = LoadChanges()["changes"].toArray();
    int detailed = 0;
    for (const QJsonValue& v : changes) {
        if (v.toObject()["probes2x"].toArray().isEmpty()) continue;
        ++detailed;
        ExpectProbes(v.toObject(), "probes2x", "flags2x");
    }
    EXPECT_GE(detailed, 1);
}
