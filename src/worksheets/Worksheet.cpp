// SPDX-License-Identifier: MIT
// TWorksheet: the content of a worksheet (the map drawn by the game's own
// map code at print resolution, the flags, the questions), its layout on
// the page and its painting; the PDF written all or nothing.
#include "Worksheet.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImageReader>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <set>

#include "app/Generell.h"
#include "app/OwnTexts.h"
#include "data/Fileread.h"
#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "exercise/ExerciseItems.h"
#include "exercise/Ovmulti.h"
#include "exercise/ovning.h"
#include "platform/Random.h"
#include "screens/PictureScreen.h"
#include "worksheets/NumberLabels.h"

namespace {

constexpr double Margin = 36;  // half an inch
// Light colours, so that a school printer's ink goes to the outlines.
constexpr TColor PrintSea = Colors::White;
constexpr TColor PrintLand = MakeColor(214, 214, 214);
constexpr TColor PrintItems = MakeColor(255, 238, 184);
constexpr TColor PrintLakes = MakeColor(190, 215, 240);

QString Text(TOwnText text) {
    return OwnText(text, CurrentLanguage);
}

QFont Font(int points, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(points);  // the painter's window is in points
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The largest font size up to `points` that fits the text into the width;
// elided at the smallest.
QFont FittingFont(const QString& text, double width, int points, bool bold, QString& shown) {
    for (int size = points; size >= 6; --size) {
        const QFont f = Font(size, bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width || size == 6) {
            shown = QFontMetricsF(f).elidedText(text, Qt::ElideRight, width);
            return f;
        }
    }
    return Font(points, bold);
}

enum class TSheetSide { Sheet, Key };

// An item's number, right-aligned in its box, then a line to write its name
// on, or on the key the name itself.
void PaintNumberedLine(QPainter& p, const TSheetItem& item, TSheetSide side, double numberLeft,
                       double numberWidth, double from, double to, double base, int size) {
    p.setPen(Qt::black);
    p.setFont(Font(size, true));
    p.drawText(QRectF(numberLeft, base - size - 2, numberWidth, size + 4),
               Qt::AlignRight | Qt::AlignBottom, QString::number(item.Number) + QLatin1Char('.'));
    if (side == TSheetSide::Key) {
        QString shown;
        p.setFont(FittingFont(item.Name, to - from, size, false, shown));
        p.drawText(QRectF(from, base - size - 2, to - from, size + 4),
                   Qt::AlignLeft | Qt::AlignBottom, shown);
    } else {
        p.setPen(QPen(QColor(60, 60, 60), 0.5));
        p.drawLine(QPointF(from, base + 1), QPointF(to, base + 1));
    }
}

// The results history must not see the runs a worksheet makes.
class THistoryAside {
  public:
    THistoryAside() : saved_(CurrentResultsHistory()) { SetResultsHistory(nullptr); }
    ~THistoryAside() { SetResultsHistory(saved_); }

  private:
    TResultsHistory* saved_;
};

// The same questions every time: a fixed seed, and the program's own
// randomness put back afterwards.
class TFixedSeed {
  public:
    explicit TFixedSeed(quint64 seed) : saved_(FixedRandomSeed()) { SetFixedRandomSeed(seed); }
    ~TFixedSeed() {
        if (saved_)
            SetFixedRandomSeed(*saved_);
        else
            ClearFixedRandomSeed();
    }

  private:
    std::optional<quint64> saved_;
};

// The multiple-choice screen without a window: the questions are read off
// the exercise.
class TChoiceScreen : public TMultiExerciseScreen {
  public:
    TPicture& AnswerBox(int position) override { return boxes_[std::clamp(position, 1, 4) - 1]; }
    void DrawAnswer(TPicture&, TColor, const QString&) override {}
    void VisaFraga(const QString& text) override { Question = text; }
    void VisaProcent(int) override {}
    QString Question;

  private:
    TPicture boxes_[4];
};

QString LoadFailure(const Exception& e) {
    const QString what = e.FileName().isEmpty() ? e.Message() : e.FileName() + ": " + e.Message();
    return Text(TOwnText::WorksheetNotMade).arg(what);
}

double Distance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0.0;
    const QPointF d = a + t * ab - p;
    return std::hypot(d.x(), d.y());
}

// A point of the area's item to put its number at, on the picture, with the
// room around it (pixels to the nearest outline or edge): the marker's
// centre where it has one, else the roomiest point inside its pieces.
bool AreaAnchor(const CKarta& map, const QString& key, QPointF& at, double& room, bool& marker) {
    if (const TAreaMarker* m = map.Markers().Of(key)) {
        at = m->centre;
        room = map.Markers().RadiusPixels();
        marker = true;
        return true;
    }
    marker = false;
    const TMapProjection view = map.Projection();
    const auto project = [&](const GeoPoint& g) { return QPointF(view.Project(g)); };
    double best = -1;
    for (const auto& area : map.Areas->Areas) {
        if (!area->Selected || !area->Matches(key) || area->PointCount() < 3) continue;
        // Its own outline, and those of the areas inside its box (enclaves).
        std::vector<std::vector<QPointF>> rings;
        for (const auto& other : map.Areas->Areas) {
            if (other.get() != area.get() &&
                (other->North > area->North || other->South < area->South ||
                 other->East > area->East || other->West < area->West))
                continue;
            std::vector<QPointF> ring;
            for (const GeoPoint& g : other->Points) ring.push_back(project(g));
            rings.push_back(std::move(ring));
        }
        const int height =
            std::abs(view.LatToY(float(area->South)) - view.LatToY(float(area->North)));
        for (const QPoint& p : map.InteriorPixels(*area, std::max(3, height / 40))) {
            const CArea* there = map.Areas->AreaAt(view.PixelToPoint(p.x(), p.y()));
            if (!there || !there->Matches(key)) continue;
            double d = std::min(
                {double(p.x()), double(p.y()), double(view.W - p.x()), double(view.H - p.y())});
            for (const auto& ring : rings)
                for (std::size_t i = 0, j = ring.size() - 1; i < ring.size() && d > best; j = i++)
                    d = std::min(d, Distance(p, ring[j], ring[i]));
            if (d > best) {
                best = d;
                at = p;
            }
        }
    }
    room = best;
    return best >= 0;
}

QString AreaItemName(const CKarta& map, const QString& key) {
    if (const CArea* area = map.Areas->FindByCode(key)) return area->Names[CurrentLanguage];
    for (const auto& area : map.Areas->Areas)
        if (area->Matches(key)) return area->Names[CurrentLanguage];
    return key;
}

QImage LoadFlag(const QString& folder, const QString& file) {
    for (const char* sub : {"/flags2x/", "/flags/"}) {
        QFile f(folder + QLatin1String(sub) + file);
        if (!f.open(QIODevice::ReadOnly)) continue;
        QImageReader reader(&f, "bmp");
        const QImage image = reader.read();
        if (!image.isNull()) return image;
    }
    return {};
}

}  // namespace

