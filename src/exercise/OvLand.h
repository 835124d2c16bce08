// SPDX-License-Identifier: MIT
// COvningLandArea: the click-the-area exercise on the map screen. Wrong
// clicks on exercise areas are named; after three the right area is marked,
// from the fourth it blinks; answered areas are coloured by attempts.
#pragma once

#include "exercise/ovning.h"

class CArea;
class TMapExerciseScreen;

class COvningLandArea : public COvning {
  public:
    COvningLandArea();
    ~COvningLandArea() override;

    QString CurrentKey;     // the item asked now
    qint32 CurrentPos = 0;  // its position in Items

    QString NextQuestion() override;
    bool IsRight(const TAnswer& answer) override;
    QString AskedKey() const override;
    QString ClickedKey(const TAnswer& answer) const override;
    bool IsAnswered(const TAnswer& answer) override;
    // Counts the right answer twice in Asked (the percentage is shown after the first).
    void Right() override;
    void Wrong(const TAnswer& answer) override;
    // Needs the map screen and a map with its collections.
    // Lets window messages run while it draws the map.
    void Start(TOvningsformular& form) override;
    void Blink() override;
    bool RedrawMap() override;

  private:
    TMapExerciseScreen* Screen() const;
    CArea* AreaAt(const TAnswer& answer) const;
};
