// SPDX-License-Identifier: MIT
// Helpers for score tests: a score file written from records, and reading one back.
#pragma once

#include <QFile>
#include <QStringList>

#include "platform/TextCodec.h"

struct ScoreRecord {
    int exercise;
    int rank;
    QString signature;
    int percent;
};

inline QByteArray ScoreText(const std::vector<ScoreRecord>& records) {
    QByteArray text;
    for (const ScoreRecord& r : records) {
        text += QByteArray::number(r.exercise) + "\r\n" + QByteArray::number(r.rank) + "\r\n" +
                ToWindows1252(r.signature) + "\r\n" + QByteArray::number(r.percent) + "\r\n";
    }
    return text;
}

inline void WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write test file");
    file.write(bytes);
}

inline QByteArray ReadBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}
