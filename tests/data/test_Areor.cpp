// SPDX-License-Identifier: MIT
// Area files, marks, lookups, the hit test and the geometry helpers.
#include <gtest/gtest.h>

#include "data/Areor.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

namespace {

class AreasTest : public GlomiraTest {
  protected:
    QString Write(const QList<AreaRecord>& records) {
        CrpWriter w;
        for (const auto& r : records) WriteArea(w, r);
        const QString name = Path("AREA1.crp");
        w.Save(name);
        return name;
    }
};

TEST_F(AreasTest, ReadsAFullRecord) {
    AreaRecord r = BoxArea("SE", 55, 11, 69, 24);
    r.Alt1 = "SWE";
    r.Alt2 = "S";
    r.Names = QStringList{"Sverige", "Sweden", "Suède", "Schweden", "", ""};
    r.FlagFile = "se.bmp";
    r.Reserved = 17;
    r.Seed2Lat = -0.0025;
    CAreor areas;
    areas.Load(Write({r}));
    ASSERT_EQ(areas.Count(), 1);
    const CArea& a = areas.Area(0);
    EXPECT_EQ(a.Code, "SE");
    EXPECT_EQ(a.AltCode1, "SWE");
    EXPECT_EQ(a.AltCode2, "S");
    EXPECT_EQ(a.Names[3], QString::fromUtf8("Suède"));
    EXPECT_EQ(a.Names[5], "Sverige");  // empty names fall back to language 1
    EXPECT_EQ(a.Names[6], "Sverige");
    EXPECT_EQ(a.FlagFile, "se.bmp");
    EXPECT_EQ(a.Reserved, 17);
    EXPECT_EQ(a.PointCount(), 4);
    EXPECT_DOUBLE_EQ(a.North, 69);
    EXPECT_DOUBLE_EQ(a.South, 55);
    EXPECT_DOUBLE_EQ(a.East, 24);
    EXPECT_DOUBLE_EQ(a.West, 11);
    EXPECT_FLOAT_EQ(a.Seed1.Lat, 62);
    EXPECT_FLOAT_EQ(a.Seed2.Lat, -0.0025f);
    EXPECT_FLOAT_EQ(a.Points[1].Lat, 69);
    EXPECT_FLOAT_EQ(a.Points[1].Lon, 11);
    EXPECT_FALSE(a.Selected);
}

TEST_F(AreasTest, CapacityLimits) {
    AreaRecord full = BoxArea("A", 0, 0, 1, 1);
    full.Points.clear();
    for (int i = 0; i < 500; ++i) full.Points.append({i * 0.001, 0});
    CAreor ok;
    ok.Load(Write({full}));
    EXPECT_EQ(ok.Area(0).PointCount(), 500);

    full.Points.append({1, 1});
    CAreor tooManyPoints;
    EXPECT_THROW(tooManyPoints.Load(Write({full})), ERangeError);

    const AreaRecord small = BoxArea("B", 0, 0, 1, 1);
    CAreor fiveHundred;
    fiveHundred.Load(Write(QList<AreaRecord>(500, small)));
    EXPECT_EQ(fiveHundred.Count(), 500);
    CAreor tooManyRecords;
    EXPECT_THROW(tooManyRecords.Load(Write(QList<AreaRecord>(501, small))), ERangeError);
    EXPECT_EQ(tooManyRecords.Count(), 500);  // what was read stays owned
}

TEST_F(AreasTest, BadCountsFailCleanly) {
    AreaRecord r = BoxArea("A", 0, 0, 1, 1);
    r.PointCountOverride = 32767;
    CAreor huge;
    EXPECT_THROW(huge.Load(Write({r})), Exception);
    r.PointCountOverride = 40000;  // not a valid 16-bit word
    CAreor negative;
    EXPECT_THROW(negative.Load(Write({r})), ERangeError);
}

// Whatever a failed load leaves behind can be hit-tested and drawn: no record
// claims more points than it holds.
TEST_F(AreasTest, AFailedLoadKeepsOnlyWholeRecords) {
    AreaRecord tooLong = BoxArea("B", 0, 0, 1, 1);
    for (int i = 0; i < 497; ++i) tooLong.Points.append({0.5, i * 0.001});
    CrpWriter cut;
    WriteArea(cut, BoxArea("A", 0, 0, 10, 10));
    WriteArea(cut, BoxArea("C", 0, 0, 1, 1));
    const QByteArray whole = cut.Bytes();
    // Ends inside the second record's points, then one with 501 points.
    for (const QByteArray& bytes : {whole.left(whole.size() - 6), [&] {
                                        CrpWriter w;
                                        WriteArea(w, BoxArea("A", 0, 0, 10, 10));
                                        WriteArea(w, tooLong);
                                        return w.Bytes();
                                    }()}) {
        const QString name = Path("cut.crp");
        CrpWriter file;
        file.Raw(bytes).Save(name);
        CAreor areas;
        EXPECT_THROW(areas.Load(name), Exception);
        ASSERT_EQ(areas.Count(), 1);
        ASSERT_EQ(areas.Areas.size(), 1u);
        for (const auto& area : areas.Areas)
            EXPECT_EQ(area->Points.size(), std::size_t(area->PointCount()));
        areas.Select("A");
        areas.Select("B");
        areas.Select("C");
        EXPECT_EQ(areas.AreaAt({5, 5}), &areas.Area(0));
    }
}

TEST_F(AreasTest, ZeroPointAreaIsFoundButNeverSelectedOrHit) {
    AreaRecord empty = BoxArea("MC", 0, 0, 10, 10);
    empty.Points.clear();
    CAreor areas;
    areas.Load(Write({empty}));
    areas.Select("MC");
    EXPECT_FALSE(areas.Area(0).Selected);
    EXPECT_EQ(areas.FindByCode("MC"), &areas.Area(0));
    EXPECT_EQ(areas.AreaAt({5, 5}), nullptr);
}

TEST_F(AreasTest, CodesSelectMarkAndFind) {
    AreaRecord first = BoxArea("SE", 0, 0, 10, 10);
    AreaRecord second = BoxArea("SE", 20, 0, 30, 10);
    AreaRecord alt = BoxArea("XX", 40, 0, 50, 10);
    alt.Alt1 = "SE";
    AreaRecord other = BoxArea("NO", 60, 0, 70, 10);
    CAreor areas;
    areas.Load(Write({first, second, alt, other}));
    areas.Select("SE");
    EXPECT_TRUE(areas.Area(0).Selected);
    EXPECT_TRUE(areas.Area(1).Selected);
    EXPECT_TRUE(areas.Area(2).Selected);  // by its alternative code
    EXPECT_FALSE(areas.Area(3).Selected);
    EXPECT_EQ(areas.FindByCode("SE"), &areas.Area(1));  // the later duplicate
    EXPECT_EQ(areas.FindByCode("XX"), &areas.Area(2));
    EXPECT_EQ(areas.FindByCode("se"), nullptr);

    areas.MarkAnswered("NO", 3);  // marks even when not selected
    EXPECT_TRUE(areas.Area(3).Answered);
    EXPECT_EQ(areas.Area(3).Attempts, 3);
    areas.ResetMarks();
    EXPECT_FALSE(areas.Area(0).Selected);
    EXPECT_FALSE(areas.Area(3).Answered);
    EXPECT_EQ(areas.Area(3).Attempts, 3);  // only read while answered
}

TEST_F(AreasTest, HitTestPrefersTheEnclaveAndIgnoresUnselected) {
    AreaRecord outer = BoxArea("ZA", -35, 16, -22, 33);
    AreaRecord enclave = BoxArea("LS", -30.5, 27, -28.5, 29.5);
    AreaRecord unselected = BoxArea("SZ", -31, 26, -28, 30);
    CAreor areas;
    areas.Load(Write({outer, enclave, unselected}));
    areas.Select("ZA");
    areas.Select("LS");
    EXPECT_EQ(areas.AreaAt({-29.5f, 28}), &areas.Area(1));
    EXPECT_EQ(areas.AreaAt({-25, 20}), &areas.Area(0));
    EXPECT_EQ(areas.AreaAt({-10, 20}), nullptr);
}

TEST_F(AreasTest, HitTestTiesGoToTheEarlierArea) {
    CAreor areas;
    areas.Load(Write({BoxArea("A", 0, 0, 10, 10), BoxArea("B", 0, 5, 10, 15)}));
    areas.Select("A");
    areas.Select("B");
    EXPECT_EQ(areas.AreaAt({5, 7}), &areas.Area(0));
}

TEST(PointInPolygon, EdgesOfASquare) {
    const GeoPoint square[] = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    EXPECT_TRUE(PointInPolygon({5, 5}, square, 4));
    EXPECT_TRUE(PointInPolygon({0, 5}, square, 4));    // southern edge
    EXPECT_FALSE(PointInPolygon({10, 5}, square, 4));  // northern edge
    EXPECT_TRUE(PointInPolygon({5, 0}, square, 4));    // western edge
    EXPECT_FALSE(PointInPolygon({5, 10}, square, 4));  // eastern edge
    EXPECT_FALSE(PointInPolygon({5, 11}, square, 4));
    EXPECT_FALSE(PointInPolygon({5, 5}, square, 2));
    EXPECT_FALSE(PointInPolygon({5, 5}, square, 0));
}

TEST(PointInPolygon, VertexOnTheRayKeepsParity) {
    // A diamond whose east and west vertices lie on the tested latitude,
    // and a concave notch whose tip touches it.
    const GeoPoint diamond[] = {{0, 5}, {5, 10}, {10, 5}, {5, 0}};
    EXPECT_TRUE(PointInPolygon({5, 2}, diamond, 4));
    EXPECT_FALSE(PointInPolygon({5, -1}, diamond, 4));
    const GeoPoint notch[] = {{0, 0}, {10, 0}, {10, 10}, {5, 6}, {0, 10}};
    EXPECT_TRUE(PointInPolygon({5, 3}, notch, 5));
    EXPECT_FALSE(PointInPolygon({5, 8}, notch, 5));
}

TEST(Geometry, BetweenIsHalfOpen) {
    EXPECT_FALSE(Between(3, 3, 3));
    EXPECT_TRUE(Between(5, 1, 1));
    EXPECT_FALSE(Between(5, 1, 5));
    EXPECT_TRUE(Between(1, 5, 1));
    EXPECT_FALSE(Between(1, 5, 5));
}

TEST(Geometry, InterpolateAndItsGuard) {
    EXPECT_FLOAT_EQ(Interpolate(5, 10, 0, 100, 0), 50);
    EXPECT_FLOAT_EQ(Interpolate(0, 0, 0, 100, 0), 0);
    EXPECT_FLOAT_EQ(Interpolate(30, 70, 30, 0, 400), 400);
    EXPECT_FLOAT_EQ(Interpolate(70, 70, 30, 0, 400), 0);
    EXPECT_EQ(MaxSingle(1, 2), 2);
    EXPECT_EQ(MinSingle(1, 2), 1);
}

}  // namespace
