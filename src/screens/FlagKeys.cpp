// SPDX-License-Identifier: MIT
// Keyboard play of the flag screen: the focus frame and its keys.
#include "FlagKeys.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "app/GenerellUi.h"
#include "app/Palette.h"
#include "exercise/OvFlagga.h"
#include "screens/Unit3.h"

namespace {

constexpr int Columns = 4;
constexpr int FrameWidth = 4;  // wide enough to see on a flag and on every cell colour

// A frame drawn over the flag picture; the picture itself stays untouched.
class TFocusFrame : public QWidget {
  public:
    explicit TFocusFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int half = FrameWidth / 2;
        // Black inside the colour, so the frame stands out on dark flags too.
        painter.setPen(QPen(ToQColor(CurrentPalette().FocusFrame), FrameWidth));
        painter.drawRect(rect().adjusted(half, half, -half, -half));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(FrameWidth, FrameWidth, -FrameWidth - 1, -FrameWidth - 1));
    }
};

}  // namespace

TFlagKeys::TFlagKeys(TfrmOvningFlagga* screen)
    : QObject(screen), screen_(screen), frame_(new TFocusFrame(screen->imgFlags)) {
    new TKeyPreview(screen, [this](const QKeyEvent& key) { return KeyDown(key); });
}

bool TFlagKeys::FrameShown() const {
    return !frame_->isHidden();
}

bool TFlagKeys::KeyDown(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    switch (key.key()) {
        case Qt::Key_Left:
            MoveBy(-1);
            return true;
        case Qt::Key_Right:
            MoveBy(1);
            return true;
        case Qt::Key_Up:
            MoveBy(-Columns);
            return true;
        case Qt::Key_Down:
            MoveBy(Columns);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (FrameShown())
                Answer();
            else
                MoveBy(0);
            return true;
        default:
            return false;
    }
}

void TFlagKeys::MoveBy(int step) {
    const int count = screen_->Exercise ? screen_->Exercise->FlagCount : 0;
    if (count < 1) return;
    // The first key only shows the frame where it was.
    const int wanted = FrameShown() ? position_ + step : position_;
    if (wanted >= 1 && wanted <= count) position_ = wanted;
    if (position_ > count) position_ = count;
    PlaceFrame();
}

void TFlagKeys::PlaceFrame() {
    const int column = (position_ - 1) % Columns;
    const int row = (position_ - 1) / Columns;
    // The cell in the picture's pixels, the frame in the control's.
    const qreal ratio = screen_->imgFlags->Picture().PixelRatio();
    const QRect cell(QPoint(screen_->CellLeft(column), screen_->CellTop(row)),
                     QPoint(screen_->CellLeft(column + 1), screen_->CellTop(row + 1)));
    const QRect shown(QPoint(qRound(cell.left() / ratio) + 1, qRound(cell.top() / ratio) + 1),
                      QPoint(qRound(cell.right() / ratio) - 1, qRound(cell.bottom() / ratio) - 1));
    frame_->setGeometry(shown);
    frame_->show();
    frame_->raise();
    frame_->update();
}

void TFlagKeys::Answer() {
    const int column = (position_ - 1) % Columns;
    const int row = (position_ - 1) / Columns;
    const int x = (screen_->CellLeft(column) + screen_->CellLeft(column + 1)) / 2;
    const int y = (screen_->CellTop(row) + screen_->CellTop(row + 1)) / 2;
    QTimer::singleShot(0, screen_, [screen = screen_, x, y] { screen->imgFlagsMouseDown(x, y); });
}
