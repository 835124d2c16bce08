// SPDX-License-Identifier: MIT
// The place exercise on a real map: the nearest place takes the click,
// scoring, the name label under the place, the hint and the end of the run.
#include <gtest/gtest.h>

#include <set>

#include "FakeScreens.h"
#include "exercise/OvOrt.h"
#include "history/ResultsHistory.h"

namespace {

class PlaceTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        map = FourPlaces();
        ort.Map = map.get();
        ort.TopLatitude = 60;
        ort.BottomLatitude = 40;
        ort.CentreLongitude = 15;
        ort.MaxPlaceRank = 10;
        SetItems(ort, {"AA"});
    }

    // Four places of the exercise's area and one elsewhere.
    std::unique_ptr<CKarta> FourPlaces() {
        return MakeMap(
            {Named(BoxArea("AA", 41, 0, 59, 30), "Alpha")},
            {Place("West", "AA", 50, 3), Place("Middle", "AA", 50, 15), Place("East", "AA", 50, 27),
             Place("North", "AA", 57, 15), Place("Elsewhere", "ZZ", 45, 15)});
    }

    static TAnswer At(double lat, double lon) {
        TAnswer a;
        a.Lat = float(lat);
        a.Lon = float(lon);
        return a;
    }
    static TAnswer On(const COrt& place) { return At(place.Latitude, place.Longitude); }
    COrt* PlaceNamed(const QString& name) const {
        for (COrt* p = map->Places->First; p; p = p->Next)
            if (p->Names[1] == name) return p;
        return nullptr;
    }
    // A selected place other than the asked one that is not answered yet.
    COrt* OtherOpen() const {
        for (COrt* p = map->Places->First; p; p = p->Next)
            if (p->Selected && !p->Answered && p != ort.CurrentPlace) return p;
        return nullptr;
    }
    QString Answer(int wrongClicks) {
        for (int i = 0; i < wrongClicks; ++i) ort.Wrong(On(*OtherOpen()));
        EXPECT_TRUE(ort.IsRight(On(*ort.CurrentPlace)));
        ort.BlinkState = 0;
        ort.Right();
        return ort.NextQuestion();
    }
    int CountPixels(TColor colour, const COrt& place, int halfWidth, int halfHeight) const {
        const QImage& image = screen.picture.Bitmap();
        const int x0 = map->LonLatToX(float(place.Longitude), float(place.Latitude));
        const int y0 = map->LatToY(float(place.Latitude));
        int n = 0;
        for (int y = y0 - halfHeight; y <= y0 + halfHeight; ++y)
            for (int x = x0 - halfWidth; x <= x0 + halfWidth; ++x)
                if (image.valid(x, y) && FromQRgb(image.pixel(x, y)) == colour) ++n;
        return n;
    }

    std::unique_ptr<CKarta> map;
    COvningOrt ort;
    FakeMapScreen screen;
};

TEST_F(PlaceTest, EverySelectedPlaceIsAskedOnceAndTheRunEndsAtZeroRemaining) {
    ort.Start(screen);
    EXPECT_EQ(map->Places->SelectedCount, 4);
    std::set<const COrt*> asked;
    for (QString q = screen.questions.last(); !q.isEmpty(); q = Answer(0)) {
        EXPECT_EQ(q, "Click on " + ort.CurrentPlace->Names[2]);
        EXPECT_TRUE(asked.insert(ort.CurrentPlace).second);
    }
    EXPECT_EQ(asked.size(), 4u);
    EXPECT_FALSE(asked.count(PlaceNamed("Elsewhere")));
    EXPECT_EQ(map->Places->RemainingCount, 0);
    EXPECT_EQ(ort.Percent, 100);
    EXPECT_EQ(ort.Asked, 4);  // one count per right answer in this kind
}

TEST_F(PlaceTest, ThreeWrongThenRightScoresTwentyFiveAndMarksTheFourthAttempt) {
    ort.Start(screen);
    const COrt* place = ort.CurrentPlace;
    Answer(3);
    EXPECT_EQ(screen.percents, (QList<int>{0, 0, 0, 25}));
    EXPECT_EQ(place->Attempts, 4);
    EXPECT_TRUE(place->Answered);
    EXPECT_GT(CountPixels(HighlightColor, *place, 40, 8), 10);  // the name box
}

TEST_F(PlaceTest, TheNearestPlaceTakesTheClickAndTheEarlierWinsATie) {
    ort.Start(screen);
    EXPECT_EQ(ort.NearestPlace(At(51, 29.9)), PlaceNamed("East"));
    EXPECT_EQ(ort.NearestPlace(At(41, 14)), PlaceNamed("Middle"));  // "Elsewhere" is not selected
    ort.CurrentPlace = PlaceNamed("West");
    EXPECT_TRUE(ort.IsRight(At(41, 0)));  // far away, but West is still the nearest

    // West and East lie symmetric to the centre column: a click there is a tie.
    PlaceNamed("Middle")->Selected = false;
    PlaceNamed("North")->Selected = false;
    const TAnswer centre = At(50, 15);
    const GeoPoint p{centre.Lat, centre.Lon};
    ASSERT_EQ(map->PixelDistance(p, *PlaceNamed("West")),
              map->PixelDistance(p, *PlaceNamed("East")));
    EXPECT_EQ(ort.NearestPlace(centre), PlaceNamed("West"));
}

