// SPDX-License-Identifier: MIT
// TfrmOvningKarta: the map screen, on which the area and place exercises
// run: a strip with question, percentage and buttons over the map picture.
#pragma once

#include <QHash>
#include <QPixmap>
#include <memory>
#include <optional>

#include "data/MapZoom.h"
#include "exercise/ItemFocus.h"
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
    static constexpr int NameGap = 12;    // between a named point and its label

    explicit TfrmOvningKarta(QWidget* parent = nullptr);
    ~TfrmOvningKarta() override;

    // Loads the exercise's files, starts it and shows the window maximised.
    // Raises the loaders' errors. Lets window messages run (waiting for the
    // window manager, drawing the map).
    void StartExercise(COvning& entry) override;

    // The contract.
    void VisaFraga(const QString& text) override;
    void VisaProcent(int percent) override;
    void ShowPracticeNote(bool practice) override { SetPracticeNote(practice); }
    TPicture& imgKarta() override { return imgKartaBox->Picture(); }
    void ShowName(const QString& text, int x, int y, bool visible) override;
    // With the country's flag, small, left of the name (the name alone when
    // the flag file can't be read).
    void ShowNameWithFlag(const QString& text, const QString& flagFile, int x, int y) override;

    // For a review of a run: brings the item with this key (an area code in
    // an area exercise, a place code in a place exercise, as AskedKey and the
    // results history give them) into view and blinks it for about two and
    // a half seconds. The view is the exercise's own, zoomed in on the item
    // where it is small there, by the hint's rule (TItemFocus). Scores
    // nothing and changes nothing of the run: answers, counts and the hint
    // stay, and the map is drawn again from the run's state at the end.
    // False when no area or place exercise runs or its map has no such item.
    bool ShowItem(const QString& key) override;
    // When the hint starts on a target that is small on the present view,
    // the view zooms in on it, and after the answer goes back to the view
    // before, unless the player zoomed or panned meanwhile. On by default.
    bool HintZoom = true;

    // The map's view: zoom around a picture pixel (factor above 1: in), the
    // exercise's own view again. The map is drawn anew once the steps settle.
    void ZoomAt(QPoint pixel, double factor);
    void cmdHomeClick();
    // A redraw for a new size or view is waiting for the steps to settle, or
    // something else is drawing.
    bool RedrawPending() const;

    // A click at picture pixel (x, y), as the map control reports it (device
    // pixels on a high-DPI screen).
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
    QPushButton* cmdHome;  // back to the exercise's own view
    QPushButton* cmdStarta;
    QPushButton* cmdHjalp;
    QPushButton* cmdAvsluta;
    QFrame* panPanel;
    TPictureBox* imgKartaBox;
    QLabel* lblNamn;
    QTimer* tmrBlinka;
    QTimer* tmrNamnTimer;
    QLabel* imgNamnFlagga;  // the flag in the name label
    QTimer* tmrShowItem;    // the blinks of ShowItem

  protected:
    COvning* RunningExercise() const override { return Exercise; }
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void Layout();
    // The question over the whole width, as at start; where the buttons
    // would cover it, between them, in a smaller font if it must be.
    void PlaceQuestion();
    // Lets window messages run while the window manager maximises the window.
    void MaximiseAndWait();
    // A click on the name label counts as one on the map beneath it.
    // Lets window messages run.
    void lblNamnMouseDown(QPoint point);
    void tmrBlinkaTimer();
    void tmrNamnTimerTimer();
    void SetNameOpaque(bool opaque);
    // Where the name label of this size goes for a point of the map (in the
    // window's pixels): beside it, inside the map where it can.
    QRect NameBox(QPoint point, QSize size) const;
    void PlaceName(const QString& text, const QPixmap& flag, int x, int y, bool visible);
    // The hint's zoom (in Unit1Hints.cpp).
    void SetUpHints();
    void HintStarted();
    void QuestionAnswered();  // back from the hint's zoom
    void ForgetHintZoom();
    void tmrShowItemTimer();
    QPixmap NameFlag(const QString& flagFile);
    // Draws the map again for a new view or the picture's new size (keeping
    // the centre and the scale the player sees). Lets window messages run.
    void RedrawForNewView();
    void ViewChanged();
    // A press and a release close together are a click; farther apart a drag
    // that pans the map and never answers.
    void MousePressed(QPoint at);
    void MouseMoved(QPoint at);
    void MouseReleased(QPoint at);
    // The pointer rests on the map: exploring names what is there.
    void MouseHovered(QPoint at);

    bool busy_ = false;          // a click, restart or redraw is being handled
    bool laidOut_ = false;       // the strip and the map have their places
    QSize drawnSize_;            // the picture size the map was last drawn for
    qreal drawnRatio_ = 1;       // and its device pixel ratio
    bool viewChanged_ = false;   // zoomed or panned since the last drawing
    bool redrawQueued_ = false;  // a redraw comes as soon as events are handled
    QTimer* tmrRedraw_;          // a redraw after resizing, zooming or panning, once it settles
    TMapZoom zoom_;
    bool pressed_ = false;   // a mouse button is down on the map
    bool dragging_ = false;  // and has moved far enough to pan
    QPoint pressAt_;
    QPoint dragAt_;
    std::optional<TMapView> beforeHint_;  // the view the hint zoomed from
    std::optional<TMapView> hintView_;    // and the one it zoomed to
    QString shownItem_;                   // what ShowItem blinks
    int showItemTicks_ = 0;               // its blinks still to come
    QHash<QString, QPixmap> nameFlags_;   // by file and pixel ratio
};
