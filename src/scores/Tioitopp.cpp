// SPDX-License-Identifier: MIT
// The top-ten form.
#include "Tioitopp.h"

#include <QFile>
#include <QFocusEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "exercise/ovning.h"
#include "history/ResultDates.h"
#include "platform/MessageBoxes.h"
#include "scores/Decorations.h"
#include "screens/SideNoteDelegate.h"

namespace {

constexpr int FormWidth = 340;
constexpr int FormHeight = 340;
constexpr int GridLeft = 35;
constexpr int GridTop = 62;
constexpr int ColumnWidths[] = {30, 190, 50};
constexpr int GridWidth = 30 + 190 + 50;
constexpr int GridHeight = ScoreRanks * TfrmTioitopp::GridRowHeight;

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    if (column != 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

}  // namespace

TfrmTioitopp::TfrmTioitopp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTioitopp"));
    SetTag(this, 11);
    setFixedSize(FormWidth, FormHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    QFont arialBold(QStringLiteral("Arial"));
    arialBold.setBold(true);

    // First in the tab order, so it has the focus whenever it is out.
    txtNySignatur = new QLineEdit(this);
    txtNySignatur->setFont(arialBold);
    txtNySignatur->setMaxLength(SignatureLength);
    txtNySignatur->hide();
    txtNySignatur->installEventFilter(this);

    Image1 = new TClickLabel(this);
    Image1->setPixmap(StarPicture(32));
    Image1->setGeometry(14, 12, 32, 32);
    Image2 = new TClickLabel(this);
    Image2->setPixmap(StarPicture(32));
    Image2->setGeometry(FormWidth - 46, 12, 32, 32);

    lblOvningsNamn = new QLabel(this);
    QFont title = font();
    title.setBold(true);
    title.setPixelSize(15);
    lblOvningsNamn->setFont(title);
    lblOvningsNamn->setAlignment(Qt::AlignCenter);
    lblOvningsNamn->setWordWrap(true);
    lblOvningsNamn->setGeometry(52, 6, FormWidth - 104, 44);

    Shape2 = new QFrame(this);
    Shape2->setAutoFillBackground(true);
    Shape2->setGeometry(GridLeft - 10, GridTop - 8, GridWidth + 20, GridHeight + 16);

    grdLista = new QTableWidget(ScoreRanks, 3, this);
    grdLista->setGeometry(GridLeft, GridTop, GridWidth, GridHeight);
    grdLista->horizontalHeader()->hide();
    grdLista->setItemDelegateForColumn(1, new TSideNoteDelegate(grdLista));
    grdLista->verticalHeader()->hide();
    grdLista->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    grdLista->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    grdLista->setShowGrid(false);
    grdLista->setFrameShape(QFrame::NoFrame);
    grdLista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdLista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLista->setSelectionMode(QAbstractItemView::NoSelection);
    grdLista->setFocusPolicy(Qt::NoFocus);
    grdLista->setAttribute(Qt::WA_TransparentForMouseEvents);
    grdLista->setFont(arialBold);
    for (int column = 0; column < 3; ++column)
        grdLista->setColumnWidth(column, ColumnWidths[column]);
    txtNySignatur->raise();

    cmdOK = new TButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdOK->setGeometry(FormWidth / 2 - 50, FormHeight - 48, 100, 30);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmTioitopp::cmdOKClick);
    connect(grdLista, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row == NewRank - 1) ReopenSignature();
    });

    OpenHelpOnF1(this);
}

int TfrmTioitopp::Execute(QWidget* parent, const TTopTenRequest& request) {
    // Owned by the asking screen, which may be released while the form is open.
    const QPointer<TfrmTioitopp> form = new TfrmTioitopp(parent);
    int result = QDialog::Rejected;
    try {
        form->ExerciseNumber = request.ExerciseNumber;
        form->ExerciseName = request.ExerciseName;
        form->StartFileName = request.StartFrom;
        form->Signed = request.Signed;
        form->LoadAndEnter(request.FileName, request.Percent);
        if (form) result = form->exec();
    } catch (const Exception& e) {
        // A result that cannot be entered must not end the exercise screen.
        ShowMessage(TMessageKind::Error, e.Message());
    }
    delete form.data();
    return result;
}

void TfrmTioitopp::ClearTable() {
    for (TScoreList& list : ScoreTable)
        for (TScoreEntry& entry : list) entry = TScoreEntry();
}

void TfrmTioitopp::ReadFile(const QString& fileName) {
    if (!QFile::exists(fileName)) return;  // no results yet
    QString reason;
    try {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) throw EInOutError(file.errorString());
        ReadScores(file.readAll(), ScoreTable, TLowNumbers::Skip);
        return;
    } catch (const Exception& e) {
        reason = e.Message();
    }
    QString text =
        QStringLiteral("Error reading the highscore file. The following error occurred: ") + reason;
    // A list this form only starts from is never overwritten.
    if (fileName == ScoreFileName) {
        // Whatever follows the damage would be lost when OK rewrites the file.
        try {
            backup_ = KeepBackup(fileName);
            text += QStringLiteral("\nA copy of the file has been kept as ") + backup_ +
                    QLatin1Char('.');
        } catch (const Exception& e) {
            text += QStringLiteral("\nNo copy of the file could be made (") + e.Message() +
                    QStringLiteral("), so it will not be overwritten.");
        }
    }
    ShowMessage(TMessageKind::Information, text);
}

