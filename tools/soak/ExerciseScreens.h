// SPDX-License-Identifier: MIT
// The soak's drivers of the three exercise screens: the map screen (area and
// place exercises), the flag screen and the multiple-choice screen.
#pragma once

#include <memory>
#include <optional>

#include "ScreenDriver.h"

class TfrmOvningKarta;
class TfrmOvningFlagga;
class TfrmOvningMulti;

class MapScreenDriver : public ScreenDriver {
  public:
    using ScreenDriver::ScreenDriver;
    bool RunOver() const override;
    EventDraw::Weights Weights() const override;

    // A picture pixel whose click the exercise takes as right; nothing when
    // no run is on or the answer lies off the picture.
    std::optional<QPoint> RightPixel() const;

  protected:
    QWidget* Create(QWidget& host) override;
    void Start(QWidget& screen) override;  // Lets window messages run
    bool AnswerRight(SoakRandom& random) override;
    QRect ClickArea() const override;
    QPushButton* TopTenButton() const override;
    QPushButton* RestartButton() const override;
    QPushButton* CloseButton() const override;

  private:
    TfrmOvningKarta* Map() const;
};

class FlagScreenDriver : public ScreenDriver {
  public:
    using ScreenDriver::ScreenDriver;
    bool RunOver() const override;
    EventDraw::Weights Weights() const override;

  protected:
    QWidget* Create(QWidget& host) override;
    void Start(QWidget& screen) override;           // Lets window messages run
    bool AnswerRight(SoakRandom& random) override;  // Lets window messages run
    QRect ClickArea() const override;
    QPushButton* TopTenButton() const override;
    QPushButton* RestartButton() const override;
    QPushButton* CloseButton() const override;

  private:
    TfrmOvningFlagga* Flags() const;
};

// The multiple-choice screen has no restart button: a new run needs a fresh screen.
class MultiScreenDriver : public ScreenDriver {
  public:
    using ScreenDriver::ScreenDriver;
    bool RunOver() const override;
    EventDraw::Weights Weights() const override;

  protected:
    QWidget* Create(QWidget& host) override;
    void Start(QWidget& screen) override;
    bool AnswerRight(SoakRandom& random) override;
    QRect ClickArea() const override;
    QPushButton* TopTenButton() const override;
    QPushButton* CloseButton() const override;
    QWidget* Flower() const override;

  private:
    TfrmOvningMulti* Multi() const;
};

// The driver of the screen the exercise's kind runs on.
std::unique_ptr<ScreenDriver> MakeScreenDriver(QWidget& host, COvning& exercise);
