// SPDX-License-Identifier: MIT
// The multiple-choice exercise: question forms, answer draws, scoring, the
// one-second display of the right answer and a screen closed during it.
#include <gtest/gtest.h>

#include <QTimer>
#include <set>

#include "FakeScreens.h"
#include "data/UKarta.h"
#include "exercise/Ovmulti.h"
#include "history/ResultsHistory.h"

namespace {

class MultiTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        QList<AreaRecord> areas;
        QList<PlaceRecord> places;
        for (int a = 1; a <= 6; ++a) {
            const QString key = QString("A%1").arg(a);
            areas << Named(BoxArea(key, 0, a, 1, a + 0.5), "Area " + QString::number(a));
            for (int p = 1; p <= 3; ++p)
                places << Place(QString("Town %1-%2").arg(a).arg(p), key, a, p);
        }
        map = MakeMap(areas, places);
        multi.Map = map.get();
        multi.MaxPlaceRank = 10;
        SetItems(multi, {"A1", "A2", "A3", "A4", "A5", "A6"});
        screen = std::make_unique<FakeMultiScreen>();
        screen->TickEvery(2, [this] { multi.Blink(); });
    }

    // The question's right answer as the exercise holds it.
    QString RightText() const { return multi.Answers[multi.RightPos]; }
    QString AreaOf(const COrt& place) const {
        return map->Areas->FindByCode(place.MemberCodes[1])->Names[2];
    }

    std::unique_ptr<CKarta> map;
    COvningMulti multi;
    std::unique_ptr<FakeMultiScreen> screen;
};

TEST_F(MultiTest, AWholeRunAsksEveryPlaceOnceWithFourDifferentAnswers) {
    multi.Start(*screen);
    const int selected = map->Places->SelectedCount;
    ASSERT_EQ(selected, 18);
    std::set<const COrt*> asked;
    int questions = 0;
    for (QString question = screen->questions.last(); !question.isEmpty(); ++questions) {
        ASSERT_TRUE(asked.insert(multi.CurrentPlace).second);
        const QStringList shown = screen->Shown();
        EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()).size(), 4)
            << shown.join('|').toStdString();
        for (const QString& s : shown) EXPECT_FALSE(s.isEmpty());
        const COrt& place = *multi.CurrentPlace;
        if (question == place.Names[2] + " lies in")
            EXPECT_EQ(RightText(), AreaOf(place));
        else {
            EXPECT_EQ(question, "Which of these lies in " + AreaOf(place) + " ?");
            EXPECT_EQ(RightText(), place.Names[2]);
        }
        TAnswer click;
        click.Index = multi.RightPos;
        ASSERT_TRUE(multi.IsRight(click));
        multi.Right();
        EXPECT_TRUE(place.Answered);
        EXPECT_EQ(place.Attempts, 1);
        question = multi.NextQuestion();
    }
    EXPECT_EQ(questions, selected);
    EXPECT_EQ(map->Places->RemainingCount, 0);
    EXPECT_EQ(multi.Percent, 100);
    EXPECT_EQ(multi.QuestionNo, 0);
}

TEST_F(MultiTest, WrongAnswersAreNeverAlsoRight) {
    // Three towns in every area: asked for one area's town, the other
    // towns of that area must not stand among the wrong answers.
    int placeForms = 0;
    for (int run = 0; run < 30; ++run) {
        multi.Start(*screen);
        for (QString q = screen->questions.last(); !q.isEmpty(); q = multi.NextQuestion()) {
            const COrt& place = *multi.CurrentPlace;
            const QString area = place.MemberCodes[1].mid(1);  // "A3" -> "3"
            for (int i = 1; i <= 4; ++i) {
                if (i == multi.RightPos) continue;
                const QString wrong = multi.Answers[i];
                if (q.endsWith(" lies in")) {
                    EXPECT_NE(wrong, AreaOf(place));
                } else {
                    ++placeForms;
                    EXPECT_FALSE(wrong.startsWith("Town " + area + "-")) << wrong.toStdString();
                }
            }
            multi.Right();
        }
    }
    EXPECT_GT(placeForms, 0);
}

TEST_F(MultiTest, BothFormsAndAllFourPositionsComeUpAboutEquallyOften) {
    std::array<int, 5> positions{};
    int areaForm = 0, total = 0;
    for (int run = 0; run < 25; ++run) {
        multi.Start(*screen);
        for (QString q = screen->questions.last(); !q.isEmpty(); q = multi.NextQuestion()) {
            ++total;
            ++positions[std::size_t(multi.RightPos)];
            if (q.endsWith(" lies in")) ++areaForm;
            multi.CurrentPlace->Answered = true;  // skip the one-second display
            --map->Places->RemainingCount;
        }
    }
    ASSERT_EQ(total, 25 * 18);
    EXPECT_NEAR(areaForm, total / 2, total / 10);
    for (int p = 1; p <= 4; ++p) EXPECT_NEAR(positions[std::size_t(p)], total / 4, total / 10) << p;
}

TEST_F(MultiTest, WrongThenRightScoresFiftyAndMarksTheClickedBox) {
    multi.Start(*screen);
    TAnswer wrong;
    wrong.Index = multi.RightPos % 4 + 1;
    ASSERT_FALSE(multi.IsRight(wrong));
    multi.Wrong(wrong);
    EXPECT_EQ(screen->draws.last().Box, wrong.Index);
    EXPECT_EQ(screen->draws.last().Colour, Colors::Red);
    EXPECT_EQ(screen->draws.last().Text, multi.Answers[wrong.Index]);
    const COrt* place = multi.CurrentPlace;
    multi.Right();
    EXPECT_EQ(screen->percents, (QList<int>{0, 50}));
    EXPECT_EQ(place->Attempts, 2);
    EXPECT_EQ(map->Places->RemainingCount, 17);
    multi.NextQuestion();
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(screen->draws[screen->draws.size() - 5 + i].Colour, Colors::White);
}