TWorksheet::TWorksheet(const COvning& entry, QPageSize::PageSizeId paper, const QString& folder) {
    const QString dir = folder.isEmpty() ? ProgramDirectory() : folder;
    page_ = QPageSize(paper).size(QPageSize::Point);
    content_ = QRectF(Margin, Margin, page_.width() - 2 * Margin, page_.height() - 2 * Margin);
    bodyTop_ = content_.top() + 64;
    title_ = entry.Names[CurrentLanguage];
    if (title_.isEmpty()) title_ = entry.Names[2];
    try {
        if (entry.Kind == QLatin1String("AREA") || entry.Kind == QLatin1String("ORT"))
            MakeMapSheet(entry, dir);
        else if (entry.Kind == QLatin1String("FLAGG"))
            MakeFlagSheet(entry, dir);
        else
            MakeChoiceSheet(entry, dir);
    } catch (const Exception& e) {
        throw TWorksheetError(LoadFailure(e));
    }
    if (items_.empty())
        throw TWorksheetError(Text(TOwnText::WorksheetNotMade).arg(Text(TOwnText::WorksheetEmpty)));
}

TWorksheet::~TWorksheet() {
    // The exercise points at the map and the map at the picture: let go in order.
    if (exercise_) exercise_->Map = nullptr;
    exercise_.reset();
    map_.reset();
}

