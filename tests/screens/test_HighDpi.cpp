// SPDX-License-Identifier: MIT
// The exercise screens on a screen of two device pixels per pixel: their
// pictures have the device pixels, and clicks given in the window's pixels
// land where the player sees them.
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "ScreenTest.h"
#include "app/Hmeny.h"
#include "data/UKarta.h"
#include "exercise/OvFlagga.h"
#include "exercise/OvLand.h"
#include "exercise/Ovmulti.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

class HighDpiTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_EQ(qApp->devicePixelRatio(), 2) << "the suite runs at a scale factor of 2";
    }
};

// --- The map screen -------------------------------------------------------------------

class HighDpiMapTest : public HighDpiTest {
  protected:
    void SetUp() override {
        HighDpiTest::SetUp();
        WriteThreeBoxMap();
        entry = Entry("AREA", {"AAA", "BBB", "CCC"});
        screen = std::make_unique<TfrmOvningKarta>();
        screen->StartExercise(*entry);
        Settle();
    }
    QString Asked() const { return static_cast<COvningLandArea&>(*entry).CurrentKey; }
    // An area's first seed in the picture's device pixels and in the window's pixels.
    QPoint SeedPixel(const QString& code) const {
        const CArea* area = screen->MapObject->Areas->FindByCode(code);
        return {screen->MapObject->LonLatToX(area->Seed1.Lon, area->Seed1.Lat),
                screen->MapObject->LatToY(area->Seed1.Lat)};
    }
    QPoint SeedPoint(const QString& code) const { return SeedPixel(code) / 2; }

    std::unique_ptr<COvning> entry;
    std::unique_ptr<TfrmOvningKarta> screen;
};

TEST_F(HighDpiMapTest, ThePictureHasTheDevicePixelsAndClicksLandOnWhatIsShown) {
    const TPicture& picture = screen->imgKarta();
    EXPECT_EQ(picture.PixelRatio(), 2);
    EXPECT_EQ(picture.Size(), screen->imgKartaBox->size() * 2);
    EXPECT_EQ(picture.Bitmap().size(), picture.Size());

    // A wrong click names the area under the pointer, the label beside it.
    const QString asked = Asked();
    const QString other = asked == "AAA" ? "BBB" : "AAA";
    const QPoint wrong = SeedPoint(other);
    QTest::mouseClick(screen->imgKartaBox, Qt::LeftButton, {}, wrong);
    Settle();
    EXPECT_EQ(Asked(), asked);
    ASSERT_TRUE(screen->lblNamn->isVisible());
    const QRect label =
        screen->lblNamn->geometry().translated(-screen->imgKartaBox->geometry().topLeft());
    EXPECT_EQ(label.left(), wrong.x() + TfrmOvningKarta::NameGap);
    EXPECT_LE(std::abs(label.center().y() - wrong.y()), 1);

    // A right click, with a tremor of two pixels, answers.
    const QPoint right = SeedPoint(asked);
    QTest::mousePress(screen->imgKartaBox, Qt::LeftButton, {}, right);
    QTest::mouseMove(screen->imgKartaBox, right + QPoint(2, -1));
    QTest::mouseRelease(screen->imgKartaBox, Qt::LeftButton, {}, right + QPoint(2, -1));
    Settle();
    EXPECT_NE(Asked(), asked);
    // Answered at the second try.
    EXPECT_EQ(FromQRgb(picture.Bitmap().pixel(SeedPixel(asked))), MakeColor(255, 255, 128));
}

TEST_F(HighDpiMapTest, BordersAreTwoDevicePixelsWide) {
    // Along the row through Alpha's seed, across its east border into the sea.
    const QImage& bitmap = screen->imgKarta().Bitmap();
    const QPoint seed = SeedPixel("AAA");
    const int border =
        screen->MapObject->LonLatToX(10, entry->Map->Areas->FindByCode("AAA")->Seed1.Lat);
    int black = 0;
    for (int x = border - 6; x <= border + 6; ++x)
        black += FromQRgb(bitmap.pixel(x, seed.y())) == Colors::Black ? 1 : 0;
    EXPECT_EQ(black, 2);
}

