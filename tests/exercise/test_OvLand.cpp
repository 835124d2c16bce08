// SPDX-License-Identifier: MIT
// The area exercise on a real map: hits (enclaves first), the double count
// of a right answer, colours by attempts, the hint, and clicks that count nothing.
#include <gtest/gtest.h>

#include <QSet>
#include <QTimer>

#include "FakeScreens.h"
#include "app/Palette.h"
#include "exercise/OvLand.h"
#include "history/ResultsHistory.h"

namespace {

constexpr TColor PaleYellow = MakeColor(255, 255, 128);

class AreaTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        map = FiveAreas();
        area.Map = map.get();
        area.TopLatitude = 60;
        area.BottomLatitude = 40;
        area.CentreLongitude = 17;
        area.BorderWidth = 1;
        SetItems(area, {"AA", "BB", "CC", "EE", "DD"});
    }

    // Five exercise areas, one with an enclave, and one outside the exercise.
    std::unique_ptr<CKarta> FiveAreas() {
        AreaRecord b = Named(BoxArea("BB", 40.5, 10, 59.5, 20), "Bravo");
        b.Seed1Lat = b.Seed2Lat = 44;  // away from the enclave
        return MakeMap({Named(BoxArea("AA", 40.5, 0, 59.5, 8), "Alpha"), b,
                        Named(BoxArea("CC", 40.5, 22, 59.5, 30), "Charlie"),
                        Named(BoxArea("EE", 48, 13, 52, 17), "Enclave"),
                        Named(BoxArea("DD", 42, 31, 58, 34), "Delta"),
                        Named(BoxArea("OUT", 42, 35, 58, 37), "Outside")});
    }

    // A point inside each area (clear of the enclave inside Bravo).
    static TAnswer At(const QString& key) {
        static const QMap<QString, QPair<float, float>> points{
            {"AA", {50, 4}},  {"BB", {44, 15}},    {"CC", {50, 26}},
            {"EE", {50, 15}}, {"DD", {50, 32.5f}}, {"OUT", {50, 36}}};
        TAnswer a;
        a.Lat = points[key].first;
        a.Lon = points[key].second;
        return a;
    }
    TColor ColourAt(const QString& key) const {
        const TAnswer a = At(key);
        const QImage& image = screen.picture.Bitmap();
        return FromQRgb(image.pixel(map->LonLatToX(a.Lon, a.Lat), map->LatToY(a.Lat)));
    }
    // An item other than the asked one that is not answered yet.
    QString OtherOpenKey() const {
        for (int i = 1; i <= area.ItemCount; ++i)
            if (area.Items[i] != area.CurrentKey && !area.Done[i]) return area.Items[i];
        return {};
    }
    // Wrong clicks, then the right one, as the map screen drives them.
    QString Answer(int wrongClicks) {
        for (int i = 0; i < wrongClicks; ++i) {
            const TAnswer wrong = At(OtherOpenKey());
            EXPECT_FALSE(area.IsRight(wrong));
            area.Wrong(wrong);
        }
        const TAnswer right = At(area.CurrentKey);
        EXPECT_TRUE(area.IsRight(right)) << area.CurrentKey.toStdString();
        area.BlinkState = 0;
        area.Right();
        return area.NextQuestion();
    }

    std::unique_ptr<CKarta> map;
    COvningLandArea area;
    FakeMapScreen screen;
};

TEST_F(AreaTest, StartDrawsTheMapAndAsksInTheCurrentLanguage) {
    area.Start(screen);
    ASSERT_EQ(screen.questions.size(), 1);
    EXPECT_EQ(screen.questions[0], "Click on " + map->Areas->FindByCode(area.CurrentKey)->Names[2]);
    EXPECT_EQ(map->Image, &screen.picture);
    for (const char* key : {"AA", "BB", "CC", "EE", "DD"}) EXPECT_EQ(ColourAt(key), Colors::Green);
    EXPECT_EQ(ColourAt("OUT"), Colors::Gray);
}

