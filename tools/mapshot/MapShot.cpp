// SPDX-License-Identifier: MIT
// Loads, draws and lists an exercise's map exactly as the map screen and the
// area and place exercises do, for people who make or check exercises.
#include "MapShot.h"

#include <QDir>
#include <QSaveFile>

#include "app/Generell.h"
#include "data/Fileread.h"
#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "platform/Picture.h"
#include "screens/PictureScreen.h"

namespace {

// The exercise to draw: the catalogue's entry or one made by hand, with the
// request's overrides. "all" is no key: it selects every item after the
// start, as no exercise could hold them all, so the items are kept aside.
struct TSetup {
    QString Title;
    std::unique_ptr<COvning> Exercise;
    QStringList Items;
};

bool IsAll(const QStringList& items) {
    return items.size() == 1 && items.front().compare("all", Qt::CaseInsensitive) == 0;
}

QString Quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

const COvning& FindInCatalogue(const TMapShotRequest& request, COvningar& catalogue) {
    const QString file = QDir(request.ProgramDir).filePath(QStringLiteral("Ovning.crp"));
    try {
        catalogue.Load(file);
    } catch (const Exception& e) {
        throw MapShotError(
            QStringLiteral("Cannot read the exercise catalogue %1: %2").arg(file, e.Message()));
    }
    const COvning* entry = catalogue.FindByNumberOrName(request.Exercise);
    if (!entry)
        throw MapShotError(QStringLiteral("No exercise %1 in %2 (give its number, or its name "
                                          "in language %3).")
                               .arg(Quoted(request.Exercise), file)
                               .arg(request.Language));
    return *entry;
}

TSetup MakeSetup(const TMapShotRequest& r, QStringList& warnings) {
    COvningar catalogue;
    const COvning* entry = nullptr;
    TSetup s;
    QString kind = QStringLiteral("AREA");
    if (!r.Exercise.isEmpty()) {
        entry = &FindInCatalogue(r, catalogue);
        s.Title = QStringLiteral("%1 (exercise %2)")
                      .arg(entry->Names[CurrentLanguage])
                      .arg(entry->Number);
        kind = entry->Kind;
        for (int i = 1; i <= entry->ItemCount; ++i) s.Items << entry->Items[i];
    } else {
        if (!r.MapNo)
            throw MapShotError(
                QStringLiteral("Give an exercise (number or name), or a map number with --map."));
        s.Title = QStringLiteral("map %1").arg(*r.MapNo);
        s.Items = {QStringLiteral("all")};
    }
    if (r.Kind) kind = r.Kind->toUpper();
    if (kind != QLatin1String("AREA") && kind != QLatin1String("ORT"))
        throw MapShotError(QStringLiteral("%1 is of kind %2, which shows no map; add --kind AREA "
                                          "or --kind ORT to draw its map anyway.")
                               .arg(s.Title, Quoted(kind)));

    s.Exercise = CreateExercise(kind);
    COvning& e = *s.Exercise;
    if (entry) {
        e.CopyCatalogueFields(*entry);
    } else {
        e.BorderWidth = 1;
        e.MaxPlaceRank = 255;
        if (!r.PlaceFileNo && kind == QLatin1String("ORT")) e.PlaceFileNo = 1;
    }
    e.Kind = kind;
    if (r.MapNo) e.MapNo = *r.MapNo;
    if (r.PlaceFileNo) e.PlaceFileNo = *r.PlaceFileNo;
    if (r.BorderWidth) e.BorderWidth = *r.BorderWidth;
    if (r.MaxPlaceRank) e.MaxPlaceRank = *r.MaxPlaceRank;
    if (r.Top) e.TopLatitude = *r.Top;
    if (r.Bottom) e.BottomLatitude = *r.Bottom;
    if (r.Centre) e.CentreLongitude = *r.Centre;
    if (r.Items) s.Items = *r.Items;

    e.ItemCount = 0;
    if (IsAll(s.Items)) return s;
    if (s.Items.size() > COvning::MaxItems)
        warnings << QStringLiteral(
                        "Only the first %1 of the %2 items are drawn, as an exercise "
                        "holds no more.")
                        .arg(COvning::MaxItems)
                        .arg(s.Items.size());
    e.ItemCount = int(std::min<qsizetype>(s.Items.size(), COvning::MaxItems));
    for (int i = 1; i <= e.ItemCount; ++i) e.Items[i] = s.Items[i - 1];
    return s;
}

// The map screen's loading; --places 0 leaves out the place file.
std::unique_ptr<CKarta> LoadMap(const COvning& e, const QString& dir, bool placesAlways) {
    const std::optional<int> placeFile =
        placesAlways || e.PlaceFileNo > 0 ? std::optional<int>(e.PlaceFileNo) : std::nullopt;
    try {
        return LoadFullMap(e.MapNo, placeFile, dir);
    } catch (const Exception& ex) {
        throw MapShotError(QStringLiteral("Cannot load %1: %2").arg(ex.FileName(), ex.Message()));
    }
}

void SelectAll(CKarta& map, int maxPlaceRank) {
    for (const auto& area : map.Areas->Areas)
        if (area->PointCount() > 0) area->Selected = true;
    for (COrt* p = map.Places->First; p; p = p->Next)
        if (p->Rank <= maxPlaceRank) p->Selected = true;
}

// Why a seed will not colour its area, judged on the drawn map before colouring.
QString SeedNote(const CKarta& map, const TRasterSurface& canvas, QPoint p, int seed) {
    const TColor c = canvas.Pixel(p.x(), p.y());
    QString why;
    if (!map.InsideImage(p.x(), p.y()))
        why = QStringLiteral("outside the picture");
    else if (c == Colors::Black)
        why = QStringLiteral("on an outline");
    else if (c == (map.WaterColor & 0xFFFFFF))
        why = QStringLiteral("in a lake");
    else if (c == (map.SeaColor & 0xFFFFFF))
        why = QStringLiteral("in the sea (open outline, or seed outside its area)");
    return why.isEmpty() ? why : QStringLiteral("seed %1 %2").arg(seed).arg(why);
}

}  // namespace

