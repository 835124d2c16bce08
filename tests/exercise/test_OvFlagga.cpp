// SPDX-License-Identifier: MIT
// The flag exercise: selection and order of the flags, checks, score of a
// whole run, and names for keys the area file lacks.
#include <gtest/gtest.h>

#include <set>

#include "FakeScreens.h"
#include "exercise/OvFlagga.h"
#include "history/ResultsHistory.h"

namespace {

class FlagTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        QList<AreaRecord> areas;
        for (int i = 1; i <= 20; ++i)
            areas << Named(BoxArea(Key(i), 0, i, 1, i + 0.5), QString("Land %1").arg(i));
        map = MakeMap(areas);
        flags.Map = map.get();
    }
    static QString Key(int i) { return QString("K%1").arg(i, 2, 10, QChar('0')); }
    void UseKeys(int n) {
        QStringList keys;
        for (int i = 1; i <= n; ++i) keys << Key(i);
        SetItems(flags, keys);
    }
    QStringList ItemList() const {
        QStringList items;
        for (int i = 1; i <= flags.ItemCount; ++i) items << flags.Items[i];
        return items;
    }
    // The position whose flag the question names.
    int PositionAsked(const QString& question) const {
        for (int p = 1; p <= flags.FlagCount; ++p)
            if (question == "Click on " + flags.FlagName(p)) return p;
        return 0;
    }
    // Answers the current question right; gives the next question.
    QString AnswerRight() {
        TAnswer click;
        click.Index = flags.CurrentPos;
        EXPECT_TRUE(flags.IsRight(click));
        flags.Right();
        return flags.NextQuestion();
    }

    std::unique_ptr<CKarta> map;
    COvningFlagga flags;
    FakeMapScreen screen;
};

TEST_F(FlagTest, SixteenFlagsAreEachAskedOnceAndFourWrongClicksGiveEighty) {
    UseKeys(16);
    flags.Start(screen);
    ASSERT_EQ(flags.FlagCount, 16);
    std::set<int> asked;
    QString question = screen.questions.last();
    int wrongClicks = 0;
    while (!question.isEmpty()) {
        const int p = PositionAsked(question);
        ASSERT_EQ(p, flags.CurrentPos) << question.toStdString();
        EXPECT_TRUE(asked.insert(p).second) << "asked twice: " << p;
        if (wrongClicks < 4 && p % 4 == 0) {
            TAnswer wrong;
            wrong.Index = p == 1 ? 2 : 1;
            EXPECT_FALSE(flags.IsRight(wrong));
            flags.Wrong(wrong);
            ++wrongClicks;
        }
        question = AnswerRight();
    }
    EXPECT_EQ(asked.size(), 16u);
    EXPECT_EQ(wrongClicks, 4);
    EXPECT_EQ(flags.Asked, 20);
    EXPECT_EQ(flags.WrongCount, 4);
    EXPECT_EQ(flags.Percent, 80);
    EXPECT_EQ(screen.percents.last(), 80);
    EXPECT_EQ(flags.NextQuestion(), "");  // stays over
}

TEST_F(FlagTest, AWrongPositionLeavesDoneAloneAndCountsAgainEachTime) {
    UseKeys(5);
    flags.Start(screen);
    TAnswer wrong;
    wrong.Index = flags.CurrentPos % 5 + 1;
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(flags.IsRight(wrong));
        flags.Wrong(wrong);
    }
    EXPECT_FALSE(flags.Done[wrong.Index]);
    EXPECT_EQ(flags.Tries, 2);
    EXPECT_EQ(flags.WrongCount, 2);
}

TEST_F(FlagTest, TwentyKeysShowSixteenAndTheShuffleCarriesToTheNextStart) {
    UseKeys(20);
    const QStringList original = ItemList();
    flags.Start(screen);
    EXPECT_EQ(flags.FlagCount, 16);
    const QStringList afterFirst = ItemList();
    EXPECT_EQ(QSet<QString>(afterFirst.begin(), afterFirst.end()),
              QSet<QString>(original.begin(), original.end()));
    EXPECT_EQ(flags.FlagName(17), "");

    // The second start shuffles the first start's order, not the catalogue's.
    SetFixedRandomSeed(99);
    flags.Start(screen);
    const QStringList afterSecond = ItemList();

    COvningFlagga fromFirst;
    fromFirst.Map = map.get();
    SetItems(fromFirst, afterFirst);
    SetFixedRandomSeed(99);
    fromFirst.Start(screen);
    QStringList expected;
    for (int i = 1; i <= 20; ++i) expected << fromFirst.Items[i];
    EXPECT_EQ(afterSecond, expected);
    EXPECT_NE(afterSecond, afterFirst);
}

TEST_F(FlagTest, OneFlagMakesOneQuestionAndNoFlagsNone) {
    UseKeys(1);
    flags.Start(screen);
    EXPECT_EQ(screen.questions.last(), "Click on Land 1");
    EXPECT_EQ(AnswerRight(), "");
    EXPECT_EQ(flags.Percent, 100);
    UseKeys(0);
    flags.Start(screen);
    EXPECT_EQ(screen.questions.last(), "");
}

TEST_F(FlagTest, NamesFollowTheLanguageAndFallBackToTheKey) {
    SetItems(flags, {"K01", "XX"});
    flags.Start(screen);
    const int known = flags.Items[1] == "K01" ? 1 : 2;
    EXPECT_EQ(flags.FlagName(known), "Land 1");
    EXPECT_EQ(flags.FlagName(3 - known), "XX");  // no such area: the key stands in
    CurrentLanguage = 1;
    EXPECT_EQ(flags.FlagName(known), "Land 1 (sv)");
    const QString question = flags.NextQuestion();
    EXPECT_TRUE(question == "Klicka på Land 1 (sv)" || question == "Klicka på XX")
        << question.toStdString();
}

}  // namespace

TEST_F(FlagTest, TheResultsHistoryRecordsEachFlagAndTheFlagsClickedInstead) {
    TResultsHistory history(Path("history.sqlite"));
    SetResultsHistory(&history);
    UseKeys(5);
    flags.Number = 9;
    flags.Start(screen);
    QStringList asked;
    QString wrongKey;
    QString question = screen.questions.last();
    while (!question.isEmpty()) {
        asked << flags.Items[flags.CurrentPos];
        if (asked.size() == 2) {
            TAnswer wrong;
            wrong.Index = flags.CurrentPos == 1 ? 2 : 1;
            wrongKey = flags.Items[wrong.Index];
            flags.Wrong(wrong);
        }
        question = AnswerRight();
    }
    ShowTopTen(flags, flags.Percent, &screen);
    SetResultsHistory(nullptr);

    const auto runs = history.Runs(9);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_TRUE(runs[0].finished);
    EXPECT_EQ(runs[0].percent, 83);  // five right of six clicks
    const auto recorded = history.Questions(runs[0].id);
    ASSERT_EQ(recorded.size(), 5u);
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(recorded[std::size_t(n)].item, asked[n]);
        EXPECT_EQ(recorded[std::size_t(n)].attempts, n == 1 ? 2 : 1);
        EXPECT_EQ(recorded[std::size_t(n)].clickedInstead,
                  n == 1 ? QStringList{wrongKey} : QStringList());
    }
}
