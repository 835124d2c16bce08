// SPDX-License-Identifier: MIT
// Reading VmRSS and measuring its growth after the warm-up.
#include "ResidentMemory.h"

#include <QFile>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

std::optional<qint64> ParseResidentKiB(const QByteArray& status) {
    for (const QByteArray& line : status.split('\n')) {
        if (!line.startsWith("VmRSS:")) continue;
        QByteArray value = line.mid(6).trimmed();
        if (!value.endsWith("kB")) return std::nullopt;
        value.chop(2);
        bool ok = false;
        const qint64 kib = value.trimmed().toLongLong(&ok);
        if (!ok || kib < 0) return std::nullopt;
        return kib;
    }
    return std::nullopt;
}

std::optional<qint64> ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
    // A /proc file reports no size; read it to the end.
    return ParseResidentKiB(status.readAll());
}

bool ResidentMemoryTellsLeaks() {
#if defined(__SANITIZE_ADDRESS__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return false;
#endif
#endif
    return true;
}

std::optional<qint64> HeapInUseKiB() {
    // The sanitizer's allocator replaces glibc's, which then knows of nothing.
    if (!ResidentMemoryTellsLeaks()) return std::nullopt;
#if defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return qint64((info.uordblks + info.hblkhd) / 1024);
#else
    return std::nullopt;
#endif
}

void MemoryGrowth::Add(int events, qint64 kib) {
    if (events < warmUp_) return;
    if (!atWarmUp_) atWarmUp_ = kib;
    atEnd_ = kib;
}

std::optional<double> MemoryGrowth::GrowthPercent() const {
    if (!atWarmUp_ || !atEnd_ || *atWarmUp_ <= 0) return std::nullopt;
    return 100.0 * double(*atEnd_ - *atWarmUp_) / double(*atWarmUp_);
}
