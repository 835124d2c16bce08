// SPDX-License-Identifier: MIT
// TfrmTopplista: the overview of every exercise's best result, read from
// scores.hgh (never written here).
#pragma once

#include <QDialog>
#include <QString>

#include "scores/ScoreFile.h"

class COvningar;
class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class TClickLabel;

class TfrmTopplista : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmTopplista(QWidget* parent = nullptr);

    // Loads and shows the list modally; a file that cannot be read gives an
    // error box with its reason instead. Returns the modal result.
    // Lets window messages run.
    static int Execute(QWidget* parent, const QString& fileName, const COvningar& catalogue);

    // Raises the reading errors of ReadScores, "Range check error" for numbers
    // below 1 and for a catalogue number outside 1..90. A missing file is an
    // empty list.
    void LoadScores(const QString& fileName, const COvningar& catalogue);
    void FillOverview(const COvningar& catalogue);
    // A click on either flower (imgBlomma1, imgBlomma2) swaps their places.
    void SwapFlowers();

    TScoreTable ScoreTable;
    QFrame* Panel1;
    QLabel* lblRubrik;
    TClickLabel* imgBlomma1;
    TClickLabel* imgBlomma2;
    QTableWidget* grdLista;
    QPushButton* cmdOK;

  protected:
    // When the list opens: captions in the current language, the list and its
    // panel in the colour scheme's colours.
    void showEvent(QShowEvent* event) override;
};
