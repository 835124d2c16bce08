// scores.hgh: the reader's rules, the complete write, safe saving and backups.
#include <gtest/gtest.h>

#include <QDir>

#include "scores/ScoreFile.h"
#include "scores/ScoreTestSupport.h"
#include "support/TempDir.h"

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

using ScoreSavingTest = TempDirTest;

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

}  // namespace
