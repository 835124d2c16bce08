// SPDX-License-Identifier: MIT
// TReviewWindow: what a run missed, once it is over: each item not answered
// at the first try, what was chosen instead, and for a country its flag and
// capital. Picking a line shows the item on the map screen; "Practise these"
// asks for a practice run of just those items.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

#include "exercise/ExerciseItems.h"

class COvning;
class QLabel;
class QListWidget;
class QPushButton;

class TReviewWindow : public QWidget {
    Q_OBJECT
  public:
    // The run's record is read now; the exercise need not outlive the window.
    // items names what the record holds; parent is the run's screen.
    TReviewWindow(const COvning& run, const TExerciseItems& items, QWidget* parent);

    // The keys not answered at the first try, in the order they were asked.
    const QStringList& MissedKeys() const { return missed_; }

    QLabel* lblSummary;
    QListWidget* lstItems;
    QPushButton* cmdPractise;
    QPushButton* cmdClose;

  signals:
    // The player picked a line: show this item.
    void showItem(const QString& key);
    // "Practise these".
    void practise(const QStringList& keys);

  private:
    QStringList missed_;
};

// Makes the end of every run open its review over its screen (see
// SetRunReview). "Practise these" calls practise with the run's exercise
// number and the keys, once the click is done: starting a run may release
// the screen the review belongs to. context owns the connections.
void InstallRunReview(QObject* context,
                      std::function<void(int exercise, const QStringList& keys)> practise);
