// SPDX-License-Identifier: MIT
// KindSoak: one exercise played for a number of random events on its
// screen, restarting whenever a run ends, with resident memory sampled as
// it goes; and the report of what happened.
#pragma once

#include <QString>
#include <QTextStream>
#include <optional>

#include "ResidentMemory.h"
#include "SoakOptions.h"

class ScreenDriver;
class TopTenStandIn;

struct KindReport {
    QString kind;
    int exercise = 0;  // catalogue number
    int events = 0;
    int runs = 0;     // runs that reached the top-ten form
    int screens = 0;  // screens opened
    int warmUpEvents = 0;
    std::optional<qint64> rssAtWarmUp;  // KiB
    std::optional<qint64> rssAtEnd;
    std::optional<double> growthPercent;
    bool memoryJudged = false;
    bool memoryFailed = false;
    qint64 milliseconds = 0;
};

class KindSoak {
  public:
    // Samples are printed to out as they are taken.
    KindSoak(ScreenDriver& driver, const SoakOptions& options, const TopTenStandIn& topTen,
             QTextStream& out);

    // Plays the events with this seed; the game's own draws are seeded with it too.
    // Lets window messages run, all the time.
    KindReport Run(quint64 seed);

  private:
    void Sample(int events, MemoryGrowth& memory);

    ScreenDriver& driver_;
    const SoakOptions& options_;
    const TopTenStandIn& topTen_;
    QTextStream& out_;
};
