// SPDX-License-Identifier: MIT
// TopTenStandIn: the top-ten hook of the soak: the game's own top-ten form
// on a score file in a private temporary folder (never the one beside the
// program), answered at once with a short name and OK so the soak goes on.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TfrmTioitopp;
class TOvningsformular;
struct TTopTenRequest;

class TopTenStandIn {
  public:
    // A form still open this long counts as stuck and is rejected.
    static constexpr int StuckAfterMs = 10000;

    TopTenStandIn();
    ~TopTenStandIn();
    TopTenStandIn(const TopTenStandIn&) = delete;
    TopTenStandIn& operator=(const TopTenStandIn&) = delete;

    bool Ready() const { return folder_.isValid(); }
    QString ScoreFile() const { return folder_.filePath(QStringLiteral("scores.hgh")); }
    int ResultsOffered() const { return results_; }  // ends of runs
    int ListsShown() const { return lists_; }        // the top-ten button
    int NamesEntered() const { return names_; }
    // What went wrong with the form, one line each.
    const QStringList& Problems() const { return problems_; }

  private:
    // The form, modal, answered from a timer. Lets window messages run.
    void Show(const TTopTenRequest& request, TOvningsformular* owner);
    // Types a name when a result waits for one and clicks OK.
    // Lets window messages run (the form's OK).
    void Answer(TfrmTioitopp& form);

    QTemporaryDir folder_;
    int results_ = 0;
    int lists_ = 0;
    int names_ = 0;
    QStringList problems_;
};
