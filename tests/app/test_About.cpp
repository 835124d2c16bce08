// SPDX-License-Identifier: MIT
// The about screen: version line, README text, options stored and applied,
// the web page by language.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/About.h"
#include "app/GenerellUi.h"
#include "app/ShellTest.h"

namespace {

// Receives the addresses the screen asks the system to open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class AboutTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        form.ReadmeFile = Path("README.TXT");
    }
    void WriteReadme(const QByteArray& text) {
        QFile file(Path("README.TXT"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    TfrmAbout form;
};

TEST_F(AboutTest, VersionLineHasTwoBlanksBeforeTheNumber) {
    EXPECT_EQ(form.lblVersion->text(), "Glomira version  2.91");
}

TEST_F(AboutTest, ShowingTwiceShowsTheReadmeOnce) {
    WriteReadme("Glomira\r\nMap data: open sources\r\nS\xE5 g\xF6r man\r\n");
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(form.memAbout->toPlainText(), "Glomira\nMap data: open sources\nSå gör man");
}

TEST_F(AboutTest, ReadmeInUtf8IsReadAsSuch) {
    WriteReadme("Z\xC3\xBCrich\n");
    form.show();
    EXPECT_EQ(form.memAbout->toPlainText(), QString::fromUtf8("Zürich"));
}

TEST_F(AboutTest, NoReadmeLeavesTheBoxEmpty) {
    form.show();
    EXPECT_EQ(form.memAbout->toPlainText(), "");
}

TEST_F(AboutTest, OptionsAreShownStoredAndApplied) {
    SoundsOn = true;
    MusicOn = false;
    form.show();
    EXPECT_TRUE(form.chkSound->isChecked());
    EXPECT_FALSE(form.chkMusic->isChecked());
    form.chkSound->setChecked(false);
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(SoundsOn);
    EXPECT_FALSE(MusicOn);
    EXPECT_EQ(Stored("Options/Sounds"), "0");
    EXPECT_EQ(Stored("Options/Music"), "0");
    EXPECT_FALSE(form.isVisible());

    form.show();
    form.chkMusic->setChecked(true);
    form.cmdOKClick();
    EXPECT_TRUE(MusicOn);
    EXPECT_EQ(Stored("Options/Music"), "1");
    EXPECT_EQ(Stored("Options/Sounds"), "0");
}

TEST_F(AboutTest, ClosingWithoutOkAppliesNothing) {
    form.show();
    form.chkSound->setChecked(false);
    form.close();
    EXPECT_TRUE(SoundsOn);
    EXPECT_FALSE(HasStored("Options/Sounds"));
}

TEST_F(AboutTest, AFailedWriteIsReportedButTheSwitchesApply) {
    BlockSettingsFolder();
    form.show();
    form.chkMusic->setChecked(false);
    form.cmdOKClick();
    EXPECT_FALSE(MusicOn);
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].second, "Could not write to Glomira.ini");
}

TEST_F(AboutTest, TheLinkOpensTheLanguagesPage) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    form.show();
    CurrentLanguage = 1;
    QTest::mouseClick(form.Label3, Qt::RightButton);
    CurrentLanguage = 5;
    QTest::mouseClick(form.Label3, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0].path(), "/program/glomira/");
    EXPECT_EQ(catcher.urls[0].query(), "from=Glomira");
    EXPECT_EQ(catcher.urls[1].path(), "/software/glomira/");
    EXPECT_EQ(catcher.urls[0].host(), catcher.urls[1].host());
}

TEST_F(AboutTest, F1OpensTheAboutHelp) {
    form.show();
    QTest::keyClick(form.chkMusic, Qt::Key_F1);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->CurrentPage().endsWith("/en/about.html"));
}

}  // namespace

#include "test_About.moc"
