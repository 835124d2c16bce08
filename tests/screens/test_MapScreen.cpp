// SPDX-License-Identifier: MIT
// The map screen played through its widgets: layout, name label, clicks,
// end of the run, restart and the files loaded by map number.
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "ScreenTest.h"
#include "data/Fileread.h"
#include "data/UKarta.h"
#include "exercise/OvLand.h"
#include "screens/Unit1.h"

namespace {

constexpr TColor PaleYellowish = MakeColor(255, 255, 128);  // answered at the second try

class MapScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteThreeBoxMap();
    }

    void Start(const QStringList& items, const QString& kind = "AREA", int mapNo = 1) {
        entry = Entry(kind, items, mapNo);
        screen = std::make_unique<TfrmOvningKarta>();
        screen->StartExercise(*entry);
        Settle();
    }

    // Picture pixel of an area's first seed.
    QPoint SeedPixel(const QString& code) const {
        const CArea* area = screen->MapObject->Areas->FindByCode(code);
        return {screen->MapObject->LonLatToX(area->Seed1.Lon, area->Seed1.Lat),
                screen->MapObject->LatToY(area->Seed1.Lat)};
    }
    void ClickMap(QPoint at) {
        QTest::mouseClick(screen->imgKartaBox, Qt::LeftButton, {}, at);
        Settle();
    }
    QString Asked() const { return static_cast<COvningLandArea&>(*entry).CurrentKey; }
    QString Other() const { return Asked() == "AAA" ? "BBB" : "AAA"; }

    std::unique_ptr<COvning> entry;
    std::unique_ptr<TfrmOvningKarta> screen;
};

TEST_F(MapScreenTest, LayoutFollowsTheMaximisedClientArea) {
    Start({"AAA", "BBB"});
    ASSERT_TRUE(screen->isMaximized());
    const int w = screen->width();
    const int h = screen->height();
    EXPECT_EQ(screen->panTop->geometry(), QRect(0, 0, w, 32));
    EXPECT_EQ(screen->panPanel->geometry(), QRect(0, 32, w, h - 32));
    EXPECT_EQ(screen->imgKartaBox->geometry(), QRect(2, 2, w - 4, h - 36));
    EXPECT_EQ(screen->imgKarta().Bitmap().size(), QSize(w - 4, h - 36));

    for (QPushButton* b :
         {screen->cmdTopp, screen->cmdStarta, screen->cmdHjalp, screen->cmdAvsluta}) {
        EXPECT_EQ(b->y(), 2);
        EXPECT_EQ(b->height(), 28);
    }
    EXPECT_EQ(screen->cmdAvsluta->geometry().right() + 1, w - 2);
    EXPECT_EQ(screen->cmdHjalp->geometry().right() + 1, screen->cmdAvsluta->x());
    EXPECT_EQ(screen->cmdStarta->geometry().right() + 1, screen->cmdHjalp->x());
    EXPECT_EQ(screen->lblProcent->pos(), QPoint(6, 6));
    EXPECT_EQ(screen->lblProcent->geometry().right() + 1, screen->cmdTopp->x());
    EXPECT_EQ(screen->lblFraga->geometry().topLeft(), QPoint(2, 6));
    EXPECT_EQ(screen->lblFraga->width(), w);
    EXPECT_EQ(screen->cmdStarta->text(), "Restart");
    EXPECT_EQ(screen->lblFraga->text(), "Click on " + QString(Asked() == "AAA" ? "Alpha" : "Beta"));
    EXPECT_TRUE(screen->imgKartaBox->isEnabled());
    EXPECT_TRUE(screen->cmdAvsluta->isEnabled());
    EXPECT_TRUE(screen->tmrBlinka->isActive());
    EXPECT_EQ(screen->tmrBlinka->interval(), 700);
}

