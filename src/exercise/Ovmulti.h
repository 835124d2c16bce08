// SPDX-License-Identifier: MIT
// COvningMulti: the four-answer multiple-choice exercise about the places
// of the exercise's areas: which area holds this place, or which of these
// places lies in this area.
#pragma once

#include <vector>

#include "exercise/ovning.h"

class COrt;
class TMultiExerciseScreen;

class COvningMulti : public COvning {
  public:
    COvningMulti();
    ~COvningMulti() override;

    qint32 RightPos = 0;                // 1..4
    COrt* CurrentPlace = nullptr;       // in the map's place list
    bool Ticked = false;                // set by Blink; ends the wait in Right
    RangeArray<QString, 1, 4> Answers;  // in screen order; empty where no text was left

    QString NextQuestion() override;
    bool IsRight(const TAnswer& answer) override;
    QString AskedKey() const override;
    QString ClickedKey(const TAnswer& answer) const override;
    // Shows the right answer in green until the next Blink, then marks the
    // place answered. Lets window messages run during that wait. When the
    // screen goes away meanwhile, the rest is dropped and Form and Map are cleared.
    void Right() override;
    void Wrong(const TAnswer& answer) override;
    void Start(TOvningsformular& form) override;
    void Blink() override;

  private:
    TMultiExerciseScreen* Screen() const;
    std::vector<COrt*> Places(bool openOnly) const;
    QString AreaKeyOf(const COrt& place) const;
    void FillWrongAnswers(bool areaNames, const std::vector<COrt*>& selected,
                          const QString& areaKey);
};
