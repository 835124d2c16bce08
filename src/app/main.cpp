// SPDX-License-Identifier: MIT
// Program start: the application, its three long-lived screens and the event loop.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "app/About.h"
#include "app/Generell.h"
#include "app/Hmeny.h"
#include "app/Lang.h"
#include "app/OwnTexts.h"
#include "exercise/ovning.h"
#include "history/ResultsHistory.h"
#include "platform/MessageBoxes.h"
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
    // One argument: a file of shared exercises, as the desktop opens it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) mainMenu.ImportOnOpening(arguments.at(1));
    InstallTopTenForm();
    RemoveStaleTemporaries({OwnExercisesFile(), OwnHighScoreFile(), HighScoreFile()},
                           QDateTime::currentDateTime());
    TResultsHistory history(HistoryFile());
    SetResultsHistory(&history);
    // Said once, on the screen in front, from the history's writing thread.
    history.SetRefusalNotice([&mainMenu] {
        QMetaObject::invokeMethod(
            &mainMenu,
            [] {
                ShowMessage(TMessageKind::Information,
                            OwnText(TOwnText::HistoryRefused, CurrentLanguage));
            },
            Qt::QueuedConnection);
    });

    QApplication::restoreOverrideCursor();
    mainMenu.show();
    if (history.Opening() != TResultsHistory::TOpening::Fine) {
        QTimer::singleShot(0, &mainMenu, [&history] {
            const bool moved = history.Opening() == TResultsHistory::TOpening::MovedAside;
            ShowMessage(
                TMessageKind::Information,
                moved ? OwnText(TOwnText::HistoryMovedAside, CurrentLanguage).arg(history.MovedTo())
                      : OwnText(TOwnText::HistoryUnusable, CurrentLanguage));
        });
    }
    const int result = app.exec();
    SetResultsHistory(nullptr);
    return result;
}
