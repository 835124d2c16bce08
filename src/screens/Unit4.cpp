// SPDX-License-Identifier: MIT
// The multiple-choice screen: layout, answer boxes, keys and the one-second
// display of a right answer.
#include "Unit4.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <stdexcept>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "data/Fileread.h"
#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "exercise/Ovmulti.h"
#include "scores/Decorations.h"
#include "screens/AnswerMarks.h"
#include "screens/ScreenSupport.h"

namespace {

constexpr int BoxTops[] = {84, 132, 180, 228};
constexpr int KeyTops[] = {90, 140, 188, 234};
constexpr int IconSize = 32;
constexpr int AnswerPointSize = 10;
// X11 key codes of the digit row's 1 to 4, whatever the layout and shift state.
constexpr quint32 DigitRowScanCodes[] = {10, 11, 12, 13};

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    if (text.isValid()) palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

QLabel* TransparentLabel(const QString& text, QRect geometry, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// Two red cherries on their stalks.
QImage CherriesPicture(int size) {
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    painter.setPen(QPen(QColor(40, 110, 30), s / 16));
    painter.setBrush(Qt::NoBrush);
    QPainterPath stalks;
    stalks.moveTo(s * 0.30, s * 0.65);
    stalks.quadTo(s * 0.40, s * 0.30, s * 0.62, s * 0.12);
    stalks.moveTo(s * 0.70, s * 0.68);
    stalks.quadTo(s * 0.66, s * 0.35, s * 0.62, s * 0.12);
    painter.drawPath(stalks);
    painter.setBrush(QColor(70, 150, 40));
    painter.drawEllipse(QPointF(s * 0.74, s * 0.14), s * 0.12, s * 0.06);
    painter.setPen(QPen(QColor(120, 0, 20), 1));
    painter.setBrush(QColor(210, 20, 40));
    painter.drawEllipse(QPointF(s * 0.28, s * 0.74), s * 0.19, s * 0.19);
    painter.drawEllipse(QPointF(s * 0.70, s * 0.76), s * 0.19, s * 0.19);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(s * 0.22, s * 0.68), s * 0.05, s * 0.04);
    painter.drawEllipse(QPointF(s * 0.64, s * 0.70), s * 0.05, s * 0.04);
    return picture;
}

// An icon on the window's white, as a picture control shows it.
QImage OnWhite(const QImage& icon, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, icon);
    return picture;
}

}  // namespace

TfrmOvningMulti::TfrmOvningMulti(QWidget* parent) : TExerciseScreen(parent, HelpTopic) {
    setObjectName(QStringLiteral("frmOvningMulti"));
    setWindowTitle(QStringLiteral("Glomira"));
    SetTag(this, 17);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(ArialPixels(12, false));
    SetColours(this, Qt::white, QColor());

    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(168, 68, 299, 335);
    SetColours(Panel1, Qt::white, QColor());

    Shape1 = new QFrame(Panel1);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFrameShadow(QFrame::Plain);
    Shape1->setGeometry(8, 10, 281, 281);

    for (int i = 0; i < 4; ++i) {
        imgSvar[i] = new TPictureBox(Panel1);
        imgSvar[i]->SetFollowsDevicePixels(true);
        imgSvar[i]->setGeometry(54, BoxTops[i], 211, 41);
        const int position = i + 1;
        // Handled after the press is delivered: the handling waits a second
        // while window messages run, and the screen may be released meanwhile.
        connect(imgSvar[i], &TPictureBox::mouseDown, this, [this, position] {
            QTimer::singleShot(0, this, [this, position] { Answer(position); });
        });
        lblKey[i] =
            TransparentLabel(QString::number(position), QRect(22, KeyTops[i], 27, 25), Panel1);
        lblKey[i]->setFont(ArialPixels(19, true));
        SetColours(lblKey[i], QColor(), Qt::yellow);
    }

    Label1 = TransparentLabel(QString(), QRect(18, 22, 275, 55), Panel1);
    Label1->setFont(ArialPixels(15, true));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The label reaches past the dark square's right edge; keep the text on it.
    Label1->setContentsMargins(4, 0, 8, 0);
    SetColours(Label1, QColor(), Qt::white);

    lblProcent = TransparentLabel(QStringLiteral("0 %"), QRect(130, 300, 59, 19), Panel1);
    lblProcent->setFont(ArialPixels(16, true));
    SetColours(lblProcent, QColor(), Qt::black);

    cmdTopp = new TButton(QStringLiteral("Tio-i-topp"), Panel1);
    SetTag(cmdTopp, 11);
    cmdTopp->setGeometry(8, 296, 117, 29);
    cmdTopp->setFocusPolicy(Qt::NoFocus);
    cmdAvsluta = new TButton(QStringLiteral("Avsluta"), Panel1);
    SetTag(cmdAvsluta, 12);
    cmdAvsluta->setGeometry(188, 296, 101, 29);
    cmdAvsluta->setFocusPolicy(Qt::NoFocus);

    // The icons are drawn at the screen's device pixels, so they stay sharp.
    imgBlomma = new TPictureBox(this);
    imgBlomma->SetFollowsDevicePixels(true);
    imgBlomma->setGeometry(306, 14, 37, 37);
    TPicture& flower = imgBlomma->Picture();
    flower.SetBitmap(OnWhite(FlowerPicture(flower.Scaled(IconSize)).toImage(), flower.Size()));
    imgBar = new TPictureBox(this);
    imgBar->SetFollowsDevicePixels(true);
    imgBar->setGeometry(306, 14, 37, 37);
    TPicture& cherries = imgBar->Picture();
    cherries.SetBitmap(OnWhite(CherriesPicture(cherries.Scaled(IconSize)), cherries.Size()));
    imgBar->hide();

    tmrTimer = new QTimer(this);
    tmrTimer->setInterval(ShowRightMs);

    new TKeyPreview(this, [this](const QKeyEvent& key) { return FormKeyDown(key); });
    connect(cmdTopp, &QPushButton::clicked, this, &TfrmOvningMulti::cmdToppClick);
    connect(cmdAvsluta, &QPushButton::clicked, this, &TfrmOvningMulti::cmdAvslutaClick);
    connect(imgBlomma, &TPictureBox::mouseDown, this, &TfrmOvningMulti::imgBlommaClick);
    connect(tmrTimer, &QTimer::timeout, this, &TfrmOvningMulti::tmrTimerTimer);
}

