// SPDX-License-Identifier: MIT
// The one map loader: which files make an exercise's map, read from the
// folder given, and failures that name the file at fault.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <stdexcept>

#include "data/Fileread.h"
#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

namespace {

class MapLoaderTest : public GlomiraTest {
  protected:
    void SetUp() override {
        // The files lie in their own folder, never the current directory.
        ASSERT_TRUE(QDir().mkpath(Folder()));
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    QString Folder() const { return Path("data"); }
    void WriteAreas(const QString& name, int count) const {
        CrpWriter w;
        for (int i = 0; i < count; ++i)
            WriteArea(w, BoxArea(QString("A%1").arg(i), 10 * i, 0, 10 * i + 5, 5));
        w.Save(Folder() + '/' + name);
    }
    void WritePlaces(const QString& name, int count) const {
        CrpWriter w;
        for (int i = 0; i < count; ++i) {
            PlaceRecord p;
            p.Code = QString("P%1").arg(i);
            WritePlace(w, p);
        }
        w.Save(Folder() + '/' + name);
    }
    void WriteSeeds(const QString& name, int count) const {
        CrpWriter w;
        for (int i = 0; i < count; ++i) w.Degrees(-i).Degrees(i);
        w.Save(Folder() + '/' + name);
    }
    static int PlaceCount(const CKarta& map) {
        int n = 0;
        for (const COrt* p = map.Places->First; p; p = p->Next) ++n;
        return n;
    }
};

TEST(MapFileNames, FollowTheCatalogueNumbers) {
    EXPECT_EQ(AreaFileName(1), "AREA1.crp");
    EXPECT_EQ(AreaFileName(5), "AREA5.crp");
    EXPECT_TRUE(AreaFileName(0).isEmpty());
    EXPECT_TRUE(AreaFileName(6).isEmpty());
    EXPECT_EQ(PlaceFileName(3), "Ort3.crp");
    EXPECT_EQ(SeaSeedFileName(2), "Hav2.crp");
    EXPECT_EQ(SeaSeedFileName(3), "Hav3.crp");
    // The maps without lakes of their own share the world's sea seeds.
    EXPECT_EQ(SeaSeedFileName(4), "Hav1.crp");
    EXPECT_EQ(SeaSeedFileName(5), "Hav1.crp");
    EXPECT_TRUE(SeaSeedFileName(-1).isEmpty());
    EXPECT_TRUE(MapHasLakes(1) && MapHasLakes(3));
    EXPECT_FALSE(MapHasLakes(4) || MapHasLakes(5) || MapHasLakes(0));
}

TEST_F(MapLoaderTest, TheWorldMapHasLakesSeasAndTheGraticule) {
    WriteAreas("AREA1.crp", 3);
    WriteAreas("Vatten.crp", 2);
    WriteSeeds("Hav1.crp", 4);
    WritePlaces("Ort2.crp", 5);
    const auto map = LoadFullMap(1, 2, Folder());
    EXPECT_EQ(map->Areas->Count(), 3);
    EXPECT_EQ(map->Waters->Count(), 2);
    EXPECT_EQ(map->SeaSeedCount, 4);
    EXPECT_EQ(PlaceCount(*map), 5);
    EXPECT_TRUE(map->ShowGrid);
}

TEST_F(MapLoaderTest, MapsFourAndFiveNeedNoLakesAndShareTheWorldsSeas) {
    WriteAreas("AREA4.crp", 2);
    WriteSeeds("Hav1.crp", 3);
    WritePlaces("Ort1.crp", 1);
    const auto map = LoadFullMap(4, 1, Folder());  // no Vatten.crp, no Hav4.crp
    EXPECT_EQ(map->Areas->Count(), 2);
    EXPECT_EQ(map->Waters->Count(), 0);
    EXPECT_EQ(map->SeaSeedCount, 3);
    EXPECT_FALSE(map->ShowGrid);
}

TEST_F(MapLoaderTest, AMapNumberOutsideTheFiveLoadsOnlyThePlaces) {
    WritePlaces("Ort1.crp", 2);
    const auto full = LoadFullMap(0, 1, Folder());
    EXPECT_EQ(PlaceCount(*full), 2);
    EXPECT_EQ(full->Areas->Count(), 0);
    EXPECT_EQ(full->SeaSeedCount, 0);
    const auto flags = LoadPlacesAndAreas(9, 1, Folder());
    EXPECT_EQ(PlaceCount(*flags), 2);
    EXPECT_EQ(flags->Areas->Count(), 0);
}

TEST_F(MapLoaderTest, PlacesAndAreasReadNeitherLakesNorSeas) {
    WriteAreas("AREA2.crp", 4);
    WritePlaces("Ort1.crp", 3);
    const auto map = LoadPlacesAndAreas(2, 1, Folder());
    EXPECT_EQ(map->Areas->Count(), 4);
    EXPECT_EQ(PlaceCount(*map), 3);
    EXPECT_EQ(map->SeaSeedCount, 0);
    // Without a place file number no place file is read.
    const auto bare = LoadPlacesAndAreas(2, std::nullopt, Folder());
    EXPECT_EQ(PlaceCount(*bare), 0);
}

TEST_F(MapLoaderTest, AFailureNamesItsFileAndKeepsItsMessage) {
    WriteAreas("AREA1.crp", 1);
    WritePlaces("Ort1.crp", 1);
    const QString lakes = QDir(Folder()).filePath("Vatten.crp");
    try {
        LoadFullMap(1, 1, Folder());
        FAIL() << "a missing lake file must fail";
    } catch (const EFileNotFound& e) {
        EXPECT_EQ(e.FileName(), lakes);
        EXPECT_EQ(e.Message(), QString("File \"%1\" not found.").arg(lakes));
    }

    // A damaged file fails with the reader's own message, and its name beside it.
    WriteAreas("Vatten.crp", 0);
    WriteSeeds("Hav1.crp", CKarta::MaxSeaSeeds + 1);
    try {
        LoadFullMap(1, 1, Folder());
        FAIL() << "a 101st sea seed must fail";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.FileName(), QDir(Folder()).filePath("Hav1.crp"));
        EXPECT_EQ(e.Message(), "Range check error");
    }
}

TEST_F(MapLoaderTest, AnEmptyFolderMeansTheCurrentDirectory) {
    ASSERT_TRUE(QDir::setCurrent(Folder()));
    WritePlaces("Ort1.crp", 2);
    EXPECT_EQ(PlaceCount(*LoadPlacesAndAreas(0, 1)), 2);
}

QStringList dataLog;

void KeepDataLog(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (QLatin1String(context.category) == QLatin1String("glomira.data")) dataLog << message;
}

// Where the game catches a failure it logs what it was doing and the file,
// as the message a player sees may not name it.
TEST_F(MapLoaderTest, ACaughtFailureIsLoggedWithItsFile) {
    WriteAreas("AREA2.crp", 1);  // no Ort1.crp
    dataLog.clear();
    const QtMessageHandler previous = qInstallMessageHandler(KeepDataLog);
    try {
        LoadPlacesAndAreas(2, 1, Folder());
    } catch (const std::exception& e) {
        LogFailure(e, "starting exercise 7");
    }
    LogFailure(std::runtime_error("plain"), "opening the main menu");
    qInstallMessageHandler(previous);
    ASSERT_EQ(dataLog.size(), 2);
    EXPECT_TRUE(dataLog[0].startsWith("starting exercise 7 failed on "))
        << dataLog[0].toStdString();
    EXPECT_TRUE(dataLog[0].contains(QDir(Folder()).filePath("Ort1.crp")));
    EXPECT_EQ(dataLog[1], "opening the main menu failed: plain");
}

}  // namespace
