// SPDX-License-Identifier: MIT
// One offscreen widget application for the fuzz targets that need windows.
#pragma once

#include <QApplication>

inline void EnsureFuzzApplication() {
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "glomira-fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own globals are gone by the time statics unwind.
    new QApplication(argc, argv);
}