TEST_F(AreaTest, ARightAnswerCountsTwiceAfterThePercentageIsShown) {
    area.Start(screen);
    Answer(2);
    Answer(0);
    EXPECT_EQ(screen.percents, (QList<int>{0, 0, 33, 60}));
    EXPECT_EQ(area.Asked, 6);
    EXPECT_EQ(sounds.effects,
              (QStringList{"Rassel11.WAV:2", "Rassel11.WAV:2", "Plopp4.WAV:1", "Plopp4.WAV:1"}));
}

TEST_F(AreaTest, AnsweredAreasAreColouredByAttempts) {
    area.Start(screen);
    QStringList order;
    QString question = screen.questions.last();
    for (int wrong = 0; !question.isEmpty(); ++wrong) {
        order << area.CurrentKey;
        question = Answer(wrong < 4 ? wrong : 0);
    }
    ASSERT_EQ(order.size(), 5);
    EXPECT_EQ(ColourAt(order[0]), Colors::White);
    EXPECT_EQ(ColourAt(order[1]), PaleYellow);
    EXPECT_EQ(ColourAt(order[2]), Colors::Yellow);
    EXPECT_EQ(ColourAt(order[3]), Colors::Red);
    EXPECT_EQ(ColourAt(order[4]), Colors::White);
    EXPECT_EQ(map->Areas->FindByCode(order[3])->Attempts, 4);
}

TEST_F(AreaTest, TheHintLightsAtTheThirdWrongClickAndBlinksFromTheFourth) {
    area.Start(screen);
    const QString asked = area.CurrentKey;
    const TAnswer wrong = At(OtherOpenKey());
    area.Wrong(wrong);
    area.Wrong(wrong);
    area.Blink();
    EXPECT_EQ(area.BlinkState, 0);
    EXPECT_EQ(ColourAt(asked), Colors::Green);

    area.Wrong(wrong);
    EXPECT_EQ(area.BlinkState, 1);
    area.Blink();
    EXPECT_EQ(ColourAt(asked), Colors::Lime);
    area.Blink();  // three tries: it stays lit
    EXPECT_EQ(ColourAt(asked), Colors::Lime);
    EXPECT_EQ(area.BlinkState, 2);

    area.Wrong(wrong);
    area.Blink();
    EXPECT_EQ(ColourAt(asked), Colors::Green);
    area.Blink();
    EXPECT_EQ(ColourAt(asked), Colors::Lime);
}

// With the colour-blind palette the same run paints the safe colours: by
// tries for the answers, and the hint's two phases.
TEST_F(AreaTest, TheColourBlindPaletteColoursTriesAndTheHint) {
    UseColourBlindPalette(true);
    const TPalette safe = TPalette::ColourBlindSafe();
    area.Start(screen);
    const QString hinted = area.CurrentKey;
    const TAnswer wrong = At(OtherOpenKey());
    for (int i = 0; i < 4; ++i) area.Wrong(wrong);
    area.BlinkState = 1;
    area.Blink();
    EXPECT_EQ(ColourAt(hinted), safe.AreaHint[0]);
    area.Blink();
    EXPECT_EQ(ColourAt(hinted), safe.AreaHint[1]);
    area.Right();
    QStringList order{hinted};
    QString question = area.NextQuestion();
    for (int wrongs : {0, 1, 2}) {
        order << area.CurrentKey;
        question = Answer(wrongs);
    }
    ASSERT_EQ(order.size(), 4);
    EXPECT_EQ(ColourAt(order[0]), safe.AreaColourForTries(5));
    EXPECT_EQ(ColourAt(order[1]), safe.AreaColourForTries(1));
    EXPECT_EQ(ColourAt(order[2]), safe.AreaColourForTries(2));
    EXPECT_EQ(ColourAt(order[3]), safe.AreaColourForTries(3));
    // Four different colours, none of them the usual ones for two tries or more.
    EXPECT_EQ(QSet<TColor>(
                  {ColourAt(order[0]), ColourAt(order[1]), ColourAt(order[2]), ColourAt(order[3])})
                  .size(),
              4);
    EXPECT_NE(ColourAt(order[2]), PaleYellow);
    EXPECT_NE(ColourAt(order[0]), Colors::Red);
}

