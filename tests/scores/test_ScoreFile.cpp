// SPDX-License-Identifier: MIT
// scores.hgh: the reader's rules, the complete write, safe saving, backups, results added
// by programs sharing the file, and how signatures are stored.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSysInfo>
#include <memory>

#include "scores/ScoreFile.h"
#include "support/GlomiraTest.h"
#include "support/ScoreFiles.h"

namespace {

TEST(ScoreFileFormat, WritesAll900RecordsInOrder) {
    TScoreTable table;
    table[1][1] = {87, "Åsa"};
    table[90][10] = {5, "Last"};
    const QByteArray text = FormatScores(table);
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 3601);  // 3600 lines and the empty rest after the final line end
    EXPECT_TRUE(text.endsWith("\r\n"));
    EXPECT_EQ(text.left(15), QByteArray("1\r\n1\r\n\xC5sa\r\n87\r\n"));
    // Record k (from 0) is exercise k / 10 + 1, rank k % 10 + 1.
    for (int k = 0; k < 900; ++k) {
        ASSERT_EQ(lines[4 * k], QByteArray::number(k / 10 + 1) + "\r") << k;
        ASSERT_EQ(lines[4 * k + 1], QByteArray::number(k % 10 + 1) + "\r") << k;
    }
    EXPECT_EQ(lines[4 * 11 + 2], "\r");  // an empty place: no signature, 0
    EXPECT_EQ(lines[4 * 11 + 3], "0\r");
    EXPECT_EQ(lines[3598], "Last\r");
}

TEST(ScoreFileFormat, WhatIsWrittenReadsBackTheSame) {
    TScoreTable table;
    table[3][2] = {66, "Zoë Ørsted"};
    table[45][1] = {100, ""};
    TScoreTable back;
    ReadScores(FormatScores(table), back, TLowNumbers::RangeError);
    EXPECT_EQ(back[3][2].Signature, "Zoë Ørsted");
    EXPECT_EQ(back[3][2].ScorePercent, 66);
    EXPECT_EQ(back[45][1].ScorePercent, 100);
    EXPECT_EQ(back[45][2].ScorePercent, 0);
}

TEST(ScoreFileReading, LaterRecordsWinAndOutsideRecordsAreSkipped) {
    TScoreTable table;
    ReadScores(ScoreText({{3, 1, "First", 50},
                          {91, 1, "Too far", 99},
                          {3, 11, "Too low", 99},
                          {3, 1, "Second", 60},
                          {4, 2, QString(60, 'x'), 70}}),
               table, TLowNumbers::Skip);
    EXPECT_EQ(table[3][1].Signature, "Second");
    EXPECT_EQ(table[3][1].ScorePercent, 60);
    EXPECT_EQ(table[3][10].ScorePercent, 0);
    EXPECT_EQ(table[4][2].Signature, QString(50, 'x'));
}

TEST(ScoreFileReading, LooseLayoutIsAccepted) {
    // Line feeds alone, blanks around numbers, text after a number, trailing blank lines.
    TScoreTable table;
    ReadScores("  7\n2 rest\nAnna Berg \n 88\n\n\r\n", table, TLowNumbers::Skip);
    EXPECT_EQ(table[7][2].Signature, "Anna Berg ");
    EXPECT_EQ(table[7][2].ScorePercent, 88);
    EXPECT_NO_THROW(ReadScores("", table, TLowNumbers::Skip));
}

TEST(ScoreFileReading, ADamagedRecordStopsAndKeepsWhatCameBefore) {
    TScoreTable table;
    const QByteArray good = ScoreText({{1, 1, "Kept", 40}});
    try {
        ReadScores(good + "2\r\n1\r\nName\r\nninety\r\n" + ScoreText({{3, 1, "Lost", 1}}), table,
                   TLowNumbers::Skip);
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "Invalid numeric input");
    }
    EXPECT_EQ(table[1][1].Signature, "Kept");
    EXPECT_EQ(table[3][1].ScorePercent, 0);

    for (const QByteArray& cut : {QByteArray("5\r\n"), QByteArray("5\r\n1\r\n"),
                                  QByteArray("5\r\n1\r\nName\r\n"), QByteArray("5\r\n1x\r\n")}) {
        TScoreTable other;
        EXPECT_THROW(ReadScores(good + cut, other, TLowNumbers::Skip), EInOutError) << cut.data();
        EXPECT_EQ(other[1][1].ScorePercent, 40);
    }
}

