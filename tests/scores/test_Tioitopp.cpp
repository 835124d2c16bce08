// SPDX-License-Identifier: MIT
// The top-ten form: where a result enters, the signature box, what OK and the
// close box write, and damaged or unwritable files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/ShellTest.h"
#include "data/ovningar.h"
#include "history/ResultDates.h"
#include "history/ResultsHistory.h"
#include "scores/Tioitopp.h"
#include "screens/Ovform.h"
#include "screens/ScreenSupport.h"
#include "screens/SideNoteDelegate.h"
#include "support/ScoreFiles.h"

namespace {

// Records what is played instead of sounding.
class MusicLog : public TSoundOutput {
  public:
    void PlayEffect(const QString&, int) override {}
    void PlayMusic(const QString& fullName, int start) override {
        music.push_back(QFileInfo(fullName).fileName() + "@" + QString::number(start));
    }
    std::vector<QString> music;
};

class TioitoppTest : public ShellTest {
  protected:
    // Focus moves only inside the active window.
    void ShowActive(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void SetUp() override {
        ShellTest::SetUp();
        SetSoundOutput(&sound);
        form.ExerciseNumber = 12;
        form.ExerciseName = "Capitals of Europe";
    }
    QString File() const { return Path("scores.hgh"); }
    // Exercise 12 with the given percentages at ranks 1, 2, ...
    void StoreList(const std::vector<int>& percents) {
        std::vector<ScoreRecord> records;
        for (size_t i = 0; i < percents.size(); ++i)
            records.push_back({12, int(i) + 1, QString("P%1").arg(i + 1), percents[i]});
        records.push_back({13, 1, "Other", 99});
        WriteBytes(File(), ScoreText(records));
    }
    QString Cell(int row, int column) const {
        const QTableWidgetItem* item = form.grdLista->item(row, column);
        return item ? item->text() : QString("<none>");
    }
    TScoreTable Saved() const {
        TScoreTable table;
        ReadScores(ReadBytes(File()), table, TLowNumbers::RangeError);
        return table;
    }

    MusicLog sound;
    TfrmTioitopp form;
};

TEST_F(TioitoppTest, AnEqualResultGoesAboveAndTheLastPlaceFallsOff) {
    StoreList({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
    form.LoadAndEnter(File(), 70);
    EXPECT_EQ(form.NewRank, 3);
    const TScoreList& list = form.ScoreTable[12];
    EXPECT_EQ(list[2].Signature, "P2");
    EXPECT_EQ(list[3].ScorePercent, 70);
    EXPECT_EQ(list[3].Signature, "Okänd");
    EXPECT_EQ(list[4].Signature, "P3");
    EXPECT_EQ(list[10].Signature, "P9");
    EXPECT_EQ(Cell(2, 1), "Okänd");
    EXPECT_EQ(Cell(2, 2), "70 %");
    EXPECT_EQ(Cell(3, 0), "4");
    EXPECT_EQ(sound.music, std::vector<QString>{"good.mid@0"});
}

TEST_F(TioitoppTest, TheSignatureBoxLiesOverTheNewRanksSignatureCell) {
    StoreList({90, 80, 70, 60});
    form.LoadAndEnter(File(), 65);
    ASSERT_EQ(form.NewRank, 4);
    const QRect grid = form.grdLista->geometry();
    EXPECT_EQ(form.txtNySignatur->geometry(),
              QRect(grid.left() + 30, grid.top() + 20 * 3, 190, 20));
    EXPECT_FALSE(form.txtNySignatur->isHidden());
    EXPECT_EQ(form.grdLista->columnWidth(0), 30);
    EXPECT_EQ(form.grdLista->columnWidth(1), 190);
    EXPECT_EQ(form.grdLista->columnWidth(2), 50);
    EXPECT_EQ(form.grdLista->rowHeight(3), 20);
}

TEST_F(TioitoppTest, AFirstResultOfZeroTakesRankOneWithoutShowingAPercentage) {
    form.LoadAndEnter(File(), 0);
    EXPECT_EQ(form.NewRank, 1);
    EXPECT_EQ(Cell(0, 1), "Okänd");
    EXPECT_EQ(Cell(0, 2), "");
    EXPECT_EQ(Cell(9, 0), "10");
}

TEST_F(TioitoppTest, BelowAllTenNothingIsEnteredButOkStillWritesAll900) {
    StoreList({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
    form.LoadAndEnter(File(), 4);
    EXPECT_EQ(form.NewRank, 0);
    EXPECT_TRUE(form.txtNySignatur->isHidden());
    EXPECT_TRUE(sound.music.empty());
    bool told = false;
    form.Signed = [&](const QString&) { told = true; };
    form.cmdOKClick();
    EXPECT_FALSE(told);  // no place, no signature
    const QByteArray written = ReadBytes(File());
    EXPECT_EQ(written.count('\n'), 3600);
    EXPECT_EQ(Saved()[12][10].ScorePercent, 5);
    EXPECT_EQ(Saved()[13][1].Signature, "Other");
}

TEST_F(TioitoppTest, ShowOnlyNeverEntersEvenOverNegativeStoredValues) {
    WriteBytes(File(), ScoreText({{12, 1, "Odd", -5}}));
    form.LoadAndEnter(File(), -1);
    EXPECT_EQ(form.NewRank, 0);
    EXPECT_EQ(form.ScoreTable[12][1].Signature, "Odd");
    EXPECT_TRUE(sound.music.empty());
}

TEST_F(TioitoppTest, OkWithoutTypingStoresAnEmptySignature) {
    StoreList({90});
    form.LoadAndEnter(File(), 95);
    form.show();
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const TScoreTable saved = Saved();
    EXPECT_EQ(saved[12][1].ScorePercent, 95);
    EXPECT_EQ(saved[12][1].Signature, "");
    EXPECT_EQ(saved[12][2].Signature, "P1");
}

TEST_F(TioitoppTest, TheTypedSignatureIsStoredCutTo50) {
    QStringList told;  // what the results history hears
    form.Signed = [&](const QString& signature) { told << signature; };
    form.LoadAndEnter(File(), 50);
    ShowActive(form);
    ASSERT_TRUE(form.txtNySignatur->hasFocus());
    QTest::keyClicks(form.txtNySignatur, "M");
    form.txtNySignatur->insert("ä");  // key simulation knows only ASCII
    QTest::keyClicks(form.txtNySignatur, "rta");
    QTest::keyClick(form.txtNySignatur, Qt::Key_Return);  // Enter is OK
    EXPECT_EQ(Saved()[12][1].Signature, "Märta");
    EXPECT_EQ(told, QStringList{"Märta"});

    TfrmTioitopp second;
    second.ExerciseNumber = 12;
    second.LoadAndEnter(File(), 60);
    second.show();
    second.txtNySignatur->setMaxLength(100);  // the cut must not rely on the box
    second.txtNySignatur->setText(QString(60, 'y'));
    second.cmdOKClick();
    EXPECT_EQ(Saved()[12][1].Signature, QString(50, 'y'));
    EXPECT_EQ(Saved()[12][2].Signature, "Märta");
}

TEST_F(TioitoppTest, LeavingTheBoxShowsTheSignatureInTheGrid) {
    form.LoadAndEnter(File(), 50);
    ShowActive(form);
    form.txtNySignatur->setText("Bo");
    form.cmdOK->setFocus();  // the box loses the focus
    EXPECT_TRUE(form.txtNySignatur->isHidden());
    EXPECT_EQ(Cell(0, 1), "Bo");
    EXPECT_FALSE(QFile::exists(File()));  // only OK writes
}

TEST_F(TioitoppTest, TheCloseBoxWritesNothing) {
    StoreList({90});
    const QByteArray before = ReadBytes(File());
    form.LoadAndEnter(File(), 95);
    ShowActive(form);
    QTest::keyClicks(form.txtNySignatur, "Lost");
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(ReadBytes(File()), before);
}

// Escape is a reflex while typing; it must not throw the result away.
TEST_F(TioitoppTest, EscapeOnlyLeavesTheSignatureBoxAndOkStillStoresTheName) {
    StoreList({90});
    form.LoadAndEnter(File(), 95);
    ShowActive(form);
    QTest::keyClicks(form.txtNySignatur, "Anna");
    QTest::keyClick(form.txtNySignatur, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.txtNySignatur->isHidden());
    EXPECT_EQ(Cell(0, 1), "Anna");
    QTest::keyClick(&form, Qt::Key_Escape);  // once more, outside the box
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    const TScoreTable saved = Saved();
    EXPECT_EQ(saved[12][1].Signature, "Anna");
    EXPECT_EQ(saved[12][1].ScorePercent, 95);
    EXPECT_EQ(saved[12][2].Signature, "P1");
}

// After Escape took the box away, typing brings it back with the name so far, and so does a
// click on the new result's row; OK stores what it then holds.
TEST_F(TioitoppTest, TheSignatureBoxComesBackByTypingOrAClickOnItsRow) {
    StoreList({90});
    form.LoadAndEnter(File(), 95);
    ShowActive(form);
    QTest::keyClicks(form.txtNySignatur, "An");
    QTest::keyClick(form.txtNySignatur, Qt::Key_Escape);
    ASSERT_TRUE(form.txtNySignatur->isHidden());
    QTest::keyClicks(&form, "n");
    EXPECT_TRUE(form.txtNySignatur->isVisible());
    ASSERT_EQ(form.focusWidget(), form.txtNySignatur);  // the next key goes there
    QTest::keyClicks(form.txtNySignatur, "a");
    EXPECT_EQ(form.txtNySignatur->text(), "Anna");
    QTest::keyClick(form.txtNySignatur, Qt::Key_Escape);
    ASSERT_TRUE(form.txtNySignatur->isHidden());
    const QRect other = form.grdLista->visualRect(form.grdLista->model()->index(1, 1));
    QTest::mouseClick(form.grdLista->viewport(), Qt::LeftButton, {}, other.center());
    EXPECT_TRUE(form.txtNySignatur->isHidden()) << "another row's click";
    const QRect own = form.grdLista->visualRect(form.grdLista->model()->index(0, 1));
    QTest::mouseClick(form.grdLista->viewport(), Qt::LeftButton, {}, own.center());
    ASSERT_TRUE(form.txtNySignatur->isVisible());
    QTest::keyClicks(form.txtNySignatur, " B");
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    EXPECT_EQ(Saved()[12][1].Signature, "Anna B");
}

// A pasted line break or tab must not shift the records after it, and
// characters the file can't hold stay readable.
TEST_F(TioitoppTest, APastedSignatureCannotBreakTheFile) {
    std::vector<ScoreRecord> records;
    for (int exercise = 1; exercise <= ScoreExercises; ++exercise)
        for (int rank = 1; rank <= ScoreRanks; ++rank)
            records.push_back({exercise, rank, QString("S%1.%2").arg(exercise).arg(rank),
                               100 - rank * 5 - (exercise % 3)});
    WriteBytes(File(), ScoreText(records));
    TScoreTable before;
    ReadScores(ReadBytes(File()), before, TLowNumbers::RangeError);

    form.LoadAndEnter(File(), 99);
    ASSERT_EQ(form.NewRank, 1);
    ShowActive(form);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("Anna\r\n42\tŁukasz\x01\u0085 Ő 日"));
    form.txtNySignatur->paste();
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);

    const TScoreTable saved = Saved();
    EXPECT_EQ(saved[12][1].Signature, QString::fromUtf8("Anna 42 Lukasz O ?"));
    EXPECT_EQ(saved[12][1].ScorePercent, 99);
    for (int exercise = 1; exercise <= ScoreExercises; ++exercise) {
        for (int rank = 1; rank <= ScoreRanks; ++rank) {
            if (exercise == 12) {
                if (rank == 1) continue;
                // The others of this list moved one place down.
                EXPECT_EQ(saved[12][rank].Signature, before[12][rank - 1].Signature);
                continue;
            }
            EXPECT_EQ(saved[exercise][rank].Signature, before[exercise][rank].Signature);
            EXPECT_EQ(saved[exercise][rank].ScorePercent, before[exercise][rank].ScorePercent);
        }
    }
}

// Two players on one shared file: the later OK must not overwrite the
// earlier player's result with the list it read when it opened.
TEST_F(TioitoppTest, TwoFormsOpenOnOneFileKeepBothResults) {
    StoreList({90, 60});
    TfrmTioitopp other;
    other.ExerciseNumber = 12;
    form.LoadAndEnter(File(), 80);
    other.LoadAndEnter(File(), 70);
    form.txtNySignatur->setText("First");
    other.txtNySignatur->setText("Second");
    form.cmdOKClick();
    other.cmdOKClick();
    const TScoreTable saved = Saved();
    EXPECT_EQ(saved[12][1].Signature, "P1");
    EXPECT_EQ(saved[12][2].Signature, "First");
    EXPECT_EQ(saved[12][3].Signature, "Second");
    EXPECT_EQ(saved[12][4].Signature, "P2");
    EXPECT_EQ(saved[13][1].Signature, "Other");
    EXPECT_TRUE(messages.empty());
}

// An installed copy keeps results in the player's folder; the list installed
// beside the program is where they start.
TEST_F(TioitoppTest, AnInstalledListIsShownAndKeptUntilThePlayersOwnFileExists) {
    StoreList({90, 60});  // plays the installed list
    const QByteArray installed = ReadBytes(File());
    form.StartFileName = File();
    const QString own = Path("own/scores.hgh");
    QDir().mkpath(Path("own"));
    form.LoadAndEnter(own, 70);
    EXPECT_EQ(form.NewRank, 2);
    EXPECT_EQ(Cell(0, 1), "P1");
    EXPECT_EQ(Cell(2, 1), "P2");
    form.txtNySignatur->setText("Me");
    form.cmdOKClick();
    EXPECT_EQ(ReadBytes(File()), installed);
    TScoreTable saved;
    ReadScores(ReadBytes(own), saved, TLowNumbers::RangeError);
    EXPECT_EQ(saved[12][1].Signature, "P1");
    EXPECT_EQ(saved[12][2].Signature, "Me");
    EXPECT_EQ(saved[13][1].Signature, "Other");
}

TEST_F(TioitoppTest, ADamagedFileIsKeptAsABackupBeforeItIsRewritten) {
    const QByteArray damaged = ScoreText({{12, 1, "Kept", 80}}) + "12\r\nx\r\n" +
                               ScoreText({{12, 2, "Behind the damage", 70}});
    WriteBytes(File(), damaged);
    form.LoadAndEnter(File(), 90);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, TMessageKind::Information);
    EXPECT_TRUE(messages[0].second.startsWith(
        "Error reading the highscore file. The following error occurred: Invalid numeric input"));
    EXPECT_TRUE(messages[0].second.contains("scores.hgh.bak"));
    EXPECT_EQ(form.ScoreTable[12][2].Signature, "Kept");
    form.cmdOKClick();
    EXPECT_EQ(ReadBytes(Path("scores.hgh.bak")), damaged);
    EXPECT_EQ(Saved()[12][1].ScorePercent, 90);
}

TEST_F(TioitoppTest, AnUnwritableFileIsReportedAndKeepsTheTable) {
    form.LoadAndEnter(Path("no-folder/scores.hgh"), 50);
    form.cmdOKClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].second.startsWith(
        "Could not write to the highscore file. The following error occurred: "));
    EXPECT_EQ(form.ScoreTable[12][1].ScorePercent, 50);
}

TEST_F(TioitoppTest, ShowingTranslatesTheCaptionAndNamesTheExercise) {
    LanguageTable[3][11] = "Les dix meilleurs";
    CurrentLanguage = 3;
    form.LoadAndEnter(File(), -1);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Les dix meilleurs");
    EXPECT_EQ(form.lblOvningsNamn->text(), "Capitals of Europe");
    EXPECT_EQ(form.cmdOK->text(), "OK");
}

// The exercise screen that owns the form is released while the form lets
// window messages run: nothing touches the freed form afterwards.
TEST_F(TioitoppTest, AnOwnerReleasedWhileTheFormOpensEndsItSafely) {
    auto* owner = new QWidget;
    QTimer::singleShot(0, [owner] { delete owner; });
    TTopTenRequest request;
    request.ExerciseNumber = 12;
    request.FileName = File();
    request.Percent = 50;
    EXPECT_EQ(TfrmTioitopp::Execute(owner, request), QDialog::Rejected);
    EXPECT_TRUE(messages.empty());
}

TEST_F(TioitoppTest, AnExerciseOutsideTheTableIsReportedNotShown) {
    TTopTenRequest request;
    request.ExerciseNumber = 91;
    request.FileName = File();
    request.Percent = 50;
    EXPECT_EQ(TfrmTioitopp::Execute(nullptr, request), QDialog::Rejected);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].second, "Range check error");
}

