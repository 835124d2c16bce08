// SPDX-License-Identifier: MIT
// Time from a click on an exercise screen to its repainted picture, on a
// 1920 x 1080 screen with the delivered data: wrong and right clicks on the
// map screen (a name label; a recoloured area and the next question, with
// and without the results history recording it), a zoom step by the wheel,
// and a wrong click on the flag screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QWheelEvent>
#include <optional>

#include "app/Generell.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "exercise/AnswerPixel.h"
#include "exercise/OvFlagga.h"
#include "exercise/OvLand.h"
#include "history/ResultsHistory.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"

namespace {

constexpr int AreaExercise = 1;  // countries of Europe
COvningar* catalogue = nullptr;

COvning& Entry(const QString& kind, int number = 0) {
    for (COvning* e = catalogue->First; e; e = e->Next)
        if (e->Kind == kind && (number == 0 || e->Number == number)) return *e;
    throw std::runtime_error("no such exercise in the catalogue");
}

// Delivers the click, the deferred click handling and the repaint.
void ClickAndRepaint(QWidget* target, QPoint at) {
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void BM_MapWrongClick(benchmark::State& state) {
    TfrmOvningKarta screen;
    screen.StartExercise(Entry("AREA", AreaExercise));
    // A country that is never the one asked at the same time: pick by the current key.
    const auto& exercise = static_cast<COvningLandArea&>(*screen.Exercise);
    CKarta& map = *screen.MapObject;
    QPoint wrong;
    for (const auto& area : map.Areas->Areas)
        if (area->Selected && !area->Matches(exercise.CurrentKey)) {
            wrong = QPoint(map.LonLatToX(area->Seed1.Lon, area->Seed1.Lat),
                           map.LatToY(area->Seed1.Lat));
            break;
        }
    for (auto _ : state) ClickAndRepaint(screen.imgKartaBox, wrong);
    state.counters["picture_w"] = screen.imgKarta().Width();
    state.counters["picture_h"] = screen.imgKarta().Height();
}
BENCHMARK(BM_MapWrongClick)->Unit(benchmark::kMillisecond);

// Argument 1: with the results history recording each answer (the
// database in a temporary folder); 0: without.
void BM_MapRightClick(benchmark::State& state) {
    QTemporaryDir folder;
    std::optional<TResultsHistory> history;
    if (state.range(0)) {
        history.emplace(folder.filePath("history.sqlite"));
        SetResultsHistory(&*history);
    }
    {
        TfrmOvningKarta screen;
        screen.StartExercise(Entry("AREA", AreaExercise));
        for (auto _ : state) {
            if (screen.Exercise->Finished) {
                state.PauseTiming();
                screen.cmdStartaClick();
                state.ResumeTiming();
            }
            const std::optional<QPoint> right = AnswerPixel(*screen.MapObject, *screen.Exercise);
            if (!right) {
                state.SkipWithError("no pixel answers the question");
                break;
            }
            ClickAndRepaint(screen.imgKartaBox, *right);
        }
    }
    SetResultsHistory(nullptr);
}
BENCHMARK(BM_MapRightClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One wheel notch, in and out by turns, to the finished picture of the new
// view: a step on an idle screen is drawn as soon as its event is handled.
// On Europe's countries, and on the world's largest countries.
void BM_MapZoomStep(benchmark::State& state) {
    TfrmOvningKarta screen;
    screen.StartExercise(Entry("AREA", int(state.range(0))));
    const QPointF at(screen.imgKartaBox->width() * 0.4, screen.imgKartaBox->height() * 0.6);
    int notches = 1;
    for (auto _ : state) {
        QWheelEvent wheel(at, screen.imgKartaBox->mapToGlobal(at), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(screen.imgKartaBox, &wheel);
        while (screen.RedrawPending())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();  // the repaint
        notches = -notches;
    }
    state.counters["picture_w"] = screen.imgKarta().Width();
    state.counters["picture_h"] = screen.imgKarta().Height();
}
BENCHMARK(BM_MapZoomStep)->Arg(AreaExercise)->Arg(86)->Unit(benchmark::kMillisecond);

void BM_FlagWrongClick(benchmark::State& state) {
    TfrmOvningFlagga screen;
    screen.StartExercise(Entry("FLAGG"));
    const int p = screen.Exercise->CurrentPos == 1 ? 2 : 1;
    const QPoint at(int(((p - 1) % 4 + 0.5) * screen.CellWidth), int(0.5 * screen.CellHeight));
    for (auto _ : state) ClickAndRepaint(screen.imgFlags, at);
}
BENCHMARK(BM_FlagWrongClick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // A 1920 x 1080 screen without a display.
    QTemporaryFile config(QDir::tempPath() + "/glomira-bench-XXXXXX.json");
    if (!config.open()) return 1;
    config.write(R"({"screens":[{"name":"bench","x":0,"y":0,"width":1920,"height":1080,)"
                 R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);

    CurrentLanguage = 2;
    SoundsOn = false;
    PanelColor = MakeColor(192, 208, 224);
    FrameColor = MakeColor(40, 90, 160);
    HighlightColor = MakeColor(255, 64, 64);
    CorrectColor = Colors::Lime;
    QDir::setCurrent(ProgramDirectory());
    TemplateBitmap.load(ProgramFile("bmptest.bmp"));
    COvningar entries;
    try {
        LoadLanguageTable();
        entries.Load("Ovning.crp");
    } catch (const std::exception& e) {
        fprintf(stderr, "bench_screens: %s\n", e.what());
        return 1;
    }
    catalogue = &entries;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
