// SPDX-License-Identifier: MIT
// Worksheets of delivered exercises as a reader sees them: the PDF's pages
// and paper by pdfinfo, the first page rendered by pdftoppm (the map's
// outlines where the map's projection puts them, each number at its item,
// the sea empty) and the words by pdftotext (the key names the right items).
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>
#include <set>

#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "exercise/ExerciseItems.h"
#include "screens/ScreenTest.h"
#include "worksheets/NumberLabels.h"
#include "worksheets/Worksheet.h"

namespace {

constexpr double Dpi = 100;
constexpr double PixelsPerPoint = Dpi / 72;

struct TWord {
    QString Text;
    QRectF Box;  // points
};

class WorksheetPdf : public DeliveredDataTest {
  protected:
    void SetUp() override {
        DeliveredDataTest::SetUp();
        if (IsSkipped()) return;
        for (const char* tool : {"pdfinfo", "pdftoppm", "pdftotext", "pdfimages"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " is missing: install poppler-utils to check worksheets";
    }

    static QString Run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
        EXPECT_EQ(p.exitCode(), 0)
            << program.toStdString() << ": " << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QString Save(const COvning& entry, const QString& name, QPageSize::PageSizeId paper) {
        const QString file = Path(name);
        QString error;
        EXPECT_TRUE(SaveWorksheetPdf(entry, file, paper, &error)) << error.toStdString();
        return file;
    }

    QString PageText(const QString& pdf, int page) {
        return Run("pdftotext",
                   {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    }

    std::vector<TWord> Words(const QString& pdf, int page) {
        const QString html = Run("pdftotext", {"-bbox", "-f", QString::number(page), "-l",
                                               QString::number(page), pdf, "-"});
        static const QRegularExpression word(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
            "yMax=\"([\\d.]+)\">([^<]*)</word>");
        std::vector<TWord> out;
        for (auto m = word.globalMatch(html); m.hasNext();) {
            const auto w = m.next();
            const double x0 = w.captured(1).toDouble(), y0 = w.captured(2).toDouble();
            out.push_back({w.captured(5), QRectF(x0, y0, w.captured(3).toDouble() - x0,
                                                 w.captured(4).toDouble() - y0)});
        }
        return out;
    }

    QImage Render(const QString& pdf) {
        Run("pdftoppm",
            {"-r", QString::number(Dpi), "-f", "1", "-l", "1", "-png", pdf, Path("page")});
        QImage image(Path("page-1.png"));
        if (image.isNull()) image.load(Path("page-01.png"));
        return image.convertToFormat(QImage::Format_RGB32);
    }

    static int Grey(const QImage& page, QPointF points) {
        const int x = int(std::lround(points.x() * PixelsPerPoint));
        const int y = int(std::lround(points.y() * PixelsPerPoint));
        if (!page.rect().contains(x, y)) return 255;
        return qGray(page.pixel(x, y));
    }
    // The darkest pixel within r pixels.
    static int Darkest(const QImage& page, QPointF points, int r = 1) {
        int best = 255;
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                best = std::min(best, Grey(page, points + QPointF(dx, dy) / PixelsPerPoint));
        return best;
    }

    static void ExpectPages(const QString& info, QSizeF points) {
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
        const auto m = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
        ASSERT_TRUE(m.hasMatch()) << info.toStdString();
        EXPECT_NEAR(m.captured(1).toDouble(), points.width(), 0.5);
        EXPECT_NEAR(m.captured(2).toDouble(), points.height(), 0.5);
    }

    // Checks the first page of a map sheet against the sheet's own map.
    void CheckMapPage(const COvning& entry, QPageSize::PageSizeId paper) {
        const QString pdf = Save(entry, "map.pdf", paper);
        const TWorksheet sheet(entry, paper);  // the same sheet again, for its map
        ASSERT_EQ(sheet.Kind(), TWorksheet::TKind::Map);
        const CKarta& map = *sheet.Map();
        const QImage page = Render(pdf);
        ASSERT_FALSE(page.isNull());
        const QRectF mapRect = sheet.MapRect();
        const auto onPage = [&](double lat, double lon) {
            return sheet.OnPage(
                QPointF(map.LonLatToX(float(lon), float(lat)), map.LatToY(float(lat))));
        };

        // The key: every item under its number with the name the game gives it.
        const QString key = PageText(pdf, 2).simplified();
        const bool places = entry.Kind == "ORT";
        ASSERT_FALSE(sheet.Items().empty());
        for (const TSheetItem& item : sheet.Items()) {
            SCOPED_TRACE(item.Name.toStdString());
            QString name;
            if (places) {
                for (const COrt* p = map.Places->First; p; p = p->Next)
                    if (p->Code == item.Key) name = p->Names[CurrentLanguage];
            } else if (const CArea* a = map.Areas->FindByCode(item.Key)) {
                name = a->Names[CurrentLanguage];
            }
            EXPECT_FALSE(name.isEmpty());
            EXPECT_TRUE(key.contains(QString("%1. %2").arg(item.Number).arg(name)))
                << key.toStdString();
        }

        // Each number printed once on the map, apart from the others.
        std::map<int, QRectF> numbers;
        for (const TWord& w : Words(pdf, 1)) {
            bool isNumber = false;
            const int n = w.Text.toInt(&isNumber);
            if (!isNumber || !mapRect.contains(w.Box.center())) continue;
            EXPECT_FALSE(numbers.count(n)) << "number " << n << " twice";
            numbers[n] = w.Box;
        }
        EXPECT_EQ(numbers.size(), sheet.Items().size());
        for (auto i = numbers.begin(); i != numbers.end(); ++i)
            for (auto j = std::next(i); j != numbers.end(); ++j)
                EXPECT_FALSE(i->second.adjusted(0.3, 0.3, -0.3, -0.3)
                                 .intersects(j->second.adjusted(0.3, 0.3, -0.3, -0.3)))
                    << i->first << " on " << j->first;

        // Each number at its item: its point is the item's by the model, and
        // the number sits on it or is joined to it by an inked line.
        for (const TSheetItem& item : sheet.Items()) {
            SCOPED_TRACE(QString("%1 %2").arg(item.Number).arg(item.Name).toStdString());
            ASSERT_TRUE(item.OnMap);
            const QPoint px(int(item.Anchor.x()), int(item.Anchor.y()));
            if (places) {
                const COrt* place = nullptr;
                for (const COrt* p = map.Places->First; p; p = p->Next)
                    if (p->Code == item.Key) place = p;
                ASSERT_TRUE(place);
                EXPECT_LT(
                    QLineF(sheet.OnPage(item.Anchor), onPage(place->Latitude, place->Longitude))
                        .length(),
                    0.5);
                EXPECT_LT(Darkest(page, sheet.OnPage(item.Anchor)), 90) << "the place's dot";
            } else if (const TAreaMarker* marker = map.Markers().Of(item.Key)) {
                EXPECT_EQ(px, marker->centre);
            } else {
                const CArea* there =
                    map.Areas->AreaAt({map.YToLat(px.y()), map.PixelToLon(px.y(), px.x())});
                ASSERT_TRUE(there);
                EXPECT_TRUE(there->Matches(item.Key)) << there->Code.toStdString();
            }
            ASSERT_TRUE(numbers.count(item.Number));
            const QRectF box = numbers[item.Number];
            EXPECT_LT(Darkest(page, box.center(), 3), 90) << "the number's ink";
            const QPointF a = sheet.OnPage(item.Anchor);
            const QPointF b = NearestOnBox(box, a);
            const double length = QLineF(a, b).length();
            EXPECT_LT(length, 60) << "the number far from its item";
            // The line runs from the item's mark to the number's white box,
            // which pads the printed digits by about two points.
            if (length < item.Mark + 5) continue;
            int inked = 0, samples = 0;
            for (double d = item.Mark + 1; d < length - 2.5; d += 1.0 / PixelsPerPoint, ++samples)
                if (Darkest(page, a + (b - a) * (d / length), 1) < 150) ++inked;
            EXPECT_GE(inked, samples * 9 / 10) << "a leader of " << length << " pt";
        }

        // The outlines where the projection puts the border: sampled corners
        // of the outlines, away from the numbers.
        int outlined = 0, corners = 0;
        for (const auto& area : map.Areas->Areas) {
            if (!map.IsVisible(*area)) continue;
            for (std::size_t i = 0; i < area->Points.size(); i += 7) {
                const QPointF at = onPage(area->Points[i].Lat, area->Points[i].Lon);
                if (!mapRect.adjusted(4, 4, -4, -4).contains(at)) continue;
                bool covered = false;
                for (const auto& [n, box] : numbers)
                    covered |= box.adjusted(-3, -3, 3, 3).contains(at);
                for (const TSheetItem& item : sheet.Items())
                    covered |= QLineF(at, sheet.OnPage(item.Anchor)).length() < item.Mark + 3;
                if (covered) continue;
                ++corners;
                if (Darkest(page, at, 1) < 120) ++outlined;
            }
        }
        EXPECT_GT(corners, 50);
        EXPECT_GE(outlined, corners * 9 / 10) << outlined << " of " << corners;

        // The open sea is blank paper: no number, line or ink.
        int sea = 0;
        for (double y = mapRect.top() + 8; y < mapRect.bottom() - 8; y += 9)
            for (double x = mapRect.left() + 8; x < mapRect.right() - 8; x += 9) {
                const QPointF at(x, y);
                const QPointF px = (at - mapRect.topLeft()) * TWorksheet::PixelsPerPoint;
                // Sea by the model, and no outline of a tiny island near it on
                // the map as drawn.
                const GeoPoint point{map.YToLat(int(px.y())),
                                     map.PixelToLon(int(px.y()), int(px.x()))};
                bool nearSomething = false;
                for (const CAreor* set : {map.Areas.get(), map.Waters.get()})
                    for (int i = 0; set && i < set->Count() && !nearSomething; ++i)
                        nearSomething = PointInPolygon(point, set->Area(i).Points.data(),
                                                       set->Area(i).PointCount());
                const QImage& drawn = sheet.MapPicture();
                for (int dy = -16; dy <= 16 && !nearSomething; ++dy)
                    for (int dx = -16; dx <= 16 && !nearSomething; ++dx) {
                        const QPoint q(int(px.x()) + dx, int(px.y()) + dy);
                        nearSomething = drawn.rect().contains(q) && qGray(drawn.pixel(q)) < 250;
                    }
                for (const TSheetItem& item : sheet.Items()) {
                    nearSomething |= item.Label.adjusted(-4, -4, 4, 4).contains(at);
                    // A marker or a place's dot.
                    nearSomething |= QLineF(at, sheet.OnPage(item.Anchor)).length() < item.Mark + 4;
                    const QPointF a = sheet.OnPage(item.Anchor);
                    const QPointF b = NearestOnBox(item.Label, a);
                    const QPointF ab = b - a;
                    const double t = std::clamp(QPointF::dotProduct(at - a, ab) /
                                                    std::max(1e-9, QPointF::dotProduct(ab, ab)),
                                                0.0, 1.0);
                    nearSomething |= QLineF(at, a + t * ab).length() < 4;
                }
                if (nearSomething) continue;
                ++sea;
                EXPECT_GT(Grey(page, at), 235) << "ink in the sea at " << x << "," << y;
            }
        EXPECT_GT(sea, 20);
    }
};

TEST_F(WorksheetPdf, AMapSheetIsTwoPagesOfA4OrLetter) {
    COvning* oceania = Named("AREA", "Countries of Oceania");
    ASSERT_TRUE(oceania);
    ExpectPages(Run("pdfinfo", {Save(*oceania, "a4.pdf", QPageSize::A4)}), {595.276, 841.89});
    ExpectPages(Run("pdfinfo", {Save(*oceania, "letter.pdf", QPageSize::Letter)}), {612, 792});
}

TEST_F(WorksheetPdf, OceaniasNumbersSitOnTheirCountriesAndItsKeyNamesThem) {
    COvning* oceania = Named("AREA", "Countries of Oceania");
    ASSERT_TRUE(oceania);
    CheckMapPage(*oceania, QPageSize::A4);
}

TEST_F(WorksheetPdf, AnOwnPlaceExercisesNumbersSitOnTheirCitiesOnLetter) {
    COvning* places = nullptr;
    for (COvning* e = catalogue.First; e && !places; e = e->Next)
        if (e->Kind == "ORT" && e->Continent == "EUR") places = e;
    ASSERT_TRUE(places);
    CheckMapPage(*places, QPageSize::Letter);
}

TEST_F(WorksheetPdf, EuropesManySmallStatesGetNumbersApartEachAtItsState) {
    COvning* europe = Named("AREA", "Countries of Europe");
    ASSERT_TRUE(europe);
    CheckMapPage(*europe, QPageSize::A4);
}

// A teacher's own exercise of a hundred countries, not in the catalogue.
TEST_F(WorksheetPdf, AHundredItemsOfAnOwnExerciseStayApartAndInsideTheMap) {
    std::unique_ptr<COvning> own = CreateExercise("AREA");
    own->Kind = "AREA";
    own->Number = 9001;
    own->Names[CurrentLanguage] = "My hundred countries";
    own->MapNo = 1;
    own->PlaceFileNo = 1;
    own->BorderWidth = 1;
    // Dense where the world is crowded: Europe, Africa and the Middle East first.
    const std::unique_ptr<CKarta> world = LoadFullMap(1, 1);
    std::set<QString> keys;
    for (const QString& continent : {QString("EUR"), QString("AFR"), QString("ASI")})
        for (COvning* e = catalogue.First; e; e = e->Next)
            if (e->Kind == "AREA" && e->MapNo == 1 && e->Continent == continent)
                for (int i = 1; i <= e->ItemCount && keys.size() < 100; ++i)
                    if (world->Areas->FindByCode(e->Items[i])) keys.insert(e->Items[i]);
    ASSERT_EQ(keys.size(), 100u);
    for (const QString& key : keys) own->Items[++own->ItemCount] = key;

    const TWorksheet sheet(*own, QPageSize::A4);
    ASSERT_EQ(sheet.Items().size(), 100u);
    const QRectF inside = sheet.MapRect();
    for (std::size_t i = 0; i < sheet.Items().size(); ++i) {
        const TSheetItem& a = sheet.Items()[i];
        EXPECT_TRUE(a.OnMap) << a.Name.toStdString();
        EXPECT_TRUE(inside.contains(a.Label)) << a.Number;
        for (std::size_t j = i + 1; j < sheet.Items().size(); ++j)
            EXPECT_FALSE(a.Label.intersects(sheet.Items()[j].Label))
                << a.Number << " on " << sheet.Items()[j].Number;
    }
    // Legible: every number printed as a word of its own on the map.
    const QString pdf = Save(*own, "hundred.pdf", QPageSize::A4);
    std::set<int> printed;
    for (const TWord& w : Words(pdf, 1))
        if (inside.contains(w.Box.center()) && w.Box.height() >= 6) printed.insert(w.Text.toInt());
    for (int n = 1; n <= 100; ++n) EXPECT_TRUE(printed.count(n)) << n;
}

TEST_F(WorksheetPdf, AFlagSheetShowsEveryFlagAndItsKeyNamesEachCountry) {
    COvning* flags = nullptr;
    for (COvning* e = catalogue.First; e && !flags; e = e->Next)
        if (e->Kind == "FLAGG" && e->Continent == "EUR") flags = e;
    ASSERT_TRUE(flags);
    const QString pdf = Save(*flags, "flags.pdf", QPageSize::A4);
    ExpectPages(Run("pdfinfo", {pdf}), {595.276, 841.89});
    const TExerciseItems items(*flags);
    ASSERT_GT(items.Items().size(), 10u);
    const QString sheet = PageText(pdf, 1).simplified();
    const QString key = PageText(pdf, 2).simplified();
    const std::unique_ptr<CKarta> map = LoadPlacesAndAreas(flags->MapNo, std::nullopt);
    for (const TItemInfo& item : items.Items()) {
        const CArea* area = map->Areas->FindByCode(item.Key);
        ASSERT_TRUE(area) << item.Key.toStdString();
        const QString name = area->Names[CurrentLanguage];
        EXPECT_TRUE(key.contains(QRegularExpression("\\d+\\. " + QRegularExpression::escape(name))))
            << name.toStdString();
        EXPECT_FALSE(sheet.contains(name)) << "the sheet gives away " << name.toStdString();
    }
    // One picture per flag on each page.
    const QString images = Run("pdfimages", {"-list", "-f", "1", "-l", "1", pdf});
    EXPECT_EQ(images.count(QRegularExpression("\\n\\s*1\\s+\\d+\\s+image")),
              int(items.Items().size()));
}

TEST_F(WorksheetPdf, AChoiceSheetAsksTheSameQuestionsAsItsKeyAndTheKeysAnswersAreRight) {
    COvning* multi = nullptr;
    for (COvning* e = catalogue.First; e && !multi; e = e->Next)
        if (e->Kind != "AREA" && e->Kind != "ORT" && e->Kind != "FLAGG") multi = e;
    ASSERT_TRUE(multi);
    const QString pdf = Save(*multi, "choices.pdf", QPageSize::Letter);
    ExpectPages(Run("pdfinfo", {pdf}), {612, 792});
    const TWorksheet sheet(*multi, QPageSize::Letter);
    const TWorksheet again(*multi, QPageSize::Letter);
    ASSERT_EQ(sheet.Items().size(), std::size_t(TWorksheet::MaxChoiceQuestions));
    const std::unique_ptr<CKarta> map = LoadPlacesAndAreas(multi->MapNo, multi->PlaceFileNo);
    const QString page1 = PageText(pdf, 1).simplified(), page2 = PageText(pdf, 2).simplified();
    std::set<QString> asked;
    for (std::size_t i = 0; i < sheet.Items().size(); ++i) {
        const TSheetItem& item = sheet.Items()[i];
        SCOPED_TRACE(item.Question.toStdString());
        // The same questions every time, each place asked once.
        EXPECT_EQ(item.Question, again.Items()[i].Question);
        EXPECT_EQ(item.Choices, again.Items()[i].Choices);
        EXPECT_TRUE(asked.insert(item.Key).second);
        ASSERT_GE(item.Right, 0);
        EXPECT_GE(item.Choices.size(), 2);
        // Right by the data: the place itself, or an area it lies in.
        const COrt* place = nullptr;
        for (const COrt* p = map->Places->First; p; p = p->Next)
            if (p->Code == item.Key) place = p;
        ASSERT_TRUE(place);
        const QString right = item.Choices[item.Right];
        bool holds = right == place->Names[CurrentLanguage];
        for (int m = 1; m <= 3 && !holds; ++m)
            if (const CArea* a = map->Areas->FindByCode(place->MemberCodes[m]))
                holds = a->Names[CurrentLanguage] == right;
        EXPECT_TRUE(holds) << right.toStdString();
        EXPECT_EQ(item.Choices.count(right), 1);
        for (const QString& page : {page1, page2}) {
            EXPECT_TRUE(page.contains(item.Question.left(30))) << "question";
            for (int c = 0; c < item.Choices.size(); ++c)
                EXPECT_TRUE(
                    page.contains(QString("%1) %2").arg(QChar('a' + c)).arg(item.Choices[c])))
                    << item.Choices[c].toStdString();
        }
    }
}

TEST_F(WorksheetPdf, AnUnwritableTargetGivesAClearMessageAndLeavesNoFile) {
    COvning* oceania = Named("AREA", "Countries of Oceania");
    ASSERT_TRUE(oceania);
    QFile blocker(Path("a-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const QString& target : {Path("no-such-folder/sheet.pdf"), Path("a-file/sheet.pdf")}) {
        QString error;
        EXPECT_FALSE(SaveWorksheetPdf(*oceania, target, QPageSize::A4, &error));
        EXPECT_TRUE(error.contains(target)) << error.toStdString();
        EXPECT_FALSE(QFile::exists(target));
    }
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files | QDir::Hidden), QStringList{"a-file"});
}

TEST_F(WorksheetPdf, AFailedSheetLeavesTheFileThatWasThereAsItWas) {
    COvning* oceania = Named("AREA", "Countries of Oceania");
    ASSERT_TRUE(oceania);
    const QString target = Path("old.pdf");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the teacher's sheet");
    old.close();
    // A folder without the map files.
    ASSERT_TRUE(QDir(Path("")).mkdir("empty"));
    QString error;
    EXPECT_FALSE(SaveWorksheetPdf(*oceania, target, QPageSize::A4, &error, Path("empty")));
    EXPECT_TRUE(error.contains(".crp")) << error.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the teacher's sheet");
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files | QDir::Hidden), QStringList{"old.pdf"});
}

}  // namespace
