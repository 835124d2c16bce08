// SPDX-License-Identifier: MIT
// TMenuKeys: the main menu played with the keyboard: the arrow keys move in
// the continent and exercise lists and between them, Enter or Return in the
// exercise list starts the chosen exercise.
#pragma once

#include <QObject>
#include <functional>

class QListWidget;

class TMenuKeys : public QObject {
    Q_OBJECT
  public:
    // start runs when Enter is pressed on a chosen exercise.
    TMenuKeys(QListWidget* continents, QListWidget* exercises, std::function<void()> start,
              QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ToExercises();

    QListWidget* continents_;
    QListWidget* exercises_;
    std::function<void()> start_;
};
