// SPDX-License-Identifier: MIT
// Playing without the mouse and without telling colours apart: the flag
// screen to its end by the keys alone, its focus frame in both palettes, the
// blink in the safe palette, and the tick and cross on the multiple-choice boxes.
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "ScreenTest.h"
#include "app/Palette.h"
#include "exercise/OvFlagga.h"
#include "exercise/Ovmulti.h"
#include "screens/AnswerMarks.h"
#include "screens/FlagKeys.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

class FlagKeysTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteAreas("AREA1.crp", {Named(BoxArea("SE", 55, 11, 69, 24), "Sweden", "se.bmp"),
                                 Named(BoxArea("NO", 58, 5, 71, 31), "Norway", "no.bmp"),
                                 Named(BoxArea("DK", 54, 8, 58, 13), "Denmark", "dk.bmp"),
                                 Named(BoxArea("FI", 60, 20, 70, 31), "Finland", "fi.bmp"),
                                 Named(BoxArea("IS", 63, -24, 67, -13), "Iceland", "is.bmp"),
                                 Named(BoxArea("EE", 57, 21, 60, 28), "Estonia", "ee.bmp")});
        WritePlaces("Ort1.crp", {Place("Stockholm", "SE", 59.3, 18.1)});
    }

    void Start(const QStringList& items) {
        entry = Entry("FLAGG", items);
        screen = std::make_unique<TfrmOvningFlagga>();
        screen->StartExercise(*entry);
        Settle();
        keys = screen->findChild<TFlagKeys*>();
        ASSERT_NE(keys, nullptr);
    }
    COvningFlagga& Exercise() const { return static_cast<COvningFlagga&>(*entry); }
    void Key(Qt::Key key) {
        QTest::keyClick(screen.get(), key);
        Settle();
    }
    // Walks the frame to a position with the arrow keys only.
    void KeysTo(int position) {
        if (!keys->FrameShown()) Key(Qt::Key_Right);  // the first key shows the frame
        while ((keys->Position() - 1) / 4 != (position - 1) / 4) {
            const int before = keys->Position();
            Key(before < position ? Qt::Key_Down : Qt::Key_Up);
            if (keys->Position() == before) break;  // no flag straight below: go by the side
        }
        while (keys->Position() != position) {
            const int before = keys->Position();
            Key(keys->Position() < position ? Qt::Key_Right : Qt::Key_Left);
            ASSERT_NE(keys->Position(), before) << "stuck at " << before;
        }
    }
    int AWrongOne() const { return Exercise().CurrentPos == 1 ? 2 : 1; }
    // The window as it shows, frame included.
    QImage Shown() const { return screen->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Pixels of the colour along the framed cell's top edge, as shown.
    int FramePixels(const QImage& shown, TColor colour) const {
        const QRect frame(keys->Frame()->mapTo(screen.get(), QPoint(0, 0)), keys->Frame()->size());
        int count = 0;
        for (int x = frame.left(); x <= frame.right(); ++x)
            for (int y = frame.top(); y < frame.top() + 3; ++y)
                if (FromQRgb(shown.pixel(x, y)) == colour) ++count;
        return count;
    }

    std::unique_ptr<COvning> entry;
    std::unique_ptr<TfrmOvningFlagga> screen;
    TFlagKeys* keys = nullptr;
};

