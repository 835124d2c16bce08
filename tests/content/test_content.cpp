// SPDX-License-Identifier: MIT
// Checks the delivered catalogue, places and interface texts with the program's own loaders and
// map drawing: every exercise key must lead somewhere a player can answer it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPair>
#include <QSet>
#include <QString>
#include <climits>
#include <map>
#include <memory>

#include "app/Generell.h"
#include "data/Areor.h"
#include "data/MapLoader.h"
#include "data/Orter.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "platform/Picture.h"
#include "support/ExerciseOnPicture.h"

namespace {

const char* const ContinentCodes[] = {"EUR", "NOR", "SYD", "ASI", "AFR", "AUS", "*"};
const char* const Kinds[] = {"AREA", "ORT", "FLAGG", "MULTI"};

std::string Id(const COvning& e) {
    return "exercise " + std::to_string(e.Number) + " (" + e.Names[2].toStdString() + ")";
}

// The delivered files, loaded once for the whole suite.
class Content : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        catalogue_ = new COvningar;
        catalogue_->Load(ProgramFile(QStringLiteral("Ovning.crp")));
    }
    static void TearDownTestSuite() {
        delete catalogue_;
        catalogue_ = nullptr;
        areas_.clear();
        places_.clear();
    }

    static CAreor& Areas(int mapNo) {
        auto& slot = areas_[mapNo];
        if (!slot) {
            slot = std::make_unique<CAreor>();
            slot->Load(ProgramFile(AreaFileName(mapNo)));
        }
        return *slot;
    }
    static COrter& Places(int fileNo) {
        auto& slot = places_[fileNo];
        if (!slot) {
            slot = std::make_unique<COrter>();
            slot->Load(ProgramFile(PlaceFileName(fileNo)));
        }
        return *slot;
    }
    static bool HasOutline(const CAreor& areas, const QString& key) {
        for (int i = 0; i < areas.Count(); ++i)
            if (areas.Area(i).PointCount() > 0 && areas.Area(i).Matches(key)) return true;
        return false;
    }
    // Selects the places of the keys as the exercise core does.
    static COrter& SelectPlaces(const COvning& e, const QStringList& keys) {
        COrter& places = Places(e.PlaceFileNo);
        places.ResetMarks();
        for (const QString& key : keys)
            places.Select(key, e.MaxPlaceRank, e.RequirePlaceFlag1, e.RequirePlaceFlag2);
        return places;
    }
    static QStringList Keys(const COvning& e) {
        QStringList keys;
        for (int i = 1; i <= e.ItemCount; ++i) keys << e.Items[i];
        return keys;
    }

    static COvningar* catalogue_;
    static std::map<int, std::unique_ptr<CAreor>> areas_;
    static std::map<int, std::unique_ptr<COrter>> places_;
};

COvningar* Content::catalogue_ = nullptr;
std::map<int, std::unique_ptr<CAreor>> Content::areas_;
std::map<int, std::unique_ptr<COrter>> Content::places_;

}  // namespace

TEST_F(Content, EveryInterfaceTextExistsInEveryLanguage) {
    LoadLanguageTable(ProgramFile(QStringLiteral("lang.crp")));
    for (int language = 1; language <= LanguageCount; ++language)
        for (int number = 1; number <= LanguageStringCount; ++number)
            EXPECT_FALSE(LanguageTable[language][number].trimmed().isEmpty())
                << "text " << number << " in language " << language;
}

TEST_F(Content, ExerciseNumbersAreUniqueAndKeyTheScoreTable) {
    QSet<int> seen;
    int count = 0;
    for (const COvning* e = catalogue_->First; e; e = e->Next, ++count) {
        EXPECT_GE(e->Number, 1) << Id(*e);
        EXPECT_LE(e->Number, 90) << Id(*e);
        EXPECT_FALSE(seen.contains(e->Number)) << Id(*e) << " repeats its number";
        seen.insert(e->Number);
    }
    EXPECT_GE(count, 60);
    EXPECT_LE(count, 90);
}

