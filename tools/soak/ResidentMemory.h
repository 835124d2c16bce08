// SPDX-License-Identifier: MIT
// Resident memory of this process and its growth over a soak, measured
// from the end of the warm-up to the last sample.
#pragma once

#include <QByteArray>
#include <optional>

// VmRSS in KiB from the text of /proc/<pid>/status; nothing when it has none.
std::optional<qint64> ParseResidentKiB(const QByteArray& status);
// This process's resident memory in KiB; nothing where /proc cannot tell.
std::optional<qint64> ResidentKiB();
// False in builds with AddressSanitizer, whose quarantine keeps freed blocks
// resident for a while: growth then tells nothing (LeakSanitizer reports
// leaks at exit instead).
bool ResidentMemoryTellsLeaks();
// Bytes the C allocator has handed out and not got back, in KiB; nothing
// where the allocator cannot tell. Set beside the resident memory it tells
// a leak (both grow) from a fragmented heap (only the resident memory grows).
std::optional<qint64> HeapInUseKiB();

class MemoryGrowth {
  public:
    explicit MemoryGrowth(int warmUpEvents) : warmUp_(warmUpEvents) {}

    // A sample after this many events; samples come in event order.
    void Add(int events, qint64 kib);
    // The first sample at or after the warm-up.
    std::optional<qint64> AtWarmUp() const { return atWarmUp_; }
    std::optional<qint64> AtEnd() const { return atEnd_; }
    // Growth from the warm-up sample to the last one, in percent.
    std::optional<double> GrowthPercent() const;

  private:
    int warmUp_;
    std::optional<qint64> atWarmUp_;
    std::optional<qint64> atEnd_;
};
