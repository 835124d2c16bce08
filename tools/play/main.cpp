// SPDX-License-Identifier: MIT
// glomira-play: starts one exercise of the catalogue on its screen, without
// the main menu, so each screen can be played and tried on its own.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTextStream>
#include <memory>

#include "app/ColorScheme.h"
#include "app/Generell.h"
#include "data/Fileread.h"
#include "data/ovningar.h"
#include "platform/MediaPlayers.h"
#include "screens/ExerciseScreen.h"
#include "screens/ScreenSupport.h"

namespace {

QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

int Fail(const QString& message, int code) {
    Err() << "glomira-play: " << message << Qt::endl;
    return code;
}

void ListExercises(const COvningar& catalogue) {
    QTextStream out(stdout);
    for (const COvning* entry = catalogue.First; entry; entry = entry->Next)
        out << qSetFieldWidth(3) << entry->Number << qSetFieldWidth(0) << "  " << entry->Kind
            << "\t" << entry->Continent << "  " << entry->Names[CurrentLanguage] << Qt::endl;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Glomira"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays one exercise of the Glomira catalogue on its screen."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("exercise"),
                                 QStringLiteral("Exercise number, or its name in --language."),
                                 QStringLiteral("<exercise>"));
    const QCommandLineOption language({"l", "language"},
                                      "Language 1..6 (1 Swedish, 2 English, 3 French, "
                                      "4 German, 5 Spanish, 6 Italian); default 2.",
                                      "n", "2");
    const QCommandLineOption dir({"d", "dir"},
                                 "Folder with the catalogue, texts and map files (default: the "
                                 "program's). Flags, sounds and help stay beside the program.",
                                 "folder");
    const QCommandLineOption list("list", "List the catalogue's exercises and stop.");
    parser.addOptions({language, dir, list});
    parser.process(app);

    bool ok = false;
    CurrentLanguage = parser.value(language).toInt(&ok);
    if (!ok || CurrentLanguage < 1 || CurrentLanguage > LanguageCount)
        return Fail(QStringLiteral("--language wants a number from 1 to 6."), 2);
    const QString folder = parser.isSet(dir) ? parser.value(dir) : ProgramDirectory();
    if (!QDir::setCurrent(folder)) return Fail(QStringLiteral("No folder ") + folder + '.', 2);

    UseColorSchemeOf(QGuiApplication::primaryScreen());
    SoundsOn = true;
    MusicOn = true;
    TemplateBitmap.load(ProgramFile(QStringLiteral("bmptest.bmp")));

    COvningar catalogue;
    try {
        LoadLanguageTable(QStringLiteral("lang.crp"));
        catalogue.Load(QStringLiteral("Ovning.crp"));
    } catch (const Exception& e) {
        return Fail(QDir(folder).absolutePath() + ": " + e.Message(), 1);
    }
    if (parser.isSet(list)) {
        ListExercises(catalogue);
        return 0;
    }
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    const QString wanted = parser.positionalArguments().constFirst();
    COvning* entry = catalogue.FindByNumberOrName(wanted);
    if (!entry)
        return Fail(QStringLiteral("No exercise \"%1\" in the catalogue (see --list).").arg(wanted),
                    2);

    TMediaPlayers players;
    InstallTopTenForm();
    // Created as the main menu creates it, but owned here.
    std::unique_ptr<TExerciseScreen> screen(CreateExerciseScreen(entry->Kind, nullptr));
    try {
        screen->StartExercise(*entry);
    } catch (const std::exception& e) {
        return Fail(QString::fromStdString(e.what()), 1);
    }
    const int result = app.exec();
    screen.reset();
    SetTopTenForm(nullptr);
    return result;
}