// The picture drawn again from the run's state alone is the picture the run
// drew (answers by attempt, graticule, the hint as it blinks), and at
// another size the picture a run at that size would have drawn.
TEST_F(AreaTest, RedrawingFromTheRunGivesThePictureTheRunDrew) {
    // A colour of its own, so the hint's blink back to green shows.
    area.AreaColor = MakeColor(200, 170, 40);
    const auto wrongClick = [](COvningLandArea& e) {
        for (int k = 1; k <= e.ItemCount; ++k)
            if (e.Items[k] != e.CurrentKey && !e.Done[k]) return e.Wrong(At(e.Items[k]));
    };
    // Answers at the first, third and fourth try, then four wrong clicks.
    for (const int blinks : {0, 1, 2}) {
        SCOPED_TRACE(blinks);
        ExpectRedrawMatchesTheRun<COvningLandArea>(
            area, [this] { return FiveAreas(); },
            [&](COvningLandArea& e, FakeMapScreen& on) {
                e.Map->ShowGrid = true;
                SetFixedRandomSeed(20261207);
                e.Start(on);
                for (const int wrongClicks : {0, 2, 3}) {
                    for (int i = 0; i < wrongClicks; ++i) wrongClick(e);
                    e.BlinkState = 0;
                    e.Right();
                    e.NextQuestion();
                }
                for (int i = 0; i < 4; ++i) wrongClick(e);
                for (int i = 0; i < blinks; ++i) e.Blink();
            },
            [](const COvningLandArea& e) { return e.CurrentKey; });
    }
}

TEST_F(AreaTest, TheEnclaveWinsOverTheAreaAroundIt) {
    area.Start(screen);
    area.CurrentKey = "EE";
    EXPECT_TRUE(area.IsRight(At("EE")));
    area.CurrentKey = "BB";
    EXPECT_FALSE(area.IsRight(At("EE")));
    EXPECT_TRUE(area.IsRight(At("BB")));
}

TEST_F(AreaTest, ClicksOutsideTheExerciseCountNothingAndShowNothing) {
    area.Start(screen);
    TAnswer sea;
    sea.Lat = 59.8f;
    sea.Lon = 15;
    area.Wrong(sea);
    area.Wrong(At("OUT"));
    EXPECT_EQ(area.Asked, 0);
    EXPECT_TRUE(screen.names.isEmpty());
    EXPECT_TRUE(sounds.effects.isEmpty());
}

TEST_F(AreaTest, AnAnsweredAreaIsNamedButNotCounted) {
    area.Start(screen);
    const QString first = area.CurrentKey;
    Answer(0);
    const int asked = area.Asked;
    sounds.effects.clear();
    area.Wrong(At(first));
    EXPECT_EQ(area.Asked, asked);
    EXPECT_TRUE(sounds.effects.isEmpty());
    ASSERT_FALSE(screen.names.isEmpty());
    const NameCall& shown = screen.names.last();
    EXPECT_EQ(shown.Text, map->Areas->FindByCode(first)->Names[2]);
    EXPECT_TRUE(shown.Visible);
    EXPECT_EQ(shown.X, map->LonLatToX(At(first).Lon, At(first).Lat));
    EXPECT_EQ(shown.Y, map->LatToY(At(first).Lat));
}

TEST_F(AreaTest, AfterTheRunClicksOnlyName) {
    SetItems(area, {"CC"});
    area.Start(screen);
    EXPECT_EQ(Answer(0), "");
    EXPECT_EQ(area.Percent, 100);
    EXPECT_EQ(ColourAt("CC"), Colors::White);
    area.Finished = true;
    area.Wrong(At("CC"));
    EXPECT_EQ(area.Asked, 2);
    EXPECT_EQ(screen.names.last().Text, "Charlie");
}

TEST_F(AreaTest, ZeroViewEdgesFitTheViewToTheSelection) {
    area.TopLatitude = 0;
    area.BottomLatitude = 0;
    SetItems(area, {"AA"});
    area.Start(screen);
    EXPECT_GT(map->TopLatitude, 59.5f);
    EXPECT_LT(map->BottomLatitude, 40.5f);
    EXPECT_FLOAT_EQ(map->CentreLongitude, 4);
}