// An exercise screen as the top-ten form sees its owner.
class OwnerScreen : public QWidget, public TOvningsformular {
  public:
    void VisaFraga(const QString&) override {}
    void VisaProcent(int) override {}
};

// The game's own path: the exercise hands its result to ShowTopTen, which
// opens the form the game installs over the screen; what is typed there
// ends up in the score file.
TEST_F(TioitoppTest, AResultHandedToShowTopTenReachesTheScoreFile) {
    SetScoreFolder(dir_.path());
    ASSERT_EQ(HighScoreFile(), File());
    StoreList({90});
    InstallTopTenForm();
    const std::unique_ptr<COvning> exercise = CreateExercise("AREA");
    exercise->Number = 12;
    exercise->Names[2] = "Capitals of Europe";
    OwnerScreen owner;

    QString shownName;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        auto* shown = qobject_cast<TfrmTioitopp*>(QApplication::activeModalWidget());
        if (!shown || !shownName.isEmpty()) return;
        shownName = shown->lblOvningsNamn->text();
        shown->txtNySignatur->setText("Ada");
        QTest::mouseClick(shown->cmdOK, Qt::LeftButton);
    });
    typist.start(5);
    ShowTopTen(*exercise, 95, &owner);
    typist.stop();

    EXPECT_EQ(shownName, "Capitals of Europe");
    const TScoreTable saved = Saved();
    EXPECT_EQ(saved[12][1].ScorePercent, 95);
    EXPECT_EQ(saved[12][1].Signature, "Ada");
    EXPECT_EQ(saved[12][2].ScorePercent, 90);
    EXPECT_EQ(saved[13][1].Signature, "Other");
}

