// SPDX-License-Identifier: MIT
// TfrmOvningFlagga: the flag screen: up to sixteen flags in a four by four
// grid; a wrong flag shows its name for a second, after the third wrong try
// the right one blinks, and answered flags turn silver with their names.
#pragma once

#include <QImage>
#include <memory>
#include <optional>

#include "data/RangeArray.h"
#include "exercise/ovning.h"
#include "screens/ExerciseScreen.h"
#include "screens/Ovform.h"
#include "screens/PictureBox.h"

class CKarta;
class COvningFlagga;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TfrmOvningFlagga : public TExerciseScreen, public TOvningsformular {
    Q_OBJECT
  public:
    static constexpr int HelpTopic = 104;
    static constexpr int ClientWidth = 632;
    static constexpr int ClientHeight = 461;
    static constexpr int FlagTopMargin = 8;  // flags sit this far below their cell's top
    static constexpr int EmptyFlagWidth = 100;
    static constexpr int EmptyFlagHeight = 63;
    static constexpr int NamePointSize = 8;

    explicit TfrmOvningFlagga(QWidget* parent = nullptr);
    ~TfrmOvningFlagga() override;

    // Loads the exercise's areas, places and flags, starts it and shows the
    // window. Raises the loaders' errors; the entry must be a flag exercise.
    // Lets window messages run (the picture reset, a missing flag's box).
    void StartExercise(COvning& entry) override;

    void VisaFraga(const QString& text) override;
    void VisaProcent(int percent) override;
    void ShowPracticeNote(bool practice) override { SetPracticeNote(practice); }

    // Drawing on imgFlags; positions 1..16, left to right, top to bottom.
    void DrawFlagGrid();
    void FillCell(int position, TColor colour);
    void DrawFlag(int position, TColor colour, bool withName);
    void DrawAllFlags();
    // A flag file that cannot be opened is reported in a box and left out;
    // one that is no bitmap raises EInOutError.
    // Lets window messages run while that box is up.
    void LoadFlags();
    // Column or row border i (0..4) in pixels of imgFlags's picture (device
    // pixels on a high-DPI screen, as are the clicks).
    int CellLeft(int column) const;
    int CellTop(int row) const;

    // A click at pixel (x, y) of imgFlags. Lets window messages run when the
    // run ends (the top-ten form).
    void imgFlagsMouseDown(int x, int y);
    void tmrRitaOmTimer();
    void tmrBlinkaTimer();
    // Restarts the run. Lets window messages run (a missing flag's box, a
    // failure's box).
    void cmdStartaClick();

    COvningFlagga* Exercise = nullptr;  // owned by the catalogue
    std::unique_ptr<CKarta> MapObject;  // holds the areas; never drawn
    RangeArray<std::optional<QImage>, 1, COvning::MaxItems> FlagPictures;
    float CellWidth = 0;
    float CellHeight = 0;
    int RedrawCell = 0;  // wrong flag whose name is showing; 0 none
    int BlinkCount = 0;  // next blink phase of the right flag; 0 none

    QFrame* pnlFraga;
    QLabel* lblFraga;
    QLabel* lblProcent;
    QPushButton* cmdTopp;
    QPushButton* cmdStarta;
    QPushButton* cmdHjalp;
    QPushButton* cmdAvsluta;
    QFrame* pnlFlags;
    TPictureBox* imgFlags;
    QLabel* Label1;
    QTimer* tmrRitaOm;
    QTimer* tmrBlinka;

  protected:
    COvning* RunningExercise() const override;
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    TRasterSurface& Canvas();
    void Changed();
};
