// SPDX-License-Identifier: MIT
// TWorksheetDialog: the window that makes an exercise's worksheet: the
// paper, and the sheet saved as a PDF file or sent to a printer.
#pragma once

#include <QDialog>
#include <QPageSize>

class COvning;
class QComboBox;
class QLabel;
class QPushButton;

class TWorksheetDialog : public QDialog {
    Q_OBJECT
  public:
    // The entry outlives the dialog: a delivered exercise or a teacher's own.
    TWorksheetDialog(const COvning& entry, QWidget* parent);
    ~TWorksheetDialog() override;

    QPageSize::PageSizeId Paper() const;
    // The file name offered first: the exercise's name in the documents folder.
    QString SuggestedFile() const;
    // Writes the worksheet to the file; says how it went in a message; true
    // when written.
    bool SaveTo(const QString& fileName);

    QComboBox* cboPaper;
    QPushButton* cmdSavePdf;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;
    QLabel* lblStatus;

  private:
    void SavePdfClick();
    void PrintClick();

    const COvning& entry_;
};

// Opens the worksheet window for the entry over the parent (modal).
void ShowWorksheetDialog(QWidget* parent, const COvning& entry);
