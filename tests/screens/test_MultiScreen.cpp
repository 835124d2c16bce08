// SPDX-License-Identifier: MIT
// The multiple-choice screen played by clicks and keys: answer boxes, the
// keys 1-4, the ignored second of a right answer, closing during that second,
// the end of the run and the flower.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ScreenTest.h"
#include "data/UKarta.h"
#include "exercise/Ovmulti.h"
#include "screens/Unit4.h"

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Green = qRgb(0, 128, 0);
const QRgb Highlight = qRgb(255, 64, 64);

class MultiScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        keys = WriteFiveCountries();
    }

    TfrmOvningMulti* Start(const QStringList& items) {
        entry = Entry("MULTI", items);
        owned = std::make_unique<TfrmOvningMulti>();
        owned->tmrTimer->setInterval(ShortSecond);
        owned->StartExercise(*entry);
        Settle();
        return owned.get();
    }
    COvningMulti& Exercise() const { return static_cast<COvningMulti&>(*entry); }
    QRgb BoxColour(TfrmOvningMulti* s, int p) const { return s->AnswerBox(p).Bitmap().pixel(3, 3); }
    int AWrongOne() const { return Exercise().RightPos == 1 ? 2 : 1; }
    void ClickBox(TfrmOvningMulti* s, int p) {
        QTest::mouseClick(s->imgSvar[std::size_t(p - 1)], Qt::LeftButton, {}, QPoint(100, 20));
        Settle();
    }
    // Runs the handler once the right answer is green, inside the screen's wait.
    void DuringTheGreenSecond(std::function<void()> handler) {
        QTimer::singleShot(ShortSecond / 3, std::move(handler));
    }

    static constexpr int ShortSecond = 150;
    QStringList keys;
    std::unique_ptr<COvning> entry;
    std::unique_ptr<TfrmOvningMulti> owned;
};

TEST_F(MultiScreenTest, WindowBoxesAndFirstQuestion) {
    TfrmOvningMulti* s = Start(keys);
    EXPECT_EQ(s->size(), QSize(632, 453));
    EXPECT_EQ(s->windowTitle(), "Multiple choice");
    EXPECT_EQ(s->cmdAvsluta->text(), "Close");
    EXPECT_EQ(s->lblProcent->text(), "0 %");
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(s->imgSvar[std::size_t(p - 1)]->geometry(), QRect(54, 36 + 48 * p, 211, 41));
        EXPECT_EQ(&s->AnswerBox(p), &s->imgSvar[std::size_t(p - 1)]->Picture());
        const QImage& box = s->AnswerBox(p).Bitmap();
        ASSERT_EQ(box.size(), QSize(211, 41));
        EXPECT_EQ(box.pixel(0, 0), Black);
        EXPECT_EQ(box.pixel(210, 40), Black);
        EXPECT_EQ(box.pixel(3, 3), White);
        EXPECT_FALSE(Exercise().Answers[p].isEmpty());
    }
    EXPECT_FALSE(s->Label1->text().isEmpty());
}

TEST_F(MultiScreenTest, DrawAnswerCentresTheTextInAFramedBox) {
    TfrmOvningMulti* s = Start(keys);
    TPicture& box = s->AnswerBox(2);
    s->DrawAnswer(box, Colors::Yellow, "Wide enough text");
    const QImage& image = box.Bitmap();
    int left = 211, right = -1;
    for (int y = 1; y < 40; ++y)
        for (int x = 1; x < 210; ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(right, left);
    EXPECT_NEAR((left + right) / 2.0, 105, 3);
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(0, 20), Black);
}

TEST_F(MultiScreenTest, DigitKeysAnswerLikeClicksAndTheKeypadDoesNot) {
    TfrmOvningMulti* s = Start(keys);
    const int wrong = AWrongOne();
    QTest::keyClick(s, Qt::Key(Qt::Key_1 + wrong - 1), Qt::KeypadModifier);
    Settle();
    EXPECT_EQ(Exercise().Asked, 0);

    QTest::keyClick(s, Qt::Key(Qt::Key_1 + wrong - 1));
    Settle();
    EXPECT_EQ(BoxColour(s, wrong), Highlight);
    EXPECT_EQ(Exercise().WrongCount, 1);
    ClickBox(s, wrong);  // the same wrong box again counts again
    EXPECT_EQ(Exercise().WrongCount, 2);
    EXPECT_EQ(BoxColour(s, wrong), Highlight);

    const QString question = s->Label1->text();
    QTest::keyClick(s, Qt::Key(Qt::Key_1 + Exercise().RightPos - 1));
    Settle();
    EXPECT_EQ(s->lblProcent->text(), "33 %");
    EXPECT_EQ(Exercise().Asked, 3);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(BoxColour(s, p), White) << "next question drawn";
}

