// SPDX-License-Identifier: MIT
// The one base fixture: the shared state saved before each test and put
// back after it, and a temporary folder per test, removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "app/Generell.h"
#include "support/SharedStateSnapshot.h"

class GlomiraTest : public testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // The interface texts the exercises and screens put into questions and
    // captions, in English (and the Swedish prompt), without reading lang.crp.
    static void UseTestTexts() {
        LanguageTable[1][9] = "Klicka på";
        LanguageTable[2][9] = "Click on";
        LanguageTable[2][10] = "lies in";
        LanguageTable[2][11] = "Top ten";
        LanguageTable[2][12] = "Close";
        LanguageTable[2][13] = "Which of these lies in";
        LanguageTable[2][14] = "?";
        LanguageTable[2][17] = "Multiple choice";
        LanguageTable[2][23] = "Restart";
    }

    // Declared first, so it is restored after everything the test made.
    SharedStateSnapshot saved_;
    QTemporaryDir dir_;
};