TMapShotResult RenderMap(const TMapShotRequest& request) {
    if (request.Language < 1 || request.Language > LanguageCount)
        throw MapShotError(
            QStringLiteral("The language must be 1 to 6, not %1.").arg(request.Language));
    if (request.Size.width() < 1 || request.Size.height() < 1 || request.Size.width() > 16384 ||
        request.Size.height() > 16384)
        throw MapShotError(QStringLiteral("The picture size must be 1x1 to 16384x16384."));
    if (request.Answered && (*request.Answered < 0 || *request.Answered > 100))
        throw MapShotError(QStringLiteral("The attempt must be 0 to 100."));
    CurrentLanguage = request.Language;
    TMapShotResult result;
    const TSetup s = MakeSetup(request, result.Warnings);
    COvning* const exercise = s.Exercise.get();
    const bool places = exercise->Kind == QLatin1String("ORT");

    // The screen always loads the entry's place file; --places 0 skips it.
    const std::unique_ptr<CKarta> loaded =
        LoadMap(*exercise, request.ProgramDir, !request.Exercise.isEmpty() && !request.PlaceFileNo);
    CKarta& map = *loaded;
    exercise->Map = &map;
    TPictureScreen screen(request.Size);
    TPicture& picture = screen.imgKarta();
    // The exercise's own start: colours, selection, view and drawing.
    exercise->Start(screen);
    if (IsAll(s.Items)) {
        SelectAll(map, exercise->MaxPlaceRank);
        if (exercise->TopLatitude == 0 && exercise->BottomLatitude == 0) map.FitToSelection();
    }

    if (!places) {
        // Seeds are judged on the map before any area is coloured: a seed in
        // the sea would colour the sea.
        const bool grid = map.ShowGrid;
        std::vector<CArea*> selected;
        for (const auto& area : map.Areas->Areas)
            if (area->Selected) selected.push_back(area.get());
        for (CArea* area : selected) area->Selected = false;
        map.ShowGrid = false;
        exercise->RedrawMap();
        for (CArea* area : selected) {
            area->Selected = true;
            TMapShotItem item{area->Code, area->Names[CurrentLanguage], {}, {}, {}};
            item.Seed1 = QPoint(map.LonLatToX(area->Seed1.Lon, area->Seed1.Lat),
                                map.LatToY(area->Seed1.Lat));
            item.Seed2 = QPoint(map.LonLatToX(area->Seed2.Lon, area->Seed2.Lat),
                                map.LatToY(area->Seed2.Lat));
            QStringList notes;
            for (const QString& n : {SeedNote(map, picture.Canvas(), item.Seed1, 1),
                                     SeedNote(map, picture.Canvas(), item.Seed2, 2)})
                if (!n.isEmpty()) notes << n;
            item.Note = notes.join(QStringLiteral("; "));
            result.Items << item;
            if (request.Answered) {
                area->Answered = true;
                area->Attempts = *request.Answered;
            }
        }
        map.ShowGrid = grid;
        exercise->RedrawMap();
    } else {
        if (IsAll(s.Items)) exercise->RedrawMap();
        for (COrt* p = map.Places->First; p; p = p->Next) {
            if (!p->Selected) continue;
            const QPoint at(map.LonLatToX(float(p->Longitude), float(p->Latitude)),
                            map.LatToY(float(p->Latitude)));
            TMapShotItem item{p->Code, p->Names[CurrentLanguage], at, at, {}};
            if (!map.InsideImage(at.x(), at.y())) item.Note = QStringLiteral("outside the picture");
            result.Items << item;
            if (request.Answered) {
                p->Answered = true;
                p->Attempts = *request.Answered;
                // As a right answer leaves it.
                map.DrawPlace(*p, Colors::Yellow);
            }
        }
    }
    if (exercise->MapNo < 1 || exercise->MapNo > 5)
        result.Warnings << QStringLiteral(
                               "Map number %1 loads no areas, lakes or sea seeds, as "
                               "on the map screen.")
                               .arg(exercise->MapNo);
    if (result.Items.isEmpty())
        result.Warnings << (IsAll(s.Items) ? QStringLiteral("No item is on this map.")
                                           : QStringLiteral("None of the items %1 is on this map.")
                                                 .arg(s.Items.join(QLatin1Char(','))));
    result.Picture = picture.Bitmap();
    result.Title = s.Title;
    result.Kind = exercise->Kind;
    result.Top = map.TopLatitude;
    result.Bottom = map.BottomLatitude;
    result.Centre = map.CentreLongitude;
    result.WidthDivisor = map.WidthDivisor;
    return result;
}

void SavePng(const QImage& picture, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw MapShotError(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
    if (!picture.save(&file, "PNG"))
        throw MapShotError(
            QStringLiteral("Cannot encode the picture as PNG for %1.").arg(fileName));
    if (!file.commit())
        throw MapShotError(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
}
