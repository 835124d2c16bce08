// TfrmTioitopp: one exercise's top-ten list; at the end of a run it enters
// the new result at its rank, takes the signature and rewrites scores.hgh.
#pragma once

#include <QDialog>
#include <QString>

#include "scores/ScoreFile.h"

class COvning;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TClickLabel;

class TfrmTioitopp : public QDialog {
    Q_OBJECT
  public:
    static constexpr int GridRowHeight = 20;

    explicit TfrmTioitopp(QWidget* parent = nullptr);

    // The exercise's list from ProgramDirectory()/scores.hgh, offering a place
    // to the percentage (-1: only show). Returns the modal result.
    static int Execute(QWidget* parent, const COvning& exercise, int percentage);

    void LoadAndEnter(const QString& fileName, int percentage);
    void FillGrid();
    void ClearTable();
    void SaveTable();
    void txtNySignaturExit();
    void cmdOKClick();

    TScoreTable ScoreTable;
    int ExerciseNumber = 0;
    QString ExerciseName;
    QString ScoreFileName;
    int NewRank = 0;  // 0 while no result was entered

    QLabel* lblOvningsNamn;
    QTableWidget* grdLista;
    QLineEdit* txtNySignatur;
    QPushButton* cmdOK;
    QFrame* Shape2;
    TClickLabel* Image1;
    TClickLabel* Image2;

  protected:
    void showEvent(QShowEvent* event) override;  // FormShow
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void ReadFile(const QString& fileName);

    bool signing_ = false;      // the signature box is out
    bool keepOldFile_ = false;  // a damaged file could not be backed up: never overwrite it
};
