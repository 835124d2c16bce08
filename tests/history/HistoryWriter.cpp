// SPDX-License-Identifier: MIT
// A second program for the history tests: records questions of a run into
// the history file given, one after another, and prints each one's number
// once it is written, until it is killed.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "history/ResultsHistory.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    TResultsHistory history(QString::fromLocal8Bit(argv[1]));
    const int run = history.BeginRun(7, 2, false);
    for (int n = 1;; ++n) {
        history.RecordQuestion(run, QStringLiteral("Q%1").arg(n), 1 + n % 3,
                               n % 3 ? QStringList{QStringLiteral("X%1").arg(n)} : QStringList());
        history.Flush();
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
