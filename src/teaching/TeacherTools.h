// SPDX-License-Identifier: MIT
// TTeacherTools: the main menu's "For teachers" commands: make, edit and
// delete own exercises, export and import them. The windows and questions
// they open go through replaceable functions, so tests can answer them.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class COvning;
class QAction;
class QMenu;
class QWidget;
class TExerciseMaker;
class TExerciseRules;
class TOwnExercises;

class TTeacherTools : public QObject {
    Q_OBJECT
  public:
    // window owns the menu and the dialogs; own outlives this.
    TTeacherTools(TOwnExercises& own, QWidget* window);
    ~TTeacherTools() override;

    QMenu* Menu() const { return menu_; }
    void Translate();

    // The exercise chosen in the menu's list (may be null), and the
    // continent code the list shows.
    std::function<COvning*()> ChosenEntry;
    std::function<QString()> Continent;
    // The own exercises changed; the entry to choose in the list, if any.
    std::function<void(const COvning* choose)> Changed;

    // Shows the maker; QDialog::Accepted saves.
    std::function<int(TExerciseMaker&)> RunMaker;
    // A file to save to (save) or to open; empty: cancelled.
    std::function<QString(bool save, const QString& suggested)> AskFile;
    // A yes-or-no question.
    std::function<bool(const QString& question)> Confirm;
    // Which of the own exercises to export; empty: cancelled.
    std::function<std::vector<const COvning*>(const std::vector<const COvning*>&)> ChooseExports;
    // A further command, added at the end of the menu (the worksheet).
    void AddCommand(const QString& text, std::function<void()> run);

    void NewExercise();
    void EditExercise();
    void DeleteExercise();
    void ExportExercises();
    void ImportExercises();
    // Imports the file; asks first when ask is set (a file the program was
    // opened with).
    void Import(const QString& fileName, bool ask);

  private:
    void Save(TExerciseMaker& maker, const COvning* replacing);
    COvning* ChosenOwn() const;

    TOwnExercises& own_;
    QWidget* window_;
    QMenu* menu_;
    std::unique_ptr<TExerciseRules> rules_;
    std::vector<std::pair<QAction*, int>> actions_;  // with their text's number
};
