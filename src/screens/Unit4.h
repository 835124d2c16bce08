// SPDX-License-Identifier: MIT
// TfrmOvningMulti: the multiple-choice screen: the question on a dark
// square, four answer boxes answered by click or by the keys 1 to 4.
#pragma once

#include <array>
#include <memory>

#include "exercise/ovning.h"
#include "screens/ExerciseScreen.h"
#include "screens/Ovform.h"
#include "screens/PictureBox.h"

class CKarta;
class COvningMulti;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;

class TfrmOvningMulti : public TExerciseScreen, public TMultiExerciseScreen {
    Q_OBJECT
  public:
    static constexpr int HelpTopic = 103;
    static constexpr int ClientWidth = 632;
    static constexpr int ClientHeight = 453;
    static constexpr int ShowRightMs = 1000;  // how long a right answer stays green

    explicit TfrmOvningMulti(QWidget* parent = nullptr);
    ~TfrmOvningMulti() override;

    // Loads the exercise's places and areas, starts it and shows the window.
    // Raises the loaders' errors; the entry must be a multiple-choice exercise.
    // Lets no window messages run.
    void StartExercise(COvning& entry) override;

    void VisaFraga(const QString& text) override;
    void VisaProcent(int percent) override;
    void ShowPracticeNote(bool practice) override { SetPracticeNote(practice); }
    TPicture& AnswerBox(int position) override;
    void DrawAnswer(TPicture& box, TColor colour, const QString& text) override;
    void DrawMarkedAnswer(TPicture& box, TColor colour, const QString& text,
                          TAnswerMark mark) override;

    // One answer at position 1..4 (ignored while a right answer shows or after the run).
    // Lets window messages run (the second a right answer shows, the top-ten form).
    void Answer(int position);
    void imgBlommaClick();

    COvningMulti* Exercise = nullptr;   // owned by the catalogue
    std::unique_ptr<CKarta> MapObject;  // holds places and areas; never drawn
    TAnswer AnswerRecord;
    bool RunOver = false;

    QFrame* Panel1;
    QFrame* Shape1;
    QLabel* Label1;
    std::array<TPictureBox*, 4> imgSvar;
    std::array<QLabel*, 4> lblKey;  // lbl1 .. lbl4
    QLabel* lblProcent;
    QPushButton* cmdTopp;
    QPushButton* cmdAvsluta;
    TPictureBox* imgBlomma;
    TPictureBox* imgBar;
    QTimer* tmrTimer;

  protected:
    COvning* RunningExercise() const override;
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    bool FormKeyDown(const QKeyEvent& key);
    void tmrTimerTimer();
};