QPointF TWorksheet::OnPage(QPointF mapPixel) const {
    if (mapPicture_.isNull()) return mapRect_.topLeft();
    return mapRect_.topLeft() + QPointF(mapPixel.x() * mapRect_.width() / mapPicture_.width(),
                                        mapPixel.y() * mapRect_.height() / mapPicture_.height());
}

void TWorksheet::LayOutList(double top) {
    const int n = int(items_.size());
    listColumns_ = n <= 8 ? 2 : n <= 30 ? 3 : 4;
    const int rows = (n + listColumns_ - 1) / listColumns_;
    listRect_ = QRectF(content_.left(), top, content_.width(), rows * rowHeight_);
}

void TWorksheet::MakeMapSheet(const COvning& entry, const QString& folder) {
    kind_ = TKind::Map;
    const int n = int(TExerciseItems::KeysOf(entry, folder).size());
    labelFont_ = n <= 30 ? 9 : n <= 60 ? 8 : 7;
    // The list below the map: roomy lines to write on while the page allows,
    // the map keeping at least half the page's body.
    const int columns = n <= 8 ? 2 : n <= 30 ? 3 : 4;
    const int rows = std::max(1, (n + columns - 1) / columns);
    const double body = content_.bottom() - bodyTop_ - 10;
    rowHeight_ = 20;
    double mapHeight = std::min(content_.width() / 1.3, body - rows * rowHeight_);
    if (mapHeight < 0.5 * body) {
        rowHeight_ = std::max(13.0, 0.5 * body / rows);
        mapHeight = body - rows * rowHeight_;
    } else {
        rowHeight_ = std::min(28.0, (body - mapHeight) / rows);  // the room left, to write in
    }
    mapRect_ = QRectF(content_.left(), bodyTop_, content_.width(), std::floor(mapHeight));

    exercise_ = CreateExercise(entry.Kind);
    exercise_->CopyCatalogueFields(entry);
    exercise_->Kind = entry.Kind;
    exercise_->LandColor = PrintLand;
    exercise_->SeaColor = PrintSea;
    exercise_->AreaColor = PrintItems;
    map_ = LoadFullMap(entry.MapNo, entry.PlaceFileNo, folder);
    map_->ShowGrid = false;  // lines to tell from borders on paper
    map_->WaterColor = PrintLakes;
    exercise_->Map = map_.get();
    screen_ = std::make_unique<TPictureScreen>(
        QSize(int(mapRect_.width() * PixelsPerPoint), int(mapRect_.height() * PixelsPerPoint)),
        PixelRatio);
    {
        THistoryAside aside;
        exercise_->Start(*screen_);
    }
    if (!exercise_->Map) throw TWorksheetError(Text(TOwnText::WorksheetNotMade).arg(QString()));
    const CKarta& map = *map_;
    // Dark dots for the places: the game's green prints pale.
    const bool places = entry.Kind == QLatin1String("ORT");
    if (places && map.Places)
        for (COrt* p = map.Places->First; p; p = p->Next)
            if (p->Selected) map_->DrawPlace(*p, Colors::Black);
    mapPicture_ = screen_->Picture().Bitmap().copy();

    const double pointsPerPixel = 1.0 / PixelsPerPoint;
    std::vector<TNumberLabel> labels;
    if (places) {
        if (map.Places) {
            const double dot = map.Scaled(int(std::lround(map.W() / map.PixelRatio())) / 250 + 2);
            for (COrt* p = map.Places->First; p; p = p->Next) {
                if (!p->Selected) continue;
                TSheetItem item;
                item.Key = p->Code;
                item.Name = p->Names[CurrentLanguage];
                const TMapProjection view = map.Projection();
                item.Anchor = QPointF(view.Project({float(p->Latitude), float(p->Longitude)}));
                item.OnMap = view.InsideImage(int(item.Anchor.x()), int(item.Anchor.y()));
                items_.push_back(item);
                item.Mark = dot * pointsPerPixel;
                TNumberLabel l;
                l.Keep = item.Mark + 0.4;
                labels.push_back(l);
            }
        }
    } else {
        std::set<QString> seen;
        for (int i = 1; i <= entry.ItemCount; ++i) {
            const QString key = entry.Items[i];
            if (key.isEmpty() || !seen.insert(key).second) continue;
            TSheetItem item;
            item.Key = key;
            item.Name = AreaItemName(map, key);
            double room = 0;
            bool marker = false;
            item.OnMap = AreaAnchor(map, key, item.Anchor, room, marker);
            if (marker) item.Mark = room * pointsPerPixel;
            items_.push_back(item);
            TNumberLabel l;
            l.Keep = marker ? room * pointsPerPixel + 0.4 : 1.5;
            l.OnAnchor = !marker;
            l.Anchor = QPointF(room * pointsPerPixel, 0);  // the room, until placed
            labels.push_back(l);
        }
    }

    // Numbers in reading order: bands from north to south, west to east in each.
    const int n2 = int(items_.size());
    const int bands = std::clamp(int(std::lround(std::sqrt(n2 / 2.0))), 1, 7);
    std::vector<std::size_t> order(items_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const auto band = [&](const TSheetItem& it) {
        return it.OnMap ? std::min(bands - 1, int(it.Anchor.y() * bands / map.H())) : bands;
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int ba = band(items_[a]), bb = band(items_[b]);
        if (ba != bb) return ba < bb;
        return items_[a].Anchor.x() < items_[b].Anchor.x();
    });
    std::vector<TSheetItem> sorted;
    std::vector<TNumberLabel> sortedLabels;
    for (std::size_t i : order) {
        sorted.push_back(items_[i]);
        sortedLabels.push_back(labels[i]);
    }
    items_ = std::move(sorted);

    // The numbers' boxes, placed on the page.
    const QFontMetricsF metrics(Font(labelFont_, true));
    std::vector<TNumberLabel> onMap;
    std::vector<std::size_t> which;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        items_[i].Number = int(i) + 1;
        if (!items_[i].OnMap) continue;
        TNumberLabel l = sortedLabels[i];
        const double room = l.Anchor.x();
        l.Anchor = OnPage(items_[i].Anchor);
        l.Size = QSizeF(metrics.horizontalAdvance(QString::number(i + 1)) + 2.4,
                        metrics.ascent() + metrics.descent() * 0.5 + 1);
        if (l.OnAnchor) l.OnAnchor = room >= std::hypot(l.Size.width(), l.Size.height()) / 2 + 1;
        onMap.push_back(l);
        which.push_back(i);
    }
    PlaceNumberLabels(onMap, mapRect_.adjusted(1.5, 1.5, -1.5, -1.5));
    for (std::size_t k = 0; k < onMap.size(); ++k) {
        items_[which[k]].Label = onMap[k].Box;
        items_[which[k]].Leader = onMap[k].Leader;
    }
    LayOutList(mapRect_.bottom() + 10);
}