TEST(ScoreFileReading, NumbersBelowOneAreSkippedOrARangeError) {
    const QByteArray text = ScoreText({{1, 1, "A", 10}, {0, 1, "Zero", 20}, {2, -1, "B", 30}});
    TScoreTable skipped;
    ReadScores(text, skipped, TLowNumbers::Skip);
    EXPECT_EQ(skipped[1][1].ScorePercent, 10);
    TScoreTable strict;
    try {
        ReadScores(text, strict, TLowNumbers::RangeError);
        FAIL();
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message(), "Range check error");
    }
    EXPECT_EQ(strict[1][1].ScorePercent, 10);
}

using ScoreSavingTest = GlomiraTest;

TEST_F(ScoreSavingTest, SavingReplacesTheWholeFile) {
    WriteBytes(Path("scores.hgh"), QByteArray(100000, 'x'));
    TScoreTable table;
    table[2][3] = {77, "Ida"};
    SaveScores(Path("scores.hgh"), table);
    EXPECT_EQ(ReadBytes(Path("scores.hgh")), FormatScores(table));
    // Nothing else is left in the folder: the temporary file was renamed.
    EXPECT_EQ(QDir(Path(".")).entryList(QDir::Files), QStringList{"scores.hgh"});
}

TEST_F(ScoreSavingTest, AFailedSaveRaisesAndLeavesNoFile) {
    TScoreTable table;
    EXPECT_THROW(SaveScores(Path("missing-folder/scores.hgh"), table), EInOutError);
    EXPECT_FALSE(QFile::exists(Path("missing-folder/scores.hgh")));
}

TEST_F(ScoreSavingTest, BackupsAreKeptOncePerContents) {
    WriteBytes(Path("scores.hgh"), "damaged one");
    EXPECT_EQ(KeepBackup(Path("scores.hgh")), Path("scores.hgh.bak"));
    EXPECT_EQ(KeepBackup(Path("scores.hgh")), Path("scores.hgh.bak"));
    WriteBytes(Path("scores.hgh"), "damaged two");
    EXPECT_EQ(KeepBackup(Path("scores.hgh")), Path("scores.hgh.bak2"));
    EXPECT_EQ(ReadBytes(Path("scores.hgh.bak")), "damaged one");
    EXPECT_EQ(ReadBytes(Path("scores.hgh.bak2")), "damaged two");
    EXPECT_THROW(KeepBackup(Path("none.hgh")), EInOutError);
}

// Copies of the program sharing one folder (a school's network share) each
// add results at the same moment; not one result may be lost.
TEST_F(ScoreSavingTest, EightProgramsAddingAtOnceLoseNothing) {
    const QString file = Path("scores.hgh");
    const QString go = Path("go");
    const QString adder = QCoreApplication::applicationDirPath() + "/glomira_score_adder";
    ASSERT_TRUE(QFile::exists(adder));
    constexpr int Programs = 8;
    constexpr int Each = 10;
    std::vector<std::unique_ptr<QProcess>> programs;
    for (int p = 0; p < Programs; ++p) {
        programs.push_back(std::make_unique<QProcess>());
        programs.back()->start(adder,
                               {file, QString::number(p * Each + 1), QString::number(Each), go});
        ASSERT_TRUE(programs.back()->waitForStarted(10000));
    }
    WriteBytes(go, "");
    for (auto& program : programs) {
        ASSERT_TRUE(program->waitForFinished(60000));
        EXPECT_EQ(program->exitCode(), 0) << program->readAllStandardError().toStdString();
    }
    TScoreTable table;
    ReadScores(ReadBytes(file), table, TLowNumbers::RangeError);
    for (int p = 0; p < Programs; ++p) {
        for (int i = 0; i < Each; ++i) {
            const TScoreEntry& entry = table[p * Each + 1 + i][1];
            EXPECT_EQ(entry.Signature, QString("%1-%2").arg(p * Each + 1).arg(i));
            EXPECT_EQ(entry.ScorePercent, 50 + i);
        }
    }
    EXPECT_FALSE(QFile::exists(file + ".lock"));
}

