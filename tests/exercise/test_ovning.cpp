// SPDX-License-Identifier: MIT
// The exercise core: percentage, counting and sounds, start-up of the map,
// item selection, the top-ten hand-off and the random source.
#include <gtest/gtest.h>

#include <set>

#include "FakeScreens.h"
#include "data/ovningar.h"
#include "exercise/OvFlagga.h"

namespace {

TEST(ScorePercent, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(ScorePercent(8, 7), 12);     // 12.5
    EXPECT_EQ(ScorePercent(8, 1), 88);     // 87.5
    EXPECT_EQ(ScorePercent(200, 1), 100);  // 99.5
    EXPECT_EQ(ScorePercent(200, 3), 98);   // 98.5
    EXPECT_EQ(ScorePercent(3, 1), 67);
    EXPECT_EQ(ScorePercent(3, 2), 33);
    EXPECT_EQ(ScorePercent(1, 1), 0);
    EXPECT_EQ(ScorePercent(0, 0), 0);
}

class CoreTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        map = MakeMap({BoxArea("AA", 40, 0, 50, 10), BoxArea("BB", 40, 20, 50, 30),
                       BoxArea("CC", 40, 40, 50, 50)},
                      {Place("Alpha", "AA", 45, 5), Place("Beta", "BB", 45, 25),
                       Place("Gamma", "CC", 45, 45)});
        SetItems(flags, {"AA", "BB", "CC"});
        flags.Map = map.get();
    }
    std::unique_ptr<CKarta> map;
    COvningFlagga flags;
    FakeMapScreen screen;
};

// A copy of an entry is the same exercise to draw or run, but none of the
// original's run comes with it.
TEST_F(CoreTest, CopyingCatalogueFieldsTakesEveryFieldAndNoRun) {
    const std::unique_ptr<COvning> from = CreateExercise("ORT");
    from->Kind = "ORT";
    from->Names[3] = "Villes";
    from->Number = 41;
    from->MaxPlaceRank = 3;
    from->BorderWidth = 2;
    from->RequirePlaceFlag1 = true;
    from->RequirePlaceFlag2 = true;
    from->ReservedFlag = true;
    from->MapNo = 4;
    from->PlaceFileNo = 2;
    from->Continent = "AFR";
    from->LandColor = 1;
    from->AreaColor = 2;
    from->SeaColor = 3;
    from->TopLatitude = 40;
    from->BottomLatitude = -35;
    from->CentreLongitude = 20;
    SetItems(*from, {"ZA", "EG"});
    from->Asked = 9;
    from->Percent = 77;

    const std::unique_ptr<COvning> to = CreateExercise("ORT");
    to->CopyCatalogueFields(*from);
    EXPECT_EQ(to->Kind, "ORT");
    EXPECT_EQ(to->Names[3], "Villes");
    EXPECT_EQ(to->Number, 41);
    EXPECT_EQ(to->MaxPlaceRank, 3);
    EXPECT_EQ(to->BorderWidth, 2);
    EXPECT_TRUE(to->RequirePlaceFlag1 && to->RequirePlaceFlag2 && to->ReservedFlag);
    EXPECT_EQ(to->MapNo, 4);
    EXPECT_EQ(to->PlaceFileNo, 2);
    EXPECT_EQ(to->Continent, "AFR");
    EXPECT_EQ(to->LandColor, 1u);
    EXPECT_EQ(to->AreaColor, 2u);
    EXPECT_EQ(to->SeaColor, 3u);
    EXPECT_EQ(to->TopLatitude, 40);
    EXPECT_EQ(to->BottomLatitude, -35);
    EXPECT_EQ(to->CentreLongitude, 20);
    ASSERT_EQ(to->ItemCount, 2);
    EXPECT_EQ(to->Items[2], "EG");
    EXPECT_EQ(to->Asked, 0);
    EXPECT_EQ(to->Percent, 0);
    EXPECT_EQ(to->Next, nullptr);
}

TEST_F(CoreTest, CountsEachClickPlaysItsSoundAndReportsThePercentage) {
    flags.Start(screen);
    TAnswer wrong;
    wrong.Index = flags.CurrentPos % 3 + 1;
    flags.Wrong(wrong);
    EXPECT_EQ(flags.Asked, 1);
    EXPECT_EQ(flags.WrongCount, 1);
    EXPECT_EQ(flags.Tries, 1);
    EXPECT_EQ(flags.Percent, 0);
    flags.Right();
    EXPECT_EQ(flags.Asked, 2);
    EXPECT_EQ(flags.Percent, 50);
    EXPECT_EQ(screen.percents, (QList<int>{0, 50}));
    EXPECT_EQ(sounds.effects, (QStringList{"Rassel11.WAV:2", "Plopp4.WAV:1"}));
}

TEST_F(CoreTest, AfterTheRunNothingIsCountedOrPlayed) {
    flags.Start(screen);
    flags.Right();
    flags.Finished = true;
    flags.Wrong(TAnswer{});
    flags.Right();  // the right sound still plays, nothing is counted
    EXPECT_EQ(flags.Asked, 1);
    EXPECT_EQ(flags.WrongCount, 0);
    EXPECT_EQ(screen.percents, QList<int>{100});
    EXPECT_EQ(sounds.effects, (QStringList{"Plopp4.WAV:1", "Plopp4.WAV:1"}));
}

