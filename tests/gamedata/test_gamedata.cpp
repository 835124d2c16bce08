// SPDX-License-Identifier: MIT
// Checks the delivered world data with the game's own loaders: caps, names, seeds, flags,
// sea seeds and the continent pictures of the main menu.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>
#include <cmath>
#include <set>

#include "data/Areor.h"
#include "data/UKarta.h"

namespace {

const QString Dir = QStringLiteral(GLOMIRA_GAMEDATA_DIR);
const QString Continents = QStringLiteral(GLOMIRA_CONTINENTS_DIR);
const char* AreaFiles[] = {"AREA1.crp", "AREA2.crp", "AREA3.crp",
                           "AREA4.crp", "AREA5.crp", "Vatten.crp"};

std::unique_ptr<CAreor> LoadAreas(const char* name) {
    auto areas = std::make_unique<CAreor>();
    areas->Load(Dir + "/" + name);
    return areas;
}

// Plane distance in degrees from p to the segment a-b.
double SegmentDistance(const GeoPoint& p, const GeoPoint& a, const GeoPoint& b) {
    const double dx = b.Lon - a.Lon, dy = b.Lat - a.Lat;
    const double len = dx * dx + dy * dy;
    double t = len > 0 ? ((p.Lon - a.Lon) * dx + (p.Lat - a.Lat) * dy) / len : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(a.Lon + t * dx - p.Lon, a.Lat + t * dy - p.Lat);
}

double OutlineDistance(const GeoPoint& p, const CArea& area) {
    double best = 1e9;
    for (int i = 0, j = area.PointCount() - 1; i < area.PointCount(); j = i++)
        best = std::min(
            best, SegmentDistance(p, area.Points[std::size_t(j)], area.Points[std::size_t(i)]));
    return best;
}

bool IsCountryCode(const QString& code) {
    return code.size() == 2 && code[0].isUpper() && code[1].isUpper();
}

}  // namespace

class AreaFile : public testing::TestWithParam<const char*> {};

TEST_P(AreaFile, LoadsWithinTheCapsAndEveryRecordHasAShape) {
    auto areas = LoadAreas(GetParam());
    ASSERT_GT(areas->Count(), 0);
    EXPECT_LE(areas->Count(), CAreor::MaxAreas);
    for (int i = 0; i < areas->Count(); ++i) {
        const CArea& a = areas->Area(i);
        EXPECT_GE(a.PointCount(), 3) << a.Code.toStdString();
        EXPECT_LE(a.PointCount(), CArea::MaxPoints) << a.Code.toStdString();
        EXPECT_LE(a.South, a.North) << a.Code.toStdString();
        EXPECT_LE(a.West, a.East) << a.Code.toStdString();
        for (const GeoPoint& p : a.Points) {
            EXPECT_TRUE(p.Lat >= a.South - 1e-4 && p.Lat <= a.North + 1e-4 &&
                        p.Lon >= a.West - 1e-4 && p.Lon <= a.East + 1e-4)
                << a.Code.toStdString() << " has a point outside its bounding box";
        }
    }
}

TEST_P(AreaFile, EveryRecordHasACodeAndANameInEachLanguage) {
    auto areas = LoadAreas(GetParam());
    for (int i = 0; i < areas->Count(); ++i) {
        const CArea& a = areas->Area(i);
        EXPECT_FALSE(a.Code.isEmpty()) << "record " << i;
        for (int lang = 1; lang <= 6; ++lang)
            EXPECT_FALSE(a.Names[lang].trimmed().isEmpty())
                << a.Code.toStdString() << " language " << lang;
    }
}

