// SPDX-License-Identifier: MIT
// The program's one rounding of a real number to a whole one.
#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cmath>

// Nearest integer, halves to the even neighbour. Saturated well inside the
// 32-bit range and 0 for NaN, so a degenerate map view (top equal to
// bottom) gives far-off pixels that later small offsets cannot overflow.
inline qint32 RoundHalfEven(double v) {
    constexpr double limit = 1 << 30;
    if (std::isnan(v)) return 0;
    // The default rounding mode rounds halves to the even neighbour.
    return qint32(std::nearbyint(std::clamp(v, -limit, limit)));
}
