// SPDX-License-Identifier: MIT
// TfrmOvningKarta: the map screen, on which the area and place exercises
// run: a strip with question, percentage and buttons over the map picture.
#pragma once

#include <memory>

#include "exercise/ovning.h"
#include "screens/ExerciseScreen.h"
#include "screens/Ovform.h"
#include "screens/PictureBox.h"

class CKarta;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TfrmOvningKarta : public TExerciseScreen, public TMapExerciseScreen {
    Q_OBJECT
  public:
    static constexpr int HelpTopic = 102;
    static constexpr int TopHeight = 32;  // the strip above the map

    explicit TfrmOvningKarta(QWidget* parent = nullptr);
    ~TfrmOvningKarta() override;

    // Loads the exercise's files, starts it and shows the window maximised.
    // Raises the loaders' errors. Lets window messages run (waiting for the
    // window manager, drawing the map).
    void StartExercise(COvning& entry) override;

    // The contract.
    void VisaFraga(const QString& text) override;
    void VisaProcent(int percent) override;
    TPicture& imgKarta() override { return imgKartaBox->Picture(); }
    void ShowName(const QString& text, int x, int y, bool visible) override;

    // A click at picture pixel (x, y), as the map control reports it.
    // Lets window messages run (the exercise's answer, the top-ten form).
    void imgKartaMouseDown(int x, int y);
    // Restarts the run. Lets window messages run (the map is drawn anew).
    void cmdStartaClick();
    // Stops the hint's blinking, then closes.
    void cmdAvslutaClick() override;

    COvning* Exercise = nullptr;  // owned by the catalogue
    std::unique_ptr<CKarta> MapObject;
    TAnswer Answer;  // the last click

    QFrame* panTop;
    QLabel* lblFraga;
    QLabel* lblProcent;
    QLabel* imgBlomma;
    QPushButton* cmdTopp;
    QPushButton* cmdStarta;
    QPushButton* cmdHjalp;
    QPushButton* cmdAvsluta;
    QFrame* panPanel;
    TPictureBox* imgKartaBox;
    QLabel* lblNamn;
    QTimer* tmrBlinka;
    QTimer* tmrNamnTimer;

  protected:
    COvning* RunningExercise() const override { return Exercise; }
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void Layout();
    // Lets window messages run while the window manager maximises the window.
    void MaximiseAndWait();
    // A click on the name label counts as one on the map beneath it.
    // Lets window messages run.
    void lblNamnMouseDown(QPoint point);
    void tmrBlinkaTimer();
    void tmrNamnTimerTimer();
    void SetNameOpaque(bool opaque);
    // Draws the map again for the picture's new size, keeping the centre and
    // the scale the player sees. Lets window messages run.
    void RedrawForNewSize();

    bool busy_ = false;     // a click, restart or redraw is being handled
    bool laidOut_ = false;  // the strip and the map have their places
    QSize drawnSize_;       // the picture size the map was last drawn for
    QTimer* tmrRedraw_;     // a redraw after resizing, once the resizing settles
};
