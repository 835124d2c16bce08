// SPDX-License-Identifier: MIT
// TExerciseScreen: what the three exercise screens have in common as
// windows: starting an exercise, and the top-ten, help and close buttons.
// The main menu and the tools create the screen for an exercise through
// CreateExerciseScreen, so they agree on which kind runs where.
#pragma once

#include <QWidget>

class COvning;
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

  protected:
    // The exercise running on the screen; null before the first start.
    virtual COvning* RunningExercise() const = 0;
    // A run not over yet ends here, for the results history.
    void closeEvent(QCloseEvent* event) override;

  private:
    const int helpTopic_;
};

// The screen an exercise of this catalogue kind runs on: the flag screen
// for "FLAGG", the multiple-choice screen for exactly "MULTI", the map
// screen for any other.
enum class TScreenKind { Map, Flags, MultipleChoice };
TScreenKind ScreenKindFor(const QString& kind);

// Creates that screen, owned by parent (none: by the caller).
TExerciseScreen* CreateExerciseScreen(const QString& kind, QWidget* parent);
