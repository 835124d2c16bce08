// glomira-play: starts one exercise of the catalogue on its screen, without
// the main menu, so each screen can be played and tried on its own.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTextStream>
#include <memory>

#include "app/Generell.h"
#include "data/Fileread.h"
#include "data/ovningar.h"
#include "platform/MediaPlayers.h"
#include "screens/ScreenSupport.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

int Fail(const QString& message, int code) {
    Err() << "glomira-play: " << message << Qt::endl;
    return code;
}

// The colour scheme the main menu chooses by the display's colour count.
void SetColourScheme() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 32;
    ScreenColorCount = depth >= 62 ? std::numeric_limits<qint64>::max() : (qint64(1) << depth);
    if (ScreenColorCount > 256) {
        PanelColor = 0x02E0D0C0;
        FrameColor = MakeColor(40, 90, 160);
        HighlightColor = 0x024040FF;
    } else {
        PanelColor = Colors::Silver;
        FrameColor = Colors::Navy;
        HighlightColor = Colors::Red;
    }
    CorrectColor = Colors::Lime;
}

COvning* FindExercise(const COvningar& catalogue, const QString& wanted) {
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber) {
        for (COvning* entry = catalogue.First; entry; entry = entry->Next)
            if (entry->Number == number) return entry;
        return nullptr;
    }
    return catalogue.FindByName(wanted);
}

void ListExercises(const COvningar& catalogue) {
    QTextStream out(stdout);
    for (const COvning* entry = catalogue.First; entry; entry = entry->Next)
        out << qSetFieldWidth(3) << entry->Number << qSetFieldWidth(0) << "  " << entry->Kind
            << "\t" << entry->Continent << "  " << entry->Names[CurrentLanguage] << Qt::endl;
}

// Creates the screen for the entry's kind, as the main menu does, and starts it.
std::unique_ptr<QWidget> StartScreen(COvning& entry) {
    if (entry.Kind == QLatin1String("FLAGG")) {
        auto screen = std::make_unique<TfrmOvningFlagga>();
        screen->StartExercise(entry);
        return screen;
    }
    if (entry.Kind == QLatin1String("MULTI")) {
        auto screen = std::make_unique<TfrmOvningMulti>();
        screen->StartExercise(entry);
        return screen;
    }
    auto screen = std::make_unique<TfrmOvningKarta>();
    screen->StartExercise(entry);
    return screen;
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

    SetColourScheme();
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
    COvning* entry = FindExercise(catalogue, wanted);
    if (!entry)
        return Fail(QStringLiteral("No exercise \"%1\" in the catalogue (see --list).").arg(wanted),
                    2);

    TMediaPlayers players;
    InstallTopTenForm();
    std::unique_ptr<QWidget> screen;
    try {
        screen = StartScreen(*entry);
    } catch (const std::exception& e) {
        return Fail(QString::fromStdString(e.what()), 1);
    }
    const int result = app.exec();
    screen.reset();
    SetTopTenForm(nullptr);
    return result;
}