TEST_F(AreaTest, AKeyWithoutAnAreaIsAskedByTheKey) {
    SetItems(area, {"XX"});
    area.Start(screen);
    EXPECT_EQ(screen.questions.last(), "Click on XX");
    area.Wrong(At("AA"));  // not part of this exercise
    EXPECT_EQ(area.Asked, 0);
}

TEST_F(AreaTest, AScreenClosedWhileTheMapIsDrawnStopsTheStartSafely) {
    auto owned = std::make_unique<FakeMapScreen>();
    // Released together with its map at the first point where messages run.
    QTimer::singleShot(0, [&] {
        owned.reset();
        map.reset();
    });
    area.Start(*owned);
    EXPECT_EQ(owned, nullptr);
    EXPECT_EQ(area.Form, nullptr);
    EXPECT_EQ(area.Map, nullptr);
    // A late tick or question finds no map to draw on (the sanitizer build
    // catches any touch of the freed one).
    area.Blink();
    area.NextQuestion();
}

TEST_F(AreaTest, StartRefusesAScreenWithoutAMap) {
    FakeMultiScreen other;
    EXPECT_THROW(area.Start(other), std::invalid_argument);
    area.Map = nullptr;
    EXPECT_THROW(area.Start(screen), std::invalid_argument);
}

}  // namespace

// The results history gets each question as it was answered (the wrong
// clicks by the items they hit; the sea counts for nothing), the result when
// the run ends, and a run that starts again ends the one before, unfinished.
TEST_F(AreaTest, TheResultsHistoryRecordsTheRunAsItHappened) {
    TResultsHistory history(Path("history.sqlite"));
    SetResultsHistory(&history);
    area.Number = 14;
    area.Start(screen);
    QStringList order;
    QList<QStringList> wrong;
    QString question = screen.questions.last();
    for (int n = 0; !question.isEmpty(); ++n) {
        order << area.CurrentKey;
        TAnswer sea;
        sea.Lat = 50, sea.Lon = 9;  // between Alpha and Bravo
        area.Wrong(sea);
        QStringList hit;
        for (int i = 0; i < n % 3 && !OtherOpenKey().isEmpty(); ++i) {
            hit << OtherOpenKey();
            area.Wrong(At(hit.last()));
        }
        wrong << hit;
        area.BlinkState = 0;
        ASSERT_TRUE(area.IsRight(At(area.CurrentKey)));
        area.Right();
        question = area.NextQuestion();
    }
    const int result = area.Percent;
    // A top-ten form where the player signs as Kim.
    const TTopTenForm before = CurrentTopTenForm();
    SetTopTenForm([](const TTopTenRequest& request, TOvningsformular*) {
        if (request.Signed) request.Signed("Kim");
    });
    ShowTopTen(area, result, &screen);  // as the screen does at the end
    SetTopTenForm(before);
    area.Start(screen);
    area.Wrong(At(OtherOpenKey()));
    area.Abandon();  // the window closes
    SetResultsHistory(nullptr);

    const auto runs = history.Runs(14);
    ASSERT_EQ(runs.size(), 2u);
    const THistoryRun& done = runs[1];
    EXPECT_TRUE(done.finished);
    EXPECT_EQ(done.percent, result);
    EXPECT_EQ(done.signature, "Kim");
    EXPECT_TRUE(runs[0].signature.isEmpty());
    EXPECT_LT(result, 100);
    EXPECT_FALSE(runs[0].finished);
    EXPECT_EQ(runs[0].percent, -1);
    EXPECT_TRUE(history.Questions(runs[0].id).empty());  // nothing answered right
    const auto asked = history.Questions(done.id);
    ASSERT_EQ(int(asked.size()), order.size());
    EXPECT_GT(std::count_if(wrong.begin(), wrong.end(),
                            [](const QStringList& w) { return w.size() == 2; }),
              0);
    for (int n = 0; n < order.size(); ++n) {
        EXPECT_EQ(asked[std::size_t(n)].item, order[n]);
        EXPECT_EQ(asked[std::size_t(n)].attempts, wrong[n].size() + 1);
        EXPECT_EQ(asked[std::size_t(n)].clickedInstead, wrong[n]);
    }
}