void TWorksheet::MakeFlagSheet(const COvning& entry, const QString& folder) {
    kind_ = TKind::Flags;
    const TExerciseItems items(entry, folder);
    for (const TItemInfo& info : items.Items()) {
        if (info.FlagFile.isEmpty()) continue;
        TSheetItem item;
        item.Key = info.Key;
        item.Name = info.Name;
        item.FlagFile = info.FlagFile;
        items_.push_back(item);
    }
    // Not in the catalogue's order, which often gives the answer away; the
    // same order every time.
    std::mt19937 draw(quint32(entry.Number) * 2654435761u + quint32(items_.size()));
    for (std::size_t i = items_.size(); i > 1; --i)
        std::swap(items_[i - 1], items_[std::size_t(draw() % i)]);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        items_[i].Number = int(i) + 1;
        flags_.push_back(LoadFlag(folder, items_[i].FlagFile));
    }
}

void TWorksheet::MakeChoiceSheet(const COvning& entry, const QString& folder) {
    kind_ = TKind::Choices;
    auto exercise = std::make_unique<COvningMulti>();
    exercise->CopyCatalogueFields(entry);
    map_ = LoadPlacesAndAreas(entry.MapNo, entry.PlaceFileNo, folder);
    exercise->Map = map_.get();
    TChoiceScreen screen;
    {
        THistoryAside aside;
        TFixedSeed seed(20240601u + quint64(entry.Number));
        exercise->Start(screen);
        QString question = screen.Question;
        while (!question.isEmpty() && int(items_.size()) < MaxChoiceQuestions &&
               exercise->CurrentPlace) {
            TSheetItem item;
            item.Number = int(items_.size()) + 1;
            item.Key = exercise->CurrentPlace->Code;
            item.Name = exercise->Answers[exercise->RightPos];
            item.Question = question;
            for (int i = 1; i <= 4; ++i) {
                if (exercise->Answers[i].isEmpty()) continue;
                if (i == exercise->RightPos) item.Right = int(item.Choices.size());
                item.Choices << exercise->Answers[i];
            }
            items_.push_back(item);
            // As a right answer leaves it, without the screen's wait.
            exercise->CurrentPlace->Answered = true;
            --map_->Places->RemainingCount;
            question = exercise->NextQuestion();
        }
        exercise->Abandon();
    }
    exercise->Map = nullptr;
}

