// SPDX-License-Identifier: MIT
// Pictures of every shell window at its own size, written to shellshots/
// in the build folder for a person to look at; also checks those sizes.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include "app/About.h"
#include "app/GenerellUi.h"
#include "app/Lang.h"
#include "app/ShellTest.h"
#include "data/ovningar.h"
#include "scores/Tioitopp.h"
#include "scores/Topp.h"
#include "support/ScoreFiles.h"

namespace {

class ShotTest : public ShellTest {
  protected:
    void Shoot(QWidget& window, const QString& name) {
        window.show();
        QTest::qWait(50);
        const QString folder = ProgramDirectory() + "/../shellshots";
        QDir().mkpath(folder);
        const QPixmap picture = window.grab();
        ASSERT_FALSE(picture.isNull());
        EXPECT_TRUE(picture.save(folder + "/" + name + ".png"));
    }
};

TEST_F(ShotTest, LanguageScreen) {
    Store("Languages/From", "3");
    TfrmLang form;
    Shoot(form, "lang");
    EXPECT_EQ(form.windowTitle(), "Welcome");
}

TEST_F(ShotTest, AboutScreenHasItsClientSize) {
    TfrmAbout form;
    Shoot(form, "about");
    EXPECT_EQ(form.size(), QSize(529, 378));
}

TEST_F(ShotTest, TopTenWithANewEntry) {
    WriteBytes(Path("scores.hgh"), ScoreText({{12, 1, "Karin Lindqvist", 100},
                                              {12, 2, "Ahmed", 92},
                                              {12, 3, "Jonas", 85},
                                              {12, 4, "Ida", 60}}));
    LanguageTable[2][11] = "Top ten";
    TfrmTioitopp form;
    form.ExerciseNumber = 12;
    form.ExerciseName = "Countries of Europe";
    form.LoadAndEnter(Path("scores.hgh"), 88);
    form.txtNySignatur->setText("Maria");
    Shoot(form, "tioitopp");
    // 88 % goes in at rank 3, with the signature box over that row's cell.
    EXPECT_EQ(form.NewRank, 3);
    EXPECT_TRUE(form.txtNySignatur->isVisible());
    EXPECT_EQ(form.txtNySignatur->geometry().top(),
              form.grdLista->geometry().top() + form.grdLista->rowHeight(0) * 2);
    EXPECT_EQ(form.grdLista->item(2, 2)->text(), "88 %");
    EXPECT_EQ(form.grdLista->item(3, 1)->text(), "Jonas");  // a place down
    EXPECT_EQ(form.grdLista->item(4, 1)->text(), "Ida");
}

TEST_F(ShotTest, HighScoreListHasItsClientSize) {
    const char* names[] = {"Countries of Europe", "Capitals of Europe", "Flags of Africa",
                           "Cities of Asia",      "Rivers and lakes",   "The whole world"};
    std::vector<std::unique_ptr<COvning>> entries;
    COvningar catalogue;
    for (int i = 0; i < 6; ++i) {
        entries.push_back(CreateExercise("AREA"));
        entries[i]->Number = i + 1;
        entries[i]->Names[2] = names[i];
        if (i > 0) entries[i - 1]->Next = entries[i].get();
    }
    catalogue.First = entries[0].get();
    WriteBytes(Path("scores.hgh"), ScoreText({{1, 1, "Karin", 100}, {3, 1, "Ahmed", 75}}));
    LanguageTable[2][8] = "High scores";
    LanguageTable[2][2] = "Best results";
    TfrmTopplista form;
    form.LoadScores(Path("scores.hgh"), catalogue);
    Shoot(form, "topplista");
    EXPECT_EQ(form.size(), QSize(632, 559));
}

TEST_F(ShotTest, HelpWindowAndTheDeliveredLogo) {
    ShowHelpTopic(102);
    ASSERT_NE(HelpWindow(), nullptr);
    Shoot(*HelpWindow(), "help");
    if (!QFile::exists(ProgramFile("logo.gif"))) GTEST_SKIP() << "no logo.gif delivered yet";
    QLabel logo;
    ShowGifPicture(&logo, "logo.gif");
    EXPECT_TRUE(messages.empty());
    logo.adjustSize();
    Shoot(logo, "logo");
}

}  // namespace
