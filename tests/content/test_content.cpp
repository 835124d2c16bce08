// SPDX-License-Identifier: MIT
// Checks the delivered catalogue, places and interface texts with the program's own loaders and
// map drawing: every exercise key must lead somewhere a player can answer it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPair>
#include <QRect>
#include <QSet>
#include <QString>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

#include "app/Generell.h"
#include "data/Areor.h"
#include "data/MapLoader.h"
#include "data/MapZoom.h"
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

    // An exercise's map on a picture of the given size, its items selected
    // and its first view set as the exercise sets it, without drawing; it
    // borrows the suite's loaded files and gives them back when it goes.
    class ExerciseView {
      public:
        ExerciseView(COvning& e, QSize size) : e_(e), picture_(size) {
            map.Image = &picture_;
            Areas(e.MapNo);
            Places(e.PlaceFileNo);
            map.Areas = std::move(areas_[e.MapNo]);
            map.Places = std::move(places_[e.PlaceFileNo]);
            map.Areas->ResetMarks();
            map.Places->ResetMarks();
            loaded_ = map.Areas->Count();
            e.Map = &map;
            e.SelectItems();
            e.Map = nullptr;
            map.CentreLongitude = float(e.CentreLongitude);
            map.BottomLatitude = float(e.BottomLatitude);
            map.TopLatitude = float(e.TopLatitude);
            map.UpdateDivisor();
            if (map.TopLatitude == 0 && map.BottomLatitude == 0) map.FitToSelection();
            map.WidenToShowSelection();
        }
        ~ExerciseView() {
            // A map that lost its insets to this exercise is loaded afresh.
            if (map.Areas->Count() == loaded_) areas_[e_.MapNo] = std::move(map.Areas);
            places_[e_.PlaceFileNo] = std::move(map.Places);
        }
        ExerciseView(const ExerciseView&) = delete;
        ExerciseView& operator=(const ExerciseView&) = delete;

        CKarta map;

      private:
        COvning& e_;
        TPicture picture_;
        int loaded_ = 0;
    };

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

// The README's border policy: the 193 members of the United Nations, its two
// observer states, Kosovo and Taiwan, and Western Sahara as an area of its own.
TEST_F(Content, TheContinentsCountriesTogetherAskEveryStateOfTheBorderPolicy) {
    const QStringList members = QStringLiteral(
                                    "AF AL DZ AD AO AG AR AM AU AT AZ BS BH BD BB BY BE BZ BJ BT "
                                    "BO BA BW BR BN BG BF BI CV "
                                    "KH CM CA CF TD CL CN CO KM CG CD CR CI HR CU CY CZ DK DJ DM "
                                    "DO EC EG SV GQ ER EE SZ ET "
                                    "FJ FI FR GA GM GE DE GH GR GD GT GN GW GY HT HN HU IS IN ID "
                                    "IR IQ IE IL IT JM JP JO KZ "
                                    "KE KI KP KR KW KG LA LV LB LS LR LY LI LT LU MG MW MY MV ML "
                                    "MT MH MR MU MX FM MD MC MN "
                                    "ME MA MZ MM NA NR NP NL NZ NI NE NG MK NO OM PK PW PA PG PY "
                                    "PE PH PL PT QA RO RU RW KN "
                                    "LC VC WS SM ST SA SN RS SC SL SG SK SI SB SO ZA SS ES LK SD "
                                    "SR SE CH SY TJ TZ TH TL TG "
                                    "TO TT TN TR TM TV UG UA AE GB US UY UZ VU VE VN YE ZM ZW")
                                    .split(' ');
    ASSERT_EQ(members.size(), 193);
    QStringList policy = members;
    policy << QStringLiteral("VA") << QStringLiteral("PS") << QStringLiteral("XK")
           << QStringLiteral("TW") << QStringLiteral("EH");
    // "Countries of Europe", "... of North America", South America, Asia, Africa, Oceania.
    const int continents[] = {1, 32, 46, 55, 70, 79};
    std::map<QString, QStringList> askedIn;
    for (const int no : continents) {
        const COvning* e = catalogue_->First;
        while (e && e->Number != no) e = e->Next;
        ASSERT_NE(e, nullptr) << "exercise " << no;
        ASSERT_TRUE(e->Names[2].startsWith(QLatin1String("Countries of"))) << Id(*e);
        for (const QString& key : Keys(*e)) askedIn[key] << e->Names[2];
    }
    for (const QString& state : policy)
        EXPECT_TRUE(askedIn.count(state)) << state.toStdString() << " is asked in no continent";
    for (const auto& [key, where] : askedIn) {
        EXPECT_TRUE(policy.contains(key)) << key.toStdString() << " is no state of the policy";
        EXPECT_EQ(where.size(), 1) << key.toStdString() << " is asked in "
                                   << where.join(QStringLiteral(", ")).toStdString();
    }
}

