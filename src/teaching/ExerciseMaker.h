// SPDX-License-Identifier: MIT
// TExerciseMaker: the window a teacher makes or edits an exercise in, step
// by step: kind and map; the items, picked on the map or from a searchable
// list; for cities, which ones; the view and the colours; the names. Every
// rule the exercise must meet is checked as the choices change, and saving
// is possible only when none is broken.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "platform/Colors.h"
#include "teaching/MapPicker.h"

class COvning;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TExerciseRules;
class TExerciseScreen;

class TExerciseMaker : public QDialog {
    Q_OBJECT
  public:
    // A new exercise listed under the continent code, or a copy of the one
    // being edited (which stays as it is until the caller saves).
    TExerciseMaker(TExerciseRules& rules, const COvning* editing, const QString& continent,
                   QWidget* parent);
    ~TExerciseMaker() override;

    // The exercise as the window describes it now.
    std::unique_ptr<COvning> Draft() const;
    // What saving gives: the draft, or for more flags than one set shows,
    // numbered sets of them.
    std::vector<std::unique_ptr<COvning>> Result() const;
    // What stands in the way of saving, in the current language.
    QStringList Problems() const { return problems_; }

    const QStringList& Chosen() const { return chosen_; }
    // Chooses exactly these keys (the list and the map follow).
    void SetChosen(const QStringList& keys);
    // The map screen to pick on, over this window; returns when it closes.
    void PickOnMap();
    // While picking: the map screen and what runs on it (for tests).
    QPointer<TExerciseScreen> PickScreen;
    CMapPicker* Picker() const { return picker_.get(); }

    QComboBox* cboKind;
    QComboBox* cboMap;
    QLineEdit* txtSearch;
    QListWidget* lstItems;
    QPushButton* cmdPick;
    QLabel* lblChosen;
    QComboBox* cboCities;
    QLabel* lblPlaces;
    QRadioButton* optFitted;
    QRadioButton* optShown;
    QRadioButton* optMapColours;
    QRadioButton* optOwnColours;
    std::array<QPushButton*, 3> cmdColours;  // land, areas, sea
    std::array<QLineEdit*, 6> txtNames;      // by language, 0-based
    QComboBox* cboContinent;
    QLabel* lblProblems;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;

  private:
    void BuildLayout();
    void Translate();
    void FillItems();
    void FilterItems();
    void Update();
    QString KindCode() const;
    int MapNo() const;
    void ChooseColour(int which);
    void ShowColours();

    TExerciseRules& rules_;
    QStringList chosen_;
    std::array<TColor, 3> colours_{};
    CMapPicker::TView view_;  // the view last shown on the map, or the edited one's
    std::unique_ptr<CMapPicker> picker_;
    QStringList problems_;
    bool filling_ = false;
};
