// SPDX-License-Identifier: MIT
// glomira-play: starts one exercise of the catalogue on its screen, without
// the main menu, so each screen can be played and tried on its own.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include "app/ColorScheme.h"
#include "app/Generell.h"
#include "data/Fileread.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "exercise/AnswerPixel.h"
#include "learning/ReviewWindow.h"
#include "platform/MediaPlayers.h"
#include "screens/ExerciseScreen.h"
#include "screens/ScreenSupport.h"
#include "screens/Unit1.h"
#include "worksheets/Worksheet.h"

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

// For scripts that play a map exercise with real mouse clicks: each new
// question once the map is drawn, as "<question>\t<x> <y>" with the point
// that answers it in the window's coordinates and " marker" when it lies in
// an area's marker ("-" when no point answers), and "end <percent>" when the
// run is over. The first `misses` questions of each run are first given a
// point that answers them wrong, on a line of its own ending in " miss".
class TAnswerPrinter {
  public:
    explicit TAnswerPrinter(int misses) : misses_(misses) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Print(); });
    }
    // Follows the run on this screen from its first question.
    void Follow(TfrmOvningKarta* screen) {
        screen_ = screen;
        last_.clear();
        asked_ = 0;
        timer_.start(50);
    }

  private:
    QPoint InWindow(QPoint pixel) const {
        const qreal ratio = screen_->imgKartaBox->Picture().PixelRatio();
        return screen_->imgKartaBox->mapTo(
            screen_, QPoint(qRound(pixel.x() / ratio), qRound(pixel.y() / ratio)));
    }
    void Print() {
        if (!screen_ || !screen_->Exercise || !screen_->MapObject) return;
        QTextStream out(stdout);
        // The question reads "-" once the last one is answered, while the
        // top-ten form is still open.
        if (screen_->Exercise->Finished || screen_->lblFraga->text() == QLatin1String("-")) {
            out << "end " << screen_->Exercise->Percent << Qt::endl;
            timer_.stop();
            return;
        }
        if (screen_->RedrawPending()) return;
        const QString question = screen_->lblFraga->text();
        if (question == last_) return;
        last_ = question;
        if (asked_++ < misses_)
            if (const auto miss = MissPixel(*screen_->MapObject, *screen_->Exercise)) {
                const QPoint at = InWindow(*miss);
                out << question << '\t' << at.x() << ' ' << at.y() << " miss" << Qt::endl;
            }
        out << question << '\t';
        if (const auto pixel = AnswerPixel(*screen_->MapObject, *screen_->Exercise)) {
            const QPoint at = InWindow(*pixel);
            out << at.x() << ' ' << at.y();
            if (screen_->MapObject->Markers().At(*pixel)) out << " marker";
        } else {
            out << '-';
        }
        out << Qt::endl;
    }

    QPointer<TfrmOvningKarta> screen_;
    QTimer timer_;
    QString last_;
    int asked_ = 0;
    const int misses_;
};
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
    const QCommandLineOption misses(
        "misses", "With --answers: first a wrong point for the first n questions of each run.", "n",
        "0");
    const QCommandLineOption answers(
        "answers",
        "Map exercises: print each question with the window point that answers it, "
        "and \"end <percent>\" after the run, for scripts that play with real clicks.");
    const QCommandLineOption worksheet(
        "worksheet", "Save the exercise's worksheet and its answer key as a PDF file, and stop.",
        "file.pdf");
    const QCommandLineOption paper("paper", "With --worksheet: A4 or Letter; default A4.", "size",
                                   "A4");
    parser.addOptions({language, dir, list, answers, misses, worksheet, paper});
    parser.process(app);

    bool ok = false;
    CurrentLanguage = parser.value(language).toInt(&ok);
    if (!ok || CurrentLanguage < 1 || CurrentLanguage > LanguageCount)
        return Fail(QStringLiteral("--language wants a number from 1 to 6."), 2);
    const QString folder = parser.isSet(dir) ? parser.value(dir) : ProgramDirectory();
    // Named from where the tool was started.
    const QString sheetFile =
        parser.isSet(worksheet) ? QFileInfo(parser.value(worksheet)).absoluteFilePath() : QString();
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

    if (parser.isSet(worksheet)) {
        const QString size = parser.value(paper).toLower();
        if (size != QLatin1String("a4") && size != QLatin1String("letter"))
            return Fail(QStringLiteral("--paper wants A4 or Letter."), 2);
        QString error;
        if (!SaveWorksheetPdf(*entry, sheetFile,
                              size == QLatin1String("a4") ? QPageSize::A4 : QPageSize::Letter,
                              &error, QDir::currentPath()))
            return Fail(error, 1);
        return 0;
    }

    TMediaPlayers players;
    InstallTopTenForm();
    // Created as the main menu creates it, but owned here; so are the
    // practice runs the review starts.
    std::unique_ptr<TExerciseScreen> screen;
    std::unique_ptr<COvning> practice, previous;
    TAnswerPrinter printer(parser.value(misses).toInt());
    const bool printing = parser.isSet(answers);
    const auto start = [&](COvning& run) {
        if (screen) screen.release()->deleteLater();  // its review may still be closing
        screen.reset(CreateExerciseScreen(run.Kind, nullptr));
        screen->StartExercise(run);
        if (auto* map = dynamic_cast<TfrmOvningKarta*>(screen.get()); map && printing)
            printer.Follow(map);
    };
    QObject context;
    InstallRunReview(&context, [&](int, const QStringList& keys) {
        previous = std::move(practice);
        practice = COvning::PracticeOf(*entry, keys);
        try {
            start(*practice);
        } catch (const std::exception& e) {
            Fail(QString::fromStdString(e.what()), 1);
        }
    });
    try {
        start(*entry);
    } catch (const std::exception& e) {
        return Fail(QString::fromStdString(e.what()), 1);
    }
    const int result = app.exec();
    screen.reset();
    SetRunReview({});
    SetTopTenForm(nullptr);
    return result;
}
