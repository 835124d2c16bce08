// SPDX-License-Identifier: MIT
// What recording an answer in the results history costs the click that
// answers: the call only queues the write for the history's own thread.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "history/ResultsHistory.h"

namespace {

void BM_RecordQuestion(benchmark::State& state) {
    QTemporaryDir folder;
    TResultsHistory history(folder.filePath("history.sqlite"));
    const int run = history.BeginRun(1, 2, false);
    const QStringList clicked{"NO", "FI"};
    for (auto _ : state) history.RecordQuestion(run, QStringLiteral("SE"), 3, clicked);
    history.Flush();  // after the timed loop: the writes are the other thread's
}
BENCHMARK(BM_RecordQuestion)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The same writes waited for: what the history's thread spends per answer.
void BM_RecordQuestionWritten(benchmark::State& state) {
    QTemporaryDir folder;
    TResultsHistory history(folder.filePath("history.sqlite"));
    const int run = history.BeginRun(1, 2, false);
    for (auto _ : state) {
        history.RecordQuestion(run, QStringLiteral("SE"), 1, {});
        history.Flush();
    }
}
BENCHMARK(BM_RecordQuestionWritten)->Unit(benchmark::kMicrosecond)->Iterations(500);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
