// SPDX-License-Identifier: MIT
// Place files and the selection of an exercise's places.
#include <gtest/gtest.h>

#include "data/Orter.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

namespace {

class PlacesTest : public GlomiraTest {
  protected:
    QString Write(const QList<PlaceRecord>& records) {
        CrpWriter w;
        for (const auto& r : records) WritePlace(w, r);
        const QString name = Path("Ort1.crp");
        w.Save(name);
        return name;
    }
    static QList<const COrt*> All(const COrter& list) {
        QList<const COrt*> out;
        for (const COrt* p = list.First; p; p = p->Next) out << p;
        return out;
    }
};

PlaceRecord Place(const QString& code, int rank, const QString& m1, const QString& m2 = {},
                  const QString& m3 = {}) {
    PlaceRecord p;
    p.Code = code;
    p.Names = QStringList{code, "", "", "", "", ""};
    p.Rank = rank;
    p.Member1 = m1;
    p.Member2 = m2;
    p.Member3 = m3;
    return p;
}

TEST_F(PlacesTest, ReadsRecordsInFileOrder) {
    PlaceRecord a = Place("STO", 1, "SE", "EUR");
    a.Names = QStringList{"Stockholm", "", "", "", "Estocolmo", "Stoccolma"};
    a.Flag1 = 2;
    a.Lat = 59.3293;
    a.Lon = -0.0025;
    COrter places;
    places.Load(Write({a, Place("GOT", 3, "SE")}));
    const auto all = All(places);
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0]->Code, "STO");
    EXPECT_EQ(all[0]->Names[2], "Stockholm");
    EXPECT_EQ(all[0]->Names[5], "Estocolmo");
    EXPECT_TRUE(all[0]->Flag1);  // any nonzero byte
    EXPECT_FALSE(all[0]->Flag2);
    EXPECT_EQ(all[0]->MemberCodes[2], "EUR");
    EXPECT_DOUBLE_EQ(all[0]->Latitude, 59.3293);
    EXPECT_DOUBLE_EQ(all[0]->Longitude, -0.0025);
    EXPECT_EQ(all[1]->Code, "GOT");
    EXPECT_EQ(all[1]->Rank, 3);
}

TEST_F(PlacesTest, EmptyFileGivesOneEmptyPlaceThatNoKeySelects) {
    COrter places;
    places.Load(Write({}));
    const auto all = All(places);
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0]->Names[1], "");
    EXPECT_EQ(all[0]->Rank, 0);
    places.ResetMarks();
    places.Select("SE", 10, false, false);
    EXPECT_EQ(places.SelectedCount, 0);
}

TEST_F(PlacesTest, TruncatedFileFailsAndKeepsWhatWasRead) {
    CrpWriter w;
    WritePlace(w, Place("A", 1, "SE"));
    WritePlace(w, Place("B", 1, "SE"));
    CrpWriter().Raw(w.Bytes().chopped(3)).Save(Path("cut.crp"));
    COrter places;
    EXPECT_THROW(places.Load(Path("cut.crp")), EInOutError);
    EXPECT_EQ(All(places).size(), 2);
}

TEST_F(PlacesTest, SelectFiltersByRankKeyAndFlags) {
    PlaceRecord capital = Place("C", 1, "SE", "EU");
    capital.Flag1 = 1;
    PlaceRecord city = Place("D", 3, "SE");
    PlaceRecord codeOnly = Place("SE", 1, "NO");
    PlaceRecord second = Place("E", 2, "XX", "SE");
    COrter places;
    places.Load(Write({capital, city, codeOnly, second}));
    const auto all = All(places);

    places.ResetMarks();
    places.Select("SE", 3, false, false);
    EXPECT_EQ(places.SelectedCount, 3);
    EXPECT_TRUE(all[1]->Selected);
    EXPECT_FALSE(all[2]->Selected);  // its own code does not count
    EXPECT_TRUE(all[3]->Selected);   // second group code

    places.ResetMarks();
    places.Select("SE", 2, false, false);
    EXPECT_EQ(places.SelectedCount, 2);
    EXPECT_FALSE(all[1]->Selected);  // rank 3 over the maximum 2

    places.ResetMarks();
    places.Select("SE", 10, true, false);
    EXPECT_EQ(places.SelectedCount, 1);
    EXPECT_TRUE(all[0]->Selected);

    places.ResetMarks();
    places.Select("SE", 10, false, true);
    EXPECT_EQ(places.SelectedCount, 0);
    EXPECT_EQ(places.RemainingCount, 0);
}

TEST_F(PlacesTest, APlaceSelectedByTwoKeysCountsOnce) {
    COrter places;
    places.Load(Write({Place("C", 1, "SE", "EU")}));
    places.ResetMarks();
    places.Select("SE", 10, false, false);
    places.Select("EU", 10, false, false);
    EXPECT_EQ(places.SelectedCount, 1);
    EXPECT_EQ(places.RemainingCount, 1);
}

TEST_F(PlacesTest, LongListsFreeWithoutRecursion) {
    QList<PlaceRecord> many(100000, Place("P", 1, "SE"));
    COrter places;
    places.Load(Write(many));
    places.ResetMarks();
    places.Select("SE", 1, false, false);
    EXPECT_EQ(places.SelectedCount, 100000);
}

}  // namespace