TEST_F(HighDpiMapTest, ZoomAtThePointerKeepsThePointUnderIt) {
    const QPoint at = SeedPoint("BBB");
    const float lat = screen->MapObject->YToLat(at.y() * 2);
    const float lon = screen->MapObject->PixelToLon(at.y() * 2, at.x() * 2);
    QWheelEvent wheel(QPointF(at), screen->imgKartaBox->mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(screen->imgKartaBox, &wheel);
    ASSERT_TRUE(WaitFor([&] { return !screen->RedrawPending(); }));
    const QPoint now(screen->MapObject->LonLatToX(lon, lat), screen->MapObject->LatToY(lat));
    EXPECT_LE((now - at * 2).manhattanLength(), 2);
}

// --- The flag and multiple-choice screens -----------------------------------------------

TEST_F(HighDpiTest, FlagScreenDrawsSharpFlagsAndTakesClicksInWindowPixels) {
    WriteAreas("AREA1.crp", {Named(BoxArea("SE", 55, 11, 69, 24), "Sweden", "se.bmp"),
                             Named(BoxArea("NO", 58, 5, 71, 31), "Norway", "no.bmp")});
    WritePlaces("Ort1.crp", {Place("Stockholm", "SE", 59.3, 18.1)});
    const std::unique_ptr<COvning> entry = Entry("FLAGG", {"SE", "NO"});
    TfrmOvningFlagga screen;
    screen.StartExercise(*entry);
    Settle();
    const TPicture& picture = screen.imgFlags->Picture();
    EXPECT_EQ(picture.Size(), screen.imgFlags->size() * 2);
    EXPECT_FLOAT_EQ(screen.CellWidth, screen.imgFlags->width() * 2 / 4.0f);

    // The flag drawn at twice the size, not the small one blown up.
    const QImage sharp(ProgramDirectory() + "/flags2x/se.bmp");
    ASSERT_FALSE(sharp.isNull());
    const int se = screen.Exercise->Items[1] == "SE" ? 1 : 2;
    ASSERT_TRUE(screen.FlagPictures[se].has_value());
    EXPECT_EQ(screen.FlagPictures[se]->convertToFormat(QImage::Format_RGB32),
              sharp.convertToFormat(QImage::Format_RGB32));

    // The grid's lines are two device pixels wide.
    const int x = screen.CellLeft(1);
    int black = 0;
    for (int dx = -3; dx <= 3; ++dx)
        black += picture.Bitmap().pixel(x + dx, picture.Height() - 10) == qRgb(0, 0, 0) ? 1 : 0;
    EXPECT_EQ(black, 2);

    // The right flag clicked in the window's pixels.
    auto& exercise = static_cast<COvningFlagga&>(*entry);
    const int p = exercise.CurrentPos;
    const int c = (p - 1) % 4, r = (p - 1) / 4;
    const QPoint centre((screen.CellLeft(c) + screen.CellLeft(c + 1)) / 4,
                        (screen.CellTop(r) + screen.CellTop(r + 1)) / 4);
    QTest::mouseClick(screen.imgFlags, Qt::LeftButton, {}, centre);
    Settle();
    EXPECT_TRUE(exercise.Done[p]);
}

TEST_F(HighDpiTest, MultipleChoiceBoxesAndIconsHaveTheDevicePixels) {
    const std::unique_ptr<COvning> entry = Entry("MULTI", WriteFiveCountries());
    TfrmOvningMulti screen;
    screen.StartExercise(*entry);
    Settle();
    for (int p = 1; p <= 4; ++p) {
        const TPicture& box = screen.AnswerBox(p);
        EXPECT_EQ(box.Size(), screen.imgSvar[std::size_t(p - 1)]->size() * 2) << p;
        // The outline is two device pixels on every side.
        const QImage& b = box.Bitmap();
        for (const QPoint at : {QPoint(0, 20), QPoint(1, 20), QPoint(b.width() - 1, 20),
                                QPoint(b.width() - 2, 20), QPoint(100, 0), QPoint(100, 1),
                                QPoint(100, b.height() - 1), QPoint(100, b.height() - 2)})
            EXPECT_EQ(b.pixel(at), qRgb(0, 0, 0)) << p << " at " << at.x() << "," << at.y();
        EXPECT_NE(b.pixel(2, 20), qRgb(0, 0, 0)) << p;
    }
    EXPECT_EQ(screen.imgBlomma->Picture().Bitmap().size(), screen.imgBlomma->size() * 2);
}

// The main menu's small world map shows its pictures drawn at twice the
// size; clicks are still judged on the pictures of the window's pixels.
TEST_F(HighDpiTest, MainMenuMapShowsTheSharpPicturesAndTakesClicks) {
    SoundsOn = false;
    TfrmHuvudmeny menu;
    menu.FormShow();
    SoundsOn = false;
    const QImage& map = menu.MapImage();
    EXPECT_EQ(map.devicePixelRatio(), 2);
    EXPECT_EQ(map.size(), menu.imgMap->size() * 2);

    menu.SattVarldsdel(5);  // Africa
    const QImage sharp(":/continents/afr@2x.png");
    ASSERT_FALSE(sharp.isNull());
    const QPoint at(2 * (menu.PictureOffsetX + 200), 2 * (menu.PictureOffsetY + 80));
    EXPECT_EQ(map.pixel(at),
              sharp.pixel(at - 2 * QPoint(menu.PictureOffsetX, menu.PictureOffsetY)));

    // A click on Europe's lime, in the window's pixels.
    for (int py = 9; py < 145; ++py)
        for (int px = 5; px < 391; ++px)
            if (menu.ContinentPixel(1, px, py) == qRgb(0, 255, 0)) {
                menu.imgMapMouseDown(px + menu.PictureOffsetX, py + menu.PictureOffsetY);
                EXPECT_EQ(menu.CurrentContinent, 1);
                return;
            }
    ADD_FAILURE() << "no lime in Europe's picture";
}

}  // namespace
