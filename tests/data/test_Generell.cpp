// SPDX-License-Identifier: MIT
// The language table loaded from lang.crp.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/Generell.h"
#include "exercise/ovning.h"
#include "platform/MessageBoxes.h"
#include "platform/Random.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"
#include "support/SharedStateSnapshot.h"

namespace {

class LanguageTableTest : public GlomiraTest {
  protected:
    void SetUp() override { LanguageTable = TLanguageTable(); }
    void TearDown() override { LanguageTable = TLanguageTable(); }
    static void Record(CrpWriter& w, int number, const QString& stem) {
        w.Word(number);
        for (int l = 1; l <= 6; ++l) w.Text(stem + QString::number(l));
    }
};

TEST_F(LanguageTableTest, LastRecordOfANumberWins) {
    CrpWriter w;
    Record(w, 25, "first");
    Record(w, 1, "start");
    Record(w, 25, "second");
    Record(w, 34, "last");
    w.Save(Path("lang.crp"));
    LoadLanguageTable(Path("lang.crp"));
    EXPECT_EQ(LanguageTable[1][25], "second1");
    EXPECT_EQ(LanguageTable[6][25], "second6");
    EXPECT_EQ(LanguageTable[3][1], "start3");
    EXPECT_EQ(LanguageTable[2][34], "last2");
    EXPECT_EQ(LanguageTable[2][2], "");
    CurrentLanguage = 4;
    EXPECT_EQ(LanguageText(1), "start4");
    CurrentLanguage = 2;
}

TEST_F(LanguageTableTest, NumbersOutsideTheTableFailBeforeStoring) {
    for (int bad : {0, 35}) {
        CrpWriter w;
        Record(w, 3, "ok");
        Record(w, bad, "bad");
        w.Save(Path("lang.crp"));
        try {
            LoadLanguageTable(Path("lang.crp"));
            FAIL() << bad;
        } catch (const ERangeError& e) {
            EXPECT_EQ(e.Message(), "Range check error");
        }
        EXPECT_EQ(LanguageTable[1][3], "ok1");
    }
}

TEST_F(LanguageTableTest, EmptyAndDamagedFiles) {
    CrpWriter().Save(Path("lang.crp"));
    LoadLanguageTable(Path("lang.crp"));
    EXPECT_EQ(LanguageTable[2][25], "");

    CrpWriter w;
    Record(w, 5, "x");
    CrpWriter().Raw(w.Bytes().chopped(1)).Save(Path("cut.crp"));
    EXPECT_THROW(LoadLanguageTable(Path("cut.crp")), EInOutError);
    EXPECT_THROW(LoadLanguageTable(Path("missing.crp")), EFileNotFound);
}

// Temporaries that a killed save left beside a file go once they are an hour old; newer ones (a
// save in progress in another copy) and other files beside it stay.
TEST(StaleTemporaries, GoWhenAnHourOldAndNothingElseDoes) {
    QTemporaryDir dir;
    const QString own = dir.filePath("own-exercises.crp");
    const QDateTime now = QDateTime::currentDateTime();
    const auto make = [&](const QString& name, int ageSeconds) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.flush();  // before the time is set: writing would set it again
        EXPECT_TRUE(f.setFileTime(now.addSecs(-ageSeconds), QFileDevice::FileModificationTime));
    };
    make("own-exercises.crp", 7200);
    make("own-exercises.crp.aB3xY9", 7200);
    make("own-exercises.crp.Qw12er", 60);
    make("own-exercises.crp.bak", 7200);
    make("own-exercises.crp.unreadable-20261209", 7200);
    make("own-scores.hgh.Zz9Zz9", 7200);
    EXPECT_EQ(RemoveStaleTemporaries({own}, now), 1);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left,
              QStringList({"own-exercises.crp", "own-exercises.crp.Qw12er", "own-exercises.crp.bak",
                           "own-exercises.crp.unreadable-20261209", "own-scores.hgh.Zz9Zz9"}));
    EXPECT_EQ(RemoveStaleTemporaries({dir.filePath("own-scores.hgh")}, now), 1);
}

TEST(ProgramDirectory, IsTheExecutablesFolder) {
    EXPECT_EQ(ProgramDirectory(), QCoreApplication::applicationDirPath());
    EXPECT_FALSE(ProgramDirectory().endsWith('/'));
    EXPECT_EQ(ProgramFile("lang.crp"), ProgramDirectory() + "/lang.crp");
}

TEST(HighScoreFile, LiesBesideAProgramWhoseFolderCanBeWritten) {
    EXPECT_EQ(HighScoreFile(), ProgramFile("scores.hgh"));
}

class NoSound : public TSoundOutput {
  public:
    void PlayEffect(const QString&, int) override {}
    void PlayMusic(const QString&, int) override {}
};

// Whatever a test changes of the shared state is back once its snapshot goes.
TEST(HighScoreFile, NeverLiesInAFolderThePackageManagerInstalled) {
    // Writable for an administrator, but removing the package would leave
    // the results behind, and they are the administrator's own.
    EXPECT_FALSE(ScoresBesideProgram("/usr/lib"));
    EXPECT_FALSE(ScoresBesideProgram("/usr/bin"));
    QTemporaryDir writable;
    EXPECT_TRUE(ScoresBesideProgram(writable.path()));
    EXPECT_FALSE(ScoresBesideProgram(writable.filePath("missing")));
}

TEST_F(LanguageTableTest, ASnapshotPutsBackEverythingShared) {
    const QString dirBefore = QDir::currentPath();
    const int languageBefore = CurrentLanguage;
    const bool soundsBefore = SoundsOn, musicBefore = MusicOn;
    const qint64 colourCountBefore = ScreenColorCount;
    const TColor panelBefore = PanelColor, correctBefore = CorrectColor;
    const bool templateBefore = TemplateBitmap.isNull();
    NoSound sound;
    SetFixedRandomSeed(5);
    {
        SharedStateSnapshot saved;
        LanguageTable[3][7] = "changed";
        CurrentLanguage = 5;
        SoundsOn = !SoundsOn;
        MusicOn = !MusicOn;
        ScreenColorCount = 12345;
        PanelColor = FrameColor = HighlightColor = CorrectColor = 0x123456;
        TemplateBitmap = QImage(3, 3, QImage::Format_RGB32);
        SetSoundOutput(&sound);
        SetTopTenForm([](const TTopTenRequest&, TOvningsformular*) {});
        SetMessageSink([](TMessageKind, const QString&) {});
        ClearFixedRandomSeed();
        SetScoreFolder(Path("scores"));
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    EXPECT_EQ(LanguageTable[3][7], "");
    EXPECT_EQ(CurrentLanguage, languageBefore);
    EXPECT_EQ(SoundsOn, soundsBefore);
    EXPECT_EQ(MusicOn, musicBefore);
    EXPECT_EQ(ScreenColorCount, colourCountBefore);
    EXPECT_EQ(PanelColor, panelBefore);
    EXPECT_EQ(CorrectColor, correctBefore);
    EXPECT_EQ(TemplateBitmap.isNull(), templateBefore);
    EXPECT_EQ(CurrentSoundOutput(), nullptr);
    EXPECT_FALSE(CurrentTopTenForm());
    EXPECT_FALSE(CurrentMessageSink());
    EXPECT_EQ(FixedRandomSeed(), std::optional<quint64>(5));
    EXPECT_TRUE(ScoreFolder().isEmpty());
    EXPECT_EQ(QDir::currentPath(), dirBefore);
}

}  // namespace
