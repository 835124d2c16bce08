// SPDX-License-Identifier: MIT
// TResultsExportDialog: the choice of results, the file, and the writing.
#include "ResultsExportDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "data/Fileread.h"
#include "data/ovningar.h"
#include "exercise/ExerciseItems.h"
#include "history/ResultsHistory.h"
#include "platform/MessageBoxes.h"

namespace {
QString Text(TOwnText text) {
    return OwnText(text, CurrentLanguage);
}
constexpr int DefaultDays = 30;  // a month of lessons
}  // namespace

TResultsExportDialog::TResultsExportDialog(std::vector<const COvning*> exercises,
                                           const TResultsHistory& history, int exercise,
                                           QWidget* parent)
    : QDialog(parent), exercises_(std::move(exercises)), history_(history), exercise_(exercise) {
    setWindowTitle(Text(TOwnText::ExportResults).remove(QChar(0x2026)));
    optThis = new QRadioButton(Text(TOwnText::ExportThisExercise), this);
    optAll = new QRadioButton(Text(TOwnText::ExportAllExercises), this);
    optThis->setChecked(true);
    const QDate today = QDate::currentDate();
    dtFrom = new QDateEdit(today.addDays(-DefaultDays), this);
    dtTo = new QDateEdit(today, this);
    // Dates as the progress window shows them, in the interface language.
    for (QDateEdit* date : {dtFrom, dtTo}) {
        date->setLocale(DateLocale(CurrentLanguage));
        date->setDisplayFormat(DateFormat(CurrentLanguage));
        date->setCalendarPopup(true);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* dates = new QFormLayout;
    dates->addRow(Text(TOwnText::ExportFrom), dtFrom);
    dates->addRow(Text(TOwnText::ExportTo), dtTo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(optThis);
    layout->addWidget(optAll);
    layout->addLayout(dates);
    layout->addWidget(buttons);
}

TResultsExportDialog::~TResultsExportDialog() = default;

TClassResultsFilter TResultsExportDialog::Filter() const {
    TClassResultsFilter filter;
    filter.Exercise = optThis->isChecked() ? exercise_ : 0;
    filter.From = dtFrom->date();
    filter.To = dtTo->date();
    return filter;
}

QString TResultsExportDialog::ItemName(int exercise, const QString& key) {
    auto known = items_.find(exercise);
    if (known == items_.end()) {
        std::unique_ptr<TExerciseItems> items;
        for (const COvning* entry : exercises_) {
            if (items || entry->HistoryNumber() != exercise) continue;
            try {
                items = std::make_unique<TExerciseItems>(*entry);
            } catch (const std::exception& e) {
                LogFailure(e, QStringLiteral("naming the items of exercise %1").arg(exercise));
            }
        }
        known = items_.emplace(exercise, std::move(items)).first;
    }
    return known->second ? known->second->NameOf(key) : key;
}

bool TResultsExportDialog::ExportTo(const QString& fileName) {
    const auto exerciseName = [this](int number) {
        for (const COvning* entry : exercises_)
            if (entry->HistoryNumber() == number) return entry->Names[CurrentLanguage];
        return QString::number(number);
    };
    const QString csv = ClassResultsCsv(
        history_, Filter(), CurrentLanguage, exerciseName,
        [this](int exercise, const QString& key) { return ItemName(exercise, key); });
    QString error;
    if (!SaveClassResults(fileName, csv, &error)) {
        ShowMessage(TMessageKind::Error, Text(TOwnText::ExportFailed).arg(fileName, error));
        return false;
    }
    const int lines = int(csv.count(QStringLiteral("\r\n"))) - 1;  // without the heading
    ShowMessage(TMessageKind::Information,
                Text(TOwnText::ExportDone).arg(QDir::toNativeSeparators(fileName)).arg(lines));
    return true;
}

void TResultsExportDialog::accept() {
    const QString fileName = QFileDialog::getSaveFileName(
        this, windowTitle(),
        QDir(DocumentsFolder()).filePath(QStringLiteral("glomira-results.csv")),
        Text(TOwnText::ExportFileKind));
    if (fileName.isEmpty()) return;  // the window stays for another try
    if (ExportTo(fileName)) QDialog::accept();
}
