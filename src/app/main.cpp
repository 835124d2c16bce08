// SPDX-License-Identifier: MIT
// Program start: the application, its three long-lived screens and the event loop.
#include <QApplication>
#include <QIcon>

#include "app/About.h"
#include "app/Hmeny.h"
#include "app/Lang.h"
#include "screens/ScreenSupport.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setApplicationName(QStringLiteral("Glomira"));
    QApplication::setOrganizationName(QStringLiteral("Glomira"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/glomira.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("glomira"));

    TfrmHuvudmeny mainMenu;
    TfrmLang languageScreen(&mainMenu);
    TfrmAbout aboutScreen(&mainMenu);
    mainMenu.SetScreens(&languageScreen, &aboutScreen);
    InstallTopTenForm();

    QApplication::restoreOverrideCursor();
    mainMenu.show();
    return app.exec();
}
