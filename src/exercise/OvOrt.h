// SPDX-License-Identifier: MIT
// COvningOrt: the click-the-place exercise on the map screen. A click means
// the exercise place nearest to it; wrong clicks name that place; after
// three the right place is marked, from the fourth it blinks.
#pragma once

#include <vector>

#include "exercise/ovning.h"

class COrt;
class TMapExerciseScreen;

class COvningOrt : public COvning {
  public:
    // A place this many pixels or more from the click is never taken.
    static constexpr int MaxDistance = 10000;

    COvningOrt();
    ~COvningOrt() override;

    COrt* CurrentPlace = nullptr;  // in the map's place list

    QString NextQuestion() override;
    bool IsRight(const TAnswer& answer) override;
    QString AskedKey() const override;
    QString ClickedKey(const TAnswer& answer) const override;
    bool IsAnswered(const TAnswer& answer) override;
    // Lets window messages run between the green and the yellow mark.
    void Right() override;
    // Lets window messages run once the clicked place's name shows.
    void Wrong(const TAnswer& answer) override;
    // Needs the map screen and a map with its collections.
    // Lets window messages run while it draws the map.
    void Start(TOvningsformular& form) override;
    void Blink() override;
    bool RedrawMap() override;

    // The selected place nearest to the click on the picture; the earlier
    // one in the list on equal distances; none beyond MaxDistance.
    COrt* NearestPlace(const TAnswer& answer) const;

  private:
    TMapExerciseScreen* Screen() const;

    // The places answered so far, in the order of their answers: a place's
    // name box lies under the marks drawn after it.
    std::vector<COrt*> answerOrder_;
};