// An ordinary window: restored and resized it stays so, and the map is drawn
// again for the new picture with the same centre and scale, answers kept.
TEST_F(MapScreenTest, AResizedWindowRedrawsItsMapWithTheSameCentreAndScale) {
    Start({"AAA", "BBB", "CCC"});
    const QString first = Asked();
    ClickMap(SeedPixel(first));
    ASSERT_NE(Asked(), first);
    const int apart = SeedPixel("BBB").x() - SeedPixel("AAA").x();
    const float middle = (screen->MapObject->TopLatitude + screen->MapObject->BottomLatitude) / 2;
    const auto colourAt = [&](QPoint p) { return FromQRgb(screen->imgKarta().Bitmap().pixel(p)); };

    screen->showNormal();
    screen->resize(700, 500);
    const QSize box(700 - 4, 500 - 36);
    ASSERT_TRUE(WaitFor([&] {
        return screen->imgKarta().Bitmap().size() == box &&
               colourAt(SeedPixel(first)) == Colors::White;
    }));
    EXPECT_FALSE(screen->isMaximized());
    EXPECT_EQ(screen->imgKartaBox->size(), box);
    EXPECT_EQ(SeedPixel("BBB").x() - SeedPixel("AAA").x(), apart);
    EXPECT_FLOAT_EQ((screen->MapObject->TopLatitude + screen->MapObject->BottomLatitude) / 2,
                    middle);
    EXPECT_EQ(colourAt(SeedPixel(Asked())), Colors::Green);

    // Clicks are judged on the new picture.
    const QString second = Asked();
    ClickMap(SeedPixel(second));
    EXPECT_NE(Asked(), second);
    EXPECT_EQ(screen->lblProcent->text(), "100 %");
    EXPECT_EQ(colourAt(SeedPixel(second)), Colors::White);

    screen->showMinimized();
    Settle();
    EXPECT_TRUE(screen->isMinimized());
}

// Made narrow and tall, the window keeps the scale only while every item still shows: here it
// widens as at the start. A long question then stays whole between the buttons.
TEST_F(MapScreenTest, ANarrowWindowShowsEveryItemAndTheWholeQuestion) {
    Start({"AAA", "BBB", "CCC"});
    ASSERT_TRUE(screen->MapObject->ShowsSelection());
    screen->showNormal();
    screen->resize(500, 700);
    ASSERT_TRUE(WaitFor([&] { return screen->imgKarta().Bitmap().width() == 500 - 4; }));
    ASSERT_TRUE(WaitFor([&] { return !screen->RedrawPending(); }));
    EXPECT_TRUE(screen->MapObject->ShowsSelection());

    screen->VisaFraga("Click on the Democratic Republic of the Congo");
    const QRect question = screen->lblFraga->geometry();
    const QFontMetrics metrics(screen->lblFraga->font());
    const int lines = screen->lblFraga->wordWrap() ? 2 : 1;
    EXPECT_LE(metrics.horizontalAdvance(screen->lblFraga->text()), question.width() * lines);
    EXPECT_LE(question.height(), TfrmOvningKarta::TopHeight);
    for (const QWidget* button :
         {static_cast<QWidget*>(screen->cmdTopp), static_cast<QWidget*>(screen->cmdHome)})
        EXPECT_FALSE(question.intersects(button->geometry())) << button->objectName().toStdString();

    // Wide again: over the whole width, as the window was at the start.
    screen->resize(1200, 700);
    ASSERT_TRUE(WaitFor([&] { return screen->imgKarta().Bitmap().width() == 1200 - 4; }));
    screen->VisaFraga("Click on AAA");
    EXPECT_EQ(screen->lblFraga->geometry().width(), 1200);
    EXPECT_FALSE(screen->lblFraga->wordWrap());
}

