// SPDX-License-Identifier: MIT
// The map screen: layout, name label, click sequence, restart and timers.
#include "Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "data/Fileread.h"
#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "platform/MessageBoxes.h"
#include "screens/NameLabel.h"
#include "screens/ScreenSupport.h"

namespace {

constexpr int BlinkInterval = 700;
constexpr int NameInterval = 2000;
constexpr int ButtonMargin = 2;
constexpr int MinButtonWidth = 75;
constexpr int WaitForMaximiseMs = 500;
constexpr int RedrawDelayMs = 30;  // one redraw for a burst of resize or zoom steps
constexpr int DragThreshold = 4;   // pixels a press may move and still be a click
constexpr int KeyPanDivisor = 8;   // an arrow key pans an eighth of the picture

// Wide enough for its caption, never narrower than the usual button.
int ButtonWidth(const QPushButton* button, int minimum) {
    return std::max(minimum, button->fontMetrics().horizontalAdvance(button->text()) + 20);
}

}  // namespace

TfrmOvningKarta::TfrmOvningKarta(QWidget* parent) : TExerciseScreen(parent, HelpTopic) {
    setObjectName(QStringLiteral("frmOvningKarta"));
    setWindowTitle(QStringLiteral("Glomira"));
    SetBackground(this, Colors::Silver);

    panTop = new QFrame(this);
    panTop->setFrameShape(QFrame::Panel);
    panTop->setFrameShadow(QFrame::Raised);
    panTop->hide();

    // Created first, so the buttons lie above it.
    lblFraga = new QLabel(panTop);
    lblFraga->setFont(ArialPixels(13, true));
    lblFraga->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    lblProcent = new QLabel(QStringLiteral("0"), panTop);
    lblProcent->setFont(ArialPixels(13, true));
    QPalette navyText = lblProcent->palette();
    navyText.setColor(QPalette::WindowText, ToQColor(Colors::Navy));
    lblProcent->setPalette(navyText);

    imgBlomma = new QLabel(panTop);
    imgBlomma->setAttribute(Qt::WA_TransparentForMouseEvents);

    cmdTopp = new TButton(QStringLiteral("Tio-i-topp"), panTop);
    SetTag(cmdTopp, 11);
    cmdHome = new TButton(QStringLiteral("\u2302"), panTop);
    cmdStarta = new TButton(QStringLiteral("Starta om"), panTop);
    SetTag(cmdStarta, 23);
    cmdHjalp = new TButton(QStringLiteral("?"), panTop);
    cmdAvsluta = new TButton(QStringLiteral("Avsluta"), panTop);
    SetTag(cmdAvsluta, 12);
    for (QPushButton* button : {cmdTopp, cmdHome, cmdStarta, cmdHjalp, cmdAvsluta})
        button->setFocusPolicy(Qt::NoFocus);

    panPanel = new QFrame(this);
    SetBackground(panPanel, Colors::Navy);
    imgKartaBox = new TPictureBox(panPanel);
    imgKartaBox->SetFollowsDevicePixels(true);
    imgKartaBox->setEnabled(false);

    lblNamn = new TNameLabel(panPanel);
    lblNamn->setFont(ArialPixels(11, false));
    lblNamn->setAlignment(Qt::AlignCenter);
    SetBackground(lblNamn, Colors::Silver);
    lblNamn->hide();
    lblNamn->installEventFilter(this);

    tmrBlinka = new QTimer(this);
    tmrBlinka->setInterval(BlinkInterval);
    tmrNamnTimer = new QTimer(this);
    tmrNamnTimer->setInterval(NameInterval);
    tmrRedraw_ = new QTimer(this);
    tmrRedraw_->setSingleShot(true);
    tmrRedraw_->setInterval(RedrawDelayMs);

    // Clicks are handled after the press has been delivered: the handling lets
    // window messages run, and the screen may be closed and released meanwhile.
    connect(imgKartaBox, &TPictureBox::mouseDown, this,
            [this](QPoint at, Qt::MouseButton) { MousePressed(at); });
    connect(imgKartaBox, &TPictureBox::mouseMoved, this, &TfrmOvningKarta::MouseMoved);
    connect(imgKartaBox, &TPictureBox::mouseHovered, this, &TfrmOvningKarta::MouseHovered);
    imgKartaBox->setMouseTracking(true);
    connect(imgKartaBox, &TPictureBox::mouseUp, this,
            [this](QPoint at, Qt::MouseButton) { MouseReleased(at); });
    connect(imgKartaBox, &TPictureBox::wheeled, this, [this](QPoint at, double notches) {
        ZoomAt(at, std::pow(TMapZoom::StepFactor, notches));
    });
    connect(imgKartaBox, &TPictureBox::pinched, this, &TfrmOvningKarta::ZoomAt);
    connect(imgKartaBox, &TPictureBox::pixelRatioChanged, this, [this] {
        if (Exercise && MapObject) tmrRedraw_->start();
    });
    connect(cmdHome, &QPushButton::clicked, this, &TfrmOvningKarta::cmdHomeClick);
    connect(cmdStarta, &QPushButton::clicked, this, &TfrmOvningKarta::cmdStartaClick);
    connect(cmdTopp, &QPushButton::clicked, this, &TfrmOvningKarta::cmdToppClick);
    connect(cmdHjalp, &QPushButton::clicked, this, &TfrmOvningKarta::cmdHjalpClick);
    connect(cmdAvsluta, &QPushButton::clicked, this, &TfrmOvningKarta::cmdAvslutaClick);
    connect(tmrBlinka, &QTimer::timeout, this, &TfrmOvningKarta::tmrBlinkaTimer);
    connect(tmrNamnTimer, &QTimer::timeout, this, &TfrmOvningKarta::tmrNamnTimerTimer);
    connect(tmrRedraw_, &QTimer::timeout, this, &TfrmOvningKarta::RedrawForNewView);
    SetUpHints();
}

