// SPDX-License-Identifier: MIT
// Fonts, backgrounds, hourglass and top-ten hook of the exercise screens.
#include "ScreenSupport.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
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

QImage LoadFlagPicture(const QString& flagFile, qreal ratio) {
    if (flagFile.isEmpty()) return {};
    const QString sharp = ProgramDirectory() + QStringLiteral("/flags2x/") + flagFile;
    const bool twice = ratio > 1 && QFile::exists(sharp);
    QFile file(twice ? sharp : ProgramDirectory() + QStringLiteral("/flags/") + flagFile);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&file, "bmp");
    QImage flag = reader.read();
    if (flag.isNull()) return flag;
    // A thin grey edge, so a white field doesn't melt into a white list.
    flag = flag.convertToFormat(QImage::Format_RGB32);
    QPainter edge(&flag);
    edge.setPen(QColor(150, 150, 150));
    edge.drawRect(flag.rect().adjusted(0, 0, -1, -1));
    edge.end();
    flag.setDevicePixelRatio(twice ? 2 : 1);
    return flag;
}

void InstallTopTenForm() {
    SetTopTenForm([](const TTopTenRequest& request, TOvningsformular* owner) {
        TfrmTioitopp::Execute(dynamic_cast<QWidget*>(owner), request);
    });
}