// Alaska and Hawaii drawn beside the lower 48 lie in open sea: no point of an
// inset in another area's outline, and none of another area's in an inset.
TEST_F(Content, InsetsLieClearOfEveryOtherArea) {
    int insets = 0;
    for (int mapNo = 1; mapNo <= 5; ++mapNo) {
        const CAreor& areas = Areas(mapNo);
        for (int i = 0; i < areas.Count(); ++i) {
            const CArea& inset = areas.Area(i);
            if (!inset.IsInset()) continue;
            ++insets;
            for (int k = 0; k < areas.Count(); ++k) {
                const CArea& other = areas.Area(k);
                if (k == i || (other.IsInset() && other.Code == inset.Code)) continue;
                const auto anyInside = [](const CArea& a, const CArea& b) {
                    return std::any_of(a.Points.begin(), a.Points.end(), [&](const GeoPoint& p) {
                        return PointInPolygon(p, b.Points.data(), b.PointCount());
                    });
                };
                EXPECT_FALSE(anyInside(inset, other) || anyInside(other, inset))
                    << "map " << mapNo << ": an inset of " << inset.Code.toStdString() << " meets "
                    << other.Code.toStdString();
            }
        }
    }
    EXPECT_GE(insets, 2);  // Alaska and Hawaii at least
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
    DrawnExercise(COvning& e, PictureSize size, qreal ratio = 1)
        : ExerciseOnPicture(e, QSize(size.W, size.H), ProgramDirectory(), false, ratio) {}
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
        // And the markers of the areas too small to click.
        const TAreaMarkers& markers = d.Map().Markers();
        const int r = markers.RadiusPixels() + 1;
        for (const TAreaMarker& m : markers.Markers())
            for (int y = std::max(0, m.centre.y() - r);
                 y <= std::min(GetParam().H - 1, m.centre.y() + r); ++y)
                for (int x = std::max(0, m.centre.x() - r);
                     x <= std::min(GetParam().W - 1, m.centre.x() + r); ++x)
                    allowed.setPixel(x, y, 1);
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
                // At a seed, or wherever its pixels are: a large area's seeds may lie off
                // the picture that shows a part of it.
                std::vector<QPoint> points = d.Map().InteriorPixels(a, 2);
                for (const GeoPoint& s : {a.Seed1, a.Seed2}) points.push_back(d.At(s.Lat, s.Lon));
                for (const QPoint& p : points)
                    coloured = coloured || (d.Inside(p) && d.Pixel(p) == fill);
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
            ExerciseView view(*e, size);
            CKarta& map = view.map;
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
        }
    }
}