TEST_F(Content, NamesAreGivenAndTellExercisesApartInEveryLanguage) {
    // The main menu starts the first exercise whose name matches the chosen line.
    for (int language = 1; language <= LanguageCount; ++language) {
        QSet<QString> seen;
        for (const COvning* e = catalogue_->First; e; e = e->Next) {
            const QString& name = e->Names[language];
            EXPECT_FALSE(name.trimmed().isEmpty()) << Id(*e) << " language " << language;
            EXPECT_FALSE(seen.contains(name))
                << Id(*e) << " shares its name in language " << language;
            seen.insert(name);
        }
    }
}

TEST_F(Content, EveryPartOfTheWorldHasEveryKindOfExercise) {
    for (const char* continent : ContinentCodes) {
        for (const char* kind : Kinds) {
            bool found = false;
            for (const COvning* e = catalogue_->First; e && !found; e = e->Next)
                found = e->Continent == QLatin1String(continent) && e->Kind == QLatin1String(kind);
            EXPECT_TRUE(found) << kind << " for " << continent;
        }
    }
}

TEST_F(Content, AreaKeysNameAnAreaWithAnOutlineOnTheirMap) {
    for (const COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA")) continue;
        ASSERT_GT(e->ItemCount, 0) << Id(*e);
        CAreor& areas = Areas(e->MapNo);
        for (const QString& key : Keys(*e)) {
            const CArea* area = areas.FindByCode(key);
            ASSERT_NE(area, nullptr) << Id(*e) << ": no area " << key.toStdString();
            EXPECT_FALSE(area->Names[CurrentLanguage].isEmpty())
                << Id(*e) << " " << key.toStdString();
            EXPECT_TRUE(HasOutline(areas, key))
                << Id(*e) << ": " << key.toStdString() << " cannot be clicked";
        }
    }
}

TEST_F(Content, PlaceKeysEachSelectAPlace) {
    for (const COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("ORT")) continue;
        ASSERT_GT(e->ItemCount, 0) << Id(*e);
        for (const QString& key : Keys(*e))
            EXPECT_GT(SelectPlaces(*e, {key}).SelectedCount, 0)
                << Id(*e) << ": " << key.toStdString() << " selects no place";
        // A fitted view needs areas to fit to.
        if (e->TopLatitude == 0 && e->BottomLatitude == 0) {
            bool any = false;
            for (const QString& key : Keys(*e)) any = any || HasOutline(Areas(e->MapNo), key);
            EXPECT_TRUE(any) << Id(*e) << " fits its view to no area";
        }
    }
}

TEST_F(Content, FlagExercisesShowEveryFlagTheyAsk) {
    for (const COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("FLAGG")) continue;
        ASSERT_GT(e->ItemCount, 0) << Id(*e);
        // Sixteen cells: more keys would leave flags that are never shown.
        EXPECT_LE(e->ItemCount, 16) << Id(*e);
        for (const QString& key : Keys(*e)) {
            const CArea* area = Areas(e->MapNo).FindByCode(key);
            ASSERT_NE(area, nullptr) << Id(*e) << ": no area " << key.toStdString();
            ASSERT_FALSE(area->FlagFile.isEmpty())
                << Id(*e) << ": " << key.toStdString() << " has no flag";
            const QImage flag(ProgramFile(QStringLiteral("flags/") + area->FlagFile));
            EXPECT_FALSE(flag.isNull())
                << Id(*e) << ": cannot read " << area->FlagFile.toStdString();
        }
    }
}

