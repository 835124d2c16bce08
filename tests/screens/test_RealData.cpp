// SPDX-License-Identifier: MIT
// Every exercise of the delivered catalogue played on its screen from the
// first question to the top-ten entry, always answering right with a click.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ScreenTest.h"
#include "data/UKarta.h"
#include "exercise/AnswerPixel.h"
#include "exercise/OvFlagga.h"
#include "exercise/Ovmulti.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

constexpr int MaxQuestions = 200;

class DeliveredExercise : public DeliveredDataTest, public testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        DeliveredDataTest::SetUp();
        if (IsSkipped()) return;
        entry = ByNumber(GetParam());
        if (!entry) GTEST_SKIP() << "no exercise " << GetParam();
    }

    void PlayOnMapScreen() {
        TfrmOvningKarta screen;
        screen.StartExercise(*entry);
        Settle();
        CKarta& map = *screen.MapObject;
        for (int i = 0; i < MaxQuestions && topTen.isEmpty(); ++i) {
            const std::optional<QPoint> hit = AnswerPixel(map, *entry);
            ASSERT_TRUE(hit) << "no pixel answers " << screen.lblFraga->text().toStdString();
            QTest::mouseClick(screen.imgKartaBox, Qt::LeftButton, {}, *hit);
            Settle();
        }
        EXPECT_EQ(screen.lblFraga->text(), "-");
        EXPECT_TRUE(entry->Finished);
    }

    void PlayOnFlagScreen() {
        TfrmOvningFlagga screen;
        screen.StartExercise(*entry);
        EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
        auto& flags = static_cast<COvningFlagga&>(*entry);
        for (int i = 0; i < MaxQuestions && topTen.isEmpty(); ++i) {
            const int p = flags.CurrentPos;
            const QPoint centre(int((((p - 1) % 4) + 0.5) * screen.CellWidth),
                                int((((p - 1) / 4) + 0.5) * screen.CellHeight));
            QTest::mouseClick(screen.imgFlags, Qt::LeftButton, {}, centre);
        }
        EXPECT_EQ(flags.QuestionNo, flags.FlagCount);
    }

    void PlayOnMultiScreen() {
        TfrmOvningMulti screen;
        screen.tmrTimer->setInterval(1);
        screen.StartExercise(*entry);
        Settle();
        auto& multi = static_cast<COvningMulti&>(*entry);
        for (int i = 0; i < MaxQuestions && topTen.isEmpty(); ++i) {
            for (int p = 1; p <= 4; ++p)
                ASSERT_FALSE(multi.Answers[p].isEmpty()) << "too few answers for a question";
            QTest::mouseClick(screen.imgSvar[std::size_t(multi.RightPos - 1)], Qt::LeftButton, {},
                              QPoint(10, 10));
            Settle();
        }
        EXPECT_TRUE(screen.RunOver);
    }

    COvning* entry = nullptr;
};

TEST_P(DeliveredExercise, PlaysToTheTopTenAnsweringRight) {
    if (entry->Kind == "FLAGG")
        PlayOnFlagScreen();
    else if (entry->Kind == "MULTI")
        PlayOnMultiScreen();
    else
        PlayOnMapScreen();
    EXPECT_EQ(topTen, QList<int>{100});
    EXPECT_EQ(entry->WrongCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DeliveredExercise, testing::Range(1, 91));

}  // namespace
