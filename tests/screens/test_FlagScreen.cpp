// SPDX-License-Identifier: MIT
// The flag screen played through its grid: borders, flag placement, the
// missing-flag message, name display, blinking, end of run and restart.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ScreenTest.h"
#include "data/UKarta.h"
#include "exercise/OvFlagga.h"
#include "screens/Unit3.h"

namespace {

class FlagScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteAreas("AREA1.crp", {Named(BoxArea("SE", 55, 11, 69, 24), "Sweden", "se.bmp"),
                                 Named(BoxArea("NO", 58, 5, 71, 31), "Norway", "no.bmp"),
                                 Named(BoxArea("DK", 54, 8, 58, 13), "Denmark", "dk.bmp"),
                                 Named(BoxArea("FI", 60, 20, 70, 31), "Finland", "fi.bmp"),
                                 Named(BoxArea("IS", 63, -24, 67, -13), "Iceland", "is.bmp"),
                                 Named(BoxArea("XX", 40, 0, 41, 1), "Nowhere", "nosuch.bmp"),
                                 Named(BoxArea("YY", 42, 0, 43, 1), "Flagless")});
        WritePlaces("Ort1.crp", {Place("Stockholm", "SE", 59.3, 18.1)});
    }

    void Start(const QStringList& items) {
        entry = Entry("FLAGG", items);
        screen = std::make_unique<TfrmOvningFlagga>();
        screen->StartExercise(*entry);
        Settle();
    }
    COvningFlagga& Exercise() const { return static_cast<COvningFlagga&>(*entry); }
    QRgb At(int x, int y) const { return screen->imgFlags->Picture().Bitmap().pixel(x, y); }
    // A pixel of the cell's fill, between its border and its flag.
    QRgb Fill(int p) const {
        const int c = (p - 1) % 4, r = (p - 1) / 4;
        return At(screen->CellLeft(c) + 3, screen->CellTop(r) + 3);
    }
    void Click(int p) {
        const int c = (p - 1) % 4, r = (p - 1) / 4;
        const QPoint centre((screen->CellLeft(c) + screen->CellLeft(c + 1)) / 2,
                            (screen->CellTop(r) + screen->CellTop(r + 1)) / 2);
        QTest::mouseClick(screen->imgFlags, Qt::LeftButton, {}, centre);
        Settle();
    }
    int AWrongOne() const { return Exercise().CurrentPos == 1 ? 2 : 1; }
    // Dark (text) pixels in the strip below the flag of cell p.
    int NamePixels(int p) const {
        const int c = (p - 1) % 4, r = (p - 1) / 4;
        const int flagHeight = screen->FlagPictures[p] ? screen->FlagPictures[p]->height() : 63;
        const int top = screen->CellTop(r) + TfrmOvningFlagga::FlagTopMargin + flagHeight + 1;
        int dark = 0;
        for (int y = top; y < screen->CellTop(r + 1) - 1; ++y)
            for (int x = screen->CellLeft(c) + 2; x < screen->CellLeft(c + 1) - 2; ++x)
                if (qGray(At(x, y)) < 100) ++dark;
        return dark;
    }

    std::unique_ptr<COvning> entry;
    std::unique_ptr<TfrmOvningFlagga> screen;
};

const QRgb Black = qRgb(0, 0, 0);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb White = qRgb(255, 255, 255);
const QRgb Lime = qRgb(0, 255, 0);