TEST_F(FlagKeysTest, TheKeysAloneFinishARunWithTheScoreOfTheSameClicks) {
    const QStringList items{"SE", "NO", "DK", "FI", "IS", "EE"};
    Start(items);
    EXPECT_FALSE(keys->FrameShown()) << "mouse players see no frame";
    const QImage before = screen->imgFlags->Picture().Bitmap().copy();
    Key(Qt::Key_Right);
    EXPECT_TRUE(keys->FrameShown());
    EXPECT_EQ(keys->Position(), 1) << "the first key only shows the frame";
    EXPECT_EQ(screen->imgFlags->Picture().Bitmap(), before) << "the frame is not in the picture";

    // A wrong flag by the keys counts and shows its name, as a click does.
    KeysTo(AWrongOne());
    Key(Qt::Key_Return);
    EXPECT_EQ(Exercise().WrongCount, 1);
    EXPECT_EQ(screen->RedrawCell, AWrongOne());
    while (topTen.isEmpty()) {
        const int asked = Exercise().CurrentPos;
        ASSERT_GE(asked, 1);
        KeysTo(asked);
        Key(Exercise().QuestionNo % 2 ? Qt::Key_Return : Qt::Key_Enter);
        ASSERT_TRUE(Exercise().Done[asked]);
    }
    EXPECT_EQ(Exercise().Asked, 7);
    ASSERT_EQ(topTen.size(), 1);
    const int byKeys = topTen[0];
    EXPECT_EQ(screen->lblProcent->text(), QString("%1 %").arg(byKeys));

    // The same run by clicks: one wrong flag first, then every asked one.
    topTen.clear();
    screen->cmdStartaClick();
    const auto click = [&](int p) {
        const int c = (p - 1) % 4, r = (p - 1) / 4;
        QTest::mouseClick(screen->imgFlags, Qt::LeftButton, {},
                          QPoint((screen->CellLeft(c) + screen->CellLeft(c + 1)) / 2,
                                 (screen->CellTop(r) + screen->CellTop(r + 1)) / 2));
        Settle();
    };
    click(AWrongOne());
    while (topTen.isEmpty()) click(Exercise().CurrentPos);
    EXPECT_EQ(topTen, QList<int>{byKeys});
    EXPECT_LT(byKeys, 100);
}

TEST_F(FlagKeysTest, ArrowsStayOnTheFlagsAndEnterOnAnAnsweredFlagDoesNothing) {
    Start({"SE", "NO", "DK", "FI", "IS", "EE"});
    Key(Qt::Key_Down);  // shows the frame on the first flag
    Key(Qt::Key_Up);
    Key(Qt::Key_Left);
    EXPECT_EQ(keys->Position(), 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(keys->Position(), 5);
    Key(Qt::Key_Down);  // no ninth flag
    EXPECT_EQ(keys->Position(), 5);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);  // six flags: the seventh cell is empty
    EXPECT_EQ(keys->Position(), 6);
    // The frame lies inside its cell.
    const qreal ratio = screen->imgFlags->Picture().PixelRatio();
    const QRect frame = keys->Frame()->geometry();
    EXPECT_GE(frame.left() * ratio, screen->CellLeft(1));
    EXPECT_LE(frame.right() * ratio, screen->CellLeft(2));
    EXPECT_GE(frame.top() * ratio, screen->CellTop(1));
    EXPECT_LE(frame.bottom() * ratio, screen->CellTop(2));

    const int asked = Exercise().CurrentPos;
    KeysTo(asked);
    Key(Qt::Key_Enter);
    ASSERT_EQ(Exercise().Asked, 1);
    Key(Qt::Key_Enter);  // answered already: nothing counts
    EXPECT_EQ(Exercise().Asked, 1);
    EXPECT_EQ(Exercise().WrongCount, 0);
}

TEST_F(FlagKeysTest, TheFrameShowsInBothPalettesAndTheSafeBlinkUsesItsColours) {
    for (bool safe : {false, true}) {
        SCOPED_TRACE(safe ? "safe palette" : "usual palette");
        UseColourBlindPalette(safe);
        Start({"SE", "NO", "DK"});
        const TPalette palette = CurrentPalette();
        EXPECT_EQ(FramePixels(Shown(), palette.FocusFrame), 0) << "no frame before a key";
        const int right = Exercise().CurrentPos;
        const int wrong = AWrongOne();
        KeysTo(wrong);
        for (int i = 0; i < 3; ++i) Key(Qt::Key_Return);
        ASSERT_EQ(screen->BlinkCount, 1);
        screen->tmrBlinkaTimer();
        const auto fill = [&](int p) {
            const int c = (p - 1) % 4, r = (p - 1) / 4;
            return FromQRgb(screen->imgFlags->Picture().Bitmap().pixel(screen->CellLeft(c) + 3,
                                                                       screen->CellTop(r) + 3));
        };
        EXPECT_EQ(fill(right), palette.FlagHint[0]);
        // The frame on the lit flag, the wrong one, then a white one.
        KeysTo(right);
        const QImage lit = Shown();
        EXPECT_GT(FramePixels(lit, palette.FocusFrame), 3 * keys->Frame()->width() / 2);
        screen->tmrBlinkaTimer();
        EXPECT_EQ(fill(right), palette.FlagHint[1]);
        EXPECT_GT(FramePixels(Shown(), palette.FocusFrame), 3 * keys->Frame()->width() / 2);
        screen.reset();
    }
}

class MarksTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        keys = WriteFiveCountries();
    }
    void Start() {
        entry = Entry("MULTI", keys);
        screen = std::make_unique<TfrmOvningMulti>();
        screen->tmrTimer->setInterval(150);
        screen->StartExercise(*entry);
        Settle();
    }
    COvningMulti& Exercise() const { return static_cast<COvningMulti&>(*entry); }
    // Dark pixels of the sign's square in a band: top-left, top-right,
    // bottom-middle corners of the square tell a tick from a cross.
    int DarkIn(int position, double fromX, double toX, double fromY, double toY) const {
        const TPicture& box = screen->AnswerBox(position);
        const QRect r = AnswerMarkRect(box);
        int dark = 0;
        for (int y = r.top() + int(fromY * r.height()); y < r.top() + int(toY * r.height()); ++y)
            for (int x = r.left() + int(fromX * r.width()); x < r.left() + int(toX * r.width());
                 ++x)
                if (qGray(box.Bitmap().pixel(x, y)) < 60) ++dark;
        return dark;
    }
    bool Cross(int p) const {
        return DarkIn(p, 0, 0.3, 0, 0.3) > 4 && DarkIn(p, 0.7, 1, 0, 0.3) > 4 &&
               DarkIn(p, 0, 0.3, 0.7, 1) > 4;
    }
    bool Tick(int p) const {
        return DarkIn(p, 0.7, 1, 0, 0.3) > 4 && DarkIn(p, 0.25, 0.5, 0.7, 1) > 4 &&
               DarkIn(p, 0, 0.3, 0, 0.3) == 0;
    }
    bool Blank(int p) const { return DarkIn(p, 0, 1, 0, 1) == 0; }

    QStringList keys;
    std::unique_ptr<COvning> entry;
    std::unique_ptr<TfrmOvningMulti> screen;
};

TEST_F(MarksTest, AWrongBoxGetsACrossAndTheRightOneATickInBothPalettes) {
    for (bool safe : {false, true}) {
        SCOPED_TRACE(safe ? "safe palette" : "usual palette");
        UseColourBlindPalette(safe);
        Start();
        for (int p = 1; p <= 4; ++p) EXPECT_TRUE(Blank(p)) << p;
        const int right = Exercise().RightPos;
        const int wrong = right == 1 ? 2 : 1;
        screen->Answer(wrong);
        EXPECT_TRUE(Cross(wrong));
        EXPECT_FALSE(Tick(wrong));
        EXPECT_EQ(FromQRgb(screen->AnswerBox(wrong).Bitmap().pixel(3, 3)),
                  CurrentPalette().WrongAnswer);
        bool ticked = false, crossStays = false;
        TColor rightFill = 0;
        QTimer::singleShot(50, [&] {
            ticked = Tick(right) && !Cross(right);
            crossStays = Cross(wrong);
            rightFill = FromQRgb(screen->AnswerBox(right).Bitmap().pixel(3, 3));
        });
        screen->Answer(right);
        EXPECT_TRUE(ticked);
        EXPECT_TRUE(crossStays);
        EXPECT_EQ(rightFill, CurrentPalette().RightAnswer);
        // The next question starts clean.
        for (int p = 1; p <= 4; ++p) EXPECT_TRUE(Blank(p)) << p;
        screen.reset();
    }
}

TEST_F(MarksTest, TheSignLeavesTheBoxFrameAndTheCentredTextAlone) {
    Start();
    TPicture& box = screen->AnswerBox(3);
    screen->DrawMarkedAnswer(box, Colors::White, "Mid", TAnswerMark::Wrong);
    const QImage& image = box.Bitmap();
    EXPECT_EQ(image.pixel(0, 20), qRgb(0, 0, 0));  // the frame
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
    EXPECT_LT(AnswerMarkRect(box).right(), 60) << "left of a short centred text";
    int textDark = 0;
    for (int y = 1; y < 40; ++y)
        for (int x = 90; x < 120; ++x)
            if (qGray(image.pixel(x, y)) < 100) ++textDark;
    EXPECT_GT(textDark, 0);
}

}  // namespace