TEST_F(ScoreSavingTest, AddingRereadsTheFileAndPutsTheResultInItsPlace) {
    const QString file = Path("scores.hgh");
    WriteBytes(file, ScoreText({{5, 1, "Ann", 90}, {5, 2, "Bo", 70}, {6, 1, "Cy", 40}}));
    TScoreTable table;
    table[5][1] = {10, "stale"};  // what the caller held is not what is written
    const TAddedScore added = AddScore(file, {}, 5, 80, "Di\nna", table);
    EXPECT_EQ(added.Rank, 2);
    EXPECT_TRUE(added.ReadError.isEmpty());
    TScoreTable saved;
    ReadScores(ReadBytes(file), saved, TLowNumbers::RangeError);
    EXPECT_EQ(saved[5][1].Signature, "Ann");
    EXPECT_EQ(saved[5][2].Signature, "Di na");
    EXPECT_EQ(saved[5][3].Signature, "Bo");
    EXPECT_EQ(saved[6][1].ScorePercent, 40);
    EXPECT_EQ(ReadBytes(file), FormatScores(table));

    // Below all ten: nothing enters, the file is still written whole.
    for (int rank = 1; rank <= ScoreRanks; ++rank) table[7][rank] = {50, "x"};
    SaveScores(file, table);
    EXPECT_EQ(AddScore(file, {}, 7, 49, "late", table).Rank, 0);
    EXPECT_EQ(AddScore(file, {}, 7, -1, "never", table).Rank, 0);
    EXPECT_EQ(table[7][10].Signature, "x");
}

TEST_F(ScoreSavingTest, ALockLeftByAProgramThatEndedIsTakenOver) {
    const QString file = Path("scores.hgh");
    // A lock left by a program that no longer runs.
    WriteBytes(file + ".lock", "999999\nglomira\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    TScoreTable table;
    EXPECT_EQ(AddScore(file, {}, 1, 60, "Eva", table).Rank, 1);
    EXPECT_FALSE(QFile::exists(file + ".lock"));
}

TEST_F(ScoreSavingTest, AnInstalledListIsTheStartUntilThePlayersOwnFileExists) {
    const QString installed = Path("installed.hgh");
    const QString own = Path("own.hgh");
    WriteBytes(installed, ScoreText({{3, 1, "Teacher", 95}}));
    const QByteArray before = ReadBytes(installed);
    EXPECT_EQ(ScoreFileToRead(own, installed), installed);
    TScoreTable table;
    EXPECT_EQ(AddScore(own, installed, 3, 80, "Pupil", table).Rank, 2);
    EXPECT_EQ(ReadBytes(installed), before);  // never written
    EXPECT_EQ(ScoreFileToRead(own, installed), own);
    TScoreTable saved;
    ReadScores(ReadBytes(own), saved, TLowNumbers::RangeError);
    EXPECT_EQ(saved[3][1].Signature, "Teacher");
    EXPECT_EQ(saved[3][2].Signature, "Pupil");
    // From now on the player's own file counts, whatever the installed one says.
    WriteBytes(installed, ScoreText({{3, 1, "Changed", 99}}));
    EXPECT_EQ(AddScore(own, installed, 4, 10, "Next", table).Rank, 1);
    EXPECT_EQ(table[3][1].Signature, "Teacher");
}

TEST_F(ScoreSavingTest, ADamagedFileIsCopiedAsideBeforeAResultIsAdded) {
    const QString file = Path("scores.hgh");
    const QByteArray damaged = ScoreText({{2, 1, "Kept", 80}}) + "2\r\nx\r\n";
    WriteBytes(file, damaged);
    TScoreTable table;
    const TAddedScore added = AddScore(file, {}, 2, 90, "New", table);
    EXPECT_EQ(added.ReadError, "Invalid numeric input");
    EXPECT_EQ(added.Backup, file + ".bak");
    EXPECT_EQ(ReadBytes(file + ".bak"), damaged);
    EXPECT_EQ(table[2][1].Signature, "New");
    EXPECT_EQ(table[2][2].Signature, "Kept");
}

TEST(ScoreSignatures, ControlsGoAndForeignLettersStayReadable) {
    EXPECT_EQ(CutSignature("Anna\r\n42"), "Anna 42");
    EXPECT_EQ(CutSignature(QString::fromUtf8("\tBo\x7f\x1b[1m\u0085\u2028x")), " Bo[1m x");
    EXPECT_EQ(CutSignature(QString::fromUtf8("Łódź Ñandú Ærø ﬁn € “q”")),
              QString::fromUtf8("Lódz Ñandú Ærø fin € “q”"));
    EXPECT_EQ(CutSignature(QString::fromUtf8("東京 😀")), "?? ?");
    EXPECT_EQ(CutSignature(QString(60, 'a')), QString(50, 'a'));
    bool ok = false;
    ToWindows1252(CutSignature(QString::fromUtf8("Ŀŀ ħ ı Ő ő ǅ")), &ok);
    EXPECT_TRUE(ok);
}

}  // namespace
