// SPDX-License-Identifier: MIT
// Loading the exercise catalogue and finding entries by name.
#include <gtest/gtest.h>

#include "app/Generell.h"
#include "data/ovningar.h"
#include "exercise/OvFlagga.h"
#include "exercise/OvLand.h"
#include "exercise/OvOrt.h"
#include "exercise/Ovmulti.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

namespace {

class CatalogueTest : public GlomiraTest {
  protected:
    QString Write(const QList<ExerciseRecord>& records, const QByteArray& tail = {}) {
        CrpWriter w;
        for (const auto& r : records) WriteExercise(w, r);
        w.Raw(tail);
        const QString name = Path("Ovning.crp");
        w.Save(name);
        return name;
    }
    static int Length(const COvningar& c) {
        int n = 0;
        for (COvning* e = c.First; e; e = e->Next) ++n;
        return n;
    }
};

TEST_F(CatalogueTest, ReadsEveryFieldInFileOrder) {
    ExerciseRecord r;
    r.Kind = "ORT";
    r.Number = 42;
    r.MaxRank = 3;
    r.BorderWidth = 2;
    r.Flag1 = 1;
    r.Flag2 = 0;
    r.Reserved = 7;
    r.MapNo = 2;
    r.PlaceFileNo = 5;
    r.Continent = "AFR";
    r.Land = 0x00112233;
    r.Area = 0x00445566;
    r.Sea = 0x00778899;
    r.Top = 40.5;
    r.Bottom = -0.0025;
    r.Centre = -12.25;
    r.Items = {"SE", "NO"};
    COvningar catalogue;
    catalogue.Load(Write({r}));
    ASSERT_NE(catalogue.First, nullptr);
    const COvning& e = *catalogue.First;
    EXPECT_NE(dynamic_cast<const COvningOrt*>(&e), nullptr);
    EXPECT_EQ(e.Kind, "ORT");
    EXPECT_EQ(e.Names[1], "Sv");
    EXPECT_EQ(e.Names[6], "It");
    EXPECT_EQ(e.Number, 42);
    EXPECT_EQ(e.MaxPlaceRank, 3);
    EXPECT_EQ(e.BorderWidth, 2);
    EXPECT_TRUE(e.RequirePlaceFlag1);
    EXPECT_FALSE(e.RequirePlaceFlag2);
    EXPECT_TRUE(e.ReservedFlag);
    EXPECT_EQ(e.MapNo, 2);
    EXPECT_EQ(e.PlaceFileNo, 5);
    EXPECT_EQ(e.Continent, "AFR");
    EXPECT_EQ(e.LandColor, 0x00112233u);
    EXPECT_EQ(e.AreaColor, 0x00445566u);
    EXPECT_EQ(e.SeaColor, 0x00778899u);
    EXPECT_DOUBLE_EQ(e.TopLatitude, 40.5);
    EXPECT_DOUBLE_EQ(e.BottomLatitude, -0.0025);
    EXPECT_DOUBLE_EQ(e.CentreLongitude, -12.25);
    EXPECT_EQ(e.ItemCount, 2);
    EXPECT_EQ(e.Items[1], "SE");
    EXPECT_EQ(e.Items[2], "NO");
    EXPECT_EQ(e.Items[3], "");
    EXPECT_EQ(e.Next, nullptr);
}

TEST_F(CatalogueTest, KindChoosesTheClassAndUnknownKindsAreMultipleChoice) {
    QList<ExerciseRecord> records(5);
    records[0].Kind = "AREA";
    records[1].Kind = "ORT";
    records[2].Kind = "FLAGG";
    records[3].Kind = "MULTI";
    records[4].Kind = "area";
    COvningar catalogue;
    catalogue.Load(Write(records));
    ASSERT_EQ(Length(catalogue), 5);
    COvning* e = catalogue.First;
    EXPECT_NE(dynamic_cast<COvningLandArea*>(e), nullptr);
    EXPECT_NE(dynamic_cast<COvningOrt*>(e = e->Next), nullptr);
    EXPECT_NE(dynamic_cast<COvningFlagga*>(e = e->Next), nullptr);
    EXPECT_NE(dynamic_cast<COvningMulti*>(e = e->Next), nullptr);
    e = e->Next;
    EXPECT_NE(dynamic_cast<COvningMulti*>(e), nullptr);
    EXPECT_EQ(e->Kind, "area");
}

TEST_F(CatalogueTest, ItemCountLimits) {
    ExerciseRecord none;
    ExerciseRecord full;
    for (int i = 1; i <= 100; ++i) full.Items << QString::number(i);
    COvningar ok;
    ok.Load(Write({none, full}));
    ASSERT_EQ(Length(ok), 2);
    EXPECT_EQ(ok.First->ItemCount, 0);
    EXPECT_EQ(ok.First->Items[1], "");
    EXPECT_EQ(ok.First->Next->ItemCount, 100);
    EXPECT_EQ(ok.First->Next->Items[100], "100");

    ExerciseRecord over = full;
    over.Items << "101";
    COvningar bad;
    try {
        bad.Load(Write({none, over}));
        FAIL() << "101 items loaded";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message(), "Range check error");
    }
    // Entries read before the failure stay in the catalogue.
    EXPECT_EQ(Length(bad), 2);
}