// Zoomed with the wheel and panned by dragging, clicks are judged in the view
// the player sees: a seed answers its item, another item is named.
TEST_F(MapScreenTest, AfterZoomAndPanClicksHitWhatIsShown) {
    Start({"AAA", "BBB", "CCC"});
    const float span = screen->MapObject->TopLatitude - screen->MapObject->BottomLatitude;
    QWheelEvent wheel(QPointF(300, 200), screen->imgKartaBox->mapToGlobal(QPointF(300, 200)),
                      QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(screen->imgKartaBox, &wheel);
    EXPECT_NEAR(screen->MapObject->TopLatitude - screen->MapObject->BottomLatitude,
                span / (1.25 * 1.25), 1e-3);
    const QString before = Asked();
    QTest::mousePress(screen->imgKartaBox, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseMove(screen->imgKartaBox, QPoint(260, 230));
    QTest::mouseRelease(screen->imgKartaBox, Qt::LeftButton, {}, QPoint(260, 230));
    QTest::qWait(100);           // the map is drawn for the new view
    EXPECT_EQ(Asked(), before);  // the drag answered nothing
    EXPECT_EQ(FromQRgb(screen->imgKarta().Bitmap().pixel(SeedPixel(before))), Colors::Green);

    ClickMap(SeedPixel(Other()));
    EXPECT_TRUE(screen->lblNamn->isVisible());
    EXPECT_EQ(screen->lblNamn->text(), Other() == "AAA" ? "Alpha" : "Beta");
    const QString asked = Asked();
    ClickMap(SeedPixel(asked));
    EXPECT_NE(Asked(), asked);
    EXPECT_EQ(FromQRgb(screen->imgKarta().Bitmap().pixel(SeedPixel(asked))), PaleYellowish);
}

// A zoom step on an idle screen is drawn as soon as its event has been
// handled, with no wait; so is a burst of steps, at its last view.
TEST_F(MapScreenTest, AZoomStepIsDrawnAsSoonAsItsEventIsHandled) {
    Start({"AAA", "BBB", "CCC"});
    const auto wheel = [&](int notches) {
        const QPointF at(300, 200);
        QWheelEvent event(at, screen->imgKartaBox->mapToGlobal(at), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(screen->imgKartaBox, &event);
    };
    const auto seedColour = [&] {
        return FromQRgb(screen->imgKarta().Bitmap().pixel(SeedPixel(Asked())));
    };
    const QImage before = screen->imgKarta().Bitmap().copy();
    wheel(1);
    EXPECT_TRUE(screen->RedrawPending());
    QCoreApplication::processEvents();
    EXPECT_FALSE(screen->RedrawPending());
    EXPECT_NE(screen->imgKarta().Bitmap(), before);
    EXPECT_EQ(seedColour(), Colors::Green);

    const QImage once = screen->imgKarta().Bitmap().copy();
    wheel(1);
    wheel(1);
    wheel(-1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(screen->RedrawPending());
    EXPECT_NE(screen->imgKarta().Bitmap(), once);
    EXPECT_EQ(seedColour(), Colors::Green);
}

// A press that moves a little is still a click; one that moves farther pans.
TEST_F(MapScreenTest, AShakyClickAnswersAndADragDoesNot) {
    Start({"AAA", "BBB"});
    const QString asked = Asked();
    const QPoint seed = SeedPixel(asked);
    QTest::mousePress(screen->imgKartaBox, Qt::LeftButton, {}, seed);
    QTest::mouseMove(screen->imgKartaBox, seed + QPoint(2, -1));
    QTest::mouseRelease(screen->imgKartaBox, Qt::LeftButton, {}, seed + QPoint(2, -1));
    Settle();
    EXPECT_NE(Asked(), asked);

    const QString next = Asked();
    const float centre = screen->MapObject->CentreLongitude;
    const QPoint on = SeedPixel(next);
    QTest::mousePress(screen->imgKartaBox, Qt::LeftButton, {}, on);
    QTest::mouseMove(screen->imgKartaBox, on + QPoint(12, 0));
    QTest::mouseRelease(screen->imgKartaBox, Qt::LeftButton, {}, on + QPoint(12, 0));
    Settle();
    EXPECT_EQ(Asked(), next);
    EXPECT_LT(screen->MapObject->CentreLongitude, centre);  // the map moved east with the pointer
}

// Keys zoom and pan; Home (the key or the button) brings back the exercise's
// own view, drawn exactly as before any zoom, answers included.
TEST_F(MapScreenTest, HomeBringsBackTheOwnViewPixelForPixel) {
    Start({"AAA", "BBB", "CCC"});
    ClickMap(SeedPixel(Other()));
    ClickMap(SeedPixel(Asked()));
    QTest::qWait(50);
    const QImage own = screen->imgKarta().Bitmap().copy();
    const float top = screen->MapObject->TopLatitude;

    QTest::keyClick(screen.get(), Qt::Key_Plus);
    QTest::keyClick(screen.get(), Qt::Key_Left);
    ASSERT_TRUE(WaitFor([&] { return !(screen->imgKarta().Bitmap() == own); }));
    EXPECT_NE(screen->MapObject->TopLatitude, top);

    QTest::keyClick(screen.get(), Qt::Key_Home);
    ASSERT_TRUE(WaitFor([&] { return screen->imgKarta().Bitmap() == own; }));
    EXPECT_EQ(screen->MapObject->TopLatitude, top);

    QTest::keyClick(screen.get(), Qt::Key_Minus);
    ASSERT_TRUE(WaitFor([&] { return !(screen->imgKarta().Bitmap() == own); }));
    QTest::mouseClick(screen->cmdHome, Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return screen->imgKarta().Bitmap() == own; }));
}

// The label goes beside the point named, not over it, so the pointer's
// surroundings stay in view: right of it, or left of it at the map's right
// edge, and never above or below the map.
TEST_F(MapScreenTest, ShowNamePutsTheLabelBesideThePointAndFadesAfterTwoSeconds) {
    Start({"AAA"});
    QLabel* label = screen->lblNamn;
    const QRect map = screen->imgKartaBox->geometry();
    const int gap = TfrmOvningKarta::NameGap;
    EXPECT_EQ(screen->tmrNamnTimer->interval(), 2000);
    screen->ShowName("Somewhere", 101, 51, true);
    const int width = label->fontMetrics().horizontalAdvance("Somewhere") + 4;
    const int height = label->fontMetrics().height();
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "Somewhere");
    EXPECT_EQ(label->geometry(),
              QRect(map.x() + 101 + gap, map.y() + 51 - height / 2, width, height));
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_TRUE(screen->tmrNamnTimer->isActive());

    const int right = map.width() - 5;
    screen->ShowName("Somewhere", right, 2, true);
    EXPECT_EQ(label->geometry(), QRect(map.x() + right - gap - width, map.y(), width, height));
    screen->ShowName("Somewhere", 30, map.height(), true);
    EXPECT_EQ(label->geometry().bottom(), map.bottom());

    screen->tmrNamnTimer->setInterval(5);
    screen->ShowName("Elsewhere", 10, 10, true);
    EXPECT_TRUE(WaitFor([&] { return !label->autoFillBackground(); }));
    EXPECT_TRUE(label->isVisible());  // transparent, the text stays
    EXPECT_EQ(label->text(), "Elsewhere");
    EXPECT_FALSE(screen->tmrNamnTimer->isActive());

    screen->VisaFraga("Next");
    EXPECT_FALSE(label->isVisible());
}

// Once its box is gone the name stays readable on a dark map as on a light
// one: its letters are outlined in the box's grey.
TEST_F(MapScreenTest, AFadedNameStaysReadableOnAnyColour) {
    Start({"AAA"});
    QLabel* label = screen->lblNamn;
    screen->tmrNamnTimer->setInterval(5);
    for (const QColor ground : {QColor(Qt::black), QColor(Qt::white), QColor(0, 0, 128)}) {
        QImage plain(screen->imgKarta().Bitmap().size(), QImage::Format_RGB32);
        plain.fill(ground);
        screen->imgKartaBox->Picture().SetBitmap(plain);
        screen->ShowName("Liechtenstein", 60, 60, true);
        ASSERT_TRUE(WaitFor([&] { return !label->autoFillBackground(); }));
        const QImage shown = screen->panPanel->grab(label->geometry()).toImage();
        int dark = 0, light = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const int grey = qGray(shown.pixel(x, y));
                dark += grey < 60;
                light += grey > 170;
            }
        // Dark letters and a light outline: a contrast on every ground.
        EXPECT_GT(dark, 20) << ground.name().toStdString();
        EXPECT_GT(light, 20) << ground.name().toStdString();
    }
}

