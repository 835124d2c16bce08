// SPDX-License-Identifier: MIT
// Scripted headless runs of each exercise kind on the delivered data: from
// Start, always answering right, to the empty question text.
#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>
#include <set>

#include "FakeScreens.h"
#include "data/MapLoader.h"
#include "data/ovningar.h"
#include "exercise/OvFlagga.h"
#include "exercise/OvLand.h"
#include "exercise/OvOrt.h"
#include "exercise/Ovmulti.h"

namespace {

class RealDataRun : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        if (!QFile::exists(ProgramFile("Ovning.crp")) || !QFile::exists(ProgramFile("lang.crp")))
            GTEST_SKIP() << "the delivered data is not beside the test program";
        catalogue.Load(ProgramFile("Ovning.crp"));
        LoadLanguageTable();
    }

    template <typename Kind>
    std::vector<Kind*> AllOfKind(const QString& kind) const {
        std::vector<Kind*> found;
        for (COvning* e = catalogue.First; e; e = e->Next)
            if (e->Kind == kind) found.push_back(dynamic_cast<Kind*>(e));
        return found;
    }

    // The map as the screens load it: the map screen's full map, or the places
    // and areas the other screens use.
    static std::unique_ptr<CKarta> LoadMap(const COvning& entry, bool mapScreen) {
        return mapScreen ? LoadFullMap(entry.MapNo, entry.PlaceFileNo, ProgramDirectory())
                         : LoadPlacesAndAreas(entry.MapNo, entry.PlaceFileNo, ProgramDirectory());
    }

    COvningar catalogue;
};

TEST_F(RealDataRun, AreaExercise) {
    const std::vector<COvningLandArea*> entries = AllOfKind<COvningLandArea>("AREA");
    ASSERT_FALSE(entries.empty());
    for (COvningLandArea* exercise : entries) {
        SCOPED_TRACE(exercise->Names[2].toStdString());
        ASSERT_NE(exercise, nullptr);
        auto map = LoadMap(*exercise, true);
        FakeMapScreen screen(QSize(1024, 700));
        exercise->Map = map.get();
        exercise->Start(screen);
        int questions = 0;
        for (QString q = screen.questions.last(); !q.isEmpty(); q = exercise->NextQuestion()) {
            ++questions;
            ASSERT_FALSE(q.endsWith(' ' + exercise->CurrentKey))
                << "no area for " << q.toStdString();
            bool answered = false;
            for (const auto& area : map->Areas->Areas) {
                if (!area->Selected || !area->Matches(exercise->CurrentKey)) continue;
                for (const GeoPoint& seed : {area->Seed1, area->Seed2}) {
                    TAnswer click;
                    click.Lat = seed.Lat;
                    click.Lon = seed.Lon;
                    if (!answered && exercise->IsRight(click)) answered = true;
                }
            }
            ASSERT_TRUE(answered) << "no seed of " << exercise->CurrentKey.toStdString()
                                  << " hits it";
            exercise->Right();
        }
        EXPECT_EQ(questions, exercise->ItemCount);
        EXPECT_EQ(exercise->Percent, 100);
    }
}

TEST_F(RealDataRun, PlaceExercise) {
    const std::vector<COvningOrt*> entries = AllOfKind<COvningOrt>("ORT");
    ASSERT_FALSE(entries.empty());
    for (COvningOrt* exercise : entries) {
        SCOPED_TRACE(exercise->Names[2].toStdString());
        ASSERT_NE(exercise, nullptr);
        auto map = LoadMap(*exercise, true);
        FakeMapScreen screen(QSize(1024, 700));
        exercise->Map = map.get();
        exercise->Start(screen);
        const int selected = map->Places->SelectedCount;
        EXPECT_GT(selected, 0);
        std::set<const COrt*> asked;
        QStringList unreachable;
        for (QString q = screen.questions.last(); !q.isEmpty(); q = exercise->NextQuestion()) {
            const COrt& place = *exercise->CurrentPlace;
            ASSERT_TRUE(asked.insert(&place).second);
            TAnswer click;
            click.Lat = float(place.Latitude);
            click.Lon = float(place.Longitude);
            // A place that shares its pixel with an earlier one cannot be clicked.
            if (!exercise->IsRight(click))
                unreachable << place.Names[2] + " under " + exercise->NearestPlace(click)->Names[2];
            exercise->Right();
        }
        EXPECT_EQ(int(asked.size()), selected);
        EXPECT_EQ(map->Places->RemainingCount, 0);
        EXPECT_TRUE(unreachable.isEmpty()) << unreachable.join(", ").toStdString();
    }
}

TEST_F(RealDataRun, FlagExercise) {
    const std::vector<COvningFlagga*> entries = AllOfKind<COvningFlagga>("FLAGG");
    ASSERT_FALSE(entries.empty());
    for (COvningFlagga* exercise : entries) {
        SCOPED_TRACE(exercise->Names[2].toStdString());
        ASSERT_NE(exercise, nullptr);
        auto map = LoadMap(*exercise, false);
        FakeMapScreen screen;
        exercise->Map = map.get();
        exercise->Start(screen);
        int questions = 0;
        for (QString q = screen.questions.last(); !q.isEmpty(); q = exercise->NextQuestion()) {
            ++questions;
            const QString key = exercise->Items[exercise->CurrentPos];
            EXPECT_NE(exercise->FlagName(exercise->CurrentPos), key)
                << "no area for " << key.toStdString();
            TAnswer click;
            click.Index = exercise->CurrentPos;
            ASSERT_TRUE(exercise->IsRight(click));
            exercise->Right();
        }
        EXPECT_EQ(questions, exercise->FlagCount);
        EXPECT_EQ(exercise->Percent, 100);
    }
}

TEST_F(RealDataRun, MultipleChoiceExercise) {
    const std::vector<COvningMulti*> entries = AllOfKind<COvningMulti>("MULTI");
    ASSERT_FALSE(entries.empty());
    for (COvningMulti* exercise : entries) {
        SCOPED_TRACE(exercise->Names[2].toStdString());
        ASSERT_NE(exercise, nullptr);
        auto map = LoadMap(*exercise, false);
        FakeMultiScreen screen;
        screen.TickEvery(1, [&] { exercise->Blink(); });
        exercise->Map = map.get();
        exercise->Start(screen);
        const int selected = map->Places->SelectedCount;
        EXPECT_GT(selected, 0);
        int questions = 0;
        for (QString q = screen.questions.last(); !q.isEmpty(); q = exercise->NextQuestion()) {
            ++questions;
            const QStringList shown = screen.Shown();
            EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()).size(), 4) << q.toStdString();
            TAnswer click;
            click.Index = exercise->RightPos;
            ASSERT_TRUE(exercise->IsRight(click));
            exercise->Right();
        }
        EXPECT_EQ(questions, selected);
        EXPECT_EQ(exercise->Percent, 100);
    }
}

}  // namespace
