// SPDX-License-Identifier: MIT
// glomira-mapsweep: checks every map exercise's picture at many random sizes, zooms and pans,
// and reports the faults per exercise.
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>
#include <map>

#include "MapCheck.h"
#include "app/Generell.h"
#include "data/Fileread.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glomira-mapsweep"));
    QTextStream out(stdout);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws every area and place exercise of the catalogue at random picture sizes (640 x 400 "
        "to 3840 x 2160, landscape and portrait, ratio 1 and 2) and at random zoomed and panned "
        "views, and checks each picture against the outlines: land never in the sea's or a "
        "lake's colour, the lake colour only in lakes, open sea in the sea colour, and every "
        "asked item shown in its colour. Exits with 1 when any picture has a fault."));
    parser.addHelpOption();
    const QCommandLineOption dir({"d", "dir"},
                                 "Folder with the data files (default: the tool's own).", "folder");
    const QCommandLineOption sizes("sizes", "Random picture sizes per exercise (default 300).", "n",
                                   "300");
    const QCommandLineOption views("views", "Zoomed and panned views per exercise (default 40).",
                                   "n", "40");
    const QCommandLineOption seed("seed", "Seed of the random cases (default 1).", "n", "1");
    const QCommandLineOption only("exercise", "Only this exercise number.", "n");
    parser.addOptions({dir, sizes, views, seed, only});
    parser.process(app);
    const QString folder = parser.isSet(dir) ? parser.value(dir) : ProgramDirectory();

    COvningar catalogue;
    try {
        catalogue.Load(folder + QStringLiteral("/Ovning.crp"));
    } catch (const Exception& e) {
        out << "glomira-mapsweep: " << e.what() << Qt::endl;
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    int pictures = 0, faulty = 0, exercises = 0;
    for (COvning* e = catalogue.First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA") && e->Kind != QLatin1String("ORT")) continue;
        if (e->MapNo < 1 || e->MapNo > 5) continue;
        if (parser.isSet(only) && e->Number != parser.value(only).toInt()) continue;
        ++exercises;
        int failed = 0;
        const auto cases = RandomMapCases(parser.value(seed).toULongLong(), e->Number,
                                          parser.value(sizes).toInt(), parser.value(views).toInt());
        for (std::size_t k = 0; k < cases.size(); ++k) {
            const TMapCheck check = CheckMapCase(*e, folder, cases[k]);
            ++pictures;
            if (check.Passed()) continue;
            ++failed;
            out << "exercise " << e->Number << " case " << k << " (" << cases[k].Describe()
                << "): " << check.Summary() << Qt::endl;
        }
        faulty += failed;
        out << "exercise " << e->Number << " \"" << e->Names[2] << "\": " << cases.size()
            << " pictures, " << failed << " with faults" << Qt::endl;
    }
    out << exercises << " exercises, " << pictures << " pictures, " << faulty << " with faults, "
        << timer.elapsed() / 1000 << " s, seed " << parser.value(seed) << Qt::endl;
    return faulty == 0 ? 0 : 1;
}