TEST_F(MapScreenTest, WrongClickNamesTheClickedAreaAndCounts) {
    Start({"AAA", "BBB"});
    const QPoint other = SeedPixel(Other());
    ClickMap(other);
    EXPECT_TRUE(screen->lblNamn->isVisible());
    EXPECT_EQ(screen->lblNamn->text(), Other() == "AAA" ? "Alpha" : "Beta");
    // Beside the click, not over it.
    const QRect label = screen->lblNamn->geometry();
    EXPECT_EQ(label.x() - screen->imgKartaBox->x(), other.x() + TfrmOvningKarta::NameGap);
    EXPECT_FALSE(label.contains(other + screen->imgKartaBox->pos()));
    EXPECT_EQ(screen->lblProcent->text(), "0 %");
    EXPECT_EQ(entry->WrongCount, 1);

    // Not part of the exercise: nothing counted, nothing named.
    screen->ShowName(QString(), 0, 0, false);
    ClickMap(SeedPixel("CCC"));
    EXPECT_FALSE(screen->lblNamn->isVisible());
    EXPECT_EQ(entry->Asked, 1);
}

TEST_F(MapScreenTest, ThirdWrongClickLightsTheAskedAreaAtTheNextBlinkTick) {
    Start({"AAA", "BBB"});
    const QPoint asked = SeedPixel(Asked());
    const auto colourAt = [&] { return screen->imgKarta().Bitmap().pixel(asked); };
    const QRgb lime = qRgb(0, 255, 0);
    screen->tmrBlinka->setInterval(5);
    for (int i = 0; i < 2; ++i) ClickMap(SeedPixel(Other()));
    QTest::qWait(30);
    EXPECT_NE(colourAt(), lime);
    ClickMap(SeedPixel(Other()));
    EXPECT_TRUE(WaitFor([&] { return colourAt() == lime; }));
    ClickMap(asked);
    EXPECT_EQ(screen->lblProcent->text(), "25 %");
    EXPECT_EQ(entry->BlinkState, 0);
    // Answered at the fourth attempt: red once the next question is drawn.
    EXPECT_EQ(colourAt(), qRgb(255, 0, 0));
}

