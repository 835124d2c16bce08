// SPDX-License-Identifier: MIT
// The soak tool's command line: kinds, event count, seed, exercises and the memory rule.
#include "SoakOptions.h"

#include <QRandomGenerator>
#include <algorithm>

namespace {

const char* const Description =
    "Plays exercises of the Glomira catalogue on their real screens with random clicks and keys "
    "(right and wrong answers, the top-ten and restart buttons, closing and reopening the "
    "screen), restarting whenever a run ends, and watches the resident memory.\n"
    "\n"
    "Resident memory is printed every 1000 events. Growth is measured from the end of the "
    "warm-up (the first 2000 events of a kind, or the first fifth of a shorter soak) to the "
    "last event. Soaks of 5000 or more events per kind fail when it grows by more than "
    "--max-growth percent. Shorter soaks only report it, and so do builds with AddressSanitizer, "
    "whose quarantine keeps freed memory resident (LeakSanitizer reports leaks at exit). Beside "
    "it the allocator's heap in use is printed: when only the resident memory grows, the heap "
    "is fragmented rather than leaking.\n"
    "\n"
    "So that resident memory follows what is in use, Qt's pixmap cache is limited to 1 MiB (it "
    "holds up to 10 MiB of style pixmaps, which takes many thousands of events to fill) and "
    "large blocks are always mapped, so freed pictures leave no holes in the heap; --as-in-game "
    "keeps the game's settings. Sounds are off. The top-ten form runs on a score file in a "
    "temporary folder and is answered at once.\n"
    "\n"
    "Exit status: 0 passed, 1 a check failed, 2 bad arguments.";

}  // namespace

int SoakOptions::WarmUpFor(int eventCount) const {
    return std::min(warmUpEvents, eventCount / 5);
}

QStringList SoakKinds() {
    return {QStringLiteral("AREA"), QStringLiteral("ORT"), QStringLiteral("FLAGG"),
            QStringLiteral("MULTI")};
}

SoakCommandLine::SoakCommandLine()
    : kind_({"k", "kind"},
            "Exercise kinds to play: AREA (click the area), ORT (click the place), FLAGG "
            "(pick the flag), MULTI (multiple choice); repeat or separate by commas. "
            "Default: all four.",
            "kinds"),
      events_({"n", "events"}, "Random events per kind (default 10000).", "count"),
      seed_({"s", "seed"}, "Seed of the random events and of the game; default: from the clock.",
            "number"),
      exercise_({"e", "exercise"},
                "Catalogue number of the exercise to play for its kind (default: the first of "
                "each kind); may be repeated.",
                "number"),
      warmUp_("warm-up", "Events per kind before growth is measured (default 2000).", "count"),
      maxGrowth_("max-growth",
                 "Resident memory growth after the warm-up that fails a soak of 5000 or more "
                 "events per kind, in percent (default 5).",
                 "percent"),
      verbose_({"v", "verbose"}, "Print every event."),
      asInGame_("as-in-game",
                "Leave Qt's pixmap cache and the allocator as in the game (memory then grows "
                "while the cache fills and the heap fragments).") {
    parser_.setApplicationDescription(QString::fromLatin1(Description));
    parser_.addHelpOption();
    parser_.addOptions(
        {kind_, events_, seed_, exercise_, warmUp_, maxGrowth_, verbose_, asInGame_});
}

bool SoakCommandLine::Fail(const QString& message) {
    error_ = message;
    return false;
}

bool SoakCommandLine::Parse(const QStringList& arguments) {
    options_ = SoakOptions();
    error_.clear();
    if (!parser_.parse(arguments)) return Fail(parser_.errorText());
    wantsHelp_ = parser_.isSet(QStringLiteral("help"));
    if (!parser_.positionalArguments().isEmpty())
        return Fail(QStringLiteral("Unexpected argument \"%1\".")
                        .arg(parser_.positionalArguments().constFirst()));
    options_.verbose = parser_.isSet(verbose_);
    options_.asInGame = parser_.isSet(asInGame_);
    return ReadKinds() && ReadNumbers();
}

bool SoakCommandLine::ReadKinds() {
    if (!parser_.isSet(kind_)) {
        options_.kinds = SoakKinds();
        return true;
    }
    for (const QString& value : parser_.values(kind_))
        for (const QString& part : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString kind = part.trimmed().toUpper();
            if (!SoakKinds().contains(kind))
                return Fail(
                    QStringLiteral("Unknown kind \"%1\" (AREA, ORT, FLAGG or MULTI).").arg(part));
            if (!options_.kinds.contains(kind)) options_.kinds << kind;
        }
    if (options_.kinds.isEmpty()) return Fail(QStringLiteral("--kind names no kind."));
    return true;
}

bool SoakCommandLine::ReadNumbers() {
    bool ok = true;
    if (parser_.isSet(events_)) {
        options_.events = parser_.value(events_).toInt(&ok);
        if (!ok || options_.events < 1)
            return Fail(QStringLiteral("--events wants a positive number."));
    }
    if (parser_.isSet(seed_)) {
        options_.seed = parser_.value(seed_).toULongLong(&ok);
        if (!ok) return Fail(QStringLiteral("--seed wants a number from 0 up."));
    } else {
        // Small enough to type back in.
        options_.seed = QRandomGenerator::system()->bounded(1000000000u);
    }
    for (const QString& value : parser_.values(exercise_)) {
        const int number = value.toInt(&ok);
        if (!ok || number < 1)
            return Fail(
                QStringLiteral("--exercise wants a catalogue number, not \"%1\".").arg(value));
        options_.exercises << number;
    }
    if (parser_.isSet(warmUp_)) {
        options_.warmUpEvents = parser_.value(warmUp_).toInt(&ok);
        if (!ok || options_.warmUpEvents < 0)
            return Fail(QStringLiteral("--warm-up wants a number from 0 up."));
    }
    if (parser_.isSet(maxGrowth_)) {
        options_.maxGrowthPercent = parser_.value(maxGrowth_).toDouble(&ok);
        if (!ok || options_.maxGrowthPercent < 0)
            return Fail(QStringLiteral("--max-growth wants a percentage from 0 up."));
    }
    return true;
}
