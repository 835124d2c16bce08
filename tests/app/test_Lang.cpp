// SPDX-License-Identifier: MIT
// The language screen: preselection from the stored settings, storing the
// choice, cancel, flag clicks and help.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/GenerellUi.h"
#include "app/Lang.h"
#include "app/ShellTest.h"

namespace {

class LangTest : public ShellTest {
  protected:
    int Selected() const {
        int selected = 0;
        for (int l = 1; l <= 6; ++l)
            if (form.LanguageButton(l)->isChecked()) selected = selected ? -1 : l;
        return selected;  // -1 would mean two at once
    }
    TfrmLang form;
};

TEST_F(LangTest, WithNothingStoredEnglishIsChosenAndSoundIsOn) {
    SoundsOn = MusicOn = false;
    form.show();
    EXPECT_EQ(Selected(), 2);
    EXPECT_TRUE(SoundsOn);
    EXPECT_TRUE(MusicOn);
}

TEST_F(LangTest, StoredLanguagesOutsideTheTableKeepEnglish) {
    for (const char* stored : {"0", "7", "-1", "abc", ""}) {
        TfrmLang fresh;
        Store("Languages/From", stored);
        fresh.show();
        EXPECT_TRUE(fresh.LanguageButton(2)->isChecked()) << stored;
        fresh.hide();
    }
}

TEST_F(LangTest, StoredLanguageIsPreselected) {
    Store("Languages/From", "4");
    form.show();
    EXPECT_EQ(Selected(), 4);
    form.hide();
    Store("Languages/From", "1");
    form.show();
    EXPECT_EQ(Selected(), 1);
}

TEST_F(LangTest, OnlyAStoredOneSwitchesSoundOn) {
    struct Case {
        const char* stored;
        bool on;
    };
    for (const Case c : {Case{"2", false}, Case{"yes", true}, Case{"0", false}, Case{"1", true}}) {
        Store("Options/Music", c.stored);
        Store("Options/Sounds", c.stored);
        form.show();
        EXPECT_EQ(MusicOn, c.on) << c.stored;
        EXPECT_EQ(SoundsOn, c.on) << c.stored;
        form.hide();
    }
}

TEST_F(LangTest, OkStoresTheChoiceAndEndsWithItsNumber) {
    form.show();
    QTest::mouseClick(form.LanguageButton(6), Qt::LeftButton);
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    EXPECT_EQ(form.result(), 6);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Stored("Languages/From"), "6");
    EXPECT_TRUE(messages.empty());
}

TEST_F(LangTest, CancelAndEscapeEndWith42AndStoreNothing) {
    form.show();
    QTest::mouseClick(form.LanguageButton(3), Qt::LeftButton);
    QTest::mouseClick(form.cmdAvbryt, Qt::LeftButton);
    EXPECT_EQ(form.result(), TfrmLang::CancelResult);
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(form.result(), TfrmLang::CancelResult);
    EXPECT_FALSE(HasStored("Languages/From"));
}

TEST_F(LangTest, AFailedWriteIsReportedAndTheChoiceStillCounts) {
    BlockSettingsFolder();
    form.show();
    form.LanguageButton(5)->setChecked(true);
    form.cmdOKClick();
    EXPECT_EQ(form.result(), 5);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, TMessageKind::Information);
    EXPECT_EQ(messages[0].second, "Could not write to Glomira.ini");
}

TEST_F(LangTest, ClickingAFlagChoosesItsRowAndKeepsTheScreenOpen) {
    form.show();
    // Each flag sits on the left of its own row.
    for (int l : {1, 3, 6, 2}) {
        QRadioButton* button = form.LanguageButton(l);
        QWidget* flag = form.childAt(50, button->geometry().center().y());
        ASSERT_NE(flag, nullptr);
        ASSERT_NE(qobject_cast<TClickLabel*>(flag), nullptr);
        QTest::mouseClick(flag, Qt::LeftButton);
        EXPECT_EQ(Selected(), l);
    }
    EXPECT_TRUE(form.isVisible());
}

TEST_F(LangTest, F1OpensTheHelpContentsFromAnyControl) {
    form.show();
    QTest::keyClick(form.LanguageButton(2), Qt::Key_F1);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->CurrentPage().endsWith("/help/en/index.html"))
        << HelpWindow()->CurrentPage().toStdString();
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