TEST_F(CatalogueTest, DamagedFiles) {
    COvningar empty;
    EXPECT_THROW(empty.Load(Write({})), EInOutError);

    ExerciseRecord r;
    CrpWriter w;
    WriteExercise(w, r);
    const QByteArray whole = w.Bytes();
    CrpWriter().Raw(whole.left(whole.size() - 1)).Save(Path("cut.crp"));
    COvningar cut;
    EXPECT_THROW(cut.Load(Path("cut.crp")), EInOutError);

    ExerciseRecord big;
    big.Number = 40000;
    COvningar bigNumber;
    EXPECT_THROW(bigNumber.Load(Write({big})), ERangeError);

    ExerciseRecord huge;
    huge.ItemCountOverride = 32767;  // claims far more keys than the file holds
    COvningar hugeCount;
    EXPECT_THROW(hugeCount.Load(Write({huge})), Exception);
}

TEST_F(CatalogueTest, FindByNameUsesTheCurrentLanguageAndTheFirstMatch) {
    ExerciseRecord a, b, c;
    a.Names = QStringList{"Europa", "Europe", "", "", "", ""};
    b.Names = QStringList{"Afrika", "Africa", "", "", "", ""};
    c.Names = QStringList{"Andra", "Africa", "", "", "", ""};
    a.Number = 1;
    b.Number = 2;
    c.Number = 3;
    COvningar catalogue;
    catalogue.Load(Write({a, b, c}));
    CurrentLanguage = 2;
    ASSERT_NE(catalogue.FindByName("Africa"), nullptr);
    EXPECT_EQ(catalogue.FindByName("Africa")->Number, 2);
    EXPECT_EQ(catalogue.FindByName("Afrika"), nullptr);  // Swedish name only
    EXPECT_EQ(catalogue.FindByName("africa"), nullptr);
    CurrentLanguage = 1;
    EXPECT_EQ(catalogue.FindByName("Andra")->Number, 3);
    CurrentLanguage = 2;
}

// How the tools let a user name an exercise: a whole number is the exercise
// number, anything else a name in the current language.
TEST_F(CatalogueTest, FindByNumberOrNameTakesANumberAsTheExerciseNumber) {
    ExerciseRecord a, b;
    a.Names = QStringList{"Europa", "Europe", "", "", "", ""};
    b.Names = QStringList{"12", "12", "", "", "", ""};  // a name that looks like a number
    a.Number = 12;
    b.Number = 40;
    COvningar catalogue;
    catalogue.Load(Write({a, b}));
    CurrentLanguage = 2;
    ASSERT_NE(catalogue.FindByNumberOrName("12"), nullptr);
    EXPECT_EQ(catalogue.FindByNumberOrName("12")->Number, 12);
    EXPECT_EQ(catalogue.FindByNumberOrName(" 40 ")->Number, 40);
    EXPECT_EQ(catalogue.FindByNumberOrName("Europe")->Number, 12);
    EXPECT_EQ(catalogue.FindByNumberOrName("7"), nullptr);
    EXPECT_EQ(catalogue.FindByNumberOrName("Europa"), nullptr);
}

}  // namespace