TEST_F(MapScreenTest, ClickOnTheNameLabelReachesTheMapBeneath) {
    Start({"AAA", "BBB"});
    const QString first = Asked();
    const QPoint right = SeedPixel(first);
    // Named just left of it: the label lies over the right answer.
    screen->ShowName("Cover", right.x() - TfrmOvningKarta::NameGap - 3, right.y(), true);
    QLabel* label = screen->lblNamn;
    ASSERT_TRUE(label->geometry().contains(right + screen->imgKartaBox->pos()));
    const QPoint onLabel = right + screen->imgKartaBox->pos() - label->pos();
    QTest::mouseClick(label, Qt::RightButton, {}, onLabel);
    Settle();
    EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(screen->lblProcent->text(), "100 %");
    EXPECT_NE(Asked(), first);
    EXPECT_EQ(entry->WrongCount, 0);
}

TEST_F(MapScreenTest, LastRightAnswerEndsTheRunOnceAndLaterClicksOnlyName) {
    Start({"AAA", "BBB"});
    ClickMap(SeedPixel(Other()));  // one wrong
    const QString second = Other();
    ClickMap(SeedPixel(Asked()));
    EXPECT_EQ(Asked(), second);
    bool enabledDuringTopTen = true;
    onTopTen = [&] { enabledDuringTopTen = screen->imgKartaBox->isEnabled(); };
    ClickMap(SeedPixel(second));
    EXPECT_EQ(screen->lblFraga->text(), "-");
    ASSERT_EQ(topTen.size(), 1);
    EXPECT_EQ(topTen[0], entry->Percent);
    EXPECT_FALSE(enabledDuringTopTen);
    EXPECT_TRUE(entry->Finished);
    EXPECT_TRUE(screen->imgKartaBox->isEnabled());

    const int asked = entry->Asked;
    const QString percent = screen->lblProcent->text();
    ClickMap(SeedPixel("AAA"));
    EXPECT_TRUE(screen->lblNamn->isVisible());
    EXPECT_EQ(screen->lblNamn->text(), "Alpha");
    EXPECT_EQ(entry->Asked, asked);
    EXPECT_EQ(screen->lblProcent->text(), percent);
    EXPECT_EQ(topTen.size(), 1);
}

