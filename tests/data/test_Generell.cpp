// The language table loaded from lang.crp.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/Generell.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

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

TEST(ProgramDirectory, IsTheExecutablesFolder) {
    EXPECT_EQ(ProgramDirectory(), QCoreApplication::applicationDirPath());
    EXPECT_FALSE(ProgramDirectory().endsWith('/'));
    EXPECT_EQ(ProgramFile("lang.crp"), ProgramDirectory() + "/lang.crp");
}

TEST(HighScoreFile, LiesBesideAProgramWhoseFolderCanBeWritten) {
    EXPECT_EQ(HighScoreFile(), ProgramFile("scores.hgh"));
}

}  // namespace
