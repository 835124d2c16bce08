// SPDX-License-Identifier: MIT
// SoakOptions: what a soak plays (kinds, events, seed, exercises) and how
// its memory is judged, read from the command line of glomira-soak.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

struct SoakOptions {
    QStringList kinds;           // in playing order
    int events = 10000;          // per kind
    quint64 seed = 0;            // repeats a soak; printed at the start
    QList<int> exercises;        // catalogue numbers replacing the first exercise of their kind
    int warmUpEvents = 2000;     // growth is measured from here
    int sampleEvery = 1000;      // resident memory sampled this often
    int judgeMemoryFrom = 5000;  // shorter soaks report memory but are not judged by it
    double maxGrowthPercent = 5;
    bool verbose = false;   // one line per event
    bool asInGame = false;  // pixmap cache and allocator left as the game has them

    // The warm-up of a soak of this many events: short soaks use their first fifth.
    int WarmUpFor(int eventCount) const;
    // Whether a soak of this many events fails on memory growth.
    bool JudgesMemory(int eventCount) const { return eventCount >= judgeMemoryFrom; }
};

// The exercise kinds the soak plays, in their default order.
QStringList SoakKinds();

class SoakCommandLine {
  public:
    SoakCommandLine();

    // The arguments include the program name first. False, with Error()
    // set, when they make no sense.
    bool Parse(const QStringList& arguments);
    bool WantsHelp() const { return wantsHelp_; }
    QString HelpText() const { return parser_.helpText(); }
    const SoakOptions& Options() const { return options_; }
    const QString& Error() const { return error_; }

  private:
    bool Fail(const QString& message);
    bool ReadKinds();
    bool ReadNumbers();

    QCommandLineParser parser_;
    QCommandLineOption kind_;
    QCommandLineOption events_;
    QCommandLineOption seed_;
    QCommandLineOption exercise_;
    QCommandLineOption warmUp_;
    QCommandLineOption maxGrowth_;
    QCommandLineOption verbose_;
    QCommandLineOption asInGame_;
    SoakOptions options_;
    QString error_;
    bool wantsHelp_ = false;
};