TEST_F(Content, MultipleChoiceHasFourDifferentAnswersInBothForms) {
    for (const COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("MULTI")) continue;
        const QStringList keys = Keys(*e);
        for (const QString& key : keys)
            ASSERT_NE(Areas(e->MapNo).FindByCode(key), nullptr)
                << Id(*e) << ": no area " << key.toStdString();
        COrter& places = SelectPlaces(*e, keys);
        EXPECT_GT(places.SelectedCount, 0) << Id(*e);
        for (int language = 1; language <= LanguageCount; ++language) {
            QSet<QString> areaNames, placeNames;
            for (const QString& key : keys)
                areaNames.insert(Areas(e->MapNo).FindByCode(key)->Names[language]);
            for (const COrt* p = places.First; p; p = p->Next)
                if (p->Selected) placeNames.insert(p->Names[language]);
            EXPECT_GE(areaNames.size(), 4)
                << Id(*e) << " language " << language << ": places to areas";
            EXPECT_GE(placeNames.size(), 4)
                << Id(*e) << " language " << language << ": areas to places";
        }
    }
}

TEST_F(Content, PlacesHaveNamesAndEveryStateOneCapital) {
    COrter& places = Places(1);
    CAreor& world = Areas(1);
    int count = 0;
    QSet<QString> capitalOf;
    for (const COrt* p = places.First; p; p = p->Next, ++count) {
        for (int language = 1; language <= LanguageCount; ++language)
            EXPECT_FALSE(p->Names[language].trimmed().isEmpty())
                << "place " << p->Code.toStdString();
        EXPECT_GE(p->Rank, 1) << p->Names[2].toStdString();
        EXPECT_NE(world.FindByCode(p->MemberCodes[1]), nullptr)
            << p->Names[2].toStdString() << " lies in no area of the world map";
        if (!p->Flag1) continue;
        EXPECT_EQ(p->Rank, 1) << p->Names[2].toStdString();
        EXPECT_FALSE(capitalOf.contains(p->MemberCodes[1]))
            << "two capitals for " << p->MemberCodes[1].toStdString();
        capitalOf.insert(p->MemberCodes[1]);
    }
    EXPECT_GE(count, 500);
    EXPECT_GE(capitalOf.size(), 190);
}

namespace {

struct PictureSize {
    int W, H;
};
void PrintTo(const PictureSize& s, std::ostream* os) {
    *os << s.W << "x" << s.H;
}

// An exercise's map as the exercise draws it at start on a picture of the size.
struct DrawnExercise : ExerciseOnPicture {
    DrawnExercise(COvning& e, PictureSize size)
        : ExerciseOnPicture(e, QSize(size.W, size.H), ProgramDirectory()) {}
};

const PictureSize Sizes[] = {{1280, 720}, {1920, 1048}};

}  // namespace

class ContentMap : public Content, public testing::WithParamInterface<PictureSize> {};

TEST_P(ContentMap, AreaColoursStayInsideTheirAreasAndReachEveryArea) {
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA")) continue;
        DrawnExercise d(*e, GetParam());
        const CAreor& areas = *d.Map().Areas;
        const TColor fill = d.Map().AreaColor;
        // Where the exercise colour may appear: the selected outlines' boxes and a pixel more.
        QImage allowed(GetParam().W, GetParam().H, QImage::Format_Mono);
        allowed.fill(0);
        for (int i = 0; i < areas.Count(); ++i) {
            const CArea& a = areas.Area(i);
            if (!a.Selected) continue;
            int x0 = INT_MAX, x1 = INT_MIN, y0 = INT_MAX, y1 = INT_MIN;
            for (const GeoPoint& p : a.Points) {
                const QPoint q = d.At(p.Lat, p.Lon);
                x0 = std::min(x0, q.x()), x1 = std::max(x1, q.x());
                y0 = std::min(y0, q.y()), y1 = std::max(y1, q.y());
            }
            for (int y = std::max(0, y0 - 1); y <= std::min(GetParam().H - 1, y1 + 1); ++y)
                for (int x = std::max(0, x0 - 1); x <= std::min(GetParam().W - 1, x1 + 1); ++x)
                    allowed.setPixel(x, y, 1);
        }
        int leaked = 0;
        for (int y = 0; y < GetParam().H; ++y)
            for (int x = 0; x < GetParam().W; ++x)
                if (!allowed.pixelIndex(x, y) && d.Pixel({x, y}) == fill) ++leaked;
        EXPECT_EQ(leaked, 0) << Id(*e) << " at " << GetParam().W << "x" << GetParam().H;

        for (const QString& key : Keys(*e)) {
            bool coloured = false;
            for (int i = 0; i < areas.Count() && !coloured; ++i) {
                const CArea& a = areas.Area(i);
                if (!a.Selected || !a.Matches(key)) continue;
                for (const GeoPoint& s : {a.Seed1, a.Seed2}) {
                    const QPoint p = d.At(s.Lat, s.Lon);
                    coloured = coloured || (d.Inside(p) && d.Pixel(p) == fill);
                }
            }
            EXPECT_TRUE(coloured) << Id(*e) << ": " << key.toStdString() << " is not coloured at "
                                  << GetParam().W << "x" << GetParam().H;
        }
    }
}

