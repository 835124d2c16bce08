// A temporary folder per test, removed afterwards.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class TempDirTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};
