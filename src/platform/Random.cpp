// SPDX-License-Identifier: MIT
// Random: one generator behind the program's random draws.
#include "Random.h"

#include <QRandomGenerator>
#include <chrono>
#include <optional>
#include <random>

namespace {

quint64 ClockNow() {
    return quint64(std::chrono::system_clock::now().time_since_epoch().count());
}

struct Source {
    QRandomGenerator generator;
    std::optional<quint64> fixedSeed;
    quint64 reseedCount = 0;
};

Source& TheSource() {
    static Source source = [] {
        Source s;
        s.generator.seed(quint32(ClockNow()));
        return s;
    }();
    return source;
}

}  // namespace

double Random() {
    return TheSource().generator.generateDouble();
}

int RandomBelow(int n) {
    if (n <= 0) return 0;
    const int k = int(Random() * n);
    return k < n ? k : n - 1;
}

void Randomize() {
    Source& s = TheSource();
    const quint64 base = s.fixedSeed ? *s.fixedSeed : ClockNow();
    const quint64 count = ++s.reseedCount;
    std::seed_seq sequence{quint32(base), quint32(base >> 32), quint32(count),
                           quint32(count >> 32)};
    s.generator.seed(sequence);
}

void SetFixedRandomSeed(quint64 seed) {
    Source& s = TheSource();
    s.fixedSeed = seed;
    s.reseedCount = 0;
    Randomize();
}

void ClearFixedRandomSeed() {
    TheSource().fixedSeed.reset();
    Randomize();
}

std::optional<quint64> FixedRandomSeed() {
    return TheSource().fixedSeed;
}
