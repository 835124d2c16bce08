// SPDX-License-Identifier: MIT
// A second program that adds results to a score file, so tests can run many
// of them against one file at the same moment.
#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cstdio>

#include "data/Fileread.h"
#include "scores/ScoreFile.h"

// Usage: glomira_score_adder <file> <first exercise> <count> <go file>
// Waits for the go file to appear, then adds one result to each of `count`
// exercises from the first on, signed "<first>-<i>".
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: %s file first count gofile\n", argv[0]);
        return 2;
    }
    const QString file = args[1];
    const int first = args[2].toInt();
    const int count = args[3].toInt();
    while (!QFile::exists(args[4])) QThread::msleep(1);
    try {
        for (int i = 0; i < count; ++i) {
            TScoreTable table;
            const TAddedScore added = AddScore(file, QString(), first + i, 50 + i,
                                               QStringLiteral("%1-%2").arg(first).arg(i), table);
            if (added.Rank != 1) {
                std::fprintf(stderr, "exercise %d: entered at rank %d\n", first + i, added.Rank);
                return 1;
            }
        }
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}