// On a portrait, 4:3, 16:9 or 21:9 window every item of every map exercise
// answers a click on it: at once in the exercise's first view, or after
// zooming in on it (and panning to it) no further than the zoom allows.
TEST_F(Content, EveryItemIsClickableAtOnceOrAfterZoomingToIt) {
    const QSize sizes[] = {{1080, 1888}, {1024, 736}, {1920, 1048}, {2560, 1048}};
    int needZoom = 0, looks = 0;
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        const bool places = e->Kind == QLatin1String("ORT");
        if (!places && e->Kind != QLatin1String("AREA")) continue;
        for (const QSize size : sizes) {
            ExerciseView view(*e, size);
            CKarta& map = view.map;
            const float top = map.TopLatitude, bottom = map.BottomLatitude,
                        centre = map.CentreLongitude;
            const auto pixel = [&](const GeoPoint& g) {
                return QPoint(map.LonLatToX(g.Lon, g.Lat), map.LatToY(g.Lat));
            };
            // A click at the item's own pixel, judged as the exercise judges it.
            const auto answers = [&](const GeoPoint& g, const auto& isIt) {
                const QPoint p = pixel(g);
                if (!map.InsideImage(p.x(), p.y())) return false;
                return isIt(GeoPoint{map.YToLat(p.y()), map.PixelToLon(p.y(), p.x())});
            };
            const auto clickable = [&](const GeoPoint& g, const auto& isIt) {
                ++looks;
                map.TopLatitude = top, map.BottomLatitude = bottom, map.CentreLongitude = centre;
                map.UpdateDivisor();
                if (answers(g, isIt)) return true;
                ++needZoom;
                const QPoint middle(size.width() / 2, size.height() / 2);
                for (double span = double(top) - bottom; span >= TMapZoom::MinSpan;
                     span /= TMapZoom::StepFactor) {
                    map.ShowAt(g, middle, span);
                    if (answers(g, isIt)) return true;
                }
                return false;
            };
            const std::string where =
                " at " + std::to_string(size.width()) + "x" + std::to_string(size.height());
            if (places) {
                for (const COrt* p = map.Places->First; p; p = p->Next) {
                    if (!p->Selected) continue;
                    const auto nearest = [&](const GeoPoint& click) {
                        const COrt* best = nullptr;
                        qint32 distance = INT_MAX;
                        for (const COrt* q = map.Places->First; q; q = q->Next)
                            if (q->Selected && map.PixelDistance(click, *q) < distance) {
                                distance = map.PixelDistance(click, *q);
                                best = q;
                            }
                        return best == p;
                    };
                    EXPECT_TRUE(clickable({float(p->Latitude), float(p->Longitude)}, nearest))
                        << Id(*e) << ": " << p->Names[2].toStdString() << where;
                }
            } else {
                // An item may have many outlines (islands, the ring around an
                // enclave); a click on any one of them will do.
                QSet<QString> codes;
                for (int i = 0; i < map.Areas->Count(); ++i)
                    if (map.Areas->Area(i).Selected) codes.insert(map.Areas->Area(i).Code);
                for (const QString& code : codes) {
                    const auto under = [&](const GeoPoint& click) {
                        const CArea* hit = map.Areas->AreaAt(click);
                        return hit && hit->Matches(code);
                    };
                    bool found = false;
                    for (int i = 0; i < map.Areas->Count() && !found; ++i) {
                        const CArea& a = map.Areas->Area(i);
                        found = a.Selected && a.Code == code &&
                                (clickable(a.Seed1, under) || clickable(a.Seed2, under));
                    }
                    EXPECT_TRUE(found) << Id(*e) << ": " << code.toStdString() << where;
                }
            }
        }
    }
    EXPECT_GT(looks, 1000);
    std::printf("%d of %d looks at an outline or a place needed a zoom\n", needZoom, looks);
}

// On screens from 4:3 to 21:9, in portrait and at twice the pixels, every
// item of every area exercise has a picture point whose click answers it (its
// outline, a part of it, or its marker), and answering it shows: pixels of
// the item or of its marker take the answer's colour.
TEST_F(Content, EveryAreaItemAnswersAClickAndShowsItsAnswerOnEveryScreen) {
    struct Screen {
        QSize size;
        qreal ratio;
    };
    const Screen screens[] = {{{1020, 705}, 1},  {{1362, 705}, 1},  {{1916, 1017}, 1},
                              {{2556, 1017}, 1}, {{1076, 1857}, 1}, {{3832, 2034}, 2}};
    const TColor answered = 0x00FE01FE;  // a colour no map uses
    int items = 0, byMarker = 0;
    for (COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA")) continue;
        for (const Screen& screen : screens) {
            DrawnExercise d(*e, {screen.size.width(), screen.size.height()}, screen.ratio);
            CKarta& map = d.Map();
            const std::string where = Id(*e) + " at " + std::to_string(screen.size.width()) + "x" +
                                      std::to_string(screen.size.height());
            const auto answers = [&](QPoint p, const QString& key) {
                if (!d.Inside(p)) return false;
                const CArea* hit = map.Areas->AreaAt(map.ClickPoint(p.x(), p.y()));
                return hit && hit->Matches(key);
            };
            for (const QString& key : Keys(*e)) {
                ++items;
                // Where a player would click: the marker, then the seeds, then
                // points inside each piece on the picture.
                std::vector<QPoint> tries;
                const TAreaMarker* marker = map.Markers().Of(key);
                if (marker) tries.push_back(marker->centre);
                QRect box;
                for (int i = 0; i < map.Areas->Count(); ++i) {
                    const CArea& a = map.Areas->Area(i);
                    if (!a.Selected || !a.Matches(key)) continue;
                    for (const GeoPoint& s : {a.Seed1, a.Seed2})
                        tries.push_back(d.At(s.Lat, s.Lon));
                    for (const QPoint& p : map.InteriorPixels(a, 2)) tries.push_back(p);
                    for (const GeoPoint& p : a.Points)
                        box |= QRect(d.At(p.Lat, p.Lon), QSize(1, 1));
                }
                const bool clickable = std::any_of(tries.begin(), tries.end(),
                                                   [&](QPoint p) { return answers(p, key); });
                EXPECT_TRUE(clickable) << where << ": no click answers " << key.toStdString();
                if (marker) {
                    ++byMarker;
                    const int r = map.Markers().RadiusPixels();
                    box |= QRect(marker->centre - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1));
                }
                map.ColourAreasByCode(key, answered);
                box &= QRect(QPoint(0, 0), screen.size);
                int shown = 0;
                for (int y = box.top(); y <= box.bottom() && !shown; ++y)
                    for (int x = box.left(); x <= box.right() && !shown; ++x)
                        shown += d.Pixel(x, y) == answered;
                EXPECT_GT(shown, 0)
                    << where << ": answering " << key.toStdString() << " changes no pixel";
            }
        }
    }
    EXPECT_GT(items, 1000);
    EXPECT_GT(byMarker, 50);  // the microstates and island states
    std::printf("%d items looked at, %d of them by their marker\n", items, byMarker);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ContentMap, testing::ValuesIn(Sizes),
                         [](const testing::TestParamInfo<PictureSize>& info) {
                             return std::to_string(info.param.W) + "x" +
                                    std::to_string(info.param.H);
                         });

