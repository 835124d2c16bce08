// SPDX-License-Identifier: MIT
// The high-score list: rank-1 columns in catalogue order, skipped records,
// missing and damaged files, the flowers.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include "app/GenerellUi.h"
#include "app/ShellTest.h"
#include "data/ovningar.h"
#include "scores/Topp.h"
#include "support/ScoreFiles.h"

namespace {

class ToppTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        // Catalogue order differs from number order on purpose.
        const int numbers[] = {7, 3, 42};
        const char* names[] = {"Rivers", "Capitals", "Flags"};
        for (int i = 0; i < 3; ++i) {
            entries.push_back(CreateExercise("AREA"));
            entries[i]->Number = numbers[i];
            entries[i]->Names[2] = names[i];
            entries[i]->Names[1] = QString(names[i]) + " (sv)";
            if (i > 0) entries[i - 1]->Next = entries[i].get();
        }
        catalogue.First = entries[0].get();
    }
    QString File() const { return Path("scores.hgh"); }
    QString Cell(int row, int column) const {
        const QTableWidgetItem* item = form.grdLista->item(row, column);
        return item ? item->text() : QString("<none>");
    }

    std::vector<std::unique_ptr<COvning>> entries;
    COvningar catalogue;  // refers to the entries; owns none of them
    TfrmTopplista form;
};

TEST_F(ToppTest, EachExerciseShowsItsRankOneInCatalogueOrder) {
    WriteBytes(File(), ScoreText({{3, 1, "Eva", 0},
                                  {3, 2, "Second", 50},
                                  {42, 1, "Ola", 97},
                                  {3, 1, "Later Eva", 0},
                                  {91, 1, "Skipped", 99},
                                  {7, 11, "Skipped", 99},
                                  {42, 3, QString(60, 'z'), 10}}));
    form.LoadScores(File(), catalogue);
    ASSERT_EQ(form.grdLista->rowCount(), 3);
    EXPECT_EQ(Cell(0, 0), "7");
    EXPECT_EQ(Cell(0, 1), "Rivers");
    EXPECT_EQ(Cell(0, 2), "");
    EXPECT_EQ(Cell(0, 3), "");
    EXPECT_EQ(Cell(1, 1), "Capitals");
    EXPECT_EQ(Cell(1, 2), "Later Eva");
    EXPECT_EQ(Cell(1, 3), "");  // 0 % shows nothing
    EXPECT_EQ(Cell(2, 2), "Ola");
    EXPECT_EQ(Cell(2, 3), "97 %");
    EXPECT_EQ(form.ScoreTable[42][3].Signature, QString(50, 'z'));
    EXPECT_TRUE(form.grdLista->isColumnHidden(0));
    EXPECT_EQ(form.grdLista->columnWidth(1), 295);
    EXPECT_EQ(form.grdLista->columnWidth(2), 120);
    EXPECT_EQ(form.grdLista->columnWidth(3), 50);
}

TEST_F(ToppTest, NamesFollowTheCurrentLanguage) {
    CurrentLanguage = 1;
    form.LoadScores(File(), catalogue);
    EXPECT_EQ(Cell(2, 1), "Flags (sv)");
}

TEST_F(ToppTest, AMissingOrEmptyFileIsAnEmptyList) {
    form.LoadScores(File(), catalogue);
    EXPECT_EQ(form.grdLista->rowCount(), 3);
    EXPECT_EQ(Cell(1, 2), "");
    WriteBytes(File(), "");
    TfrmTopplista other;
    other.LoadScores(File(), catalogue);
    EXPECT_EQ(other.grdLista->rowCount(), 3);
}

TEST_F(ToppTest, DamagedFilesAndBadNumbersAreReportedAndNothingIsShown) {
    struct Case {
        QByteArray file;
        int number;
        const char* message;
    };
    const Case cases[] = {
        {"3\r\n1\r\nA\r\nmany\r\n", 3, "Invalid numeric input"},
        {ScoreText({{0, 1, "Zero", 1}}), 3, "Range check error"},
        {ScoreText({{3, -2, "Minus", 1}}), 3, "Range check error"},
        {"", 95, "Range check error"},
    };
    for (const Case& c : cases) {
        messages.clear();
        WriteBytes(File(), c.file);
        entries[1]->Number = c.number;
        EXPECT_EQ(TfrmTopplista::Execute(nullptr, File(), catalogue), QDialog::Rejected);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].first, TMessageKind::Error);
        EXPECT_EQ(messages[0].second, c.message);
    }
    // Only read, never written.
    EXPECT_EQ(ReadBytes(File()), "");
}

TEST_F(ToppTest, ShowingTranslatesCaptionAndHeadline) {
    LanguageTable[2][8] = "High scores";
    LanguageTable[2][2] = "Best results";
    form.LoadScores(File(), catalogue);
    form.show();
    EXPECT_EQ(form.windowTitle(), "High scores");
    EXPECT_EQ(form.lblRubrik->text(), "Best results");
}

TEST_F(ToppTest, ClickingAFlowerSwapsThemAndTwiceRestores) {
    const int left = form.imgBlomma1->x();
    const int right = form.imgBlomma2->x();
    ASSERT_NE(left, right);
    QTest::mouseClick(form.imgBlomma1, Qt::LeftButton);
    EXPECT_EQ(form.imgBlomma1->x(), right);
    EXPECT_EQ(form.imgBlomma2->x(), left);
    QTest::mouseClick(form.imgBlomma1, Qt::RightButton);
    EXPECT_EQ(form.imgBlomma1->x(), left);
    EXPECT_EQ(form.imgBlomma2->x(), right);
}

}  // namespace
