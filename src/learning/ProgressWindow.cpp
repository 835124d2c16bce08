// SPDX-License-Identifier: MIT
// TProgressWindow: the tables of an exercise's items and runs.
#include "ProgressWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "exercise/ExerciseItems.h"
#include "exercise/ovning.h"
#include "history/ResultsHistory.h"

namespace {
QString Text(TOwnText text) {
    return OwnText(text, CurrentLanguage);
}

QTableWidget* Table(const QStringList& headings, int rows, QWidget* parent) {
    auto* table = new QTableWidget(rows, int(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < headings.size(); ++c)
        table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    return table;
}

void Put(QTableWidget* table, int row, int column, const QString& text) {
    table->setItem(row, column, new QTableWidgetItem(text));
}
}  // namespace

TProgressWindow::TProgressWindow(const COvning& entry, const TExerciseItems& items,
                                 const TResultsHistory* history, const QDateTime& now,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Text(TOwnText::ProgressTitle).arg(entry.Names[CurrentLanguage]));
    const TLearningSchedule schedule =
        history ? history->Schedule(entry.HistoryNumber()) : TLearningSchedule();

    // The items by box: the least known first, those never asked last.
    struct TLine {
        const TItemInfo* item;
        TLearningSchedule::TProgress progress;
    };
    std::vector<TLine> lines;
    for (const TItemInfo& item : items.Items()) lines.push_back({&item, schedule.Of(item.Key)});
    std::stable_sort(lines.begin(), lines.end(), [](const TLine& a, const TLine& b) {
        const int boxA = a.progress.box == 0 ? TLearningSchedule::Boxes + 1 : a.progress.box;
        const int boxB = b.progress.box == 0 ? TLearningSchedule::Boxes + 1 : b.progress.box;
        return boxA < boxB;
    });

    const QStringList keys = items.Keys();
    lblSummary = new QLabel(Text(TOwnText::ProgressSummary)
                                .arg(schedule.Learned(keys))
                                .arg(keys.size())
                                .arg(schedule.Due(keys, now).size()),
                            this);

    grdItems = Table({Text(TOwnText::ProgressItem), Text(TOwnText::ProgressBox),
                      Text(TOwnText::ProgressLast), Text(TOwnText::ProgressDue)},
                     int(lines.size()), this);
    for (int row = 0; row < int(lines.size()); ++row) {
        const TLine& line = lines[std::size_t(row)];
        const int box = line.progress.box;
        Put(grdItems, row, 0, line.item->Name);
        Put(grdItems, row, 1,
            box == 0 ? QStringLiteral("\u2013")
            : box == TLearningSchedule::Boxes
                ? QString::number(box) + QStringLiteral(" (") + Text(TOwnText::ProgressLearned) +
                      QLatin1Char(')')
                : QString::number(box));
        Put(grdItems, row, 2,
            box == 0                  ? Text(TOwnText::ProgressNever)
            : line.progress.lastRight ? Text(TOwnText::ProgressRight)
                                      : Text(TOwnText::ProgressMissed));
        const QDateTime due = schedule.DueAt(line.item->Key);
        Put(grdItems, row, 3,
            !due.isValid() || due <= now ? Text(TOwnText::ProgressNow)
                                         : ShownDate(due.toLocalTime().date(), CurrentLanguage));
    }

    std::vector<THistoryRun> runs =
        history ? history->Runs(entry.HistoryNumber()) : std::vector<THistoryRun>();
    if (runs.size() > std::size_t(RecentRuns)) runs.resize(std::size_t(RecentRuns));
    auto* runsTitle = new QLabel(Text(TOwnText::ProgressRuns), this);
    grdRuns = Table({Text(TOwnText::ProgressDate), Text(TOwnText::ProgressPercent),
                     Text(TOwnText::ProgressKind)},
                    int(runs.size()), this);
    for (int row = 0; row < int(runs.size()); ++row) {
        const THistoryRun& run = runs[std::size_t(row)];
        Put(grdRuns, row, 0, ShownDateTime(run.started, CurrentLanguage));
        Put(grdRuns, row, 1,
            run.percent < 0 ? QStringLiteral("\u2013")
                            : QString::number(run.percent) + QStringLiteral(" %"));
        Put(grdRuns, row, 2,
            run.practice   ? Text(TOwnText::RunPractice)
            : run.finished ? Text(TOwnText::RunFull)
                           : Text(TOwnText::RunClosed));
    }

    cmdExport = new QPushButton(Text(TOwnText::ExportResults), this);
    cmdExport->setEnabled(history != nullptr);
    const int number = entry.HistoryNumber();
    connect(cmdExport, &QPushButton::clicked, this, [this, number] { emit exportResults(number); });
    auto* close = new QPushButton(Text(TOwnText::Close), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdExport);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(grdItems, 3);
    layout->addWidget(runsTitle);
    layout->addWidget(grdRuns, 2);
    layout->addLayout(buttons);
    resize(520, 620);
    if (parent) move(parent->geometry().center() - rect().center());
}