// Beside each signature the day it was played, where the results history
// has a full run of the exercise with that signature and percentage; the
// same name and result twice are two runs, told apart by their days.
TEST_F(TioitoppTest, EachResultTheHistoryKnowsShowsItsDate) {
    StoreList({90, 80, 80, 70});
    QDateTime now(QDate(2026, 10, 5), QTime(10, 0));
    TResultsHistory history(Path("history.sqlite"), [&now] { return now; });
    const auto run = [&](int day, const QString& signature, int percent, bool practice = false) {
        now = QDateTime(QDate(2026, 10, day), QTime(10, 0));
        const int r = history.BeginRun(12, 2, practice);
        history.EndRun(r, percent, true);
        history.SetSignature(r, signature);
    };
    run(1, "P1", 90);
    run(2, "P2", 80);
    run(3, "P3", 80);
    run(4, "P4", 70, true);  // practice is never in the list
    run(6, "P1", 55);        // another result of P1
    history.Flush();
    SetResultsHistory(&history);
    form.LoadAndEnter(File(), -1);
    SetResultsHistory(nullptr);
    const auto date = [&](int row) {
        return form.grdLista->item(row, 1)->data(SideNoteRole).toString();
    };
    // In the English of the interface, day first, the year whole.
    EXPECT_EQ(date(0), "01/10/2026");
    EXPECT_EQ(date(1), "02/10/2026");
    EXPECT_EQ(date(2), "03/10/2026");
    EXPECT_EQ(date(3), "");
    EXPECT_EQ(date(4), "");
    EXPECT_EQ(Cell(0, 1), "P1");  // the signature itself stays as it was
}

TEST(DatesOfResults, EachRunIsMatchedOnceNewestFirst) {
    const auto at = [](int day) { return QDateTime(QDate(2026, 1, day), QTime(9, 0), Qt::UTC); };
    std::vector<THistoryRun> runs(4);
    runs[0] = {1, 12, 2, at(1), at(1), 80, false, true, "Bo"};
    runs[1] = {2, 12, 2, at(5), at(5), 80, false, true, "Bo"};
    runs[2] = {3, 12, 2, at(6), at(6), 80, false, false, "Bo"};  // closed early
    runs[3] = {4, 12, 2, at(7), at(7), 90, false, true, ""};
    const std::vector<QDateTime> dates =
        DatesOfResults(runs, {{"Bo", 80}, {"Bo", 80}, {"Bo", 80}, {"", 90}});
    ASSERT_EQ(dates.size(), 4u);
    EXPECT_EQ(dates[0], at(5));
    EXPECT_EQ(dates[1], at(1));
    EXPECT_FALSE(dates[2].isValid());
    EXPECT_FALSE(dates[3].isValid());  // an unsigned entry is nobody's
}

}  // namespace
