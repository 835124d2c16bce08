// SPDX-License-Identifier: MIT
// TfrmTioitopp: one exercise's top-ten list. At the end of a run it offers
// the new result its rank and takes the signature; OK hands the result to
// AddScore, which reads the high-score file again under a lock and enters it
// there, so results other running copies entered meanwhile are kept.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "exercise/ovning.h"
#include "scores/ScoreFile.h"

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

    // Shows the request's list modally, offering a place to its percentage
    // (-1: only show). Failures are reported, never raised. Returns the modal result.
    // Lets window messages run.
    static int Execute(QWidget* parent, const TTopTenRequest& request);
    // Told the signature once a result has its place in the list saved.
    std::function<void(const QString& signature)> Signed;

    // Reads the list (from StartFileName while fileName does not exist) and
    // makes room for the percentage. Lets window messages run: in the box
    // about a damaged file, and once a result has its place. The form may be
    // freed with its owner by then.
    void LoadAndEnter(const QString& fileName, int percentage);
    void FillGrid();
    void ClearTable();
    // Enters the result (or, without one, only rewrites the list) through
    // AddScore. Lets window messages run when a box reports a damaged or
    // unwritable file.
    void SaveTable();
    void txtNySignaturExit();
    // The signature box again, after Escape or a click elsewhere took it
    // away: by a click on the new result's row, or by typing (the typed
    // text added to the signature so far).
    void ReopenSignature(const QString& typed = {});
    // Takes the signature, saves and closes. Lets window messages run.
    void cmdOKClick();

    TScoreTable ScoreTable;
    int ExerciseNumber = 0;
    QString ExerciseName;
    QString ScoreFileName;
    // The list to start from while ScoreFileName does not exist yet (an
    // installed copy's list beside the program); empty: none. Set before
    // LoadAndEnter.
    QString StartFileName;
    int NewRank = 0;  // 0 while no result was entered

    QLabel* lblOvningsNamn;
    QTableWidget* grdLista;
    QLineEdit* txtNySignatur;
    QPushButton* cmdOK;
    QFrame* Shape2;
    TClickLabel* Image1;
    TClickLabel* Image2;

  protected:
    // When the form opens: captions in the current language, the exercise's
    // name, the list in the frame colour, and the focus in the signature box
    // when a result waits for its name.
    void showEvent(QShowEvent* event) override;
    // Escape only leaves the signature box: it must never throw a result
    // away. Typing while the box is away brings it back.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    // A damaged file is copied aside and reported in a box.
    // Lets window messages run then.
    void ReadFile(const QString& fileName);

    bool signing_ = false;  // the signature box is out
    int newPercent_ = -1;   // the result offered to the list
    QString backup_;        // where a damaged file was copied when the form opened
};
