// SPDX-License-Identifier: MIT
// Which screen an exercise kind runs on, and the buttons every screen shares.
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "ScreenTest.h"
#include "screens/ExerciseScreen.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

TEST(ScreenKind, MultipleChoiceOnlyForTheExactKindAndTheMapForAnyOther) {
    EXPECT_EQ(ScreenKindFor("MULTI"), TScreenKind::MultipleChoice);
    EXPECT_EQ(ScreenKindFor("FLAGG"), TScreenKind::Flags);
    EXPECT_EQ(ScreenKindFor("AREA"), TScreenKind::Map);
    EXPECT_EQ(ScreenKindFor("ORT"), TScreenKind::Map);
    EXPECT_EQ(ScreenKindFor("multi"), TScreenKind::Map);
    EXPECT_EQ(ScreenKindFor("Flagg"), TScreenKind::Map);
    EXPECT_EQ(ScreenKindFor(""), TScreenKind::Map);
}

TEST(ScreenKind, EachKindGetsItsOwnWindowOwnedByTheParent) {
    QPointer<TExerciseScreen> map, flags, multi;
    {
        QWidget menu;
        map = CreateExerciseScreen("ORT", &menu);
        flags = CreateExerciseScreen("FLAGG", &menu);
        multi = CreateExerciseScreen("MULTI", &menu);
        EXPECT_NE(qobject_cast<TfrmOvningKarta*>(map), nullptr);
        EXPECT_NE(qobject_cast<TfrmOvningFlagga*>(flags), nullptr);
        EXPECT_NE(qobject_cast<TfrmOvningMulti*>(multi), nullptr);
        for (TExerciseScreen* screen : {map.data(), flags.data(), multi.data()}) {
            EXPECT_TRUE(screen->isWindow());
            EXPECT_EQ(screen->parent(), &menu);
        }
    }
    EXPECT_TRUE(map.isNull() && flags.isNull() && multi.isNull());
}

class SharedButtonsTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        keys = WriteFiveCountries();
    }
    QStringList keys;
};

// The top-ten button shows the running exercise's list without a result,
// before and after a start alike; the close button closes.
TEST_F(SharedButtonsTest, TopTenShowsTheListOnlyAndCloseCloses) {
    const auto entry = Entry("MULTI", keys);
    std::unique_ptr<TExerciseScreen> screen(CreateExerciseScreen(entry->Kind, nullptr));
    screen->cmdToppClick();
    EXPECT_TRUE(topTen.isEmpty());  // nothing runs yet
    screen->StartExercise(*entry);
    Settle();
    ASSERT_TRUE(screen->isVisible());
    screen->cmdToppClick();
    EXPECT_EQ(topTen, QList<int>{-1});
    screen->cmdAvslutaClick();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

}  // namespace