// --- Painting --------------------------------------------------------------

void TWorksheet::PaintHeader(QPainter& p, int page) const {
    const bool key = page == 2;
    p.setPen(Qt::black);
    QString shown;
    p.setFont(FittingFont(title_, content_.width(), 16, true, shown));
    p.drawText(QRectF(content_.left(), content_.top(), content_.width(), 22),
               Qt::AlignLeft | Qt::AlignVCenter, shown);
    const double y = content_.top() + 30;
    p.setFont(Font(11));
    if (key) {
        p.setFont(Font(12, true));
        p.drawText(QRectF(content_.left(), y, content_.width(), 16),
                   Qt::AlignLeft | Qt::AlignVCenter, Text(TOwnText::WorksheetKey));
    } else {
        // Name and date, each with its line to write on.
        const QString name = Text(TOwnText::WorksheetName) + QLatin1Char(':');
        const QString date = Text(TOwnText::WorksheetDate) + QLatin1Char(':');
        const QFontMetricsF m(p.font());
        const double split = content_.left() + content_.width() * 0.68;
        const double base = y + 13;
        p.drawText(QPointF(content_.left(), base), name);
        p.drawText(QPointF(split, base), date);
        p.setPen(QPen(Qt::black, 0.6));
        p.drawLine(QPointF(content_.left() + m.horizontalAdvance(name) + 4, base + 1),
                   QPointF(split - 14, base + 1));
        p.drawLine(QPointF(split + m.horizontalAdvance(date) + 4, base + 1),
                   QPointF(content_.right(), base + 1));
    }
    if (key) return;
    p.setPen(QColor(70, 70, 70));
    p.setFont(Font(9));
    const TOwnText task = kind_ == TKind::Map     ? TOwnText::WorksheetMapTask
                          : kind_ == TKind::Flags ? TOwnText::WorksheetFlagTask
                                                  : TOwnText::WorksheetChoiceTask;
    p.drawText(QRectF(content_.left(), y + 20, content_.width(), 12),
               Qt::AlignLeft | Qt::AlignVCenter, Text(task));
}

