// SPDX-License-Identifier: MIT
// The event loop of one kind: reopen or restart, draw an event, play it, settle, sample.
#include "KindSoak.h"

#include <QElapsedTimer>

#include "ScreenDriver.h"
#include "TopTenStandIn.h"
#include "exercise/ovning.h"
#include "platform/Random.h"

KindSoak::KindSoak(ScreenDriver& driver, const SoakOptions& options, const TopTenStandIn& topTen,
                   QTextStream& out)
    : driver_(driver), options_(options), topTen_(topTen), out_(out) {}

void KindSoak::Sample(int events, MemoryGrowth& memory) {
    const std::optional<qint64> kib = ResidentKiB();
    out_ << driver_.Exercise().Kind << "  events " << events << "  RSS ";
    if (kib) {
        memory.Add(events, *kib);
        out_ << *kib << " KiB";
    } else {
        out_ << "unknown";
    }
    if (const std::optional<qint64> heap = HeapInUseKiB())
        out_ << "  heap in use " << *heap << " KiB";
    out_ << Qt::endl;
}

KindReport KindSoak::Run(quint64 seed) {
    KindReport report;
    report.kind = driver_.Exercise().Kind;
    report.exercise = driver_.Exercise().Number;
    report.warmUpEvents = options_.WarmUpFor(options_.events);
    report.memoryJudged = options_.JudgesMemory(options_.events) && ResidentMemoryTellsLeaks();

    SoakRandom random(seed);
    SetFixedRandomSeed(seed);
    const EventDraw draw(driver_.Weights());
    MemoryGrowth memory(report.warmUpEvents);
    const int runsBefore = topTen_.ResultsOffered();
    QElapsedTimer clock;
    clock.start();

    for (int n = 1; n <= options_.events; ++n) {
        if (!driver_.IsShowing())
            driver_.Open();  // closed or released by the last event
        else if (driver_.RunOver())
            driver_.NextRun();
        ScreenDriver::Settle();
        const SoakEvent event = draw.Next(random);
        if (options_.verbose)
            out_ << report.kind << "  " << n << "  " << EventName(event) << Qt::endl;
        driver_.Play(event, random);
        ScreenDriver::Settle();
        report.events = n;
        if (n % options_.sampleEvery == 0 || n == report.warmUpEvents || n == options_.events) {
            // Always with a screen open, so that no sample lacks a screen's pictures.
            if (!driver_.IsShowing()) {
                driver_.Open();
                ScreenDriver::Settle();
            }
            Sample(n, memory);
        }
    }
    driver_.Release();
    ScreenDriver::Settle();

    report.milliseconds = clock.elapsed();
    report.runs = topTen_.ResultsOffered() - runsBefore;
    report.screens = driver_.ScreensOpened();
    report.rssAtWarmUp = memory.AtWarmUp();
    report.rssAtEnd = memory.AtEnd();
    report.growthPercent = memory.GrowthPercent();
    report.memoryFailed = report.memoryJudged && report.growthPercent &&
                          *report.growthPercent > options_.maxGrowthPercent;
    return report;
}
