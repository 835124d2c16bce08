// SPDX-License-Identifier: MIT
// Random: the program's one pseudo-random source, uniform in [0, 1).
#pragma once

#include <QtGlobal>
#include <optional>

// The next draw, uniform in [0, 1).
double Random();
// trunc(Random() * n) for n > 0, always within 0..n-1; 0 for n <= 0.
int RandomBelow(int n);

// Reseeds from the clock. Two reseeds within one clock tick still give
// different sequences, because each reseed also mixes in a running count.
void Randomize();

// For tests: from now on every Randomize reseeds from this seed (and the
// running count) instead of the clock, so runs repeat exactly.
void SetFixedRandomSeed(quint64 seed);
// Back to seeding from the clock.
void ClearFixedRandomSeed();
// The seed set by SetFixedRandomSeed; empty while seeding from the clock.
std::optional<quint64> FixedRandomSeed();
