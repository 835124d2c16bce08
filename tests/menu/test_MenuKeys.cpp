// SPDX-License-Identifier: MIT
// The main menu without the mouse and for colour-blind players: the palette
// switch (place, language, kept in the settings, a store that can't be
// written), and the lists played with arrows, Tab and Enter to a started exercise.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "app/Generell.h"
#include "app/Hmeny.h"
#include "app/OwnTexts.h"
#include "app/Palette.h"
#include "app/PaletteSwitch.h"
#include "exercise/OvFlagga.h"
#include "platform/MessageBoxes.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "support/GlomiraTest.h"

namespace {

class MenuKeysTest : public GlomiraTest {
  protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path("config"));
        SetMessageSink([this](TMessageKind, const QString& text) { messages << text; });
        CurrentLanguage = 2;
        SetScoreFolder(dir_.path());  // no player's own exercises
        Open();
    }
    void TearDown() override {
        menu.reset();
        SetScoreFolder({});
    }

    void Open() {
        menu.reset();
        SoundsOn = false;
        menu = std::make_unique<TfrmHuvudmeny>();
        menu->FormShow();
        SoundsOn = false;
        ASSERT_TRUE(menu->Catalogue) << messages.join('\n').toStdString();
    }
    static QString Stored() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Glomira", "Glomira")
            .value("Options/ColourBlind")
            .toString();
    }
    // As a keyboard does: the press goes to the focus, and so does the
    // release, which may have moved meanwhile.
    void Key(QWidget* to, Qt::Key key) {
        QTest::keyPress(to, key);
        QCoreApplication::processEvents();
        QWidget* focus = menu->focusWidget() ? menu->focusWidget() : to;
        QTest::keyRelease(focus, key);
        QCoreApplication::processEvents();
    }

    QStringList messages;
    std::unique_ptr<TfrmHuvudmeny> menu;
};

TEST_F(MenuKeysTest, ThePaletteSwitchSitsUnderTheButtonsAndIsKept) {
    QCheckBox* box = menu->chkColourBlind;
    EXPECT_EQ(box->parentWidget(), menu->panPanel);
    EXPECT_EQ(box->geometry(), QRect(159, 527, 387, 18));
    EXPECT_GT(box->y(), menu->cmdHjalp->geometry().bottom());
    EXPECT_LE(box->geometry().bottom(), menu->panPanel->height());
    EXPECT_EQ(box->text(), "Colours for colour-blind players");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(ColourBlindPaletteOn()) << "off until the player turns it on";

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 9));
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(ColourBlindPaletteOn());
    EXPECT_EQ(Stored(), "1");

    // The next start reads it, in the language chosen then.
    UseColourBlindPalette(false);
    CurrentLanguage = 4;
    Open();
    EXPECT_TRUE(menu->chkColourBlind->isChecked());
    EXPECT_TRUE(ColourBlindPaletteOn());
    EXPECT_EQ(menu->chkColourBlind->text(), OwnText(TOwnText::ColourBlindSwitch, 4));
    EXPECT_EQ(menu->chkColourBlind->text(), "Farben für farbenblinde Spieler");

    menu->chkColourBlind->setChecked(false);
    EXPECT_FALSE(ColourBlindPaletteOn());
    EXPECT_EQ(Stored(), "0");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(MenuKeysTest, AStoredValueThatIsNoSwitchLeavesThePaletteOff) {
    for (const char* value : {"yes", "", "2", "-1"}) {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Glomira", "Glomira")
            .setValue("Options/ColourBlind", value);
        EXPECT_FALSE(TPaletteSwitch::Stored()) << value;
    }
}

TEST_F(MenuKeysTest, ASwitchThatCannotBeStoredSaysSoAndStillWorks) {
    // A file where the settings folder should be: every write fails.
    QDir().mkpath(Path("config"));
    QFile blocker(Path("config/Glomira"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    menu->chkColourBlind->setChecked(true);
    EXPECT_TRUE(ColourBlindPaletteOn());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("Could not write")) << messages[0].toStdString();
}

TEST_F(MenuKeysTest, ArrowsTabAndEnterChooseAndStartAnExercise) {
    QListWidget* parts = menu->lstParts;
    QListWidget* exercises = menu->cboOvningar;
    parts->setFocus();
    Key(parts, Qt::Key_Down);
    EXPECT_EQ(parts->currentRow(), 0);
    EXPECT_EQ(menu->CurrentContinent, 1);
    Key(parts, Qt::Key_Down);
    EXPECT_EQ(menu->CurrentContinent, 2);
    const QString firstOfTwo = exercises->item(0)->text();
    EXPECT_EQ(menu->Catalogue->FindByName(firstOfTwo)->Continent, ContinentCode(2));

    Key(parts, Qt::Key_Right);
    EXPECT_EQ(menu->focusWidget(), exercises);
    EXPECT_EQ(exercises->currentRow(), 0);
    EXPECT_EQ(menu->CurrentContinent, 2) << "the continent stays chosen";
    EXPECT_EQ(exercises->item(0)->text(), firstOfTwo);
    Key(exercises, Qt::Key_Left);
    EXPECT_EQ(menu->focusWidget(), parts);
    Key(parts, Qt::Key_Tab);
    EXPECT_EQ(menu->focusWidget(), exercises);

    // Down to the first flag exercise of the list, then Enter.
    int flagRow = -1;
    for (int row = 0; row < exercises->count() && flagRow < 0; ++row)
        if (menu->Catalogue->FindByName(exercises->item(row)->text())->Kind == "FLAGG")
            flagRow = row;
    ASSERT_GE(flagRow, 0);
    while (exercises->currentRow() < flagRow) {
        const int before = exercises->currentRow();
        Key(exercises, Qt::Key_Down);
        ASSERT_GT(exercises->currentRow(), before);
    }
    Key(exercises, Qt::Key_Return);
    ASSERT_FALSE(menu->FlagScreen.isNull()) << messages.join('\n').toStdString();
    ASSERT_NE(menu->FlagScreen->Exercise, nullptr);
    EXPECT_EQ(menu->FlagScreen->Exercise->Names[CurrentLanguage], exercises->item(flagRow)->text());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// Any key pressed and released on the continent list chooses its line, Enter
// and the right arrow too, when the list still has the focus; a key pressed
// elsewhere (the Enter that closed the welcome screen) does not.
TEST_F(MenuKeysTest, EveryKeyReleasedOnTheContinentListChoosesItsLine) {
    QListWidget* parts = menu->lstParts;
    parts->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Right, Qt::Key_Shift}) {
        menu->cboOvningar->clear();  // nowhere for Enter and the arrow to go
        parts->setCurrentRow(key == Qt::Key_Return ? 3 : key == Qt::Key_Right ? 1 : 4);
        QTest::keyPress(parts, key);
        QTest::keyRelease(parts, key);
        EXPECT_EQ(menu->CurrentContinent, parts->currentRow() + 1) << key;
    }
    const int before = menu->CurrentContinent;
    parts->setCurrentRow(2);
    QTest::keyRelease(parts, Qt::Key_Return);
    EXPECT_EQ(menu->CurrentContinent, before);
}

TEST_F(MenuKeysTest, EnterWithNothingToStartStartsNothing) {
    QListWidget* exercises = menu->cboOvningar;
    exercises->clear();
    Key(menu->lstParts, Qt::Key_Return);  // no exercises to go to
    Key(exercises, Qt::Key_Return);
    EXPECT_FALSE(menu->MapScreen || menu->FlagScreen || menu->MultiScreen);
}

}  // namespace