TEST_F(PlaceTest, AWrongClickNamesThePlaceItWasTakenForBelowThatPlace) {
    ort.Start(screen);
    COrt* other = OtherOpen();
    ort.Wrong(At(other->Latitude + 0.3, other->Longitude + 0.3));
    ASSERT_FALSE(screen.names.isEmpty());
    const NameCall& shown = screen.names.last();
    EXPECT_EQ(shown.Text, other->Names[2]);
    EXPECT_TRUE(shown.Visible);
    EXPECT_EQ(shown.X, map->LonLatToX(float(other->Longitude), float(other->Latitude)));
    EXPECT_EQ(shown.Y, map->LatToY(float(other->Latitude)) + 12);
    EXPECT_EQ(ort.Asked, 1);
}

TEST_F(PlaceTest, AClickNearAnAnsweredPlaceCountsAndShowsNothing) {
    ort.Start(screen);
    const COrt* first = ort.CurrentPlace;
    Answer(0);
    const int namesBefore = int(screen.names.size());
    sounds.effects.clear();
    ort.Wrong(On(*first));
    EXPECT_EQ(ort.Asked, 1);
    EXPECT_EQ(ort.Tries, 0);
    EXPECT_EQ(int(screen.names.size()), namesBefore);
    EXPECT_TRUE(sounds.effects.isEmpty());
}

TEST_F(PlaceTest, TheHintMarksThePlaceAtTheThirdWrongClickAndBlinksFromTheFourth) {
    ort.Start(screen);
    const COrt& asked = *ort.CurrentPlace;
    const TAnswer wrong = On(*OtherOpen());
    for (int i = 0; i < 3; ++i) ort.Wrong(wrong);
    EXPECT_EQ(ort.BlinkState, 1);
    ort.Blink();
    EXPECT_GT(CountPixels(Colors::Lime, asked, 3, 3), 0);
    ort.Blink();
    EXPECT_EQ(ort.BlinkState, 2);  // three tries: stays lit
    ort.Wrong(wrong);
    ort.Blink();
    EXPECT_EQ(CountPixels(Colors::Lime, asked, 3, 3), 0);
    EXPECT_GT(CountPixels(Colors::Black, asked, 3, 3), 0);
    EXPECT_EQ(ort.BlinkState, 1);
}

// The picture drawn again from the run's state alone is the picture the run
// drew (marks and name boxes in the order of the answers, graticule, the
// hint as it blinks), and at another size the one a run there would draw.
TEST_F(PlaceTest, RedrawingFromTheRunGivesThePictureTheRunDrew) {
    const auto wrongClick = [](COvningOrt& e) {
        for (COrt* p = e.Map->Places->First; p; p = p->Next)
            if (p->Selected && !p->Answered && p != e.CurrentPlace) return e.Wrong(On(*p));
    };
    // Answers at the first, second and fourth try, then four wrong clicks.
    for (const int blinks : {0, 1, 2}) {
        SCOPED_TRACE(blinks);
        ExpectRedrawMatchesTheRun<COvningOrt>(
            ort, [this] { return FourPlaces(); },
            [&](COvningOrt& e, FakeMapScreen& on) {
                e.Map->ShowGrid = true;
                SetFixedRandomSeed(20261207);
                e.Start(on);
                for (const int wrongClicks : {0, 1, 3}) {
                    for (int i = 0; i < wrongClicks; ++i) wrongClick(e);
                    e.Right();
                    e.NextQuestion();
                }
                for (int i = 0; i < 4; ++i) wrongClick(e);
                for (int i = 0; i < blinks; ++i) e.Blink();
            },
            [](const COvningOrt& e) { return e.CurrentPlace ? e.CurrentPlace->Code : QString(); });
    }
}

TEST_F(PlaceTest, LandIsSilverUnlessTheCatalogueGivesAColour) {
    ort.Start(screen);
    EXPECT_EQ(map->LandColor, Colors::Silver);
    EXPECT_EQ(map->AreaColor, Colors::Silver);
    EXPECT_EQ(FromQRgb(screen.picture.Bitmap().pixel(200, 280)), Colors::Silver);
    ort.LandColor = Colors::Maroon;
    ort.Start(screen);
    EXPECT_EQ(map->LandColor, Colors::Maroon);
    EXPECT_EQ(map->AreaColor, Colors::Silver);
}

TEST_F(PlaceTest, NoSelectedPlaceEndsTheRunAtOnce) {
    SetItems(ort, {"QQ"});
    ort.Start(screen);
    EXPECT_EQ(screen.questions.last(), "");
}

}  // namespace

TEST_F(PlaceTest, TheResultsHistoryRecordsEachPlaceAndThePlacesClickedInstead) {
    TResultsHistory history(Path("history.sqlite"));
    SetResultsHistory(&history);
    ort.Number = 6;
    ort.Start(screen);
    QStringList asked, wrongFirst;
    QString question = screen.questions.last();
    while (!question.isEmpty()) {
        asked << ort.CurrentPlace->Code;
        const COrt* other = OtherOpen();
        wrongFirst << (asked.size() == 1 && other ? other->Code : QString());
        question = Answer(asked.size() == 1 && other ? 1 : 0);
    }
    ShowTopTen(ort, ort.Percent, &screen);
    SetResultsHistory(nullptr);

    const auto runs = history.Runs(6);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_TRUE(runs[0].finished);
    const auto recorded = history.Questions(runs[0].id);
    ASSERT_EQ(int(recorded.size()), asked.size());
    ASSERT_GE(asked.size(), 2);
    for (int n = 0; n < asked.size(); ++n) {
        EXPECT_FALSE(asked[n].isEmpty());
        EXPECT_EQ(recorded[std::size_t(n)].item, asked[n]);
        const QStringList expected =
            wrongFirst[n].isEmpty() ? QStringList() : QStringList{wrongFirst[n]};
        EXPECT_EQ(recorded[std::size_t(n)].clickedInstead, expected);
        EXPECT_EQ(recorded[std::size_t(n)].attempts, int(expected.size()) + 1);
    }
}