// ---------------------------------------------------------------------------------------------
// What a geography teacher checks: places where they belong, region capitals, no duplicate spots,
// runs a class can finish, no question that answers itself, question texts that read well.

namespace {

// A coastal town may lie this far outside the simplified outline of its country or region.
constexpr double CoastToleranceKm = 15;

// Regions whose seat lies outside their outline: Akershus (governed from Oslo), Haryana and
// Punjab (from Chandigarh), Dadra and Nagar Haveli and Daman and Diu (the file draws no Daman).
const QSet<QString> SeatOutside = {QStringLiteral("NO-32"), QStringLiteral("IN-HR"),
                                   QStringLiteral("IN-PB"), QStringLiteral("IN-DH")};

// Pairs of places within 2 km that are two places all the same (English names).
const QSet<QString> DistinctNeighbours = {QStringLiteral("New Delhi|Delhi")};

// The most questions one run may ask.
constexpr int MaxQuestionsPerRun = 90;

double Km(double lat1, double lon1, double lat2, double lon2) {
    const double r = 3.14159265358979 / 180;
    const double h =
        std::pow(std::sin((lat2 - lat1) * r / 2), 2) +
        std::cos(lat1 * r) * std::cos(lat2 * r) * std::pow(std::sin((lon2 - lon1) * r / 2), 2);
    return 12742 * std::asin(std::sqrt(h));
}

double KmToOutline(double lat, double lon, const std::vector<GeoPoint>& ring) {
    const double c = std::cos(lat * 3.14159265358979 / 180);
    double best = 1e9;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const double ax = (ring[j].Lon - lon) * c, ay = ring[j].Lat - lat;
        const double bx = (ring[i].Lon - lon) * c, by = ring[i].Lat - lat;
        const double dx = bx - ax, dy = by - ay, len = dx * dx + dy * dy;
        const double t = len > 0 ? std::clamp(-(ax * dx + ay * dy) / len, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(ax + t * dx, ay + t * dy));
    }
    return best * 111.2;
}

// Inside one of the areas of the code (a country's regions count for it), or near its outline.
bool Within(const std::vector<const CArea*>& areas, double lat, double lon) {
    const GeoPoint p{float(lat), float(lon)};
    for (const CArea* a : areas)
        if (PointInPolygon(p, a->Points.data(), a->PointCount())) return true;
    for (const CArea* a : areas)
        if (KmToOutline(lat, lon, a->Points) <= CoastToleranceKm) return true;
    return false;
}

// The question forms that read well with any country or region name, per language ("%1": the
// name). Forms that put a bare name after a preposition ("lies in United States") do not.
const QString GoodAreaForms[LanguageCount + 1] = {
    {},
    QStringLiteral("Vilken stad ligger i %1 – vet du?"),  // Swedish names take no article
    QStringLiteral("Country or region: %1 – which city lies there?"),
    QStringLiteral("Pays ou région : %1 — quelle ville s'y trouve ?"),
    QStringLiteral("Land oder Region: %1 – welche Stadt liegt dort?"),
    QStringLiteral("País o región: %1 – ¿qué ciudad está allí?"),
    QStringLiteral("Paese o regione: %1 – quale città si trova lì?"),
};

}  // namespace

