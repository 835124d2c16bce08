// SPDX-License-Identifier: MIT
// TExerciseScreen: what the three exercise screens have in common as
// windows: starting an exercise, and the top-ten, help and close buttons.
// The main menu and the tools create the screen for an exercise through
// CreateExerciseScreen, so they agree on which kind runs where.
#pragma once

#include <QWidget>

class COvning;
class QLabel;
class TOvningsformular;

class TExerciseScreen : public QWidget {
    Q_OBJECT
  public:
    // A window of its own over parent; F1 opens the help topic.
    TExerciseScreen(QWidget* parent, int helpTopic);

    // Loads the exercise's files, starts it and shows the window. Raises the
    // loaders' errors. Lets window messages run: the screen may have been
    // closed and released by the time it returns.
    virtual void StartExercise(COvning& entry) = 0;

    // The exercise's top ten, only shown, modal. Lets window messages run.
    void cmdToppClick();
    void cmdHjalpClick();
    virtual void cmdAvslutaClick();

    // Shows or hides the note that the run is practice, not entered in the
    // top ten: in the window's title and on the screen itself.
    void SetPracticeNote(bool practice);
    // Shows an item of the run on the screen, to review it; false where
    // the screen has no map.
    virtual bool ShowItem(const QString& /*key*/) { return false; }
    const QLabel* PracticeNote() const { return practiceNote_; }

  protected:
    // The exercise running on the screen; null before the first start.
    virtual COvning* RunningExercise() const = 0;
    // A run not over yet ends here, for the results history.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Where the practice note sits: its top-left corner in the window.
    virtual QPoint PracticeNoteCorner(QSize note) const;

  private:
    const int helpTopic_;
    void TitlePracticeNote();
    bool practice_ = false;
    QLabel* practiceNote_ = nullptr;  // made when first needed
};

// The screen an exercise of this catalogue kind runs on: the flag screen
// for "FLAGG", the multiple-choice screen for exactly "MULTI", the map
// screen for any other.
enum class TScreenKind { Map, Flags, MultipleChoice };
TScreenKind ScreenKindFor(const QString& kind);

// Creates that screen, owned by parent (none: by the caller).
TExerciseScreen* CreateExerciseScreen(const QString& kind, QWidget* parent);