TfrmOvningKarta::~TfrmOvningKarta() = default;

void TfrmOvningKarta::StartExercise(COvning& entry) {
    const std::weak_ptr<const void> alive = LifeToken();
    if (!MessagesRanAndAlive(alive)) return;
    cmdAvsluta->setEnabled(false);
    Exercise = &entry;
    // Exploring scores nothing: no percentage, no list to enter.
    lblProcent->setVisible(!entry.Explores());
    cmdTopp->setVisible(!entry.Explores());

    MaximiseAndWait();
    if (alive.expired()) return;
    Layout();

    TWaitCursor wait;
    MapObject = LoadFullMap(entry.MapNo, entry.PlaceFileNo);
    entry.Map = MapObject.get();
    busy_ = true;
    entry.Start(*this);
    if (alive.expired()) return;
    busy_ = false;
    drawnSize_ = imgKartaBox->Picture().Size();
    drawnRatio_ = imgKartaBox->Picture().PixelRatio();
    zoom_.SetHome(*MapObject);

    tmrBlinka->start();
    if (!MessagesRanAndAlive(alive)) return;
    imgKartaBox->setEnabled(true);
    cmdAvsluta->setEnabled(true);
}

void TfrmOvningKarta::MaximiseAndWait() {
    const std::weak_ptr<const void> alive = LifeToken();
    showMaximized();
    move(0, 0);
    if (!MessagesRanAndAlive(alive)) return;
    // A window manager maximises in its own time; the map is drawn once, at
    // the final size, so wait for it a little.
    const QRect available = screen()->availableGeometry();
    QElapsedTimer clock;
    clock.start();
    while (height() < available.height() * 3 / 4 && clock.elapsed() < WaitForMaximiseMs) {
        QThread::msleep(5);
        if (!MessagesRanAndAlive(alive)) return;
    }
    // Without a window manager nobody else does it.
    if (height() < available.height() * 3 / 4) setGeometry(available);
}

void TfrmOvningKarta::Layout() {
    laidOut_ = true;
    const int clientWidth = width();
    const int clientHeight = height();
    panTop->setGeometry(0, 0, clientWidth, TopHeight);
    panTop->show();
    panPanel->setGeometry(0, TopHeight, clientWidth, clientHeight - TopHeight);

    const int buttonHeight = TopHeight - 2 * ButtonMargin;
    const int avslutaWidth = ButtonWidth(cmdAvsluta, MinButtonWidth);
    cmdAvsluta->setGeometry(clientWidth - ButtonMargin - avslutaWidth, ButtonMargin, avslutaWidth,
                            buttonHeight);
    cmdHjalp->setGeometry(cmdAvsluta->x() - 25, ButtonMargin, 25, buttonHeight);
    const int startaWidth = ButtonWidth(cmdStarta, MinButtonWidth);
    cmdStarta->setGeometry(cmdHjalp->x() - startaWidth, ButtonMargin, startaWidth, buttonHeight);
    cmdHome->setGeometry(cmdStarta->x() - 28, ButtonMargin, 28, buttonHeight);

    // Room for "100 %", so the button beside it never moves or gets covered.
    const int procentWidth =
        lblProcent->fontMetrics().horizontalAdvance(QStringLiteral("100 %")) + 8;
    lblProcent->setGeometry(6, 6, procentWidth, lblProcent->fontMetrics().height());
    cmdTopp->setGeometry(lblProcent->x() + procentWidth, ButtonMargin,
                         ButtonWidth(cmdTopp, MinButtonWidth), buttonHeight);
    PlaceQuestion();

    imgKartaBox->setGeometry(2, 2, panPanel->width() - 4, panPanel->height() - 4);
    imgBlomma->setGeometry(cmdAvsluta->x() - 32, -2, 32, 32);
    SetBackground(panPanel, Colors::Navy);
}