TEST_P(ContentMap, PlacesOfAnExerciseLieApartInsideThePicture) {
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("ORT")) continue;
        DrawnExercise d(*e, GetParam());
        QSet<QPair<int, int>> taken;
        for (const COrt* p = d.Map().Places->First; p; p = p->Next) {
            if (!p->Selected) continue;
            const QPoint at = d.At(float(p->Latitude), float(p->Longitude));
            EXPECT_TRUE(d.Inside(at))
                << Id(*e) << ": " << p->Names[2].toStdString() << " is off the map";
            EXPECT_FALSE(taken.contains({at.x(), at.y()}))
                << Id(*e) << ": " << p->Names[2].toStdString() << " shares its pixel at "
                << GetParam().W;
            taken.insert({at.x(), at.y()});
        }
    }
}

// An exercise whose view is fitted to its items must keep every one of them
// clickable on any screen shape, portrait ones included.
TEST_F(Content, FittedViewsKeepEveryItemOnTallAndWidePictures) {
    const QSize sizes[] = {{1076, 1800}, {720, 1280}, {1280, 720}, {1920, 1048}, {2560, 1080}};
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        const bool places = e->Kind == QLatin1String("ORT");
        if (!places && e->Kind != QLatin1String("AREA")) continue;
        if (e->TopLatitude != 0 || e->BottomLatitude != 0) continue;
        for (const QSize size : sizes) {
            TPicture picture(size);
            CKarta map;
            map.Image = &picture;
            // Borrows the suite's loaded files for this map.
            Areas(e->MapNo);
            Places(e->PlaceFileNo);
            map.Areas = std::move(areas_[e->MapNo]);
            map.Places = std::move(places_[e->PlaceFileNo]);
            map.Areas->ResetMarks();
            map.Places->ResetMarks();
            e->Map = &map;
            e->SelectItems();
            e->Map = nullptr;
            map.FitToSelection();
            const auto inside = [&](double lat, double lon) {
                return map.InsideImage(map.LonLatToX(float(lon), float(lat)),
                                       map.LatToY(float(lat)));
            };
            const std::string where =
                " at " + std::to_string(size.width()) + "x" + std::to_string(size.height());
            if (places) {
                for (const COrt* p = map.Places->First; p; p = p->Next)
                    EXPECT_TRUE(!p->Selected || inside(p->Latitude, p->Longitude))
                        << Id(*e) << ": " << p->Names[2].toStdString() << " is off the map"
                        << where;
            } else {
                for (int i = 0; i < map.Areas->Count(); ++i) {
                    const CArea& a = map.Areas->Area(i);
                    EXPECT_TRUE(!a.Selected || inside(a.Seed1.Lat, a.Seed1.Lon))
                        << Id(*e) << ": " << a.Code.toStdString() << " is off the map" << where;
                }
            }
            areas_[e->MapNo] = std::move(map.Areas);
            places_[e->PlaceFileNo] = std::move(map.Places);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ContentMap, testing::ValuesIn(Sizes),
                         [](const testing::TestParamInfo<PictureSize>& info) {
                             return std::to_string(info.param.W) + "x" +
                                    std::to_string(info.param.H);
                         });
