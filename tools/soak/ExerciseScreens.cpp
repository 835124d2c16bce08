// SPDX-License-Identifier: MIT
// Where the answers, buttons and click areas of each exercise screen lie,
// and how often each event happens on it.
#include "ExerciseScreens.h"

#include <QFrame>
#include <QPushButton>
#include <QTimer>

#include "data/Areor.h"
#include "data/Orter.h"
#include "data/UKarta.h"
#include "exercise/AnswerPixel.h"
#include "exercise/OvFlagga.h"
#include "exercise/Ovmulti.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

// Per mille. Right answers are frequent enough for runs to end now and then;
// restarts and releases rare enough not to cut every run short.
EventDraw::Weights ClickScreenWeights() {
    return {
        {SoakEvent::RightAnswer, 380},
        {SoakEvent::RandomClick, 380},
        {SoakEvent::Burst, 40},
        {SoakEvent::DigitKey, 30},
        {SoakEvent::OtherKey, 40},
        {SoakEvent::TopTen, 15},
        {SoakEvent::Restart, 4},
        {SoakEvent::Wait, 80},
        {SoakEvent::Close, 2},
        {SoakEvent::Release, 2},
        {SoakEvent::ReleaseWhileAnswering, 3},
    };
}

QRect InWindow(const QWidget* widget, QRect rect) {
    return QRect(widget->mapTo(widget->window(), rect.topLeft()), rect.size());
}

}  // namespace

std::unique_ptr<ScreenDriver> MakeScreenDriver(QWidget& host, COvning& exercise) {
    switch (ScreenKindFor(exercise.Kind)) {
        case TScreenKind::Flags:
            return std::make_unique<FlagScreenDriver>(host, exercise);
        case TScreenKind::MultipleChoice:
            return std::make_unique<MultiScreenDriver>(host, exercise);
        case TScreenKind::Map:
            break;
    }
    return std::make_unique<MapScreenDriver>(host, exercise);
}

// The map screen.

TfrmOvningKarta* MapScreenDriver::Map() const {
    return static_cast<TfrmOvningKarta*>(Screen());
}

QWidget* MapScreenDriver::Create(QWidget& host) {
    auto* screen = new TfrmOvningKarta(&host);
    screen->tmrBlinka->setInterval(Shortened(screen->tmrBlinka->interval()));
    screen->tmrNamnTimer->setInterval(Shortened(screen->tmrNamnTimer->interval()));
    return screen;
}

void MapScreenDriver::Start(QWidget& screen) {
    static_cast<TfrmOvningKarta&>(screen).StartExercise(Exercise());
}

bool MapScreenDriver::RunOver() const {
    return Exercise().Finished;
}

EventDraw::Weights MapScreenDriver::Weights() const {
    return ClickScreenWeights();
}

std::optional<QPoint> MapScreenDriver::RightPixel() const {
    const TfrmOvningKarta* screen = Map();
    if (!screen || !screen->MapObject || !screen->Exercise) return std::nullopt;
    return AnswerPixel(*screen->MapObject, *screen->Exercise);
}

bool MapScreenDriver::AnswerRight(SoakRandom&) {
    const std::optional<QPoint> pixel = RightPixel();
    if (!pixel) return false;
    ClickOn(Map()->imgKartaBox, *pixel);
    return true;
}

QRect MapScreenDriver::ClickArea() const {
    return InWindow(Map()->imgKartaBox, Map()->imgKartaBox->rect());
}

QPushButton* MapScreenDriver::TopTenButton() const {
    return Map()->cmdTopp;
}

QPushButton* MapScreenDriver::RestartButton() const {
    return Map()->cmdStarta;
}

QPushButton* MapScreenDriver::CloseButton() const {
    return Map()->cmdAvsluta;
}

// The flag screen.

TfrmOvningFlagga* FlagScreenDriver::Flags() const {
    return static_cast<TfrmOvningFlagga*>(Screen());
}

QWidget* FlagScreenDriver::Create(QWidget& host) {
    auto* screen = new TfrmOvningFlagga(&host);
    screen->tmrRitaOm->setInterval(Shortened(screen->tmrRitaOm->interval()));
    screen->tmrBlinka->setInterval(Shortened(screen->tmrBlinka->interval()));
    return screen;
}

