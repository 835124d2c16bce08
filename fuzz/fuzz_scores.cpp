// SPDX-License-Identifier: MIT
// Fuzzes the score file reader in both modes for low numbers, and checks that
// whatever it read survives being written out and read back.
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "data/Fileread.h"
#include "scores/ScoreFile.h"

namespace {

bool SameTable(const TScoreTable& a, const TScoreTable& b) {
    for (int exercise = 1; exercise <= ScoreExercises; ++exercise)
        for (int rank = 1; rank <= ScoreRanks; ++rank) {
            const TScoreEntry& x = a[exercise][rank];
            const TScoreEntry& y = b[exercise][rank];
            if (x.ScorePercent != y.ScorePercent || x.Signature != y.Signature) {
                std::fprintf(stderr, "exercise %d rank %d: %d \"%s\" against %d \"%s\"\n", exercise,
                             rank, x.ScorePercent, qPrintable(x.Signature), y.ScorePercent,
                             qPrintable(y.Signature));
                return false;
            }
        }
    return true;
}

TScoreTable ReadTable(const QByteArray& contents, TLowNumbers low, bool* complete) {
    TScoreTable table;
    *complete = true;
    try {
        ReadScores(contents, table, low);
    } catch (const Exception&) {
        // The records before the failure stay and are checked as well.
        *complete = false;
    }
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray contents(reinterpret_cast<const char*>(data), qsizetype(size));
    bool skipComplete = false;
    bool strictComplete = false;
    const TScoreTable table = ReadTable(contents, TLowNumbers::Skip, &skipComplete);
    const TScoreTable strict = ReadTable(contents, TLowNumbers::RangeError, &strictComplete);
    // The modes differ only at a number below 1, and that always stops the strict one.
    if (strictComplete && !SameTable(table, strict)) std::abort();
    if (strictComplete && !skipComplete) std::abort();

    // The program's own output must read back without any failure, as the same table.
    TScoreTable again;
    ReadScores(FormatScores(table), again, TLowNumbers::RangeError);
    if (!SameTable(table, again)) std::abort();
    return 0;
}
