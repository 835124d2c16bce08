// SPDX-License-Identifier: MIT
// A second program for the history tests: records questions of a run into
// the history file given, one after another, and prints each one's number
// once it is written, until it is killed. Given a count and a tag, it says
// "ready", waits for a line on its input (so that several start together),
// prints how the history opened, records that many questions named TAG-n
// and ends the run.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "history/ResultsHistory.h"

namespace {
void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2 && argc != 4) return 2;
    const bool counted = argc == 4;
    const int count = counted ? std::atoi(argv[2]) : 0;
    const QString tag = counted ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("Q");
    if (counted) {
        Say(QStringLiteral("ready"));
        char go[8];
        if (!std::fgets(go, sizeof go, stdin)) return 3;
    }
    TResultsHistory history(QString::fromLocal8Bit(argv[1]));
    if (counted) Say(QStringLiteral("opening %1").arg(int(history.Opening())));
    const int run = history.BeginRun(7, 2, false);
    for (int n = 1; !counted || n <= count; ++n) {
        history.RecordQuestion(
            run, counted ? QStringLiteral("%1-%2").arg(tag).arg(n) : QStringLiteral("Q%1").arg(n),
            1 + n % 3, n % 3 ? QStringList{QStringLiteral("X%1").arg(n)} : QStringList());
        history.Flush();
        Say(QString::number(n));
    }
    history.EndRun(run, 100, true);
}