TEST_F(FlagScreenTest, WindowAndGridGeometry) {
    Start({"SE", "NO", "DK", "FI", "IS"});
    EXPECT_EQ(screen->size(), QSize(632, 461));
    EXPECT_EQ(screen->imgFlags->geometry(), QRect(5, 5, 597, 381));
    EXPECT_FLOAT_EQ(screen->CellWidth, 149.25f);
    EXPECT_FLOAT_EQ(screen->CellHeight, 95.25f);
    EXPECT_EQ(screen->cmdStarta->text(), "Restart");
    EXPECT_EQ(screen->cmdTopp->geometry(), QRect(348, 2, 101, 25));

    // Borders at the nearest pixel, halves to the even one (298.5 -> 298, 190.5 -> 190).
    for (int x : {0, 149, 298, 448}) {
        EXPECT_EQ(At(x, 330), Black) << x;
        if (x > 0) {
            EXPECT_EQ(At(x - 1, 330), Silver) << x;
        }
        EXPECT_EQ(At(x + 1, 330), Silver) << x;
    }
    for (int y : {95, 190, 286}) {
        EXPECT_EQ(At(520, y), Black) << y;
        EXPECT_EQ(At(520, y - 1), Silver) << y;
        EXPECT_EQ(At(520, y + 1), Silver) << y;
    }
    // Five flags: the top row and the first cell of the second row; the rest silver.
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(Fill(p), White) << p;
    for (int p = 6; p <= 16; ++p) EXPECT_EQ(Fill(p), Silver) << p;
}

TEST_F(FlagScreenTest, FlagsAtNaturalSizeEightPixelsBelowTheCellTopWithAFrame) {
    Start({"SE", "NO", "DK", "FI", "IS"});
    for (int p = 1; p <= 5; ++p) {
        ASSERT_TRUE(screen->FlagPictures[p].has_value()) << p;
        const QImage& flag = *screen->FlagPictures[p];
        const int c = (p - 1) % 4, r = (p - 1) / 4;
        const int left = int(std::nearbyint((c + 0.5) * 149.25)) - flag.width() / 2;
        const int top = screen->CellTop(r) + 8;
        EXPECT_EQ(At(left, top), Black) << p;
        EXPECT_EQ(At(left + flag.width() - 1, top + flag.height() - 1), Black) << p;
        EXPECT_EQ(At(left + flag.width(), top + flag.height() / 2), White) << p;
        const QPoint inside(flag.width() / 2, flag.height() / 2);
        EXPECT_EQ(At(left + inside.x(), top + inside.y()), flag.pixel(inside)) << p;
        EXPECT_EQ(NamePixels(p), 0) << p;
    }
}

