// SPDX-License-Identifier: MIT
// TResultsExportDialog: a teacher's export of the class's results from the
// results history to a CSV file: one exercise or all of them, between two
// dates.
#pragma once

#include <QDialog>
#include <map>
#include <memory>
#include <vector>

#include "history/ClassResults.h"

class COvning;
class QDateEdit;
class QRadioButton;
class TExerciseItems;
class TResultsHistory;

class TResultsExportDialog : public QDialog {
    Q_OBJECT
  public:
    // exercise is the history number of the one the window was opened for;
    // the exercises name the runs. They and the history outlive the dialog.
    TResultsExportDialog(std::vector<const COvning*> exercises, const TResultsHistory& history,
                         int exercise, QWidget* parent);
    ~TResultsExportDialog() override;

    // The choice on the window.
    TClassResultsFilter Filter() const;
    // Writes the chosen results to the file and says how it went in a
    // message; true when written.
    bool ExportTo(const QString& fileName);

    QRadioButton* optThis;
    QRadioButton* optAll;
    QDateEdit* dtFrom;
    QDateEdit* dtTo;

  protected:
    // OK asks for the file, then writes it.
    void accept() override;

  private:
    QString ItemName(int exercise, const QString& key);

    std::vector<const COvning*> exercises_;  // the delivered and the own ones
    const TResultsHistory& history_;
    const int exercise_;
    std::map<int, std::unique_ptr<TExerciseItems>> items_;  // read when first named
};