TEST_F(CoreTest, RestartResetsCountersButKeepsThePercentage) {
    flags.Start(screen);
    flags.Wrong(TAnswer{});
    flags.Right();
    flags.Finished = true;
    flags.Start(screen);
    EXPECT_FALSE(flags.Finished);
    EXPECT_EQ(flags.Asked, 0);
    EXPECT_EQ(flags.WrongCount, 0);
    EXPECT_EQ(flags.Tries, 0);
    EXPECT_EQ(flags.QuestionNo, 1);  // the first question of the new run
    EXPECT_EQ(flags.Percent, 50);
}

TEST_F(CoreTest, CopiesTheViewAndOnlyNonzeroColoursIntoTheMap) {
    flags.TopLatitude = 61.5;
    flags.BottomLatitude = 35.25;
    flags.CentreLongitude = -12.5;
    flags.SeaColor = MakeColor(1, 2, 3);
    flags.Start(screen);
    EXPECT_FLOAT_EQ(map->TopLatitude, 61.5f);
    EXPECT_FLOAT_EQ(map->BottomLatitude, 35.25f);
    EXPECT_FLOAT_EQ(map->CentreLongitude, -12.5f);
    EXPECT_EQ(map->SeaColor, MakeColor(1, 2, 3));
    EXPECT_EQ(map->LandColor, Colors::Gray);
    EXPECT_EQ(map->AreaColor, Colors::Green);
}

TEST_F(CoreTest, SelectsTheItemsAreasAndPlacesAfresh) {
    map->Areas->Area(2).Selected = true;  // left over from another run
    map->Areas->Area(0).Answered = true;
    SetItems(flags, {"AA", "BB"});
    flags.MaxPlaceRank = 5;
    flags.Start(screen);
    EXPECT_TRUE(map->Areas->Area(0).Selected);
    EXPECT_FALSE(map->Areas->Area(0).Answered);
    EXPECT_TRUE(map->Areas->Area(1).Selected);
    EXPECT_FALSE(map->Areas->Area(2).Selected);
    EXPECT_EQ(map->Places->SelectedCount, 2);
    EXPECT_EQ(map->Places->RemainingCount, 2);
}

TEST_F(CoreTest, TopTenGetsTheEntryNameInTheCurrentLanguageAndTheScoreFile) {
    std::vector<std::pair<TTopTenRequest, TOvningsformular*>> calls;
    SetTopTenForm(
        [&](const TTopTenRequest& r, TOvningsformular* owner) { calls.emplace_back(r, owner); });
    flags.Number = 17;
    flags.Names[2] = "Flags of Europe";
    ShowTopTen(flags, -1, &screen);
    CurrentLanguage = 1;
    flags.Names[1] = "Europas flaggor";
    ShowTopTen(flags, 80, &screen);
    SetTopTenForm(nullptr);
    ShowTopTen(flags, 80, &screen);  // no form installed: nothing to show

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].first.ExerciseNumber, 17);
    EXPECT_EQ(calls[0].first.ExerciseName, "Flags of Europe");
    EXPECT_EQ(calls[0].first.Percent, -1);
    EXPECT_EQ(calls[0].first.FileName, ProgramFile("scores.hgh"));
    EXPECT_EQ(calls[0].second, &screen);
    EXPECT_EQ(calls[1].first.ExerciseName, "Europas flaggor");
    EXPECT_EQ(calls[1].first.Percent, 80);
}

TEST(RandomSource, DrawsInTheHalfOpenUnitIntervalAndRepeatsFromAFixedSeed) {
    SetFixedRandomSeed(7);
    std::vector<double> first;
    for (int i = 0; i < 1000; ++i) first.push_back(Random());
    for (double r : first) {
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
    SetFixedRandomSeed(7);
    for (double r : first) EXPECT_EQ(Random(), r);
    ClearFixedRandomSeed();
}

TEST(RandomSource, EveryReseedGivesANewSequenceEvenWithinOneClockTick) {
    std::set<double> firstDraws;
    for (int i = 0; i < 50; ++i) {
        Randomize();
        firstDraws.insert(Random());
    }
    EXPECT_EQ(firstDraws.size(), 50u);
    SetFixedRandomSeed(7);
    const double a = Random();
    Randomize();
    EXPECT_NE(Random(), a);
    ClearFixedRandomSeed();
}

TEST(RandomSource, RandomBelowCoversEveryValueEvenly) {
    SetFixedRandomSeed(11);
    std::array<int, 7> counts{};
    for (int i = 0; i < 7000; ++i) {
        const int k = RandomBelow(7);
        ASSERT_GE(k, 0);
        ASSERT_LT(k, 7);
        ++counts[std::size_t(k)];
    }
    for (int c : counts) EXPECT_NEAR(c, 1000, 150);
    EXPECT_EQ(RandomBelow(0), 0);
    ClearFixedRandomSeed();
}

}  // namespace