void TWorksheet::PaintMap(QPainter& p) const {
    p.drawImage(mapRect_, mapPicture_);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFont font = Font(labelFont_, true);
    p.setFont(font);
    for (const TSheetItem& item : items_) {
        if (!item.OnMap || !item.Leader) continue;
        const QPointF a = OnPage(item.Anchor);
        const QPointF b = NearestOnBox(item.Label, a);
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        // From the edge of the item's marker or dot; from a dot of its own inside an area.
        const QPointF from = length > 0 ? a + (b - a) * (item.Mark / length) : a;
        p.setPen(QPen(Qt::black, 0.5));
        p.drawLine(from, b);
        if (item.Mark > 0) continue;
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        p.drawEllipse(a, 1.1, 1.1);
    }
    for (const TSheetItem& item : items_) {
        if (!item.OnMap) continue;
        p.setPen(QPen(QColor(40, 40, 40), 0.4));
        p.setBrush(Qt::white);
        p.drawRoundedRect(item.Label, 1.2, 1.2);
        p.setPen(Qt::black);
        p.drawText(item.Label, Qt::AlignCenter, QString::number(item.Number));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 0.8));
    p.drawRect(mapRect_);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void TWorksheet::PaintList(QPainter& p, bool key) const {
    const int n = int(items_.size());
    const int rows = (n + listColumns_ - 1) / listColumns_;
    const double columnWidth = listRect_.width() / listColumns_;
    const int size = rowHeight_ >= 18 ? 10 : 9;
    for (int i = 0; i < n; ++i) {
        const double x = listRect_.left() + (i / rows) * columnWidth;
        const double base = listRect_.top() + (i % rows + 1) * rowHeight_ - 4;
        PaintNumberedLine(p, items_[std::size_t(i)], key ? TSheetSide::Key : TSheetSide::Sheet, x,
                          22, x + 26, x + columnWidth - 8, base, size);
    }
}