class ContentPlaces : public Content, public testing::WithParamInterface<int> {};

TEST_P(ContentPlaces, EveryPlaceLiesInItsCountryAndRegion) {
    std::map<QString, std::vector<const CArea*>> outlines;  // by country and by region code
    for (int mapNo = 1; mapNo <= 5; ++mapNo) {
        CAreor& areas = Areas(mapNo);
        for (int i = 0; i < areas.Count(); ++i) {
            const CArea& a = areas.Area(i);
            if (a.PointCount() == 0) continue;
            outlines[a.Code.section(QLatin1Char('-'), 0, 0)].push_back(&a);
            if (a.Code.contains(QLatin1Char('-'))) outlines[a.Code].push_back(&a);
        }
    }
    for (const COrt* p = Places(GetParam()).First; p; p = p->Next) {
        const std::string name = p->Names[2].toStdString() + " (" + p->Code.toStdString() + ")";
        EXPECT_TRUE(Within(outlines[p->MemberCodes[1]], p->Latitude, p->Longitude))
            << name << " lies outside " << p->MemberCodes[1].toStdString();
        if (!p->MemberCodes[2].isEmpty()) {
            EXPECT_TRUE(Within(outlines[p->MemberCodes[2]], p->Latitude, p->Longitude))
                << name << " lies outside " << p->MemberCodes[2].toStdString();
        }
    }
}

TEST_P(ContentPlaces, NoTwoPlacesWithinTwoKilometres) {
    std::vector<const COrt*> list;
    for (const COrt* p = Places(GetParam()).First; p; p = p->Next) list.push_back(p);
    for (std::size_t i = 0; i < list.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const COrt& a = *list[j];
            const COrt& b = *list[i];
            if (std::abs(a.Latitude - b.Latitude) > 0.05) continue;
            if (Km(a.Latitude, a.Longitude, b.Latitude, b.Longitude) >= 2) continue;
            const QString pair = a.Names[2] + QLatin1Char('|') + b.Names[2];
            const QString back = b.Names[2] + QLatin1Char('|') + a.Names[2];
            EXPECT_TRUE(DistinctNeighbours.contains(pair) || DistinctNeighbours.contains(back))
                << a.Names[2].toStdString() << " and " << b.Names[2].toStdString()
                << " stand on one spot";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PlaceFiles, ContentPlaces, testing::Values(1, 2),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Ort" + std::to_string(info.param);
                         });

TEST_F(Content, EveryRegionOfARegionExerciseHasACapital) {
    for (const COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind == QLatin1String("FLAGG") || e->PlaceFileNo != 1) continue;
        for (const QString& key : Keys(*e)) {
            if (!key.contains(QLatin1Char('-')) || SeatOutside.contains(key)) continue;
            bool found = false;
            for (const COrt* p = Places(1).First; p && !found; p = p->Next)
                found = p->Flag2 && p->MemberCodes[2] == key;
            EXPECT_TRUE(found) << Id(*e) << ": " << key.toStdString() << " has no capital";
        }
    }
}

TEST_F(Content, EveryRunAsksABoundedNumberOfQuestions) {
    for (const COvning* e = catalogue_->First; e; e = e->Next) {
        int questions = e->ItemCount;
        if (e->Kind == QLatin1String("ORT") || e->Kind == QLatin1String("MULTI"))
            questions = SelectPlaces(*e, Keys(*e)).SelectedCount;
        EXPECT_LE(questions, MaxQuestionsPerRun) << Id(*e);
    }
}

namespace {

// A name's words, without case, accents or apostrophes.
QStringList Words(const QString& name) {
    QString plain;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (!c.isMark() && c != QLatin1Char('\'') && c != QChar(0x2019)) plain += c.toLower();
    QStringList words;
    QString word;
    for (const QChar c : plain + QLatin1Char(' ')) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    return words;
}

bool HoldsWords(const QString& text, const QString& name) {
    const QStringList t = Words(text), n = Words(name);
    for (int i = 0; !n.isEmpty() && i + n.size() <= t.size(); ++i)
        if (t.mid(i, n.size()) == n) return true;
    return false;
}

QString WithoutQualifier(const QString& name) {
    const int open = name.indexOf(QLatin1String(" ("));
    return open < 0 ? name : name.left(open);
}

}  // namespace

