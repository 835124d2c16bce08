// SPDX-License-Identifier: MIT
// The map-rendering tool on a small hand-made data set: what it loads by map
// number, how it draws each kind, and its messages for bad requests.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "MapShot.h"
#include "platform/Colors.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

namespace {

class MapShotTest : public GlomiraTest {
  protected:
    void SetUp() override {
        ExerciseRecord area;
        area.Number = 7;
        area.Names = QStringList{"Lander", "Countries", "Pays", "Lander", "Paises", "Paesi"};
        area.MapNo = 1;
        area.Top = 70;
        area.Bottom = 30;
        area.Centre = 10;
        area.Items = {"A"};
        ExerciseRecord place = area;
        place.Kind = "ORT";
        place.Number = 8;
        place.Names = QStringList{"Stader", "Cities", "Villes", "Stadte", "Ciudades", "Citta"};
        place.Items = {"K"};
        ExerciseRecord flags = area;
        flags.Kind = "FLAGG";
        flags.Number = 9;
        flags.Names = QStringList{"Flaggor", "Flags", "", "", "", ""};
        ExerciseRecord other = area;
        other.Number = 10;
        other.MapNo = 4;
        other.Names = QStringList{"Fyra", "Four", "", "", "", ""};
        CrpWriter catalogue;
        for (const auto& e : {area, place, flags, other}) WriteExercise(catalogue, e);
        catalogue.Save(Path("Ovning.crp"));

        CrpWriter areas;
        WriteArea(areas, BoxArea("A", 40, 0, 60, 20));
        WriteArea(areas, BoxArea("B", 40, 20, 60, 30));
        AreaRecord onLine = BoxArea("C", 35, 0, 38, 5);
        onLine.Seed1Lat = onLine.Seed2Lat = 35;  // both seeds on its own outline
        WriteArea(areas, onLine);
        areas.Save(Path("AREA1.crp"));
        areas.Save(Path("AREA4.crp"));
        CrpWriter().Save(Path("Vatten.crp"));
        CrpWriter().Degrees(65).Degrees(-10).Save(Path("Hav1.crp"));
        CrpWriter places;
        PlaceRecord p;
        p.Code = "OSL";
        p.Names = QStringList{"Oslo", "", "", "", "", ""};
        p.Member1 = "K";
        p.Lat = 50;
        p.Lon = 10;
        WritePlace(places, p);
        places.Save(Path("Ort1.crp"));
        request.ProgramDir = dir_.path();
        request.Size = QSize(600, 400);
    }
    TColor At(const TMapShotResult& r, QPoint p) const { return FromQRgb(r.Picture.pixel(p)); }
    QString ErrorOf(const TMapShotRequest& r) {
        try {
            RenderMap(r);
        } catch (const MapShotError& e) {
            return e.Message;
        }
        return {};
    }

    TMapShotRequest request;
};

TEST_F(MapShotTest, DrawsAnAreaExerciseFoundByNumberOrName) {
    request.Exercise = "7";
    const TMapShotResult byNumber = RenderMap(request);
    EXPECT_EQ(byNumber.Picture.size(), QSize(600, 400));
    EXPECT_EQ(byNumber.Kind, "AREA");
    EXPECT_EQ(byNumber.WidthDivisor, 118);
    ASSERT_EQ(byNumber.Items.size(), 1);
    EXPECT_EQ(byNumber.Items[0].Code, "A");
    EXPECT_TRUE(byNumber.Items[0].Note.isEmpty());
    // Off the seed, which lies where the graticule crosses.
    EXPECT_EQ(At(byNumber, byNumber.Items[0].Seed1 + QPoint(10, 10)), Colors::Green);
    EXPECT_EQ(FromQRgb(byNumber.Picture.pixel(270, 20)), Colors::Navy);  // sea from Hav1
    request.Exercise = "Countries";
    EXPECT_EQ(RenderMap(request).Picture, byNumber.Picture);
}

TEST_F(MapShotTest, ColoursItemsAsAnsweredAtTheGivenAttempt) {
    request.Exercise = "7";
    request.Answered = 2;
    const TMapShotResult r = RenderMap(request);
    EXPECT_EQ(At(r, r.Items[0].Seed1 + QPoint(10, 10)), MakeColor(255, 255, 128));
}

TEST_F(MapShotTest, DrawsAPlaceExerciseOnSilverLand) {
    request.Exercise = "8";
    const TMapShotResult r = RenderMap(request);
    ASSERT_EQ(r.Items.size(), 1);
    EXPECT_EQ(r.Items[0].Name, "Oslo");
    EXPECT_EQ(At(r, r.Items[0].Seed1), Colors::Green);  // the dot
    EXPECT_EQ(At(r, r.Items[0].Seed1 + QPoint(40, 15)), Colors::Silver);
}

TEST_F(MapShotTest, ReportsSeedsThatCannotColourTheirArea) {
    request.MapNo = 1;
    request.Top = 70;
    request.Bottom = 30;
    request.Centre = 10;
    request.Items = QStringList{"all"};
    const TMapShotResult r = RenderMap(request);
    ASSERT_EQ(r.Items.size(), 3);
    EXPECT_TRUE(r.Items[1].Note.isEmpty());
    EXPECT_TRUE(r.Items[2].Note.contains("on an outline")) << r.Items[2].Note.toStdString();
}

TEST_F(MapShotTest, WarnsWhenNothingWillBeOnTheMap) {
    request.MapNo = 6;
    request.Items = QStringList{"all"};
    const TMapShotResult r = RenderMap(request);
    ASSERT_EQ(r.Warnings.size(), 2);
    EXPECT_TRUE(r.Warnings[0].contains("Map number 6"));
    request.Exercise = "7";
    request.MapNo.reset();
    request.Items = QStringList{"ZZ"};
    EXPECT_TRUE(RenderMap(request).Warnings.join(' ').contains("ZZ"));
}

TEST_F(MapShotTest, MapFourNeedsNoWaterFile) {
    QFile::remove(Path("Vatten.crp"));
    request.Exercise = "10";
    EXPECT_NO_THROW(RenderMap(request));
    request.Exercise = "7";
    EXPECT_TRUE(ErrorOf(request).contains("Vatten.crp"));
}

TEST_F(MapShotTest, ClearMessagesForBadRequests) {
    request.Exercise = "42";
    EXPECT_TRUE(ErrorOf(request).contains("No exercise \"42\""));
    request.Exercise = "9";
    EXPECT_TRUE(ErrorOf(request).contains("FLAGG"));
    request.Kind = "AREA";  // drawn anyway when asked to
    EXPECT_TRUE(ErrorOf(request).isEmpty());
    request = TMapShotRequest{};
    request.ProgramDir = dir_.path();
    EXPECT_TRUE(ErrorOf(request).contains("--map"));
    request.Exercise = "7";
    request.Language = 9;
    EXPECT_TRUE(ErrorOf(request).contains("language"));
    request.Language = 2;
    QFile::remove(Path("AREA1.crp"));
    const QString missing = ErrorOf(request);
    EXPECT_TRUE(missing.contains("AREA1.crp")) << missing.toStdString();
    QFile::remove(Path("Ovning.crp"));
    EXPECT_TRUE(ErrorOf(request).contains("Ovning.crp"));
}

TEST_F(MapShotTest, SavingLeavesNoHalfWrittenFile) {
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    SavePng(picture, Path("out.png"));
    EXPECT_EQ(QImage(Path("out.png")).pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_THROW(SavePng(picture, Path("no/such/folder/out.png")), MapShotError);
    EXPECT_FALSE(QDir(Path("no")).exists());
}

}  // namespace
