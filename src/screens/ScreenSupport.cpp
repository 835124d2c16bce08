// SPDX-License-Identifier: MIT
// Fonts, backgrounds, hourglass and top-ten hook of the exercise screens.
#include "ScreenSupport.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include "app/Generell.h"
#include "exercise/ovning.h"
#include "scores/Tioitopp.h"
#include "screens/Ovform.h"

QFont ArialPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetBackground(QWidget* widget, TColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

TWaitCursor::TWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TWaitCursor::~TWaitCursor() {
    QApplication::restoreOverrideCursor();
}

void InstallTopTenForm() {
    SetTopTenForm([](const TTopTenRequest& request, TOvningsformular* owner) {
        TfrmTioitopp::Execute(dynamic_cast<QWidget*>(owner), request);
    });
}
