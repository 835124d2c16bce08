// SPDX-License-Identifier: MIT
// Writes a fuzz input to a file, runs a loader on it and accepts only the
// program's own exceptions as failures.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "data/Fileread.h"

template <typename Load>
int FuzzLoad(const uint8_t* data, size_t size, Load&& load) {
    static QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("input.crp"));
    {
        QFile f(name);
        if (!f.open(QIODevice::WriteOnly)) std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    try {
        load(name);
    } catch (const Exception&) {
        // A clear failure is the expected answer to a bad file.
    }
    return 0;
}