TEST_F(FlagScreenTest, MissingFlagFileIsReportedAndShownAsANamedFrame) {
    Start({"XX", "YY"});
    EXPECT_EQ(messages, QStringList{"Could not open flag file nosuch.bmp"});
    for (int p = 1; p <= 2; ++p) {
        EXPECT_FALSE(screen->FlagPictures[p].has_value());
        const int c = p - 1;
        const int centre = int(std::nearbyint((c + 0.5) * 149.25));
        EXPECT_EQ(At(centre - 50, 8), Black);
        EXPECT_EQ(At(centre + 49, 8 + 62), Black);
        EXPECT_EQ(At(centre + 50, 8 + 30), White);
        EXPECT_GT(NamePixels(p), 0) << "a flag without a picture always shows its name";
    }
    // Asked and scored like the others; every load reports it again.
    Click(Exercise().CurrentPos);
    EXPECT_EQ(screen->lblProcent->text(), "100 %");
    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(FlagScreenTest, WrongFlagShowsItsNameForASecond) {
    Start({"SE", "NO", "DK"});
    EXPECT_EQ(screen->tmrRitaOm->interval(), 1000);
    const int wrong = AWrongOne();
    Click(wrong);
    EXPECT_GT(NamePixels(wrong), 0);
    EXPECT_EQ(Fill(wrong), White);
    EXPECT_EQ(screen->lblProcent->text(), "0 %");
    EXPECT_TRUE(screen->tmrRitaOm->isActive());

    // The same flag again keeps its name; another one takes it over at once.
    Click(wrong);
    EXPECT_GT(NamePixels(wrong), 0);
    int other = 1;
    while (other == wrong || other == Exercise().CurrentPos) ++other;
    Click(other);
    EXPECT_EQ(NamePixels(wrong), 0);
    EXPECT_GT(NamePixels(other), 0);

    screen->tmrRitaOm->setInterval(5);
    screen->tmrRitaOm->start();
    EXPECT_TRUE(WaitFor([&] { return NamePixels(other) == 0; }));
    EXPECT_EQ(screen->RedrawCell, 0);
    EXPECT_EQ(Exercise().WrongCount, 3);
}

TEST_F(FlagScreenTest, RightFlagBlinksAfterTheThirdWrongTry) {
    Start({"SE", "NO", "DK"});
    const int right = Exercise().CurrentPos;
    const int wrong = AWrongOne();
    Click(wrong);
    Click(wrong);
    EXPECT_FALSE(screen->tmrBlinka->isActive());
    Click(wrong);
    EXPECT_TRUE(screen->tmrBlinka->isActive());
    EXPECT_EQ(screen->BlinkCount, 1);
    EXPECT_EQ(screen->tmrBlinka->interval(), 1000);
    screen->tmrBlinkaTimer();
    EXPECT_EQ(Fill(right), Lime);
    screen->tmrBlinkaTimer();
    EXPECT_EQ(Fill(right), White);
    Click(wrong);  // a fourth try does not restart the phases
    EXPECT_EQ(screen->BlinkCount, 3);

    Click(right);
    EXPECT_EQ(screen->BlinkCount, 0);
    EXPECT_EQ(Fill(right), Silver);
    EXPECT_GT(NamePixels(right), 0);
    screen->tmrBlinkaTimer();
    EXPECT_EQ(Fill(right), Silver);
    EXPECT_EQ(screen->lblProcent->text(), "20 %");  // 1 right of 5
}

TEST_F(FlagScreenTest, FlagAnsweredWhileItsNameShowsStaysAnswered) {
    Start({"SE", "NO"});
    const int second = AWrongOne();
    Click(second);                 // wrong now, its name shows
    Click(Exercise().CurrentPos);  // right; the other one is asked next
    ASSERT_EQ(Exercise().CurrentPos, second);
    Click(second);
    screen->tmrRitaOmTimer();
    EXPECT_EQ(Fill(second), Silver);
    EXPECT_GT(NamePixels(second), 0);
}

TEST_F(FlagScreenTest, ClicksOnEmptyAndAnsweredCellsDoNothing) {
    Start({"SE", "NO"});
    Click(7);
    const int right = Exercise().CurrentPos;
    Click(right);
    Click(right);
    EXPECT_EQ(Exercise().Asked, 1);
    EXPECT_EQ(Exercise().WrongCount, 0);
}

TEST_F(FlagScreenTest, EndOfRunOpensTheTopTenOnceAndRestartStartsAfresh) {
    Start({"SE", "NO", "DK"});
    Click(AWrongOne());
    for (int i = 0; i < 3; ++i) Click(Exercise().CurrentPos);
    EXPECT_EQ(screen->lblFraga->text(), "");
    EXPECT_EQ(topTen, QList<int>{75});
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(Fill(p), Silver);
    for (int p = 1; p <= 16; ++p) Click(p);
    EXPECT_EQ(topTen.size(), 1);
    EXPECT_EQ(Exercise().Asked, 4);

    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    EXPECT_EQ(screen->lblProcent->text(), "0 %");
    EXPECT_TRUE(screen->lblFraga->text().startsWith("Click on "));
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(Fill(p), White);
    EXPECT_EQ(Fill(4), Silver);
    QTest::mouseClick(screen->cmdTopp, Qt::LeftButton);
    EXPECT_EQ(topTen, (QList<int>{75, -1}));
}

TEST_F(FlagScreenTest, LongQuestionShrinksInsteadOfRunningUnderThePercentage) {
    Start({"SE"});
    QLabel* question = screen->lblFraga;
    screen->VisaFraga("Click on Saint Vincent and the Grenadines");
    EXPECT_LT(question->font().pixelSize(), 15);
    EXPECT_LE(question->fontMetrics().horizontalAdvance(question->text()),
              screen->lblProcent->x() - question->x());
    screen->VisaFraga("Click on Sweden");
    EXPECT_EQ(question->font().pixelSize(), 15);
}

}  // namespace
