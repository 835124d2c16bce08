// SPDX-License-Identifier: MIT
// The review, progress and flag windows on the delivered data: what they
// list, the names, flags and capitals they show, and the figures the main
// menu takes from a history of several simulated days.
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>

#include "data/UKarta.h"
#include "exercise/ExerciseItems.h"
#include "history/ResultsHistory.h"
#include "learning/FlagGallery.h"
#include "learning/ProgressFigures.h"
#include "learning/ProgressWindow.h"
#include "learning/ResultsExportDialog.h"
#include "learning/ReviewWindow.h"
#include "screens/ScreenTest.h"

namespace {

class LearningWindows : public DeliveredDataTest {
  protected:
    const COvning& Find(const QString& kind, const QString& name) const {
        const COvning* found = Named(kind, name);
        if (!found) ADD_FAILURE() << "no exercise named like " << name.toStdString();
        return found ? *found : *catalogue.First;
    }
};

// A country's capital is the state's capital of the places file, for every
// country any area or flag exercise asks; a few checked by name, in two
// languages.
TEST_F(LearningWindows, EveryCountryAskedHasItsFlagAndItsCapital) {
    std::map<QString, QString> capitals;
    for (const COvning* e = catalogue.First; e; e = e->Next) {
        if (e->Kind != "AREA" && e->Kind != "FLAGG") continue;
        const TExerciseItems items(*e);
        for (const TItemInfo& item : items.Items()) {
            if (item.FlagFile.isEmpty()) continue;
            SCOPED_TRACE(item.Key.toStdString() + " in exercise " + std::to_string(e->Number));
            // Western Sahara's capital is disputed; the places file holds none there.
            if (item.Key != "EH") {
                EXPECT_FALSE(item.Capital.isEmpty()) << item.Name.toStdString();
            }
            EXPECT_TRUE(QFile::exists(ProgramFile("flags/" + item.FlagFile)));
            capitals[item.Key] = item.Capital;
        }
    }
    const std::map<QString, QString> known{
        {"AU", "Canberra"},      {"CA", "Ottawa"},       {"BR", "Brasília"},   {"TR", "Ankara"},
        {"NG", "Abuja"},         {"CH", "Bern"},         {"NL", "Amsterdam"},  {"MM", "Naypyidaw"},
        {"SE", "Stockholm"},     {"CI", "Yamoussoukro"}, {"NZ", "Wellington"}, {"MA", "Rabat"},
        {"GB-SCT", "Edinburgh"}, {"GB-WLS", "Cardiff"}};
    for (const auto& [key, capital] : known) EXPECT_EQ(capitals[key], capital) << key.toStdString();
    EXPECT_GE(capitals.size(), 190u);

    CurrentLanguage = 1;
    const TExerciseItems swedish(Find("AREA", "Countries of Europe"));
    ASSERT_TRUE(swedish.Find("DK"));
    EXPECT_EQ(swedish.Find("DK")->Name, "Danmark");
    EXPECT_EQ(swedish.Find("DK")->Capital, "Köpenhamn");
    CurrentLanguage = 2;
}

// Only the misses are listed, each once with every wrong answer by name, the
// flag and capital of a country; picking a line asks to show it, and
// "Practise these" gives exactly the missed keys.
TEST_F(LearningWindows, TheReviewListsTheMissesWithWhatWasChosenAndPractisesThem) {
    std::unique_ptr<COvning> run = CreateExercise("AREA");
    run->CopyCatalogueFields(Find("AREA", "Countries of Europe"));
    run->RunRecord = {{"SE", 3, {"NO", "FI"}}, {"FR", 1, {}}, {"AT", 2, {"CH"}}};
    run->Percent = 67;
    const TExerciseItems items(*run);
    TReviewWindow review(*run, items, nullptr);
    EXPECT_EQ(review.MissedKeys(), (QStringList{"SE", "AT"}));
    ASSERT_EQ(review.lstItems->count(), 2);
    const QString sweden = review.lstItems->item(0)->text();
    EXPECT_TRUE(sweden.startsWith("Sweden\n")) << sweden.toStdString();
    EXPECT_TRUE(sweden.contains("Capital: Stockholm"));
    EXPECT_TRUE(sweden.contains("You chose: Norway, Finland"));
    EXPECT_FALSE(review.lstItems->item(0)->icon().isNull());
    EXPECT_TRUE(review.lblSummary->text().contains("2 of 3"))
        << review.lblSummary->text().toStdString();

    QSignalSpy shown(&review, &TReviewWindow::showItem);
    review.lstItems->setCurrentRow(1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.at(0).at(0).toString(), "AT");
    QSignalSpy practise(&review, &TReviewWindow::practise);
    review.cmdPractise->click();
    ASSERT_EQ(practise.size(), 1);
    EXPECT_EQ(practise.at(0).at(0).toStringList(), (QStringList{"SE", "AT"}));

    // A practice run without a miss: its result, and nothing to practise.
    run->Practice = true;
    run->Percent = 100;
    run->RunRecord = {{"SE", 1, {}}};
    TReviewWindow clean(*run, items, nullptr);
    EXPECT_FALSE(clean.cmdPractise->isEnabled());
    EXPECT_TRUE(clean.lblSummary->text().contains("Practice run: 100 %"));
    EXPECT_TRUE(clean.lblSummary->text().contains("All right"));
}

// A flag run's review: no word of a map it doesn't have, and a selected line shows its flag as
// it is, not tinted by the selection.
TEST_F(LearningWindows, AFlagReviewSpeaksOfNoMapAndKeepsItsFlagsColours) {
    std::unique_ptr<COvning> run = CreateExercise("FLAGG");
    run->CopyCatalogueFields(Find("FLAGG", "Flags"));
    CKarta holder;  // the flag screen's map holds areas, and no picture
    run->Map = &holder;
    const QString first = TExerciseItems::KeysOf(*run).first();
    run->RunRecord = {{first, 2, {}}};
    const TExerciseItems items(*run);
    TReviewWindow review(*run, items, nullptr);
    bool speaksOfTheMap = false;
    for (const QLabel* label : review.findChildren<QLabel*>())
        speaksOfTheMap |= !label->isHidden() && label->text().contains("map");
    EXPECT_FALSE(speaksOfTheMap);
    ASSERT_EQ(review.lstItems->count(), 1);
    const QIcon icon = review.lstItems->item(0)->icon();
    ASSERT_FALSE(icon.isNull());
    const QSize size = review.lstItems->iconSize();
    EXPECT_EQ(icon.pixmap(size, QIcon::Selected).toImage(),
              icon.pixmap(size, QIcon::Normal).toImage());
    run->Map = nullptr;
}

// Days of practice, on an injected clock: the boxes, the due dates and the
// runs table follow the history; the menu's figures take the best full run
// only and count the top box as learned.
TEST_F(LearningWindows, ProgressAfterSeveralSimulatedDays) {
    const COvning& entry = Find("FLAGG", "Flags");
    const TExerciseItems items(entry);
    const QStringList keys = items.Keys();
    ASSERT_GE(keys.size(), 4);
    QDateTime now(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
    TResultsHistory history(Path("history.sqlite"), [&now] { return now; });
    // keys[0] right at every run, keys[1] missed at the last, keys[2] once right.
    const auto runOf = [&](bool practice, QStringList asked, QList<int> attempts, int percent) {
        const int run = history.BeginRun(entry.Number, 2, practice);
        for (int i = 0; i < asked.size(); ++i)
            history.RecordQuestion(run, asked[i], attempts[i], {});
        history.EndRun(run, percent, true);
    };
    const std::vector<int> days{0, 1, 3, 7, 21};
    for (std::size_t d = 0; d < days.size(); ++d) {
        now = QDateTime(QDate(2026, 3, 2).addDays(days[d]), QTime(9, 0), Qt::UTC);
        const bool last = d + 1 == days.size();
        runOf(d % 2 == 1, {keys[0], keys[1]}, {1, last ? 3 : 1}, d % 2 == 1 ? 99 : 60 + int(d));
    }
    runOf(false, {keys[2]}, {1}, 50);
    history.Flush();

    const TProgressFigures figures = ProgressFiguresOf(history, entry.Number, keys);
    EXPECT_EQ(figures.BestPercent, 64);  // the practice runs' 99 % don't count
    EXPECT_EQ(figures.Learned, 1);       // keys[0], five times right
    EXPECT_EQ(figures.Items, keys.size());
    EXPECT_EQ(figures.ShortText(), QString("64 %  1/%1").arg(keys.size()));

    TProgressWindow window(entry, items, &history, now, nullptr);
    ASSERT_EQ(window.grdItems->rowCount(), keys.size());
    // The least known first (box 1: keys[1] missed today; keys[2] once right),
    // the learned one after them, those never asked last.
    const auto row = [&](int r, int c) { return window.grdItems->item(r, c)->text(); };
    EXPECT_EQ(row(0, 0), items.Find(keys[1])->Name);
    EXPECT_EQ(row(0, 1), "1");
    EXPECT_EQ(row(0, 2), "missed");
    EXPECT_EQ(row(0, 3), "now");
    EXPECT_EQ(row(1, 0), items.Find(keys[2])->Name);
    EXPECT_EQ(row(1, 1), "2");
    EXPECT_EQ(row(1, 2), "right at once");
    EXPECT_NE(row(1, 3), "now");  // due a day later
    EXPECT_EQ(row(2, 0), items.Find(keys[0])->Name);
    EXPECT_EQ(row(2, 1), "5 (learned)");
    EXPECT_EQ(row(window.grdItems->rowCount() - 1, 2), "never asked");
    EXPECT_TRUE(window.lblSummary->text().startsWith("1 of"))
        << window.lblSummary->text().toStdString();

    ASSERT_EQ(window.grdRuns->rowCount(), 6);
    EXPECT_EQ(window.grdRuns->item(0, 1)->text(), "50 %");  // newest first
    EXPECT_EQ(window.grdRuns->item(1, 2)->text(), "full run");
    EXPECT_EQ(window.grdRuns->item(2, 2)->text(), "practice");
}

// A date reads the same in the progress window and in the export window, in
// the interface language's own form with the year whole.
TEST_F(LearningWindows, ProgressAndExportWriteADateAlikeInEachLanguage) {
    const COvning& entry = Find("AREA", "Countries of Europe");
    TResultsHistory history(Path("history.sqlite"));
    const QDateTime noon(QDate(2026, 3, 2), QTime(12, 0), Qt::LocalTime);
    const int run = history.BeginRun(entry.Number, 2, false);
    history.EndRun(run, 50, true);
    history.Flush();
    const QDate day = QDate::currentDate();  // when the run above began
    const QStringList expected = {day.toString("yyyy-MM-dd"), day.toString("dd/MM/yyyy"),
                                  day.toString("dd/MM/yyyy"), day.toString("dd.MM.yyyy"),
                                  day.toString("d/M/yyyy"),   day.toString("dd/MM/yyyy")};
    const int saved = CurrentLanguage;
    for (int language = 1; language <= 6; ++language) {
        CurrentLanguage = language;
        const QString want = expected[language - 1];
        TProgressWindow window(entry, TExerciseItems(entry), &history, noon, nullptr);
        ASSERT_EQ(window.grdRuns->rowCount(), 1);
        EXPECT_TRUE(window.grdRuns->item(0, 0)->text().startsWith(want + ' '))
            << language << ": " << window.grdRuns->item(0, 0)->text().toStdString();
        TResultsExportDialog dialog(catalogue.Entries(), history, entry.Number, nullptr);
        dialog.dtTo->setDate(day);
        EXPECT_EQ(dialog.dtTo->text(), want) << language;
    }
    CurrentLanguage = saved;
}

// The flags of a flag exercise, each with its country's name.
TEST_F(LearningWindows, TheFlagGalleryShowsEveryFlagWithItsName) {
    const COvning& entry = Find("FLAGG", "Flags");
    const TExerciseItems items(entry);
    TFlagGallery gallery(entry, items, nullptr);
    EXPECT_EQ(gallery.CardCount(), int(items.Items().size()));
    int flags = 0, named = 0;
    for (const QLabel* label : gallery.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) ++flags;
        for (const TItemInfo& item : items.Items())
            if (label->text().contains("<b>" + item.Name.toHtmlEscaped() + "</b>")) ++named;
    }
    EXPECT_EQ(flags, gallery.CardCount());
    EXPECT_EQ(named, gallery.CardCount());
}

// The export window writes the chosen exercise's full runs with the names a
// player reads: the exercise's, and the missed countries'.
TEST_F(LearningWindows, TheExportWindowWritesTheClassResultsWithNames) {
    const COvning& entry = Find("AREA", "Countries of Europe");
    TResultsHistory history(Path("history.sqlite"));
    const int run = history.BeginRun(entry.Number, 2, false);
    history.RecordQuestion(run, "SE", 3, {"NO", "FI"});
    history.RecordQuestion(run, "FR", 1, {});
    history.EndRun(run, 83, true);
    history.SetSignature(run, "Alva");
    const int other = history.BeginRun(entry.Number + 1, 2, false);
    history.EndRun(other, 100, true);
    history.Flush();

    TResultsExportDialog dialog(catalogue.Entries(), history, entry.Number, nullptr);
    ASSERT_TRUE(dialog.optThis->isChecked());
    EXPECT_EQ(dialog.Filter().Exercise, entry.Number);
    EXPECT_EQ(dialog.Filter().To, QDate::currentDate());
    const QString file = Path("class.csv");
    ASSERT_TRUE(dialog.ExportTo(file));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].endsWith(": 1.")) << messages[0].toStdString();
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].endsWith(",Alva,Countries of Europe,83,Sweden")) << lines[1].toStdString();

    dialog.optAll->setChecked(true);
    EXPECT_EQ(dialog.Filter().Exercise, 0);
    ASSERT_TRUE(dialog.ExportTo(file));
    EXPECT_TRUE(messages.last().endsWith(": 2.")) << messages.last().toStdString();
}

}  // namespace