TEST_P(AreaFile, SeedsLieStrictlyInsideTheirRingAndOffItsOutline) {
    auto areas = LoadAreas(GetParam());
    for (int i = 0; i < areas->Count(); ++i) {
        const CArea& a = areas->Area(i);
        for (const GeoPoint& seed : {a.Seed1, a.Seed2}) {
            EXPECT_TRUE(PointInPolygon(seed, a.Points.data(), a.PointCount()))
                << a.Code.toStdString() << " seed " << seed.Lat << "," << seed.Lon
                << " outside its ring";
            EXPECT_GT(OutlineDistance(seed, a), 1e-5)
                << a.Code.toStdString() << " seed " << seed.Lat << "," << seed.Lon
                << " on its outline";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Delivered, AreaFile, testing::ValuesIn(AreaFiles),
    [](const testing::TestParamInfo<const char*>& info) {
        return QString::fromLatin1(info.param).section('.', 0, 0).toStdString();
    });

TEST(Flags, EveryCountryHasAReadableFlagOfSixtyPixelsOrAHundredAndTwentyWide) {
    std::set<QString> checked;
    for (const char* file : {"AREA1.crp", "AREA2.crp", "AREA3.crp", "AREA4.crp", "AREA5.crp"}) {
        auto areas = LoadAreas(file);
        for (int i = 0; i < areas->Count(); ++i) {
            const CArea& a = areas->Area(i);
            if (IsCountryCode(a.Code) && a.Code != "AQ") {
                EXPECT_FALSE(a.FlagFile.isEmpty())
                    << file << ": " << a.Code.toStdString() << " has no flag";
            }
            if (a.FlagFile.isEmpty() || !checked.insert(a.FlagFile).second) continue;
            QImage flag(Dir + "/flags/" + a.FlagFile);
            ASSERT_FALSE(flag.isNull()) << a.FlagFile.toStdString() << " cannot be read";
            EXPECT_LE(flag.width(), 120) << a.FlagFile.toStdString();
            EXPECT_LE(flag.height(), 60) << a.FlagFile.toStdString();
            EXPECT_TRUE(flag.height() == 60 || flag.width() == 120) << a.FlagFile.toStdString();
        }
    }
    EXPECT_GT(checked.size(), 200u);
}

// A wrong click shows the clicked area's flag beside its name: a flag is
// the area's own, named for its code (England's cross, never the flag of the
// country a region lies in), and there at both sizes.
TEST(Flags, EveryFlagIsTheAreasOwn) {
    int flagged = 0, regions = 0;
    for (const char* file : {"AREA1.crp", "AREA2.crp", "AREA3.crp", "AREA4.crp", "AREA5.crp"}) {
        auto areas = LoadAreas(file);
        for (int i = 0; i < areas->Count(); ++i) {
            const CArea& a = areas->Area(i);
            if (!IsCountryCode(a.Code)) ++regions;
            if (a.FlagFile.isEmpty()) continue;
            ++flagged;
            EXPECT_EQ(a.FlagFile, a.Code.toLower() + ".bmp")
                << file << ": " << a.Code.toStdString();
            EXPECT_TRUE(QFile::exists(Dir + "/flags2x/" + a.FlagFile)) << a.FlagFile.toStdString();
        }
    }
    EXPECT_GT(flagged, 200);
    EXPECT_GT(regions, 100);
}

// Sea seeds must stay within the cap and never lie on land of a map that uses them.
struct SeaCase {
    const char* seaFile;
    std::vector<const char*> areaFiles;
};

class SeaFile : public testing::TestWithParam<SeaCase> {};

TEST_P(SeaFile, SeedsLieInTheSeaOfEveryMapThatUsesThem) {
    CKarta map;
    map.LoadSeaSeeds(Dir + "/" + GetParam().seaFile);
    ASSERT_GE(map.SeaSeedCount, 10);
    ASSERT_LE(map.SeaSeedCount, CKarta::MaxSeaSeeds);
    for (const char* file : GetParam().areaFiles) {
        auto areas = LoadAreas(file);
        for (int s = 1; s <= map.SeaSeedCount; ++s) {
            const GeoPoint& seed = map.SeaSeeds[s];
            for (int i = 0; i < areas->Count(); ++i) {
                const CArea& a = areas->Area(i);
                EXPECT_FALSE(PointInPolygon(seed, a.Points.data(), a.PointCount()))
                    << GetParam().seaFile << " seed " << seed.Lat << "," << seed.Lon << " lies in "
                    << a.Code.toStdString() << " of " << file;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Delivered, SeaFile,
    testing::Values(SeaCase{"Hav1.crp", {"AREA1.crp", "AREA4.crp", "AREA5.crp"}},
                    SeaCase{"Hav2.crp", {"AREA2.crp"}}, SeaCase{"Hav3.crp", {"AREA3.crp"}}),
    [](const testing::TestParamInfo<SeaCase>& info) {
        return QString::fromLatin1(info.param.seaFile).section('.', 0, 0).toStdString();
    });

TEST(ContinentPictures, OnlyNavyLimeAndGreenAndEachLandPixelBelongsToOneContinent) {
    const QRgb navy = qRgb(0, 0, 128), lime = qRgb(0, 255, 0), green = qRgb(0, 128, 0);
    const char* names[] = {"eur.png", "nor.png", "syd.png", "asi.png", "afr.png", "aus.png"};
    QImage world(Continents + "/world.png");
    ASSERT_FALSE(world.isNull());
    ASSERT_EQ(world.size(), QSize(396, 155));
    std::vector<QImage> parts;
    for (const char* n : names) {
        parts.emplace_back(Continents + "/" + n);
        ASSERT_EQ(parts.back().size(), QSize(396, 155)) << n;
    }
    int land = 0;
    for (int y = 0; y < 155; ++y) {
        for (int x = 0; x < 396; ++x) {
            const QRgb w = world.pixel(x, y) | 0xff000000u;
            ASSERT_TRUE(w == qRgb(0, 0, 128) || w == lime) << "world.png pixel " << x << "," << y;
            int limeCount = 0;
            for (std::size_t k = 0; k < parts.size(); ++k) {
                const QRgb c = parts[k].pixel(x, y) | 0xff000000u;
                ASSERT_TRUE(c == navy || c == lime || c == green)
                    << names[k] << " pixel " << x << "," << y;
                ASSERT_EQ(c == navy, w == navy)
                    << names[k] << " sea differs from world.png at " << x << "," << y;
                if (c == lime) ++limeCount;
            }
            if (w == lime) {
                ++land;
                EXPECT_EQ(limeCount, 1) << "land pixel " << x << "," << y;
            }
        }
    }
    EXPECT_GT(land, 396 * 155 / 5);
}
