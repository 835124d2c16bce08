// SPDX-License-Identifier: MIT
// TProgressWindow: one exercise's progress: its items by box of the
// learning schedule with their last result and when they fall due, and its
// recent runs with date and percentage.
#pragma once

#include <QDateTime>
#include <QWidget>

class COvning;
class QLabel;
class QPushButton;
class QTableWidget;
class TExerciseItems;
class TResultsHistory;

class TProgressWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int RecentRuns = 20;

    // Reads the history now (none: every item never asked, no runs); now is
    // the moment due dates are judged by.
    TProgressWindow(const COvning& entry, const TExerciseItems& items,
                    const TResultsHistory* history, const QDateTime& now, QWidget* parent);

    QLabel* lblSummary;
    QTableWidget* grdItems;  // name, box, last result, due
    QTableWidget* grdRuns;   // date, result, kind of run
    QPushButton* cmdExport;  // the class's results to a file

  signals:
    void exportResults(int exercise);
};