void TfrmOvningKarta::FormShow() {
    TranslateCaptions(this);
    cmdHome->setToolTip(OwnText(TOwnText::HomeTip, CurrentLanguage));
    SetBackground(panPanel, PanelColor);
    SetBackground(panTop, PanelColor);
}

void TfrmOvningKarta::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmOvningKarta::resizeEvent(QResizeEvent* event) {
    TExerciseScreen::resizeEvent(event);
    if (!laidOut_) return;  // the start lays it out once the window has its size
    Layout();
    if (Exercise && MapObject) tmrRedraw_->start();
}

void TfrmOvningKarta::RedrawForNewView() {
    if (!Exercise || !MapObject) return;
    if (busy_) {
        tmrRedraw_->start();  // after the click or restart
        return;
    }
    const TPicture& picture = imgKartaBox->Picture();
    const QSize size = picture.Size();
    const bool resized = size != drawnSize_ && !size.isEmpty();
    if (!resized && !viewChanged_) return;
    if (resized) {
        // The old height counted in the new picture's pixels: a move to a
        // screen of another ratio keeps the scale the player sees.
        MapObject->KeepScaleAfterResize(
            int(std::lround(drawnSize_.height() * picture.PixelRatio() / drawnRatio_)));
        // The same scale only while it shows every item; else as at the start.
        if (!MapObject->ShowsSelection()) zoom_.Home(*MapObject);
        drawnSize_ = size;
        drawnRatio_ = picture.PixelRatio();
    }
    viewChanged_ = false;
    ShowName(QString(), 0, 0, false);
    const std::weak_ptr<const void> alive = LifeToken();
    busy_ = true;
    {
        // Shown when done: repainting each step would cost more than drawing it.
        const TPicture::THold hold(imgKartaBox->Picture());
        Exercise->RedrawMap();
    }
    if (alive.expired()) return;
    busy_ = false;
}

bool TfrmOvningKarta::RedrawPending() const {
    return busy_ || redrawQueued_ || tmrRedraw_->isActive();
}

void TfrmOvningKarta::VisaFraga(const QString& text) {
    ShowName(QString(), 0, 0, false);
    lblFraga->setText(text);
    PlaceQuestion();
}

void TfrmOvningKarta::PlaceQuestion() {
    constexpr int Pixels = 13, FewestPixels = 8;
    const int left = cmdTopp->geometry().right() + 4;
    const int right = cmdHome->geometry().left() - 4;
    const int width = this->width();
    const QString text = lblFraga->text();
    QFont font = ArialPixels(Pixels, true);
    const auto textWidth = [&] { return QFontMetrics(font).horizontalAdvance(text); };
    // Centred on the window where that leaves it clear of the buttons.
    if (width / 2 - textWidth() / 2 >= left && width / 2 + (textWidth() + 1) / 2 <= right) {
        lblFraga->setWordWrap(false);
        lblFraga->setFont(font);
        lblFraga->setGeometry(2, 6, width, QFontMetrics(font).height() + 2);
        return;
    }
    for (int pixels = Pixels - 1; pixels >= FewestPixels && textWidth() > right - left; --pixels)
        font = ArialPixels(pixels, true);
    // Narrower still: on two lines.
    const bool wrap = textWidth() > right - left;
    lblFraga->setWordWrap(wrap);
    lblFraga->setFont(font);
    lblFraga->setGeometry(left, wrap ? 1 : 6, std::max(right - left, 0),
                          QFontMetrics(font).height() * (wrap ? 2 : 1) + 2);
}

void TfrmOvningKarta::VisaProcent(int percent) {
    lblProcent->setText(QString::number(percent) + QStringLiteral(" %"));
}

void TfrmOvningKarta::ShowName(const QString& text, int x, int y, bool visible) {
    PlaceName(text, QPixmap(), x, y, visible);
}

void TfrmOvningKarta::ShowNameWithFlag(const QString& text, const QString& flagFile, int x, int y) {
    PlaceName(text, NameFlag(flagFile), x, y, true);
}

