// SPDX-License-Identifier: MIT
// A fixed-capacity array indexed Lo..Hi whose index check raises the
// range error, so an over-full data file fails instead of overrunning.
#pragma once

#include <array>

#include "data/Fileread.h"

template <typename T, int Lo, int Hi>
class RangeArray {
  public:
    static_assert(Lo <= Hi);
    static constexpr int Low = Lo;
    static constexpr int High = Hi;

    T& operator[](int i) { return items_[Offset(i)]; }
    const T& operator[](int i) const { return items_[Offset(i)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    static std::size_t Offset(int i) {
        if (i < Lo || i > Hi) throw ERangeError();
        return std::size_t(i - Lo);
    }
    std::array<T, std::size_t(Hi - Lo + 1)> items_{};
};
