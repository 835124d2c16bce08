// SPDX-License-Identifier: MIT
// glomira-soak: plays one exercise of each kind on its real screen with the
// delivered data for thousands of random events, and fails on a stuck
// top-ten form, an unexpected message or resident memory that keeps growing.
#include <QApplication>
#include <QDir>
#include <QPixmapCache>
#include <QScreen>
#include <QTextStream>
#include <limits>
#include <memory>

#include "ExerciseScreens.h"
#include "KindSoak.h"
#include "SoakOptions.h"
#include "TopTenStandIn.h"
#include "app/ColorScheme.h"
#include "app/Generell.h"
#include "data/Fileread.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"
#include "platform/MessageBoxes.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int PixmapCacheKiB = 1024;
constexpr int MapAboveBytes = 256 * 1024;

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

int Fail(const QString& message, int code) {
    Err() << "glomira-soak: " << message << Qt::endl;
    return code;
}

// Messages would open modal boxes that nobody answers; the soak collects them.
class MessageLog {
  public:
    MessageLog() {
        SetMessageSink([this](TMessageKind, const QString& text) { messages_ << text; });
    }
    ~MessageLog() { SetMessageSink(nullptr); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    const QStringList& Messages() const { return messages_; }

  private:
    QStringList messages_;
};

// Resident memory tells a leak only when it follows what is in use. Qt's
// style caches up to 10 MiB of pixmaps, keyed by palette, and every screen
// and top-ten form brings palettes of its own: the cache would take some
// 17,000 events to fill; at 1 MiB it is full within the warm-up. And glibc
// raises its threshold for mapping large blocks once a picture is freed, so
// later pictures come from the heap, whose holes stay resident; a fixed
// threshold hands every picture back when it is freed.
void SteadyMemory() {
    QPixmapCache::setCacheLimit(PixmapCacheKiB);
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, MapAboveBytes);
#endif
}

// The exercise asked for with --exercise, else the first of the kind.
COvning* ExerciseFor(const QString& kind, const COvningar& catalogue, const QList<int>& chosen) {
    COvning* first = nullptr;
    for (COvning* entry = catalogue.First; entry; entry = entry->Next) {
        if (entry->Kind != kind) continue;
        if (chosen.contains(entry->Number)) return entry;
        if (!first) first = entry;
    }
    return first;
}

QString Kib(const std::optional<qint64>& kib) {
    return kib ? QString::number(*kib) : QStringLiteral("-");
}

void PrintSummary(const QList<KindReport>& reports, const SoakOptions& options) {
    QTextStream& out = Out();
    out << Qt::endl
        << "kind   exercise  events   runs  screens  warm-up  RSS at warm-up  RSS at end  "
           "growth    time"
        << Qt::endl;
    for (const KindReport& r : reports) {
        const QString growth =
            r.growthPercent ? QString::asprintf("%+.1f %%", *r.growthPercent) : QStringLiteral("-");
        out << QString::asprintf(
            "%-6s %8d %7d %6d %8d %8d %11s KiB %7s KiB %8s %6.1f s", qPrintable(r.kind), r.exercise,
            r.events, r.runs, r.screens, r.warmUpEvents, qPrintable(Kib(r.rssAtWarmUp)),
            qPrintable(Kib(r.rssAtEnd)), qPrintable(growth), double(r.milliseconds) / 1000.0);
        if (!ResidentMemoryTellsLeaks())
            out << "  (memory not judged under AddressSanitizer)";
        else if (!r.memoryJudged)
            out << "  (memory not judged below " << options.judgeMemoryFrom << " events)";
        out << Qt::endl;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Glomira"));

    SoakCommandLine commandLine;
    if (!commandLine.Parse(QCoreApplication::arguments()))
        return Fail(commandLine.Error() + QStringLiteral(" See --help."), 2);
    if (commandLine.WantsHelp()) {
        Out() << commandLine.HelpText();
        return 0;
    }
    const SoakOptions& options = commandLine.Options();
    if (!options.asInGame) SteadyMemory();

    // The data files are opened relative to the program's folder, as in the game.
    if (!QDir::setCurrent(ProgramDirectory()))
        return Fail(QStringLiteral("No folder ") + ProgramDirectory() + '.', 1);
    CurrentLanguage = 2;
    UseColorSchemeOf(QGuiApplication::primaryScreen());
    SoundsOn = false;
    MusicOn = false;
    TemplateBitmap.load(ProgramFile(QStringLiteral("bmptest.bmp")));
    COvningar catalogue;
    try {
        LoadLanguageTable();
        catalogue.Load(QStringLiteral("Ovning.crp"));
    } catch (const Exception& e) {
        return Fail(ProgramDirectory() + ": " + e.Message(), 1);
    }
    for (int number : options.exercises) {
        bool known = false;
        for (const COvning* entry = catalogue.First; entry; entry = entry->Next)
            known = known || entry->Number == number;
        if (!known) return Fail(QStringLiteral("No exercise %1 in the catalogue.").arg(number), 2);
    }

    TopTenStandIn topTen;
    if (!topTen.Ready()) return Fail(QStringLiteral("No temporary folder for the scores."), 1);
    MessageLog messages;
    QWidget host;  // stands in for the main menu, which owns the screens

    Out() << "glomira-soak: seed " << options.seed << ", " << options.events
          << " events per kind, scores in " << topTen.ScoreFile() << Qt::endl;
    QList<KindReport> reports;
    QStringList failures;
    for (const QString& kind : options.kinds) {
        COvning* exercise = ExerciseFor(kind, catalogue, options.exercises);
        if (!exercise) return Fail(QStringLiteral("No %1 exercise in the catalogue.").arg(kind), 1);
        Out() << kind << "  exercise " << exercise->Number << " \""
              << exercise->Names[CurrentLanguage] << "\"" << Qt::endl;
        // Each kind its own seed, so one kind alone draws the events it drew among the others.
        const quint64 seed = options.seed + quint64(SoakKinds().indexOf(kind));
        const std::unique_ptr<ScreenDriver> driver = MakeScreenDriver(host, *exercise);
        try {
            reports << KindSoak(*driver, options, topTen, Out()).Run(seed);
        } catch (const std::exception& e) {
            failures << kind + QStringLiteral(": stopped by an exception: ") + e.what();
            continue;
        }
        if (reports.back().memoryFailed)
            failures << kind + QStringLiteral(
                                   ": resident memory grew by %1 % after the warm-up "
                                   "(more than %2 %)")
                                   .arg(*reports.back().growthPercent, 0, 'f', 1)
                                   .arg(options.maxGrowthPercent);
    }
    PrintSummary(reports, options);

    for (const QString& problem : topTen.Problems()) failures << problem;
    for (const QString& message : messages.Messages())
        failures << QStringLiteral("unexpected message: ") + message;
    if (!failures.isEmpty()) {
        for (const QString& failure : failures) Err() << "FAILED: " << failure << Qt::endl;
        return 1;
    }
    Out() << "passed" << Qt::endl;
    return 0;
}