void TfrmOvningKarta::PlaceName(const QString& text, const QPixmap& flag, int x, int y,
                                bool visible) {
    lblNamn->setVisible(visible);
    lblNamn->setText(text);
    const QFontMetrics metrics = lblNamn->fontMetrics();
    int width = metrics.horizontalAdvance(text) + 4;
    int height = metrics.height();
    if (flag.isNull()) {
        imgNamnFlagga->hide();
        lblNamn->setContentsMargins(0, 0, 0, 0);
    } else {
        // The flag at the left, the name centred in the rest.
        const QSize size = flag.deviceIndependentSize().toSize();
        const int left = size.width() + 3;
        width += left;
        height = std::max(height, size.height() + 2);
        lblNamn->setContentsMargins(left, 0, 0, 0);
        imgNamnFlagga->setPixmap(flag);
        imgNamnFlagga->setGeometry(2, (height - size.height()) / 2, size.width(), size.height());
        imgNamnFlagga->show();
    }
    // The point is in the picture's pixels, the label in the window's.
    const qreal ratio = imgKartaBox->Picture().PixelRatio();
    if (ratio != 1) {
        x = int(std::lround(x / ratio));
        y = int(std::lround(y / ratio));
    }
    lblNamn->setGeometry(NameBox(QPoint(x, y), QSize(width, height)));
    if (visible) {
        tmrNamnTimer->stop();
        tmrNamnTimer->start();
        SetNameOpaque(true);
        lblNamn->raise();
    }
}

QRect TfrmOvningKarta::NameBox(QPoint point, QSize size) const {
    // Beside the point, right of it where there is room, else left of it, so
    // that the pointer's surroundings (often the place looked for) stay in view.
    const QRect map = imgKartaBox->geometry();
    const QPoint at = map.topLeft() + point;
    int left = at.x() + NameGap;
    if (left + size.width() > map.right() + 1 && at.x() - NameGap - size.width() >= map.left())
        left = at.x() - NameGap - size.width();
    const int top = std::clamp(at.y() - size.height() / 2, map.top(),
                               std::max(map.top(), map.bottom() + 1 - size.height()));
    return QRect(QPoint(left, top), size);
}

void TfrmOvningKarta::SetNameOpaque(bool opaque) {
    lblNamn->setAutoFillBackground(opaque);
    lblNamn->update();
}

bool TfrmOvningKarta::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblNamn && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        QTimer::singleShot(0, this, [this, at] { lblNamnMouseDown(at); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmOvningKarta::lblNamnMouseDown(QPoint point) {
    const QPoint labelPos = lblNamn->pos();
    lblNamn->hide();
    const QPoint onMap = labelPos + point - imgKartaBox->pos();
    // The label may hang over the map's edge; the map itself ignores such clicks.
    if (!imgKartaBox->isEnabled() || !imgKartaBox->rect().contains(onMap)) return;
    const QPoint pixel = (QPointF(onMap) * imgKartaBox->Picture().PixelRatio()).toPoint();
    imgKartaMouseDown(pixel.x(), pixel.y());
}

void TfrmOvningKarta::imgKartaMouseDown(int x, int y) {
    if (!Exercise || !MapObject || busy_) return;
    COvning& exercise = *Exercise;
    const std::weak_ptr<const void> alive = LifeToken();
    busy_ = true;
    const GeoPoint at = MapObject->ClickPoint(x, y);
    Answer.Lat = at.Lat;
    Answer.Lon = at.Lon;
    Answer.Index = 0;
    const int triesBefore = exercise.Tries;
    if (exercise.Finished) {
        exercise.Wrong(Answer);
    } else if (exercise.IsRight(Answer)) {
        exercise.BlinkState = 0;
        exercise.Right();
        if (alive.expired() || !MessagesRanAndAlive(alive)) return;
        QuestionAnswered();
        const QString question = exercise.NextQuestion();
        if (!question.isEmpty()) {
            VisaFraga(question);
        } else {
            imgKartaBox->setEnabled(false);
            VisaFraga(QStringLiteral("-"));
            ShowTopTen(exercise, exercise.Percent, this);
            if (alive.expired()) return;
            exercise.Finished = true;
        }
    } else {
        exercise.Wrong(Answer);
    }
    if (alive.expired()) return;
    if (triesBefore < 3 && exercise.Tries >= 3 && !exercise.Finished) HintStarted();
    busy_ = false;
    imgKartaBox->setEnabled(true);
}

void TfrmOvningKarta::ViewChanged() {
    viewChanged_ = true;
    // A step on an idle screen is drawn at once (after the event that made
    // it has been delivered); steps that come while a redraw runs or waits
    // are gathered into one after it.
    if (busy_ || tmrRedraw_->isActive()) {
        tmrRedraw_->start();
        return;
    }
    if (redrawQueued_) return;
    redrawQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        redrawQueued_ = false;
        RedrawForNewView();
    });
}

