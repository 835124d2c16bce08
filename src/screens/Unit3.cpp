// SPDX-License-Identifier: MIT
// The flag screen: grid drawing, flag loading, clicks, name display and blinking.
#include "Unit3.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <cmath>
#include <stdexcept>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "app/Palette.h"
#include "data/Fileread.h"
#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "exercise/OvFlagga.h"
#include "platform/MessageBoxes.h"
#include "platform/Rounding.h"
#include "screens/FlagKeys.h"
#include "screens/ScreenSupport.h"

namespace {

constexpr int Columns = 4;
constexpr int Rows = 4;
constexpr int Interval = 1000;
constexpr int GridInset = 5;  // imgFlags inside the frame panel
constexpr int QuestionPixels = 15;
constexpr int MinQuestionPixels = 10;

QFrame* SingleBorderPanel(QWidget* parent, QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Box);
    panel->setFrameShadow(QFrame::Plain);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

QPushButton* Button(const QString& text, int tag, QRect geometry, QWidget* parent) {
    auto* button = new TButton(text, parent);
    if (tag) SetTag(button, tag);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TfrmOvningFlagga::TfrmOvningFlagga(QWidget* parent) : TExerciseScreen(parent, HelpTopic) {
    setObjectName(QStringLiteral("frmOvningFlagga"));
    setWindowTitle(QStringLiteral("Glomira"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(ClientWidth, ClientHeight);
    SetBackground(this, Colors::White);

    pnlFraga = SingleBorderPanel(this, QRect(-2, 0, 637, 31));
    lblFraga = new QLabel(QStringLiteral("Klicka på Islands flagga"), pnlFraga);
    lblFraga->setFont(ArialPixels(QuestionPixels, true));
    lblFraga->setGeometry(17, 4, 309, 21);
    lblProcent = new QLabel(QStringLiteral("0 %"), pnlFraga);
    lblProcent->setFont(ArialPixels(16, true));
    lblProcent->setAlignment(Qt::AlignCenter);
    lblProcent->setGeometry(293, 4, 56, 20);
    cmdTopp = Button(QStringLiteral("Tio-i-topp"), 11, QRect(348, 2, 101, 25), pnlFraga);
    cmdStarta = Button(QStringLiteral("Starta om"), 23, QRect(448, 2, 82, 25), pnlFraga);
    cmdHjalp = Button(QStringLiteral("?"), 0, QRect(531, 2, 27, 25), pnlFraga);
    cmdAvsluta = Button(QStringLiteral("Avsluta"), 12, QRect(558, 2, 63, 25), pnlFraga);

    pnlFlags = SingleBorderPanel(this, QRect(12, 38, 609, 393));
    imgFlags = new TPictureBox(pnlFlags);
    imgFlags->SetFollowsDevicePixels(true);

    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(3, 434, 628, 17);

    tmrRitaOm = new QTimer(this);
    tmrRitaOm->setInterval(Interval);
    tmrBlinka = new QTimer(this);
    tmrBlinka->setInterval(Interval);

    connect(imgFlags, &TPictureBox::mouseDown, this,
            [this](QPoint at, Qt::MouseButton) { imgFlagsMouseDown(at.x(), at.y()); });
    connect(cmdStarta, &QPushButton::clicked, this, &TfrmOvningFlagga::cmdStartaClick);
    connect(cmdTopp, &QPushButton::clicked, this, &TfrmOvningFlagga::cmdToppClick);
    connect(cmdHjalp, &QPushButton::clicked, this, &TfrmOvningFlagga::cmdHjalpClick);
    connect(cmdAvsluta, &QPushButton::clicked, this, &TfrmOvningFlagga::cmdAvslutaClick);
    connect(tmrRitaOm, &QTimer::timeout, this, &TfrmOvningFlagga::tmrRitaOmTimer);
    connect(tmrBlinka, &QTimer::timeout, this, &TfrmOvningFlagga::tmrBlinkaTimer);
    new TFlagKeys(this);
}

TfrmOvningFlagga::~TfrmOvningFlagga() = default;

void TfrmOvningFlagga::StartExercise(COvning& entry) {
    auto* exercise = dynamic_cast<COvningFlagga*>(&entry);
    if (!exercise) throw std::invalid_argument("The flag screen needs a flag exercise");
    TWaitCursor wait;
    Exercise = exercise;

    // The frame's client area is inside its one-pixel border.
    const QRect client = pnlFlags->contentsRect();
    imgFlags->setGeometry(GridInset, GridInset, client.width() - 2 * GridInset,
                          client.height() - 2 * GridInset);
    const QSize pictureSize = imgFlags->Picture().Size();
    CellWidth = float(pictureSize.width()) / Columns;
    CellHeight = float(pictureSize.height()) / Rows;
    const std::weak_ptr<const void> alive = LifeToken();
    QImage fresh;
    ResetImageFromTemplate(fresh, pictureSize);  // lets window messages run
    if (alive.expired()) return;
    imgFlags->Picture().SetBitmap(fresh);
    DrawFlagGrid();

    MapObject = LoadPlacesAndAreas(entry.MapNo, entry.PlaceFileNo);
    entry.Map = MapObject.get();
    exercise->Start(*this);

    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());
    show();
    LoadFlags();
    DrawAllFlags();
}

void TfrmOvningFlagga::FormShow() {
    TranslateCaptions(this);
    Label1->setText(OwnText(TOwnText::FlagCredit, CurrentLanguage));
    SetBackground(pnlFraga, PanelColor);
    SetBackground(pnlFlags, FrameColor);
}

void TfrmOvningFlagga::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmOvningFlagga::VisaFraga(const QString& text) {
    // A long country name would run under the percentage: smaller type instead.
    const int room = lblProcent->x() - lblFraga->x();
    QFont font = lblFraga->font();
    font.setPixelSize(QuestionPixels);
    while (font.pixelSize() > MinQuestionPixels &&
           QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    lblFraga->setFont(font);
    lblFraga->setText(text);
}

void TfrmOvningFlagga::VisaProcent(int percent) {
    lblProcent->setText(QString::number(percent) + QStringLiteral(" %"));
}

TRasterSurface& TfrmOvningFlagga::Canvas() {
    return imgFlags->Picture().Canvas();
}

void TfrmOvningFlagga::Changed() {
    imgFlags->Picture().NotifyChanged();
}

int TfrmOvningFlagga::CellLeft(int column) const {
    return RoundHalfEven(double(column) * CellWidth);
}

int TfrmOvningFlagga::CellTop(int row) const {
    return RoundHalfEven(double(row) * CellHeight);
}

void TfrmOvningFlagga::DrawFlagGrid() {
    TRasterSurface& canvas = Canvas();
    const TPicture& picture = imgFlags->Picture();
    const int width = picture.Width();
    const int height = picture.Height();
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenWidth(picture.Scaled(1));
    canvas.SetPenColor(Colors::Black);
    canvas.SetFillColor(Colors::Silver);
    // A wide pen is centred on the edge: moved in, it keeps its whole width.
    const int inset = picture.Scaled(1) / 2;
    canvas.Rectangle(inset, inset, width, height);
    for (int i = 0; i <= Rows; ++i) {
        canvas.MoveTo(0, CellTop(i));
        canvas.LineTo(width, CellTop(i));
    }
    for (int i = 0; i <= Columns; ++i) {
        canvas.MoveTo(CellLeft(i), 0);
        canvas.LineTo(CellLeft(i), height);
    }
    Changed();
}

void TfrmOvningFlagga::FillCell(int position, TColor colour) {
    const int column = (position - 1) % Columns;
    const int row = (position - 1) / Columns;
    TRasterSurface& canvas = Canvas();
    const int line = imgFlags->Picture().Scaled(1);  // the grid's line inside the cell
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(1);
    canvas.SetFillColor(colour);
    canvas.Rectangle(CellLeft(column) + line, CellTop(row) + line, CellLeft(column + 1) - line,
                     CellTop(row + 1) - line);
    Changed();
}

void TfrmOvningFlagga::DrawFlag(int position, TColor colour, bool withName) {
    if (position < 1 || position > Columns * Rows) return;
    FillCell(position, colour);
    const int column = (position - 1) % Columns;
    const int row = (position - 1) / Columns;
    const TPicture& picture = imgFlags->Picture();
    const int centre = RoundHalfEven((column + 0.5) * double(CellWidth));
    const int top = CellTop(row) + picture.Scaled(FlagTopMargin);
    TRasterSurface& canvas = Canvas();
    const std::optional<QImage>& flag = FlagPictures[position];
    int left, right, bottom;
    if (flag) {
        left = centre - flag->width() / 2;
        right = left + flag->width();
        bottom = top + flag->height();
        QPainter painter(&canvas.Image());
        painter.drawImage(left, top, *flag);
    } else {
        left = centre - picture.Scaled(EmptyFlagWidth) / 2;
        right = centre + picture.Scaled(EmptyFlagWidth) / 2;
        bottom = top + picture.Scaled(EmptyFlagHeight);
    }
    canvas.SetPenColor(Colors::Black);
    canvas.SetPenWidth(picture.Scaled(1));
    canvas.SetNoFill();
    canvas.Rectangle(left, top, right, bottom);
    if (withName || !flag) {
        canvas.SetFont(QStringLiteral("Arial"), NamePointSize, picture.WholeRatio());
        canvas.TextOut(left, bottom, Exercise ? Exercise->FlagName(position) : QString());
    }
    Changed();
}

void TfrmOvningFlagga::DrawAllFlags() {
    if (!Exercise) return;
    for (int p = 1; p <= Exercise->FlagCount; ++p) DrawFlag(p, Colors::White, false);
}

void TfrmOvningFlagga::LoadFlags() {
    if (!Exercise || !MapObject || !MapObject->Areas) return;
    for (int p = 1; p <= Exercise->ItemCount; ++p) {
        FlagPictures[p].reset();
        const CArea* area = MapObject->Areas->FindByCode(Exercise->Items[p]);
        if (!area || area->FlagFile.isEmpty()) continue;
        // A high-DPI screen takes the flags drawn at twice the size, where they are.
        const qreal ratio = imgFlags->Picture().PixelRatio();
        const QString sharp = ProgramDirectory() + QStringLiteral("/flags2x/") + area->FlagFile;
        const bool twice = ratio > 1 && QFile::exists(sharp);
        QFile file(twice ? sharp : ProgramDirectory() + QStringLiteral("/flags/") + area->FlagFile);
        if (!file.open(QIODevice::ReadOnly)) {
            ShowMessage(TMessageKind::Error,
                        QStringLiteral("Could not open flag file ") + area->FlagFile);
            continue;
        }
        QImageReader reader(&file, "bmp");
        QImage flag = reader.read();
        if (flag.isNull())
            throw EInOutError(QStringLiteral("The flag file %1 is not a readable bitmap: %2")
                                  .arg(area->FlagFile, reader.errorString()));
        const qreal scale = twice ? ratio / 2 : ratio;
        if (scale != 1)
            flag = flag.scaled((QSizeF(flag.size()) * scale).toSize(), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
        FlagPictures[p] = std::move(flag);
    }
}

void TfrmOvningFlagga::imgFlagsMouseDown(int x, int y) {
    if (!Exercise || CellWidth <= 0 || CellHeight <= 0) return;
    const int column = int(x / CellWidth);
    const int row = int(y / CellHeight);
    if (column < 0 || column >= Columns || row < 0 || row >= Rows) return;
    const int p = column + 1 + Columns * row;
    if (p > Exercise->FlagCount || Exercise->Done[p]) return;
    TAnswer answer;
    answer.Index = p;
    COvningFlagga& exercise = *Exercise;
    if (exercise.IsRight(answer)) {
        BlinkCount = 0;
        DrawFlag(p, Colors::Silver, true);
        exercise.Right();
        const QString question = exercise.NextQuestion();
        if (!question.isEmpty()) {
            VisaFraga(question);
        } else {
            VisaFraga(QString());
            ShowTopTen(exercise, exercise.Percent, this);
        }
    } else {
        // The earlier name goes first, so a flag clicked twice keeps its name.
        tmrRitaOmTimer();
        DrawFlag(p, Colors::White, true);
        RedrawCell = p;
        tmrRitaOm->start();
        exercise.Wrong(answer);
        if (exercise.Tries == 3) {
            tmrBlinka->start();
            BlinkCount = 1;
        }
    }
}

void TfrmOvningFlagga::tmrRitaOmTimer() {
    if (RedrawCell != 0) {
        // A flag answered since keeps its silver and its name.
        if (Exercise && !Exercise->Done[RedrawCell]) DrawFlag(RedrawCell, Colors::White, false);
        RedrawCell = 0;
    }
    tmrRitaOm->stop();
}

void TfrmOvningFlagga::tmrBlinkaTimer() {
    if (BlinkCount == 0 || !Exercise) return;
    const TPalette palette = CurrentPalette();
    DrawFlag(Exercise->CurrentPos, palette.FlagHint[BlinkCount % 2 == 1 ? 0 : 1], false);
    ++BlinkCount;
}

void TfrmOvningFlagga::cmdStartaClick() {
    if (!Exercise) return;
    TWaitCursor wait;
    tmrBlinka->stop();
    tmrRitaOm->stop();
    RedrawCell = 0;
    BlinkCount = 0;
    try {
        Exercise->Start(*this);
        LoadFlags();
    } catch (const std::exception& e) {
        LogFailure(e, QStringLiteral("restarting exercise %1").arg(Exercise->Number));
        ShowMessage(TMessageKind::Error, QString::fromStdString(e.what()));
        return;
    }
    DrawAllFlags();
    VisaProcent(0);
}

COvning* TfrmOvningFlagga::RunningExercise() const {
    return Exercise;
}