void TfrmTioitopp::LoadAndEnter(const QString& fileName, int percentage) {
    // Checked before anything else, so a bad number leaves the form untouched.
    TScoreList& list = ScoreTable[ExerciseNumber];
    ClearTable();
    ScoreFileName = fileName;
    NewRank = 0;
    newPercent_ = percentage;
    backup_.clear();
    ReadFile(ScoreFileToRead(fileName, StartFileName));

    // Only real results enter; a damaged file's negative percentages must not
    // let a "show only" request in.
    NewRank = MakeRoom(list, percentage);
    if (NewRank > 0) {
        txtNySignatur->setGeometry(GridLeft + ColumnWidths[0],
                                   GridTop + GridRowHeight * (NewRank - 1), ColumnWidths[1],
                                   GridRowHeight);
        txtNySignatur->clear();
        txtNySignatur->show();
        signing_ = true;
        // The screen that owns this form may be released meanwhile.
        const QPointer<TfrmTioitopp> alive(this);
        ProcessMessages();
        if (!alive) return;
        list[NewRank].ScorePercent = percentage;
        list[NewRank].Signature = QStringLiteral("Okänd");
        PlayMusic(QStringLiteral("good.mid"), 0);
    }
    FillGrid();
}

void TfrmTioitopp::FillGrid() {
    const TScoreList& list = ScoreTable[ExerciseNumber];
    std::vector<std::pair<QString, int>> results;
    for (int rank = 1; rank <= ScoreRanks; ++rank) {
        const TScoreEntry& entry = list[rank];
        SetCell(grdLista, rank - 1, 0, QString::number(rank));
        SetCell(grdLista, rank - 1, 1, entry.Signature);
        SetCell(grdLista, rank - 1, 2,
                entry.ScorePercent > 0 ? QString::number(entry.ScorePercent) + QStringLiteral(" %")
                                       : QString());
        results.emplace_back(entry.Signature, entry.ScorePercent);
    }
    // Beside each signature, the day it was played, where the history knows.
    const TResultsHistory* history = CurrentResultsHistory();
    const std::vector<QDateTime> dates =
        history ? DatesOfResults(history->Runs(ExerciseNumber), results)
                : std::vector<QDateTime>(results.size());
    for (int row = 0; row < ScoreRanks; ++row)
        if (QTableWidgetItem* cell = grdLista->item(row, 1))
            cell->setData(
                SideNoteRole,
                dates[std::size_t(row)].isValid()
                    ? ShownDate(dates[std::size_t(row)].toLocalTime().date(), CurrentLanguage)
                    : QString());
}

void TfrmTioitopp::txtNySignaturExit() {
    if (!signing_) return;
    signing_ = false;
    ScoreTable[ExerciseNumber][NewRank].Signature = CutSignature(txtNySignatur->text());
    txtNySignatur->hide();
    FillGrid();
}

void TfrmTioitopp::ReopenSignature(const QString& typed) {
    if (signing_ || NewRank <= 0) return;
    txtNySignatur->setText(ScoreTable[ExerciseNumber][NewRank].Signature + typed);
    txtNySignatur->show();
    txtNySignatur->setFocus(Qt::OtherFocusReason);
    signing_ = true;
}

void TfrmTioitopp::cmdOKClick() {
    txtNySignaturExit();
    SaveTable();
    accept();
    ProcessMessages();
}

void TfrmTioitopp::SaveTable() {
    // Other copies of the program may have entered results since the form
    // opened: the file is read again under a lock and the result put into it.
    const int percent = NewRank > 0 ? newPercent_ : -1;
    const QString signature =
        NewRank > 0 ? ScoreTable[ExerciseNumber][NewRank].Signature : QString();
    try {
        TScoreTable written;
        const TAddedScore added =
            AddScore(ScoreFileName, StartFileName, ExerciseNumber, percent, signature, written);
        ScoreTable = written;
        NewRank = added.Rank;
        if (NewRank > 0 && Signed) Signed(signature);
        if (!added.ReadError.isEmpty() && added.Backup != backup_) {
            ShowMessage(TMessageKind::Information,
                        QStringLiteral("Error reading the highscore file. The following error "
                                       "occurred: ") +
                            added.ReadError +
                            QStringLiteral("\nA copy of the file has been kept as ") +
                            added.Backup + QLatin1Char('.'));
        }
    } catch (const Exception& e) {
        ShowMessage(TMessageKind::Information,
                    QStringLiteral("Could not write to the highscore file. The following error "
                                   "occurred: ") +
                        e.Message());
    }
}

void TfrmTioitopp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmTioitopp::FormShow() {
    TranslateCaptions(this);
    lblOvningsNamn->setText(ExerciseName);
    for (QWidget* coloured : {static_cast<QWidget*>(Shape2), static_cast<QWidget*>(grdLista)}) {
        QPalette p = coloured->palette();
        p.setColor(QPalette::Window, ToQColor(FrameColor));
        p.setColor(QPalette::Base, ToQColor(FrameColor));
        p.setColor(QPalette::Text, Qt::white);
        coloured->setPalette(p);
    }
    if (signing_) txtNySignatur->setFocus();
}

void TfrmTioitopp::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (!signing_ && NewRank > 0 && !typed.isEmpty() && typed.at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        ReopenSignature(typed);
        return;
    }
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    if (txtNySignatur->hasFocus()) cmdOK->setFocus(Qt::OtherFocusReason);  // leaves the box
}

bool TfrmTioitopp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtNySignatur && event->type() == QEvent::FocusOut) {
        // Switching to another window is not leaving the box.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtNySignaturExit();
    }
    return QDialog::eventFilter(watched, event);
}
