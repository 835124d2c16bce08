// SPDX-License-Identifier: MIT
// Opening, releasing and the common random events of an exercise screen.
#include "ScreenDriver.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct KeyStroke {
    int key;
    Qt::KeyboardModifiers modifiers;
};

// No F1: it opens the help window, which is not the screens' business.
const KeyStroke OtherKeys[] = {
    {Qt::Key_A, Qt::NoModifier},         {Qt::Key_Z, Qt::ShiftModifier},
    {Qt::Key_5, Qt::NoModifier},         {Qt::Key_0, Qt::NoModifier},
    {Qt::Key_1, Qt::KeypadModifier},     {Qt::Key_3, Qt::KeypadModifier},
    {Qt::Key_2, Qt::ControlModifier},    {Qt::Key_4, Qt::AltModifier},
    {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_Return, Qt::NoModifier},
    {Qt::Key_Escape, Qt::NoModifier},    {Qt::Key_Tab, Qt::NoModifier},
    {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Down, Qt::NoModifier},      {Qt::Key_Exclam, Qt::ShiftModifier},
};

// Press and release one by one: the press may release the screen (a handler
// lets messages run), and then there is nothing left to release on.
void Click(QWidget* target, Qt::MouseButton button, QPoint at) {
    const QPointer<QWidget> alive(target);
    QTest::mousePress(target, button, {}, at);
    if (alive) QTest::mouseRelease(target, button, {}, at);
}

void Stroke(QWidget* target, const KeyStroke& stroke) {
    const QPointer<QWidget> alive(target);
    QTest::keyPress(target, Qt::Key(stroke.key), stroke.modifiers);
    if (alive) QTest::keyRelease(target, Qt::Key(stroke.key), stroke.modifiers);
}

}  // namespace

ScreenDriver::ScreenDriver(QWidget& host, COvning& exercise) : host_(host), exercise_(exercise) {}

ScreenDriver::~ScreenDriver() {
    Release();
}

void ScreenDriver::Open() {
    Release();
    screen_ = Create(host_);
    // A child window of the host, as the main menu keeps its screens.
    screen_->setWindowFlag(Qt::Window);
    ++opened_;
    Start(*screen_);
}

void ScreenDriver::Release() {
    if (!screen_) return;
    screen_->close();
    screen_->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    screen_ = nullptr;
}

void ScreenDriver::Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ScreenDriver::NextRun() {
    if (QPushButton* restart = RestartButton()) {
        ClickButton(restart);
        if (!RunOver()) return;
    }
    Open();
}

void ScreenDriver::ReleaseSoon(int ms) {
    QTimer::singleShot(ms, screen_.data(), [this] {
        if (!screen_ || QApplication::activeModalWidget()) return;
        screen_->close();
        screen_->deleteLater();
    });
}

void ScreenDriver::Play(SoakEvent event, SoakRandom& random) {
    if (!IsShowing()) return;
    switch (event) {
        case SoakEvent::RightAnswer:
            RightOrRandom(random);
            break;
        case SoakEvent::RandomClick:
            RandomClick(random);
            break;
        case SoakEvent::Burst:
            for (int i = 2 + Below(random, 3); i > 0 && IsShowing(); --i) {
                if (Below(random, 2) == 0)
                    RightOrRandom(random);
                else
                    RandomClick(random);
            }
            break;
        case SoakEvent::DigitKey:
            Key(Qt::Key_1 + Below(random, 4));
            break;
        case SoakEvent::OtherKey:
            OtherKey(random);
            break;
        case SoakEvent::TopTen:
            ClickButton(TopTenButton());
            break;
        case SoakEvent::Restart:
            ClickButton(RestartButton());
            break;
        case SoakEvent::Wait:
            QTest::qWait(2 + Below(random, 30));
            break;
        case SoakEvent::Close:
            ClickButton(CloseButton());
            break;
        case SoakEvent::Release:
            Release();
            break;
        case SoakEvent::ReleaseWhileAnswering:
            ReleaseSoon(Below(random, 15));
            RightOrRandom(random);
            break;
        case SoakEvent::Flower:
            if (QWidget* flower = Flower(); flower && flower->isVisible())
                ClickOn(flower, flower->rect().center());
            break;
    }
}

void ScreenDriver::RightOrRandom(SoakRandom& random) {
    if (!AnswerRight(random)) RandomClick(random);
}

void ScreenDriver::RandomClick(SoakRandom& random) {
    const QRect area = ClickArea();
    const QPoint at(area.left() + Below(random, area.width()),
                    area.top() + Below(random, area.height()));
    // Now and then another button: the screens take any button as a click.
    const Qt::MouseButton button = Below(random, 20) == 0 ? Qt::RightButton : Qt::LeftButton;
    ClickAt(at, button);
}

void ScreenDriver::OtherKey(SoakRandom& random) {
    const KeyStroke& stroke = OtherKeys[Below(random, int(std::size(OtherKeys)))];
    Key(stroke.key, stroke.modifiers);
}

void ScreenDriver::ClickAt(QPoint at, Qt::MouseButton button) {
    if (!screen_) return;
    QWidget* target = screen_->childAt(at);
    if (!target) target = screen_;
    Click(target, button, target->mapFrom(screen_.data(), at));
}

void ScreenDriver::ClickOn(QWidget* widget, QPoint at) {
    if (!screen_ || !widget) return;
    ClickAt(widget->mapTo(screen_.data(), at));
}

void ScreenDriver::ClickButton(QPushButton* button) {
    if (!button || !button->isVisible()) return;
    ClickOn(button, button->rect().center());
}

void ScreenDriver::Key(int key, Qt::KeyboardModifiers modifiers) {
    if (!screen_) return;
    QWidget* target = screen_->focusWidget() ? screen_->focusWidget() : screen_.data();
    Stroke(target, {key, modifiers});
}