TEST_F(MultiTest, APlaceInTwoItemAreasIsAskedWithTheLaterOne) {
    map = MakeMap(
        {Named(BoxArea("A1", 0, 1, 1, 2), "First"), Named(BoxArea("A2", 0, 3, 1, 4), "Second"),
         Named(BoxArea("A3", 0, 5, 1, 6), "Third"), Named(BoxArea("A4", 0, 7, 1, 8), "Fourth")},
        {[] {
            PlaceRecord p = Place("Twin", "A1", 0.5, 1.5);
            p.Member2 = "A3";
            return p;
        }()});
    multi.Map = map.get();
    SetItems(multi, {"A3", "A1", "A2", "A4"});  // A1 comes later in Items than A3
    bool areaFormSeen = false, placeFormSeen = false;
    for (int run = 0; run < 20 && !(areaFormSeen && placeFormSeen); ++run) {
        multi.Start(*screen);
        const QString q = screen->questions.last();
        if (q.endsWith(" lies in")) {
            areaFormSeen = true;
            EXPECT_EQ(RightText(), "First");
        } else {
            placeFormSeen = true;
            EXPECT_EQ(q, "Which of these lies in First ?");
        }
    }
    EXPECT_TRUE(areaFormSeen && placeFormSeen);
}

TEST_F(MultiTest, TooFewDifferentTextsLeaveBoxesEmptyInsteadOfLoopingForEver) {
    // Two areas with the same name and one other: only two different area
    // names, and only two places to name.
    map =
        MakeMap({Named(BoxArea("A1", 0, 1, 1, 2), "Same"), Named(BoxArea("A2", 0, 3, 1, 4), "Same"),
                 Named(BoxArea("A3", 0, 5, 1, 6), "Other")},
                {Place("North", "A1", 0.5, 1.5), Place("South", "A3", 0.5, 5.5)});
    multi.Map = map.get();
    SetItems(multi, {"A1", "A2", "A3"});
    for (int run = 0; run < 10; ++run) {
        multi.Start(*screen);
        const QStringList shown = screen->Shown();
        QStringList filled = shown;
        filled.removeAll(QString());
        EXPECT_EQ(filled.size(), 2) << shown.join('|').toStdString();
        EXPECT_EQ(QSet<QString>(filled.begin(), filled.end()).size(), 2);
        EXPECT_EQ(shown[multi.RightPos - 1], RightText());
        EXPECT_FALSE(RightText().isEmpty());
    }
}

TEST_F(MultiTest, NoSelectedPlaceEndsTheRunAtOnceWithoutDrawing) {
    SetItems(multi, {"ZZ"});
    multi.Start(*screen);
    EXPECT_EQ(screen->questions, QStringList{""});
    EXPECT_TRUE(screen->draws.isEmpty());
}

TEST_F(MultiTest, ClosingTheScreenDuringTheGreenSecondEndsTheWaitSafely) {
    multi.Start(*screen);
    screen->timer.stop();
    // Instead of the next tick, the screen is released together with its map.
    screen->afterDraw = [this](const AnswerDraw& d) {
        if (d.Colour != Colors::Green) return;
        QTimer::singleShot(5, [this] {
            screen.reset();
            map.reset();
        });
    };
    multi.Right();
    EXPECT_EQ(screen, nullptr);
    EXPECT_EQ(multi.Form, nullptr);
    EXPECT_EQ(multi.Map, nullptr);
    EXPECT_EQ(multi.Asked, 1);            // counted before the wait
    EXPECT_EQ(multi.NextQuestion(), "");  // nothing left to ask on a gone map
}

TEST_F(MultiTest, TheRightAnswerStaysGreenUntilATickEndsTheWait) {
    multi.Start(*screen);
    const COrt* place = multi.CurrentPlace;
    int ticksWhileUnanswered = 0;
    screen->timer.disconnect();
    screen->TickEvery(20, [&] {
        if (!place->Answered) ++ticksWhileUnanswered;
        multi.Blink();
    });
    multi.Right();
    EXPECT_GE(ticksWhileUnanswered, 1);
    EXPECT_TRUE(place->Answered);
    EXPECT_EQ(screen->draws.last().Colour, Colors::Green);
    EXPECT_EQ(screen->draws.last().Box, multi.RightPos);
}

}  // namespace

TEST_F(MultiTest, TheResultsHistoryRecordsThePlaceAskedAndTheAnswerClickedInstead) {
    TResultsHistory history(Path("history.sqlite"));
    SetResultsHistory(&history);
    multi.Number = 12;
    multi.Start(*screen);
    TAnswer wrong;
    wrong.Index = multi.RightPos % 4 + 1;
    const QString clicked = multi.Answers[wrong.Index];
    const QString asked = multi.CurrentPlace->Code;
    multi.Wrong(wrong);
    multi.Right();
    multi.NextQuestion();
    const QString second = multi.CurrentPlace->Code;
    multi.Right();
    multi.Abandon();  // the window closes
    SetResultsHistory(nullptr);

    const auto runs = history.Runs(12);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_FALSE(runs[0].finished);
    const auto recorded = history.Questions(runs[0].id);
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_EQ(recorded[0].item, asked);
    EXPECT_EQ(recorded[0].attempts, 2);
    EXPECT_EQ(recorded[0].clickedInstead, QStringList{clicked});
    EXPECT_EQ(recorded[1].item, second);
    EXPECT_TRUE(recorded[1].RightAtFirstTry());
}
