// SPDX-License-Identifier: MIT
#include "WorksheetDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <memory>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "exercise/ovning.h"
#include "platform/MessageBoxes.h"
#include "screens/ScreenSupport.h"
#include "worksheets/Worksheet.h"

namespace {

QString Text(TOwnText text) {
    return OwnText(text, CurrentLanguage);
}

QString ExerciseName(const COvning& entry) {
    const QString name = entry.Names[CurrentLanguage];
    return name.isEmpty() ? entry.Names[2] : name;
}

}  // namespace

TWorksheetDialog::TWorksheetDialog(const COvning& entry, QWidget* parent)
    : QDialog(parent), entry_(entry) {
    setObjectName(QStringLiteral("frmWorksheet"));
    setWindowTitle(Text(TOwnText::WorksheetTitle).arg(ExerciseName(entry)));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(Text(TOwnText::WorksheetIntro), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* paperRow = new QHBoxLayout;
    auto* paperLabel = new QLabel(Text(TOwnText::WorksheetPaper), this);
    cboPaper = new QComboBox(this);
    cboPaper->setObjectName(QStringLiteral("cboPaper"));
    cboPaper->addItem(QStringLiteral("A4 (210 × 297 mm)"), int(QPageSize::A4));
    cboPaper->addItem(QStringLiteral("Letter (8.5 × 11 in)"), int(QPageSize::Letter));
    cboPaper->setCurrentIndex(DefaultPaper(QLocale()) == QPageSize::Letter ? 1 : 0);
    paperLabel->setBuddy(cboPaper);
    paperRow->addWidget(paperLabel);
    paperRow->addWidget(cboPaper, 1);
    layout->addLayout(paperRow);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    layout->addWidget(lblStatus);

    auto* buttons = new QHBoxLayout;
    cmdSavePdf = new QPushButton(Text(TOwnText::WorksheetSavePdf), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    cmdPrint = new QPushButton(Text(TOwnText::WorksheetPrint), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(Text(TOwnText::Close), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(cmdSavePdf);
    buttons->addWidget(cmdPrint);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    cmdSavePdf->setDefault(true);

    connect(cmdSavePdf, &QPushButton::clicked, this, &TWorksheetDialog::SavePdfClick);
    connect(cmdPrint, &QPushButton::clicked, this, &TWorksheetDialog::PrintClick);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

TWorksheetDialog::~TWorksheetDialog() = default;

QPageSize::PageSizeId TWorksheetDialog::Paper() const {
    return QPageSize::PageSizeId(cboPaper->currentData().toInt());
}

QString TWorksheetDialog::SuggestedFile() const {
    QString name = ExerciseName(entry_);
    // Characters no file system takes in a name.
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (unsafe.contains(c) || c.unicode() < 32) c = QLatin1Char('-');
    name = name.trimmed();
    if (name.isEmpty()) name = QStringLiteral("worksheet");
    return QDir(DocumentsFolder()).filePath(name + QStringLiteral(".pdf"));
}

bool TWorksheetDialog::SaveTo(const QString& fileName) {
    QString error;
    bool saved = false;
    {
        TWaitCursor wait;
        saved = SaveWorksheetPdf(entry_, fileName, Paper(), &error);
    }
    if (!saved) {
        lblStatus->clear();
        ShowMessage(TMessageKind::Error, error);
        return false;
    }
    lblStatus->setText(Text(TOwnText::WorksheetSaved).arg(QDir::toNativeSeparators(fileName)));
    return true;
}

void TWorksheetDialog::SavePdfClick() {
    QString file = QFileDialog::getSaveFileName(this, windowTitle(), SuggestedFile(),
                                                Text(TOwnText::WorksheetPdfKind));
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
    SaveTo(file);
}

void TWorksheetDialog::PrintClick() {
    std::unique_ptr<TWorksheet> sheet;
    try {
        TWaitCursor wait;
        sheet = std::make_unique<TWorksheet>(entry_, Paper());
    } catch (const TWorksheetError& e) {
        ShowMessage(TMessageKind::Error, e.Message);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(Paper()));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(sheet->Title());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(windowTitle());
    if (dialog.exec() != QDialog::Accepted) return;
    if (!sheet->Print(printer))
        ShowMessage(TMessageKind::Error,
                    Text(TOwnText::WorksheetPrintFailed).arg(printer.printerName()));
}

void ShowWorksheetDialog(QWidget* parent, const COvning& entry) {
    TWorksheetDialog dialog(entry, parent);
    dialog.exec();
}
