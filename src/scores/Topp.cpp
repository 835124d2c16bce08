// SPDX-License-Identifier: MIT
// The high-score list screen.
#include "Topp.h"

#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "data/ovningar.h"
#include "platform/MessageBoxes.h"
#include "scores/Decorations.h"

namespace {

constexpr int FormWidth = 632;
constexpr int FormHeight = 559;
constexpr int PanelWidth = 519;
constexpr int PanelHeight = 527;
constexpr int GridWidth = 487;
constexpr int GridHeight = 420;
constexpr int RowHeight = 20;
constexpr int FlowerSize = 32;
constexpr int ColumnWidths[] = {0, 295, 120, 50};

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (column == 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

void Colour(QWidget* widget, QPalette::ColorRole role, TColor colour) {
    QPalette p = widget->palette();
    p.setColor(role, ToQColor(colour));
    widget->setPalette(p);
}

}  // namespace

TfrmTopplista::TfrmTopplista(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTopplista"));
    SetTag(this, 8);
    setFixedSize(FormWidth, FormHeight);
    setAutoFillBackground(true);
    Colour(this, QPalette::Window, Colors::White);

    Panel1 = new QFrame(this);
    Panel1->setGeometry((FormWidth - PanelWidth) / 2, (FormHeight - PanelHeight) / 2, PanelWidth,
                        PanelHeight);
    Panel1->setAutoFillBackground(true);
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setLineWidth(2);

    lblRubrik = new QLabel(Panel1);
    SetTag(lblRubrik, 2);
    QFont headline(QStringLiteral("Arial"));
    headline.setBold(true);
    headline.setPixelSize(21);
    lblRubrik->setFont(headline);
    lblRubrik->setAlignment(Qt::AlignCenter);
    lblRubrik->setGeometry(FlowerSize + 24, 12, PanelWidth - 2 * (FlowerSize + 24), 32);
    QPalette yellow = lblRubrik->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    lblRubrik->setPalette(yellow);

    imgBlomma1 = new TClickLabel(Panel1);
    imgBlomma1->setPixmap(FlowerPicture(FlowerSize));
    imgBlomma1->setGeometry(16, 12, FlowerSize, FlowerSize);
    imgBlomma2 = new TClickLabel(Panel1);
    imgBlomma2->setPixmap(FlowerPicture(FlowerSize));
    imgBlomma2->setGeometry(PanelWidth - 16 - FlowerSize, 12, FlowerSize, FlowerSize);
    connect(imgBlomma1, &TClickLabel::mouseDown, this, &TfrmTopplista::SwapFlowers);
    connect(imgBlomma2, &TClickLabel::mouseDown, this, &TfrmTopplista::SwapFlowers);

    grdLista = new QTableWidget(Panel1);
    grdLista->setGeometry((PanelWidth - GridWidth) / 2, 56, GridWidth, GridHeight);
    grdLista->horizontalHeader()->hide();
    grdLista->verticalHeader()->hide();
    grdLista->verticalHeader()->setMinimumSectionSize(RowHeight);
    grdLista->verticalHeader()->setDefaultSectionSize(RowHeight);
    grdLista->setShowGrid(false);
    grdLista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdLista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grdLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLista->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLista->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    grdLista->setFont(arial);

    cmdOK = new TButton(QStringLiteral("OK"), Panel1);
    cmdOK->setDefault(true);
    cmdOK->setGeometry(PanelWidth / 2 - 50, 56 + GridHeight + 14, 100, 30);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    OpenHelpOnF1(this);
}

int TfrmTopplista::Execute(QWidget* parent, const QString& fileName, const COvningar& catalogue) {
    TfrmTopplista form(parent);
    try {
        form.LoadScores(fileName, catalogue);
    } catch (const Exception& e) {
        ShowMessage(TMessageKind::Error, e.Message());
        return QDialog::Rejected;
    }
    return form.exec();
}

void TfrmTopplista::LoadScores(const QString& fileName, const COvningar& catalogue) {
    grdLista->setColumnCount(4);
    for (int column = 0; column < 4; ++column)
        grdLista->setColumnWidth(column, ColumnWidths[column]);
    grdLista->setColumnHidden(0, true);
    grdLista->setRowCount(ScoreExercises);

    // No file yet simply means no results yet.
    if (QFile::exists(fileName)) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) throw EInOutError(file.errorString());
        ReadScores(file.readAll(), ScoreTable, TLowNumbers::RangeError);
    }
    FillOverview(catalogue);
}

void TfrmTopplista::FillOverview(const COvningar& catalogue) {
    int row = 0;
    for (const COvning* entry = catalogue.First; entry; entry = entry->Next, ++row) {
        const TScoreEntry& best = ScoreTable[entry->Number][1];
        if (row >= grdLista->rowCount()) grdLista->setRowCount(row + 1);
        SetCell(grdLista, row, 0, QString::number(entry->Number));
        SetCell(grdLista, row, 1, entry->Names[CurrentLanguage]);
        SetCell(grdLista, row, 2, best.Signature);
        SetCell(grdLista, row, 3,
                best.ScorePercent > 0 ? QString::number(best.ScorePercent) + QStringLiteral(" %")
                                      : QString());
    }
    grdLista->setRowCount(row);
}

void TfrmTopplista::SwapFlowers() {
    const int left = imgBlomma1->x();
    imgBlomma1->move(imgBlomma2->x(), imgBlomma1->y());
    imgBlomma2->move(left, imgBlomma2->y());
}

void TfrmTopplista::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    TranslateCaptions(this);
    Colour(grdLista, QPalette::Base, PanelColor);
    Colour(Panel1, QPalette::Window, FrameColor);
}
