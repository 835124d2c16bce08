// SPDX-License-Identifier: MIT
// glomira-mapshot: draws an exercise's map to a PNG as the game would show it.
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

#include "MapShot.h"
#include "app/Generell.h"

namespace {

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}
QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

int Fail(const QString& message, int code = 1) {
    Err() << "glomira-mapshot: " << message << Qt::endl;
    return code;
}

template <typename T>
bool ParseNumber(const QString& text, const QString& option, T& value) {
    bool ok = false;
    if constexpr (std::is_same_v<T, double>)
        value = text.toDouble(&ok);
    else
        value = text.toInt(&ok);
    if (!ok) Fail(QStringLiteral("--%1 wants a number, not \"%2\".").arg(option, text), 2);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glomira-mapshot"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws the map of a Glomira exercise to a PNG, loading its files and selecting its "
        "items as the map screen does, in the drawing order of the area or place exercise.\n"
        "Without an exercise, --map and the view options describe the map by hand."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("exercise"),
                                 QStringLiteral("Exercise number, or its name in --language."),
                                 QStringLiteral("[exercise]"));
    const QCommandLineOption dir({"d", "dir"},
                                 "Program directory with the data files (default: "
                                 "the one beside this tool).",
                                 "folder");
    const QCommandLineOption output({"o", "output"},
                                    "PNG file to write (default: "
                                    "mapshot-<exercise>.png).",
                                    "file");
    const QCommandLineOption size({"s", "size"},
                                  "Picture size WxH (default 1916x1044, the map "
                                  "picture of a maximised window on a 1920x1080 screen).",
                                  "WxH");
    const QCommandLineOption language({"l", "language"},
                                      "Language 1..6 (1 Swedish, 2 English, "
                                      "3 French, 4 German, 5 Spanish, 6 Italian); default 2.",
                                      "n");
    const QCommandLineOption answered("answered",
                                      "Colour every item as answered at attempt n "
                                      "(1 white, 2 pale yellow, 3 yellow, 4 or more red).",
                                      "n");
    const QCommandLineOption list("list", "List the items with their seeds' pixel positions.");
    const QCommandLineOption kind("kind", "AREA or ORT (default: the exercise's, or AREA).",
                                  "kind");
    const QCommandLineOption map("map", "Map number 1..5 (AREA<n>.crp).", "n");
    const QCommandLineOption places("places", "Place file number (Ort<n>.crp); 0: none.", "n");
    const QCommandLineOption border("border", "Border width in pixels (default 1).", "n");
    const QCommandLineOption rank("rank", "Highest place rank selected.", "n");
    const QCommandLineOption top("top", "Top latitude.", "deg");
    const QCommandLineOption bottom("bottom",
                                    "Bottom latitude (top and bottom both 0: fit the "
                                    "view to the selection).",
                                    "deg");
    const QCommandLineOption centre("centre", "Centre longitude.", "deg");
    const QCommandLineOption items("items", "Item keys, comma-separated, or \"all\".", "keys");
    parser.addOptions({dir, output, size, language, answered, list, kind, map, places, border, rank,
                       top, bottom, centre, items});
    parser.process(app);

    TMapShotRequest request;
    request.ProgramDir = parser.isSet(dir) ? parser.value(dir) : ProgramDirectory();
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) return Fail("Give at most one exercise.", 2);
    if (!positional.isEmpty()) request.Exercise = positional.front();
    if (parser.isSet(size)) {
        const QStringList wh = parser.value(size).split(QLatin1Char('x'));
        bool okW = false, okH = false;
        if (wh.size() == 2) request.Size = QSize(wh[0].toInt(&okW), wh[1].toInt(&okH));
        if (!okW || !okH) return Fail("--size wants WxH, for example 1280x720.", 2);
    }
    auto number = [&](const QCommandLineOption& o, auto& target) {
        if (!parser.isSet(o)) return true;
        typename std::remove_reference_t<decltype(target)>::value_type v{};
        if (!ParseNumber(parser.value(o), o.names().back(), v)) return false;
        target = v;
        return true;
    };
    if (parser.isSet(language) &&
        !ParseNumber(parser.value(language), "language", request.Language))
        return 2;
    if (!number(answered, request.Answered) || !number(map, request.MapNo) ||
        !number(places, request.PlaceFileNo) || !number(border, request.BorderWidth) ||
        !number(rank, request.MaxPlaceRank) || !number(top, request.Top) ||
        !number(bottom, request.Bottom) || !number(centre, request.Centre))
        return 2;
    if (parser.isSet(kind)) request.Kind = parser.value(kind);
    if (parser.isSet(items)) request.Items = parser.value(items).split(QLatin1Char(','));

    try {
        const TMapShotResult result = RenderMap(request);
        QString file = parser.value(output);
        if (file.isEmpty()) {
            QString tag = request.Exercise.isEmpty() ? QStringLiteral("map%1").arg(*request.MapNo)
                                                     : request.Exercise;
            tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
            file = QStringLiteral("mapshot-%1.png").arg(tag);
        }
        SavePng(result.Picture, file);
        Out() << result.Title << " (" << result.Kind << "): view " << result.Top << " to "
              << result.Bottom << ", centre " << result.Centre << ", divisor "
              << result.WidthDivisor << ", " << result.Items.size() << " items, "
              << result.Picture.width() << "x" << result.Picture.height() << " -> "
              << QFileInfo(file).absoluteFilePath() << Qt::endl;
        for (const QString& warning : result.Warnings) Out() << "Note: " << warning << Qt::endl;
        int problems = 0;
        for (const TMapShotItem& item : result.Items) {
            problems += !item.Note.isEmpty();
            if (!parser.isSet(list)) continue;
            Out() << item.Code << '\t' << item.Name << '\t' << item.Seed1.x() << ','
                  << item.Seed1.y();
            if (result.Kind == QLatin1String("AREA"))
                Out() << '\t' << item.Seed2.x() << ',' << item.Seed2.y();
            if (!item.Note.isEmpty()) Out() << '\t' << item.Note;
            Out() << Qt::endl;
        }
        if (problems > 0)
            Out() << problems << " items have seeds that cannot colour them"
                  << (parser.isSet(list) ? "." : " (see --list).") << Qt::endl;
    } catch (const MapShotError& e) {
        return Fail(e.Message);
    }
    return 0;
}