TEST_F(MapScreenTest, RestartResetsToZeroPercentAndAsksAgain) {
    Start({"AAA", "BBB"});
    ClickMap(SeedPixel(Asked()));
    ClickMap(SeedPixel(Asked()));
    ASSERT_EQ(topTen.size(), 1);
    QTest::mouseClick(screen->cmdStarta, Qt::LeftButton);
    Settle();
    EXPECT_EQ(screen->lblProcent->text(), "0 %");
    EXPECT_EQ(entry->Asked, 0);
    EXPECT_FALSE(entry->Finished);
    EXPECT_TRUE(screen->lblFraga->text().startsWith("Click on "));
    EXPECT_TRUE(screen->imgKartaBox->isEnabled());
    EXPECT_TRUE(screen->cmdAvsluta->isEnabled());
    ClickMap(SeedPixel(Asked()));
    EXPECT_EQ(screen->lblProcent->text(), "100 %");
}

TEST_F(MapScreenTest, TopTenButtonOnlyShowsTheList) {
    Start({"AAA"});
    QTest::mouseClick(screen->cmdTopp, Qt::LeftButton);
    EXPECT_EQ(topTen, QList<int>{-1});
}

TEST_F(MapScreenTest, MapsFourAndFiveReadNoWater) {
    // No Vatten.crp at all: reading it would fail.
    QFile::remove("Vatten.crp");
    QFile::rename("AREA1.crp", "AREA4.crp");
    Start({"AAA", "BBB"}, "AREA", 4);
    EXPECT_EQ(screen->MapObject->Waters->Count(), 0);
    EXPECT_EQ(screen->MapObject->Areas->Count(), 3);
    EXPECT_EQ(screen->MapObject->SeaSeedCount, 1);
    EXPECT_FALSE(screen->MapObject->ShowGrid);
}

TEST_F(MapScreenTest, MapZeroReadsOnlyThePlaces) {
    for (const char* file : {"Vatten.crp", "AREA1.crp", "Hav1.crp"}) QFile::remove(file);
    Start({"AAA"}, "ORT", 0);
    EXPECT_EQ(screen->MapObject->Areas->Count(), 0);
    EXPECT_EQ(screen->MapObject->Waters->Count(), 0);
    EXPECT_EQ(screen->MapObject->SeaSeedCount, 0);
    EXPECT_EQ(screen->lblFraga->text(), "Click on Acity");
}

TEST_F(MapScreenTest, WorldMapShowsTheGraticule) {
    Start({"AAA"});
    EXPECT_TRUE(screen->MapObject->ShowGrid);
}

TEST_F(MapScreenTest, MissingFileFailsTheStart) {
    QFile::remove("Hav1.crp");
    entry = Entry("AREA", {"AAA"});
    screen = std::make_unique<TfrmOvningKarta>();
    EXPECT_THROW(screen->StartExercise(*entry), EFileNotFound);
}

}  // namespace