TEST_F(MultiScreenTest, AnswersDuringTheGreenSecondAreIgnored) {
    TfrmOvningMulti* s = Start(keys);
    const int right = Exercise().RightPos;
    const int wrong = AWrongOne();
    QRgb shown = 0;
    bool timerOn = false;
    DuringTheGreenSecond([&] {
        shown = BoxColour(s, right);
        timerOn = s->tmrTimer->isActive();
        ClickBox(s, wrong);
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) QTest::keyClick(s, key);
        Settle();
    });
    ClickBox(s, right);
    EXPECT_EQ(shown, Green);
    EXPECT_TRUE(timerOn);
    EXPECT_EQ(Exercise().Asked, 1);
    EXPECT_EQ(Exercise().WrongCount, 0);
    EXPECT_FALSE(s->tmrTimer->isActive());
    EXPECT_EQ(s->lblProcent->text(), "100 %");
}

TEST_F(MultiScreenTest, ReleasingTheScreenDuringTheGreenSecondIsSafe) {
    TfrmOvningMulti* s = Start(keys);
    QPointer<TfrmOvningMulti> screen = owned.release();
    DuringTheGreenSecond([&] {
        screen->close();
        screen->deleteLater();
    });
    ClickBox(s, Exercise().RightPos);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
    EXPECT_EQ(Exercise().Map, nullptr);  // the exercise let go of the freed map
    EXPECT_TRUE(topTen.isEmpty());
}

TEST_F(MultiScreenTest, DeletingTheScreenOutrightDuringTheGreenSecondIsSafe) {
    TfrmOvningMulti* s = Start(keys);
    TfrmOvningMulti* raw = owned.release();
    DuringTheGreenSecond([raw] { delete raw; });
    QTest::keyClick(s, Qt::Key(Qt::Key_1 + Exercise().RightPos - 1));
    Settle();
    EXPECT_EQ(Exercise().Map, nullptr);
    EXPECT_EQ(Exercise().Asked, 1);
}

// A finished run is offered to the top ten even when the window was closed
// in the second the last right answer shows, as on the map screen.
TEST_F(MultiScreenTest, ClosingDuringTheLastGreenSecondStillOffersTheTopTen) {
    TfrmOvningMulti* s = Start({keys[0]});  // one place, one question
    s->show();
    DuringTheGreenSecond([s] { s->close(); });
    ClickBox(s, Exercise().RightPos);
    EXPECT_TRUE(WaitFor([&] { return !topTen.isEmpty(); }));
    EXPECT_EQ(topTen, QList<int>{100});
    EXPECT_TRUE(s->RunOver);
    EXPECT_FALSE(s->isVisible());
}

TEST_F(MultiScreenTest, LastRightAnswerEndsTheRunOnce) {
    TfrmOvningMulti* s = Start(keys);
    const int questions = Exercise().Map->Places->SelectedCount;
    ASSERT_EQ(questions, 5);
    ClickBox(s, AWrongOne());
    for (int i = 0; i < questions; ++i) ClickBox(s, Exercise().RightPos);
    EXPECT_TRUE(s->RunOver);
    EXPECT_EQ(topTen, QList<int>{83});  // 5 right of 6
    const int right = Exercise().RightPos;
    EXPECT_EQ(BoxColour(s, right), Green) << "the last answer stays on the screen";
    const QString question = s->Label1->text();
    EXPECT_FALSE(question.isEmpty());
    ClickBox(s, AWrongOne());
    QTest::keyClick(s, Qt::Key_1);
    Settle();
    EXPECT_EQ(Exercise().Asked, 6);
    EXPECT_EQ(topTen.size(), 1);
    EXPECT_EQ(s->Label1->text(), question);
}

TEST_F(MultiScreenTest, FlowerTurnsIntoCherriesOnce) {
    TfrmOvningMulti* s = Start(keys);
    s->show();
    QTest::mouseClick(s->imgBlomma, Qt::LeftButton);
    EXPECT_FALSE(s->imgBlomma->isVisible());
    EXPECT_TRUE(s->imgBar->isVisible());
    QTest::mouseClick(s->imgBar, Qt::LeftButton);
    EXPECT_TRUE(s->imgBar->isVisible());
    EXPECT_NE(s->imgBar->Picture().Bitmap(), s->imgBlomma->Picture().Bitmap());
}

}  // namespace