void FlagScreenDriver::Start(QWidget& screen) {
    static_cast<TfrmOvningFlagga&>(screen).StartExercise(Exercise());
}

bool FlagScreenDriver::RunOver() const {
    const auto& flags = static_cast<const COvningFlagga&>(Exercise());
    if (flags.FlagCount <= 0) return false;
    for (int p = 1; p <= flags.FlagCount; ++p)
        if (!flags.Done[p]) return false;
    return true;
}

EventDraw::Weights FlagScreenDriver::Weights() const {
    return ClickScreenWeights();
}

bool FlagScreenDriver::AnswerRight(SoakRandom&) {
    const auto& flags = static_cast<const COvningFlagga&>(Exercise());
    const TfrmOvningFlagga* screen = Flags();
    const int p = flags.CurrentPos;
    if (RunOver() || p < 1 || p > flags.FlagCount) return false;
    const QPoint centre(int(((p - 1) % 4 + 0.5) * screen->CellWidth),
                        int(((p - 1) / 4 + 0.5) * screen->CellHeight));
    ClickOn(screen->imgFlags, centre);
    return true;
}

QRect FlagScreenDriver::ClickArea() const {
    // A little beyond the grid, onto its frame.
    return InWindow(Flags()->imgFlags, Flags()->imgFlags->rect().adjusted(-4, -4, 4, 4));
}

QPushButton* FlagScreenDriver::TopTenButton() const {
    return Flags()->cmdTopp;
}

QPushButton* FlagScreenDriver::RestartButton() const {
    return Flags()->cmdStarta;
}

QPushButton* FlagScreenDriver::CloseButton() const {
    return Flags()->cmdAvsluta;
}

// The multiple-choice screen.

TfrmOvningMulti* MultiScreenDriver::Multi() const {
    return static_cast<TfrmOvningMulti*>(Screen());
}

QWidget* MultiScreenDriver::Create(QWidget& host) {
    auto* screen = new TfrmOvningMulti(&host);
    screen->tmrTimer->setInterval(Shortened(screen->tmrTimer->interval()));
    return screen;
}

void MultiScreenDriver::Start(QWidget& screen) {
    static_cast<TfrmOvningMulti&>(screen).StartExercise(Exercise());
}

bool MultiScreenDriver::RunOver() const {
    return Multi() && Multi()->RunOver;
}

EventDraw::Weights MultiScreenDriver::Weights() const {
    return {
        {SoakEvent::RightAnswer, 300},
        {SoakEvent::RandomClick, 250},
        {SoakEvent::DigitKey, 200},
        {SoakEvent::Burst, 40},
        {SoakEvent::OtherKey, 40},
        {SoakEvent::TopTen, 15},
        {SoakEvent::Flower, 10},
        {SoakEvent::Wait, 60},
        {SoakEvent::Close, 2},
        {SoakEvent::Release, 2},
        {SoakEvent::ReleaseWhileAnswering, 3},
    };
}

bool MultiScreenDriver::AnswerRight(SoakRandom& random) {
    const auto& multi = static_cast<const COvningMulti&>(Exercise());
    const int p = multi.RightPos;
    if (RunOver() || p < 1 || p > 4) return false;
    if (Below(random, 2) == 0)
        Key(Qt::Key_1 + p - 1);
    else
        ClickOn(Multi()->imgSvar[std::size_t(p - 1)], QPoint(100, 20));
    return true;
}

QRect MultiScreenDriver::ClickArea() const {
    const TfrmOvningMulti* screen = Multi();
    const QRect boxes =
        screen->imgSvar.front()->geometry().united(screen->imgSvar.back()->geometry());
    // The boxes, the gaps between them and a margin round them.
    return InWindow(screen->Panel1, boxes.adjusted(-12, -12, 12, 12));
}

QPushButton* MultiScreenDriver::TopTenButton() const {
    return Multi()->cmdTopp;
}

QPushButton* MultiScreenDriver::CloseButton() const {
    return Multi()->cmdAvsluta;
}

QWidget* MultiScreenDriver::Flower() const {
    return Multi()->imgBlomma;
}
