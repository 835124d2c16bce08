// SPDX-License-Identifier: MIT
// TResultsHistory: every run and every question a player answers, kept in an
// SQLite database of the player's own. Writes are queued and done by a
// thread of its own, so a click never waits for the disk; each one is
// committed as soon as it is written (write-ahead log), so a program that is
// killed loses nothing it was told before. Several copies of the game may
// share the file. A damaged file is moved aside and a fresh one started; the
// game goes on without history if even that fails. Writes the database
// refuses are kept in a file beside it and written once it takes them.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "history/LearningSchedule.h"

class THistoryLock;
class THistoryStore;

// What the history keeps of a run.
struct THistoryRun {
    qint64 id = 0;
    int exercise = 0;
    int language = 0;
    QDateTime started, ended;  // UTC; ended invalid while the run is open
    int percent = -1;          // -1 until the run ends with a result
    bool practice = false;
    bool finished = false;  // every question answered (not closed early)
    QString signature;      // entered in the top-ten form, if any
};

// What the history keeps of a question.
struct THistoryQuestion {
    QString item;                // the exercise's key of what was asked
    int attempts = 0;            // clicks until the right one, that one included
    QStringList clickedInstead;  // keys of the wrong answers, in order
    QDateTime answered;          // UTC
    bool RightAtFirstTry() const { return attempts == 1; }
};

class TResultsHistory {
  public:
    using TClock = std::function<QDateTime()>;
    static constexpr int SchemaVersion = 1;

    // Opens or creates the database file (its folder too). The clock gives
    // the times recorded (UTC); by default, now.
    explicit TResultsHistory(const QString& fileName, TClock clock = {});
    ~TResultsHistory();  // writes what is queued first
    TResultsHistory(const TResultsHistory&) = delete;
    TResultsHistory& operator=(const TResultsHistory&) = delete;

    // What opening found: all well, a damaged file (or one of a newer
    // version) moved aside to MovedTo() and a fresh one started, or no
    // history at all (it can't be written).
    enum class TOpening { Fine, MovedAside, Unusable };
    TOpening Opening() const { return opening_; }
    QString MovedTo() const { return movedTo_; }

    // Called once, from the writing thread, when the database first refuses
    // a write; the writes are kept and tried again with the next ones.
    void SetRefusalNotice(std::function<void()> notice);

    // A run begins; the handle names it in the calls that follow.
    int BeginRun(int exercise, int language, bool practice);
    void RecordQuestion(int run, const QString& item, int attempts,
                        const QStringList& clickedInstead);
    // The run is over: finished with its percentage, or closed early.
    void EndRun(int run, int percent, bool finished);
    // The signature entered in the top-ten form for the run.
    void SetSignature(int run, const QString& signature);

    // Waits until everything queued is written.
    void Flush();

    // Reading, newest run first.
    std::vector<THistoryRun> Runs(int exercise) const;
    // Every exercise's runs started from `from` up to (not including) `to`,
    // oldest first; an invalid time leaves that end open.
    std::vector<THistoryRun> RunsStarted(const QDateTime& from, const QDateTime& to) const;
    std::vector<THistoryQuestion> Questions(qint64 runId) const;
    // Every question asked in the exercise's runs, full and practice, in
    // the order they were answered, placed in the boxes.
    TLearningSchedule Schedule(int exercise) const;

  private:
    using TJob = std::function<void(THistoryStore&)>;
    void Post(TJob job);
    template <typename T>
    T Ask(std::function<T(THistoryStore&)> read) const;
    void Work();
    void Refused();
    QDateTime Now() const;

    QString fileName_;
    TClock clock_;
    TOpening opening_ = TOpening::Fine;
    QString movedTo_;
    int nextRun_ = 1;

    mutable std::mutex mutex_;
    mutable std::condition_variable wake_, idle_;
    mutable std::deque<TJob> jobs_;
    mutable bool busy_ = false;
    bool stopping_ = false;
    std::unique_ptr<THistoryLock> lock_;  // the writing thread's
    std::function<void()> refusalNotice_;
    bool refusalNoticed_ = false;
    std::thread worker_;
};