void TWorksheet::PaintFlags(QPainter& p, bool key) const {
    const int n = int(items_.size());
    const double height = content_.bottom() - bodyTop_;
    int columns = 3;
    double cellW = 0, flagH = 0, cellH = 0;
    for (; columns <= 12; ++columns) {
        cellW = content_.width() / columns;
        flagH = (cellW - 14) * 0.6;
        cellH = flagH + 30;
        if (((n + columns - 1) / columns) * cellH <= height) break;
    }
    for (int i = 0; i < n; ++i) {
        const double x = content_.left() + (i % columns) * cellW;
        const double y = bodyTop_ + (i / columns) * cellH;
        const QRectF box(x + 7, y + 4, cellW - 14, flagH);
        const QImage& flag = flags_[std::size_t(i)];
        if (!flag.isNull()) {
            QSizeF s = flag.size();
            s.scale(box.size(), Qt::KeepAspectRatio);
            const QRectF at(box.center() - QPointF(s.width() / 2, s.height() / 2), s);
            p.drawImage(at, flag);
            // A thin grey edge, so a white field shows on white paper.
            p.setPen(QPen(QColor(150, 150, 150), 0.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(at);
        }
        const double base = y + 4 + flagH + 15;
        const int size = cellW >= 90 ? 10 : 8;
        PaintNumberedLine(p, items_[std::size_t(i)], key ? TSheetSide::Key : TSheetSide::Sheet,
                          x + 2, 20, x + 25, x + cellW - 6, base, size);
    }
}

void TWorksheet::PaintChoices(QPainter& p, bool key) const {
    const int n = int(items_.size());
    const double block = std::min(36.0, (content_.bottom() - bodyTop_) / std::max(1, n));
    const double choiceWidth = (content_.width() - 20) / 4;
    for (int i = 0; i < n; ++i) {
        const TSheetItem& item = items_[std::size_t(i)];
        const double y = bodyTop_ + i * block;
        QString shown;
        p.setPen(Qt::black);
        p.setFont(Font(10, true));
        p.drawText(QRectF(content_.left(), y, 20, 13), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(item.Number) + QLatin1Char('.'));
        p.setFont(FittingFont(item.Question, content_.width() - 24, 10, false, shown));
        p.drawText(QRectF(content_.left() + 24, y, content_.width() - 24, 13),
                   Qt::AlignLeft | Qt::AlignVCenter, shown);
        for (int c = 0; c < int(item.Choices.size()); ++c) {
            const QRectF cell(content_.left() + 20 + c * choiceWidth, y + 14, choiceWidth - 6, 14);
            const bool right = key && c == item.Right;
            const QString text = QString(QChar('a' + c)) + QStringLiteral(") ") + item.Choices[c];
            p.setPen(Qt::black);
            p.setFont(FittingFont(text, cell.width() - 8, 10, right, shown));
            p.drawText(cell.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, shown);
            if (right) {
                p.setRenderHint(QPainter::Antialiasing, true);
                p.setPen(QPen(Qt::black, 1));
                p.setBrush(Qt::NoBrush);
                const double w = QFontMetricsF(p.font()).horizontalAdvance(shown) + 10;
                p.drawEllipse(QRectF(cell.left(), cell.top() - 1, std::min(w, cell.width()),
                                     cell.height() + 2));
                p.setRenderHint(QPainter::Antialiasing, false);
            }
        }
    }
}

void TWorksheet::PaintPage(QPainter& p, int page) const {
    const bool key = page == 2;
    PaintHeader(p, page);
    switch (kind_) {
        case TKind::Map:
            PaintMap(p);
            PaintList(p, key);
            break;
        case TKind::Flags:
            PaintFlags(p, key);
            break;
        case TKind::Choices:
            PaintChoices(p, key);
            break;
    }
}

bool TWorksheet::Print(QPagedPaintDevice& device) const {
    QPainter p;
    if (!p.begin(&device)) return false;
    for (int page = 1; page <= PageCount; ++page) {
        if (page > 1 && !device.newPage()) return false;
        // Points on the page, whatever the device's resolution.
        p.setViewport(0, 0, device.width(), device.height());
        p.setWindow(0, 0, int(std::lround(page_.width())), int(std::lround(page_.height())));
        PaintPage(p, page);
    }
    return p.end();
}

QPageSize::PageSizeId DefaultPaper(const QLocale& locale) {
    switch (locale.territory()) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Philippines:
        case QLocale::Chile:
        case QLocale::Colombia:
        case QLocale::Venezuela:
        case QLocale::PuertoRico:
        case QLocale::Guatemala:
        case QLocale::CostaRica:
        case QLocale::Panama:
        case QLocale::DominicanRepublic:
        case QLocale::ElSalvador:
        case QLocale::Nicaragua:
            return QPageSize::Letter;
        default:
            return QPageSize::A4;
    }
}

bool SaveWorksheetPdf(const COvning& entry, const QString& file, QPageSize::PageSizeId paper,
                      QString* error, const QString& folder) {
    const auto fail = [&](const QString& message) {
        if (error) *error = message;
        return false;
    };
    std::unique_ptr<TWorksheet> sheet;
    try {
        sheet = std::make_unique<TWorksheet>(entry, paper, folder);
    } catch (const TWorksheetError& e) {
        return fail(e.Message);
    }
    // Into a temporary file beside the target, renamed over it once whole.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return fail(Text(TOwnText::WorksheetFailed).arg(file, out.errorString()));
    bool painted = false;
    {
        QPdfWriter writer(&out);
        writer.setPageSize(QPageSize(paper));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setTitle(sheet->Title());
        writer.setCreator(QStringLiteral("Glomira"));
        painted = sheet->Print(writer);
    }
    if (!painted) {
        out.cancelWriting();
        return fail(Text(TOwnText::WorksheetFailed).arg(file, out.errorString()));
    }
    if (!out.commit()) return fail(Text(TOwnText::WorksheetFailed).arg(file, out.errorString()));
    return true;
}
