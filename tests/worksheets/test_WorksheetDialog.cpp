// SPDX-License-Identifier: MIT
// The worksheet window: the paper a locale prints on, the file name it
// offers, and what it says when the file can or cannot be written.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QStandardPaths>

#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "screens/ScreenTest.h"
#include "worksheets/Worksheet.h"
#include "worksheets/WorksheetDialog.h"

namespace {

TEST(WorksheetPaper, LetterWhereTheLocalePrintsOnItA4Elsewhere) {
    for (const char* name : {"en_US", "en_CA", "fr_CA", "es_MX", "en_PH", "es_CO"})
        EXPECT_EQ(DefaultPaper(QLocale(name)), QPageSize::Letter) << name;
    for (const char* name :
         {"sv_SE", "en_GB", "de_DE", "fr_FR", "es_ES", "it_IT", "en_AU", "es_AR"})
        EXPECT_EQ(DefaultPaper(QLocale(name)), QPageSize::A4) << name;
}

class WorksheetWindow : public DeliveredDataTest {};

TEST_F(WorksheetWindow, OffersTheExercisesNameAsAPdfInTheDocumentsFolder) {
    std::unique_ptr<COvning> own = CreateExercise("AREA");
    own->Names[CurrentLanguage] = "Rivers: A/B \"test\"";
    TWorksheetDialog dialog(*own, nullptr);
    EXPECT_EQ(dialog.SuggestedFile(), QDir(DocumentsFolder()).filePath("Rivers- A-B -test-.pdf"));
    EXPECT_TRUE(dialog.windowTitle().contains("Rivers"));
    // Both papers are there to choose.
    EXPECT_EQ(dialog.cboPaper->count(), 2);
    dialog.cboPaper->setCurrentIndex(1);
    EXPECT_EQ(dialog.Paper(), QPageSize::Letter);
}

TEST_F(WorksheetWindow, SaysWhereTheSheetWentOrWhyItCouldNot) {
    COvning* oceania = Named("AREA", "Countries of Oceania");
    ASSERT_TRUE(oceania);
    TWorksheetDialog dialog(*oceania, nullptr);

    const QString bad = Path("missing/sheet.pdf");
    EXPECT_FALSE(dialog.SaveTo(bad));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(
        OwnText(TOwnText::WorksheetFailed, CurrentLanguage).section("%1", 0, 0)))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(bad));
    EXPECT_FALSE(QFile::exists(bad));

    const QString good = Path("sheet.pdf");
    EXPECT_TRUE(dialog.SaveTo(good));
    EXPECT_EQ(messages.size(), 1);
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_TRUE(dialog.lblStatus->text().contains(QDir::toNativeSeparators(good)));
}

}  // namespace
