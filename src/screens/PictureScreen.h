// SPDX-License-Identifier: MIT
// TPictureScreen: a map screen that is only its picture, so tools and tests
// can run an area or place exercise (its set-up, view and drawing) without
// a window. It keeps the last question and name it was asked to show.
#pragma once

#include <QSize>
#include <QString>

#include "platform/Picture.h"
#include "screens/Ovform.h"

class TPictureScreen : public TMapExerciseScreen {
  public:
    explicit TPictureScreen(QSize size, qreal pixelRatio = 1) : picture_(size) {
        picture_.SetPixelRatio(pixelRatio);
    }

    TPicture& imgKarta() override { return picture_; }
    const TPicture& Picture() const { return picture_; }
    void VisaFraga(const QString& text) override { Question = text; }
    void VisaProcent(int percent) override { Percent = percent; }
    void ShowName(const QString& text, int, int, bool visible) override {
        Name = visible ? text : QString();
    }

    QString Question;
    int Percent = 0;
    QString Name;  // empty while hidden

  private:
    TPicture picture_;
};
