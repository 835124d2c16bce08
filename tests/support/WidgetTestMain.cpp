// SPDX-License-Identifier: MIT
// Test entry point: an offscreen Qt widget application around the GoogleTest run.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Test discovery runs the binary at build time, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The tests count pixels: one logical pixel is one device pixel, unless
        // the program is built to test a high-DPI screen.
#ifndef GLOMIRA_TEST_SCALE_FACTOR
#define GLOMIRA_TEST_SCALE_FACTOR "1"
#endif
    qputenv("QT_SCALE_FACTOR", GLOMIRA_TEST_SCALE_FACTOR);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