TEST(QuestionWords, ANameHeldInAnotherIsFoundAsWholeWords) {
    EXPECT_TRUE(HoldsWords(QStringLiteral("La Paz (Bolivia)"), QStringLiteral("Bolivia")));
    EXPECT_TRUE(HoldsWords(QStringLiteral("Kongo-Kinshasa"), QStringLiteral("Kinshasa")));
    EXPECT_TRUE(HoldsWords(QStringLiteral("Région de Murcie"), QStringLiteral("MURCIE")));
    EXPECT_TRUE(HoldsWords(QStringLiteral("São Tomé och Príncipe"), QStringLiteral("Sao Tome")));
    EXPECT_FALSE(
        HoldsWords(QStringLiteral("Valencianische Gemeinschaft"), QStringLiteral("Valencia")));
    EXPECT_FALSE(HoldsWords(QStringLiteral("Nigeria"), QStringLiteral("Niger")));
    EXPECT_FALSE(HoldsWords(QStringLiteral("Guinea"), QStringLiteral("Guinea-Bissau")));
}

// Either form of a question: the place asked with areas as answers, or the area asked with
// places as answers. Neither text may hold the other's name in any language.
TEST_F(Content, NoMultipleChoiceQuestionAnswersItself) {
    int asked = 0;
    for (const COvning* e = catalogue_->First; e; e = e->Next) {
        if (e->Kind != QLatin1String("MULTI")) continue;
        const QStringList keys = Keys(*e);
        COrter& places = SelectPlaces(*e, keys);
        for (const COrt* p = places.First; p; p = p->Next) {
            if (!p->Selected) continue;
            QString key;  // the last matching item, as the exercise takes it
            for (const QString& k : keys)
                for (int m = 1; m <= 3; ++m)
                    if (k == p->MemberCodes[m]) key = k;
            const CArea* area = Areas(e->MapNo).FindByCode(key);
            ASSERT_NE(area, nullptr) << Id(*e) << " " << key.toStdString();
            ++asked;
            for (int language = 1; language <= LanguageCount; ++language) {
                const QString& place = p->Names[language];
                const QString& answer = area->Names[language];
                EXPECT_FALSE(HoldsWords(place, answer) ||
                             HoldsWords(answer, WithoutQualifier(place)))
                    << Id(*e) << ": " << place.toStdString() << " lies in " << answer.toStdString()
                    << " (language " << language << ")";
            }
        }
    }
    EXPECT_GT(asked, 300);
}

// The largest countries are ranked by their real area: the states around the fiftieth place,
// after the published list of areas, fall on the right side of it.
TEST_F(Content, TheLargestCountriesAreTheLargestByArea) {
    const COvning* largest = nullptr;
    for (const COvning* e = catalogue_->First; e; e = e->Next)
        if (e->Number == 86) largest = e;
    ASSERT_NE(largest, nullptr);
    const QStringList keys = Keys(*largest);
    EXPECT_EQ(keys.size(), 50);
    // 44th to 50th: Ukraine, Madagascar, Botswana, Kenya, France, Yemen, Thailand.
    for (const char* in : {"UA", "MG", "BW", "KE", "FR", "YE", "TH"})
        EXPECT_TRUE(keys.contains(QLatin1String(in))) << in;
    // 51st to 56th: Spain, Turkmenistan, Cameroon, Papua New Guinea, Sweden, Uzbekistan.
    for (const char* out : {"ES", "TM", "CM", "PG", "SE", "UZ"})
        EXPECT_FALSE(keys.contains(QLatin1String(out))) << out;
}

TEST_F(Content, QuestionFormsReadWellWithEveryCountryName) {
    LoadLanguageTable(ProgramFile(QStringLiteral("lang.crp")));
    // Every area a multiple-choice exercise can name, and every country of the world map.
    QSet<QPair<int, QString>> names;
    for (const COvning* e = catalogue_->First; e; e = e->Next)
        if (e->Kind == QLatin1String("MULTI"))
            for (const QString& key : Keys(*e)) names.insert({e->MapNo, key});
    for (int i = 0; i < Areas(1).Count(); ++i) names.insert({1, Areas(1).Area(i).Code});
    for (int language = 1; language <= LanguageCount; ++language) {
        for (const auto& [mapNo, key] : names) {
            const CArea* area = Areas(mapNo).FindByCode(key);
            ASSERT_NE(area, nullptr) << key.toStdString();
            // As COvningMulti builds it.
            const QString question = LanguageTable[language][13] + QLatin1Char(' ') +
                                     area->Names[language] + QLatin1Char(' ') +
                                     LanguageTable[language][14];
            EXPECT_EQ(question, GoodAreaForms[language].arg(area->Names[language]))
                << "language " << language;
        }
    }
}