TfrmOvningMulti::~TfrmOvningMulti() = default;

void TfrmOvningMulti::StartExercise(COvning& entry) {
    auto* exercise = dynamic_cast<COvningMulti*>(&entry);
    if (!exercise)
        throw std::invalid_argument("The multiple-choice screen needs a multiple-choice exercise");
    Exercise = exercise;
    RunOver = false;
    MapObject = LoadPlacesAndAreas(entry.MapNo, entry.PlaceFileNo);
    entry.Map = MapObject.get();
    exercise->Start(*this);
    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());
    show();
}

void TfrmOvningMulti::FormShow() {
    TranslateCaptions(this);
    SetColours(Shape1, ToQColor(FrameColor), QColor());
}

void TfrmOvningMulti::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmOvningMulti::VisaFraga(const QString& text) {
    Label1->setText(text);
}

void TfrmOvningMulti::VisaProcent(int percent) {
    lblProcent->setText(QString::number(percent) + QStringLiteral(" %"));
}

TPicture& TfrmOvningMulti::AnswerBox(int position) {
    if (position < 1 || position > 4) throw ERangeError();
    return imgSvar[std::size_t(position - 1)]->Picture();
}

void TfrmOvningMulti::DrawAnswer(TPicture& box, TColor colour, const QString& text) {
    TRasterSurface& canvas = box.Canvas();
    const int width = box.Width();
    const int height = box.Height();
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenColor(Colors::Black);
    canvas.SetPenWidth(box.Scaled(1));
    canvas.SetFillColor(colour);
    // A wide pen is centred on the edge: moved in, it keeps its whole width.
    const int inset = box.Scaled(1) / 2;
    canvas.Rectangle(inset, inset, width, height);
    // The canvas's 8-point default is too small to read at a glance in these boxes.
    canvas.SetFont(QStringLiteral("Arial"), AnswerPointSize, box.WholeRatio());
    canvas.TextOut((width - canvas.TextWidth(text)) / 2, (height - canvas.TextHeight(text)) / 2,
                   text);
    box.NotifyChanged();
}

void TfrmOvningMulti::DrawMarkedAnswer(TPicture& box, TColor colour, const QString& text,
                                       TAnswerMark mark) {
    DrawAnswer(box, colour, text);
    DrawAnswerMark(box, mark);
}

void TfrmOvningMulti::Answer(int position) {
    if (!Exercise || tmrTimer->isActive() || RunOver) return;
    COvningMulti& exercise = *Exercise;
    const std::weak_ptr<const void> alive = LifeToken();
    AnswerRecord.Index = position;
    if (!exercise.IsRight(AnswerRecord)) {
        exercise.Wrong(AnswerRecord);
        return;
    }
    tmrTimer->stop();
    tmrTimer->start();
    exercise.Right();  // waits for the timer's next tick
    // Released during that second: the rest of the answer is dropped. A screen
    // that is only closed goes on, so a finished run still reaches the top ten.
    if (alive.expired()) return;
    tmrTimer->stop();
    if (!MessagesRanAndAlive(alive)) return;
    const QString question = exercise.NextQuestion();
    if (!question.isEmpty()) {
        VisaFraga(question);
        return;
    }
    RunOver = true;
    tmrTimer->stop();
    ShowTopTen(exercise, exercise.Percent, this);
}

bool TfrmOvningMulti::FormKeyDown(const QKeyEvent& key) {
    int position = 0;
    if (!(key.modifiers() & Qt::KeypadModifier) && key.key() >= Qt::Key_1 && key.key() <= Qt::Key_4)
        position = key.key() - Qt::Key_1 + 1;
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    for (int i = 0; i < 4 && x11 && position == 0; ++i)
        if (key.nativeScanCode() == DigitRowScanCodes[i]) position = i + 1;
    if (position != 0) QTimer::singleShot(0, this, [this, position] { Answer(position); });
    return false;  // the key goes on to the control
}

void TfrmOvningMulti::tmrTimerTimer() {
    if (Exercise) Exercise->Blink();
}

COvning* TfrmOvningMulti::RunningExercise() const {
    return Exercise;
}

void TfrmOvningMulti::imgBlommaClick() {
    imgBlomma->hide();
    imgBar->show();
}
