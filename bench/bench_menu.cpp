// SPDX-License-Identifier: MIT
// Time from the language choice to a filled main menu: catalogue, language
// table, captions, continent names and logo, on the delivered data.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/Generell.h"
#include "app/Hmeny.h"
#include "platform/MessageBoxes.h"

namespace {

void BM_MainMenuFirstShow(benchmark::State& state) {
    SetMessageSink([](TMessageKind, const QString&) {});
    for (auto _ : state) {
        TfrmHuvudmeny menu;  // no language screen: the choice is already made
        menu.FormShow();
        benchmark::DoNotOptimize(menu.Catalogue.get());
    }
    SetMessageSink(nullptr);
}
BENCHMARK(BM_MainMenuFirstShow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CurrentLanguage = 2;
    SoundsOn = false;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
