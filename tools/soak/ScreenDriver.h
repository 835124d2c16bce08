// SPDX-License-Identifier: MIT
// ScreenDriver: one exercise screen under the soak: opens it with short
// timers, releases it as the main menu does, and plays the random events on
// it. The three screens fill in where their answers and buttons are.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include "SoakEvents.h"

class COvning;
class QPushButton;

class ScreenDriver {
  public:
    // The screens' timers run this many times faster, so that hints, names
    // and the wait after a right answer pass within a few events.
    static constexpr int TimerSpeedUp = 100;

    ScreenDriver(QWidget& host, COvning& exercise);
    virtual ~ScreenDriver();
    ScreenDriver(const ScreenDriver&) = delete;
    ScreenDriver& operator=(const ScreenDriver&) = delete;

    COvning& Exercise() const { return exercise_; }
    // A fresh screen, owned by the host, started on the exercise. Raises the
    // loaders' errors. Lets window messages run (the screen's start).
    void Open();
    // Close, then deleteLater, and let the deferred delete run.
    // Lets window messages run: the deferred deletes only.
    void Release();
    // A screen is open and showing.
    bool IsShowing() const { return screen_ && screen_->isVisible(); }
    int ScreensOpened() const { return opened_; }

    // The run on the screen has ended.
    virtual bool RunOver() const = 0;
    // The next run: the restart button where the screen has one, else a fresh screen.
    // Lets window messages run.
    virtual void NextRun();
    // How often each event happens on this screen.
    virtual EventDraw::Weights Weights() const = 0;

    // One event on the showing screen; the caller settles afterwards.
    // Lets window messages run: the screen's handlers run within it, and may
    // open the modal top-ten form or release the screen.
    void Play(SoakEvent event, SoakRandom& random);
    // Lets window messages run: the deferred click handling, timers, repaints
    // and releases.
    static void Settle();

  protected:
    // The screen, owned by the host, with its timers shortened.
    virtual QWidget* Create(QWidget& host) = 0;
    // Lets window messages run where the screen's StartExercise does (map, flags).
    virtual void Start(QWidget& screen) = 0;
    // Answers the question asked; false when none is (the run is over).
    // Lets window messages run where the screen handles a click at once (flags).
    virtual bool AnswerRight(SoakRandom& random) = 0;
    // Where random clicks land, in window coordinates.
    virtual QRect ClickArea() const = 0;
    virtual QPushButton* TopTenButton() const = 0;
    virtual QPushButton* RestartButton() const { return nullptr; }
    virtual QPushButton* CloseButton() const = 0;
    virtual QWidget* Flower() const { return nullptr; }

    QWidget* Screen() const { return screen_.data(); }
    // A click at a window point, delivered to whatever widget lies there.
    // Lets window messages run: the widget's handlers run within it.
    void ClickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // A click at a point of one of the screen's widgets. Lets window messages run.
    void ClickOn(QWidget* widget, QPoint at);
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static int Shortened(int ms) { return std::max(1, ms / TimerSpeedUp); }

  private:
    void RandomClick(SoakRandom& random);    // Lets window messages run (a click)
    void RightOrRandom(SoakRandom& random);  // Lets window messages run (a click)
    void OtherKey(SoakRandom& random);
    void ClickButton(QPushButton* button);  // Lets window messages run (a click)
    // As Release, from inside whatever handling is going on, unless a modal
    // form is up (the player could not reach the screen then).
    void ReleaseSoon(int ms);

    QWidget& host_;
    COvning& exercise_;
    QPointer<QWidget> screen_;
    int opened_ = 0;
};