void TfrmOvningKarta::ZoomAt(QPoint pixel, double factor) {
    if (MapObject && zoom_.ZoomAt(*MapObject, pixel, factor)) ViewChanged();
}

void TfrmOvningKarta::cmdHomeClick() {
    if (MapObject && zoom_.Home(*MapObject)) ViewChanged();
}

void TfrmOvningKarta::MousePressed(QPoint at) {
    pressed_ = true;
    dragging_ = false;
    pressAt_ = dragAt_ = at;
}

void TfrmOvningKarta::MouseMoved(QPoint at) {
    if (!pressed_ || !MapObject) return;
    const int threshold = int(std::lround(DragThreshold * imgKartaBox->Picture().PixelRatio()));
    if (!dragging_ && (at - pressAt_).manhattanLength() <= threshold) return;
    dragging_ = true;
    if (zoom_.PanBy(*MapObject, dragAt_, at)) ViewChanged();
    dragAt_ = at;
}

void TfrmOvningKarta::MouseHovered(QPoint at) {
    if (!Exercise || !MapObject || busy_ || !Exercise->Explores()) return;
    const GeoPoint point = MapObject->ClickPoint(at.x(), at.y());
    TAnswer answer;
    answer.Lat = point.Lat;
    answer.Lon = point.Lon;
    Exercise->Point(answer);
}

void TfrmOvningKarta::MouseReleased(QPoint at) {
    if (!pressed_) return;
    MouseMoved(at);
    pressed_ = false;
    if (dragging_) return;  // a drag never answers
    // Handled after the release has been delivered: the handling lets window
    // messages run, and the screen may be closed and released meanwhile.
    const QPoint click = pressAt_;
    QTimer::singleShot(0, this, [this, click] { imgKartaMouseDown(click.x(), click.y()); });
}

void TfrmOvningKarta::keyPressEvent(QKeyEvent* event) {
    if (!MapObject || !imgKartaBox->isEnabled()) return QWidget::keyPressEvent(event);
    const TPicture& picture = imgKartaBox->Picture();
    const QPoint centre(picture.Width() / 2, picture.Height() / 2);
    const QPoint step(picture.Width() / KeyPanDivisor, picture.Height() / KeyPanDivisor);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ZoomAt(centre, TMapZoom::StepFactor);
            break;
        case Qt::Key_Minus:
            ZoomAt(centre, 1 / TMapZoom::StepFactor);
            break;
        case Qt::Key_Home:
            cmdHomeClick();
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // An arrow shows more of the map in its direction.
            const int dx = event->key() == Qt::Key_Left    ? step.x()
                           : event->key() == Qt::Key_Right ? -step.x()
                                                           : 0;
            const int dy = event->key() == Qt::Key_Up     ? step.y()
                           : event->key() == Qt::Key_Down ? -step.y()
                                                          : 0;
            if (zoom_.PanBy(*MapObject, centre, centre + QPoint(dx, dy))) ViewChanged();
            break;
        }
        default:
            QWidget::keyPressEvent(event);
    }
}

void TfrmOvningKarta::tmrBlinkaTimer() {
    if (Exercise && !busy_) Exercise->Blink();
}

void TfrmOvningKarta::tmrNamnTimerTimer() {
    SetNameOpaque(false);
    tmrNamnTimer->stop();
}

void TfrmOvningKarta::cmdStartaClick() {
    if (!Exercise || !MapObject || busy_) return;
    const std::weak_ptr<const void> alive = LifeToken();
    busy_ = true;
    cmdAvsluta->setEnabled(false);
    imgKartaBox->setEnabled(false);
    {
        TWaitCursor wait;
        try {
            Exercise->Start(*this);
        } catch (const std::exception& e) {
            LogFailure(e, QStringLiteral("restarting exercise %1").arg(Exercise->Number));
            ShowMessage(TMessageKind::Error, QString::fromStdString(e.what()));
        }
    }
    if (alive.expired()) return;
    drawnSize_ = imgKartaBox->Picture().Size();
    drawnRatio_ = imgKartaBox->Picture().PixelRatio();
    viewChanged_ = false;
    zoom_.SetHome(*MapObject);
    ForgetHintZoom();
    VisaProcent(0);
    busy_ = false;
    imgKartaBox->setEnabled(true);
    cmdAvsluta->setEnabled(true);
}

void TfrmOvningKarta::cmdAvslutaClick() {
    tmrBlinka->stop();
    tmrShowItem->stop();
    TExerciseScreen::cmdAvslutaClick();
}
