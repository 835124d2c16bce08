// The one base fixture: the shared state saved before each test and put
// back after it, and a temporary folder per test, removed afterwards.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/SharedStateSnapshot.h"

class GlomiraTest : public testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Declared first, so it is restored after everything the test made.
    SharedStateSnapshot saved_;
    QTemporaryDir dir_;
};
