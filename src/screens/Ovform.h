// SPDX-License-Identifier: MIT
// TOvningsformular: what an exercise may ask of the screen that shows it,
// with the extra operations of the map and multiple-choice screens.
#pragma once

#include <QString>
#include <memory>

#include "app/Generell.h"
#include "platform/Colors.h"

class TPicture;

// Every exercise screen implements this. The screens derive from their
// widget class and from this contract; tests implement it with a fake.
class TOvningsformular {
  public:
    TOvningsformular() = default;
    virtual ~TOvningsformular() = default;
    TOvningsformular(const TOvningsformular&) = delete;
    TOvningsformular& operator=(const TOvningsformular&) = delete;

    // Shows the question text (the empty text clears it).
    virtual void VisaFraga(const QString& text) = 0;
    // Shows the percentage.
    virtual void VisaProcent(int percent) = 0;
    // Says on the screen whether the run is a practice run (not entered in
    // the top ten).
    virtual void ShowPracticeNote(bool /*practice*/) {}

    // Expires when this screen is destroyed. Whoever lets window messages
    // run while holding on to the screen (or its map) checks it afterwards:
    // the screen may have been closed and released meanwhile.
    std::weak_ptr<const void> LifeToken() const { return life_; }

  private:
    std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
};

// Lets window messages run. False when the screen whose LifeToken is given
// was destroyed meanwhile: its caller must not touch it any more.
inline bool MessagesRanAndAlive(const std::weak_ptr<const void>& life) {
    ProcessMessages();
    return !life.expired();
}

// The map screen, on which the area and place exercises run.
class TMapExerciseScreen : public TOvningsformular {
  public:
    // The map picture; the exercise gives it to the map as its Image.
    virtual TPicture& imgKarta() = 0;
    // Shows or hides the name label with its centre on picture pixel (x, y).
    virtual void ShowName(const QString& text, int x, int y, bool visible) = 0;
    // Shows the name of a country with its flag (a file of the flags folder)
    // beside it; a screen without pictures shows the name alone.
    virtual void ShowNameWithFlag(const QString& text, const QString& flagFile, int x, int y) {
        (void)flagFile;
        ShowName(text, x, y, true);
    }
};

// What an answer box says besides its colour.
enum class TAnswerMark { None, Right, Wrong };

// The multiple-choice screen; the exercise draws the four answers itself.
// A screen that stops its one-second timer while the exercise waits in
// Right must call the exercise's Blink, or be destroyed, to end the wait.
class TMultiExerciseScreen : public TOvningsformular {
  public:
    // The answer box (picture) at position 1..4.
    virtual TPicture& AnswerBox(int position) = 0;
    // Fills the box with the colour inside a black frame and centres the text in it.
    virtual void DrawAnswer(TPicture& box, TColor colour, const QString& text) = 0;
    // The same with a sign of right or wrong beside the text, so the answer
    // does not rest on its colour alone; a screen without signs draws the colour.
    virtual void DrawMarkedAnswer(TPicture& box, TColor colour, const QString& text, TAnswerMark) {
        DrawAnswer(box, colour, text);
    }
};
