// SPDX-License-Identifier: MIT
// The map screen's teaching aids on the delivered data: the hint zooms to a
// small country and back, never to a large one, and leaves the score alone;
// a wrong click on a country shows its flag; ShowItem blinks an item and
// changes nothing of the run.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <climits>
#include <set>

#include "ScreenTest.h"
#include "data/UKarta.h"
#include "exercise/AnswerPixel.h"
#include "exercise/ItemFocus.h"
#include "exercise/OvLand.h"
#include "exercise/OvOrt.h"
#include "screens/Unit1.h"

namespace {

constexpr int CountriesOfEurope = 1;
constexpr int MaxQuestions = 80;
const QStringList Tiny{"LI", "VA", "MT"};
const QStringList Large{"FR", "DE", "ES", "UA", "PL", "SE", "NO", "FI", "IT", "RO", "GB"};

class HintTest : public DeliveredDataTest {
  protected:
    void SetUp() override {
        DeliveredDataTest::SetUp();
        CorrectColor = MakeColor(250, 0, 250);  // a colour no map has
    }

    COvning* Exercise(int number) const { return ByNumber(number); }
    // The first area exercise of regions of one country (none with flags of their own).
    COvning* RegionExercise() const {
        for (COvning* e = catalogue.First; e; e = e->Next)
            if (e->Kind == "AREA" && e->Items[1].contains('-') && !e->Items[1].startsWith("GB"))
                return e;
        return nullptr;
    }

    void Start(COvning& exercise, bool hintZoom = true) {
        entry = &exercise;
        screen = std::make_unique<TfrmOvningKarta>();
        screen->HintZoom = hintZoom;
        screen->StartExercise(exercise);
        Settle();
    }
    CKarta& Map() const { return *screen->MapObject; }
    QString Asked() const { return static_cast<COvningLandArea&>(*entry).CurrentKey; }
    TMapView View() const { return TMapView::Of(Map()); }
    double Span() const { return double(Map().TopLatitude) - Map().BottomLatitude; }

    void ClickMap(QPoint at) {
        QTest::mouseClick(screen->imgKartaBox, Qt::LeftButton, {}, at);
        Settle();
        ASSERT_TRUE(WaitFor([&] { return !screen->RedrawPending(); }));
    }
    void AnswerRight() {
        const std::optional<QPoint> at = AnswerPixel(Map(), *entry);
        ASSERT_TRUE(at) << "nothing answers " << Asked().toStdString();
        ClickMap(*at);
    }
    // Answers right until one of the keys is asked; false when none comes.
    bool AskUntil(const QStringList& keys) {
        for (int i = 0; i < MaxQuestions && !entry->Finished; ++i) {
            if (keys.contains(Asked())) return true;
            AnswerRight();
        }
        return false;
    }
    // A pixel on an open country of the exercise other than the asked one,
    // clear of the markers: a click there is a counted wrong answer.
    std::optional<QPoint> WrongPixel() const {
        for (int i = 1; i <= entry->ItemCount; ++i) {
            const QString key = entry->Items[i];
            if (key == Asked() || entry->Done[i]) continue;
            if (const std::optional<QPoint> p = PixelOf(key)) return p;
        }
        return std::nullopt;
    }
    // A pixel on the picture that a click would take for the open area.
    std::optional<QPoint> PixelOf(const QString& key) const {
        const CKarta& map = Map();
        for (const auto& area : map.Areas->Areas) {
            if (!area->Selected || !area->Matches(key)) continue;
            // Zoomed in, the seeds may lie off the picture.
            std::vector<QPoint> points = map.InteriorPixels(*area, 8);
            points.insert(points.begin(), QPoint(map.LonLatToX(area->Seed1.Lon, area->Seed1.Lat),
                                                 map.LatToY(area->Seed1.Lat)));
            for (const QPoint& p : points) {
                if (!map.InsideImage(p.x(), p.y()) || map.Markers().At(p)) continue;
                const CArea* hit = map.Areas->AreaAt(map.ClickPoint(p.x(), p.y()));
                if (hit && hit->Matches(key) && !hit->Answered) return p;
            }
        }
        return std::nullopt;
    }
    void ClickWrong() {
        const std::optional<QPoint> at = WrongPixel();
        ASSERT_TRUE(at) << "no open country to click wrongly";
        const int wrong = entry->WrongCount;
        ClickMap(*at);
        ASSERT_EQ(entry->WrongCount, wrong + 1);
    }
    // The projected box of the asked country's pieces.
    QRect AskedBox() const {
        int x0 = INT_MAX, x1 = INT_MIN, y0 = INT_MAX, y1 = INT_MIN;
        for (const auto& area : Map().Areas->Areas) {
            if (!area->Selected || !area->Matches(Asked())) continue;
            for (const GeoPoint& p : area->Points) {
                const int x = Map().LonLatToX(p.Lon, p.Lat), y = Map().LatToY(p.Lat);
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
        }
        return QRect(QPoint(x0, y0), QPoint(x1, y1));
    }
    int PixelsOf(TColor colour) const {
        const QImage& image = screen->imgKarta().Bitmap();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (FromQRgb(image.pixel(x, y)) == colour) ++n;
        return n;
    }

    COvning* entry = nullptr;
    std::unique_ptr<TfrmOvningKarta> screen;
};

TEST_F(HintTest, TheHintZoomsToASmallCountryAndTheViewComesBackAfterTheAnswer) {
    Start(*Exercise(CountriesOfEurope));
    screen->tmrBlinka->setInterval(20);
    ASSERT_TRUE(AskUntil(Tiny));
    const QString tiny = Asked();
    ASSERT_NE(Map().Markers().Of(tiny), nullptr) << tiny.toStdString() << " has no marker";
    const TMapView before = View();
    const double span = Span();
    const int limeBefore = PixelsOf(CorrectColor);

    ClickWrong();
    ClickWrong();
    EXPECT_EQ(View(), before);  // no hint yet
    ClickWrong();
    ASSERT_NE(View(), before);
    EXPECT_LE(Span(), span / 2);
    EXPECT_GE(Span(), span / 16 - 1e-3);
    const QPoint centre(screen->imgKarta().Width() / 2, screen->imgKarta().Height() / 2);
    EXPECT_LE((AskedBox().center() - centre).manhattanLength(), 6);
    EXPECT_NE(entry->BlinkState, 0);
    // The blink goes on in the new view, far larger than before.
    ASSERT_TRUE(WaitFor([&] { return PixelsOf(CorrectColor) > limeBefore + 100; }));
    EXPECT_EQ(screen->lblProcent->text(), QString::number(entry->Percent) + " %");

    // Clicked in the zoomed view, the answer is right; then the view is back.
    AnswerRight();
    EXPECT_NE(Asked(), tiny);
    EXPECT_EQ(entry->Tries, 0);
    EXPECT_EQ(View(), before);
}

TEST_F(HintTest, TheHintLeavesALargeCountryInTheViewItHas) {
    Start(*Exercise(CountriesOfEurope));
    ASSERT_TRUE(AskUntil(Large));
    ASSERT_GE(std::max(AskedBox().width(), AskedBox().height()), 30);
    const TMapView before = View();
    for (int i = 0; i < 3; ++i) ClickWrong();
    EXPECT_EQ(entry->BlinkState, 1);
    EXPECT_EQ(View(), before);
    AnswerRight();
    EXPECT_EQ(View(), before);
}

// The player's own zoom during the hint is theirs to keep.
TEST_F(HintTest, AViewThePlayerChoseDuringTheHintStays) {
    Start(*Exercise(CountriesOfEurope));
    ASSERT_TRUE(AskUntil(Tiny));
    const TMapView before = View();
    for (int i = 0; i < 3; ++i) ClickWrong();
    ASSERT_NE(View(), before);
    QTest::keyClick(screen.get(), Qt::Key_Minus);
    ASSERT_TRUE(WaitFor([&] { return !screen->RedrawPending(); }));
    const TMapView chosen = View();
    ASSERT_NE(chosen, before);
    AnswerRight();
    EXPECT_EQ(View(), chosen);
}

// Two runs with the same questions and the same clicks, one zooming: the
// counts, the percentages, the hint's colours and the answers' colours agree.
TEST_F(HintTest, TheZoomChangesNoScore) {
    struct Outcome {
        QStringList percents, keys;
        QList<QList<TColor>> hintColours;
        QList<bool> zoomed;  // per question with a hint
        std::map<QString, int> attempts;
        int asked = 0, wrong = 0;
    };
    const auto play = [&](bool zoom) {
        Outcome out;
        SetFixedRandomSeed(4711);
        Start(*Exercise(CountriesOfEurope), zoom);
        screen->tmrBlinka->setInterval(10);
        bool tinyDone = false;
        for (int q = 0; q < MaxQuestions && !tinyDone && !entry->Finished; ++q) {
            const bool tiny = Tiny.contains(Asked());
            out.keys << Asked();
            if (q < 2 || tiny) {
                const TMapView before = View();
                for (int i = 0; i < 4; ++i) {
                    ClickWrong();
                    out.percents << screen->lblProcent->text();
                }
                // The hint blinks between its two colours, zoomed or not.
                std::set<TColor> seen;
                WaitFor([&] {
                    if (entry->HintColour != 0) seen.insert(entry->HintColour);
                    return seen.size() >= 2;
                });
                out.hintColours << QList<TColor>(seen.begin(), seen.end());
                out.zoomed << !(View() == before);
                tinyDone = tiny;
            }
            AnswerRight();
            out.percents << screen->lblProcent->text();
        }
        for (const auto& area : Map().Areas->Areas)
            if (area->Answered) out.attempts[area->Code] = area->Attempts;
        out.asked = entry->Asked;
        out.wrong = entry->WrongCount;
        return out;
    };
    const Outcome zoomed = play(true);
    const Outcome plain = play(false);
    ASSERT_EQ(zoomed.keys, plain.keys);
    ASSERT_TRUE(Tiny.contains(zoomed.keys.last()));
    EXPECT_TRUE(zoomed.zoomed.last());
    EXPECT_FALSE(plain.zoomed.contains(true));
    EXPECT_EQ(zoomed.percents, plain.percents);
    EXPECT_EQ(zoomed.hintColours, plain.hintColours);
    EXPECT_EQ(zoomed.hintColours.last(), (QList<TColor>{Colors::Green, CorrectColor}));
    EXPECT_EQ(zoomed.attempts, plain.attempts);
    EXPECT_EQ(zoomed.attempts.at(zoomed.keys.last()), 5);
    EXPECT_EQ(zoomed.asked, plain.asked);
    EXPECT_EQ(zoomed.wrong, plain.wrong);
    EXPECT_EQ(zoomed.wrong, 4 * zoomed.zoomed.size());
}

TEST_F(HintTest, AWrongClickOnACountryShowsItsFlagBesideTheName) {
    Start(*Exercise(CountriesOfEurope));
    const std::optional<QPoint> at = WrongPixel();
    ASSERT_TRUE(at);
    const CArea* hit = Map().Areas->AreaAt(Map().ClickPoint(at->x(), at->y()));
    ASSERT_TRUE(hit);
    ClickMap(*at);
    QLabel* label = screen->lblNamn;
    QLabel* flag = screen->imgNamnFlagga;
    ASSERT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), hit->Names[CurrentLanguage]);
    ASSERT_TRUE(flag->isVisible());
    const QPixmap shown = flag->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.deviceIndependentSize().toSize().height(), 16);
    // The clicked country's own flag, not the asked one's.
    const QImage own = QImage(ProgramDirectory() + "/flags/" + hit->Code.toLower() + ".bmp")
                           .scaledToHeight(16, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32), own);
    // Beside the name, inside the label, the name not covered.
    const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
    EXPECT_GE(label->width(), textWidth + flag->width() + 4);
    EXPECT_GE(label->contentsMargins().left(), flag->geometry().right() + 1);
    EXPECT_TRUE(label->geometry().contains(flag->geometry().translated(label->pos())));

    // The next plain name has no flag.
    screen->ShowName("Somewhere", 50, 50, true);
    EXPECT_FALSE(flag->isVisible());
    EXPECT_EQ(label->width(), label->fontMetrics().horizontalAdvance("Somewhere") + 4);
}

TEST_F(HintTest, AWrongClickOnARegionShowsTheNameAlone) {
    COvning* regions = RegionExercise();
    ASSERT_NE(regions, nullptr);
    Start(*regions);
    const std::optional<QPoint> at = WrongPixel();
    ASSERT_TRUE(at);
    ClickMap(*at);
    ASSERT_TRUE(screen->lblNamn->isVisible());
    EXPECT_FALSE(screen->imgNamnFlagga->isVisible());
    EXPECT_EQ(screen->lblNamn->width(),
              screen->lblNamn->fontMetrics().horizontalAdvance(screen->lblNamn->text()) + 4);
}

TEST_F(HintTest, ShowItemBlinksAnItemAndChangesNothingOfTheRun) {
    Start(*Exercise(CountriesOfEurope));
    screen->tmrShowItem->setInterval(15);
    // Some answers and a wrong click, so there is a state to keep.
    AnswerRight();
    ClickWrong();
    AnswerRight();
    ClickWrong();
    ASSERT_TRUE(WaitFor([&] { return !screen->RedrawPending(); }));
    QTest::qWait(50);
    const QImage before = screen->imgKarta().Bitmap().copy();
    const TMapView view = View();
    const auto counts = [&] {
        return QList<int>{entry->Asked,        entry->WrongCount, entry->Percent,
                          entry->Tries,        entry->BlinkState, int(entry->HintColour),
                          int(entry->Finished)};
    };
    const QList<int> countsBefore = counts();
    const QString question = screen->lblFraga->text();
    const QString percent = screen->lblProcent->text();

    // A large open country: shown where it is, blinking, then as before.
    QString large;
    std::optional<QPoint> seed;
    for (const QString& key : Large)
        if (large.isEmpty() && key != Asked() && (seed = PixelOf(key))) large = key;
    ASSERT_TRUE(seed);
    ASSERT_TRUE(screen->ShowItem(large));
    EXPECT_TRUE(WaitFor(
        [&] { return FromQRgb(screen->imgKarta().Bitmap().pixel(*seed)) == CorrectColor; }));
    ASSERT_TRUE(
        WaitFor([&] { return !screen->tmrShowItem->isActive() && !screen->RedrawPending(); }));
    EXPECT_EQ(View(), view);
    EXPECT_EQ(screen->imgKarta().Bitmap(), before);
    EXPECT_EQ(counts(), countsBefore);
    EXPECT_EQ(screen->lblFraga->text(), question);
    EXPECT_EQ(screen->lblProcent->text(), percent);

    // A tiny one: zoomed in on, then in its own colour again.
    const QString tiny = Asked() == "VA" ? "LI" : "VA";
    ASSERT_TRUE(screen->ShowItem(tiny));
    EXPECT_LE(Span(), (double(view.Top) - view.Bottom) / 2);
    const CArea& small = *Map().Areas->FindByCode(tiny);
    const TAreaMarker* marker = Map().Markers().Of(tiny);
    const QPoint on = marker ? marker->centre
                             : QPoint(Map().LonLatToX(small.Seed1.Lon, small.Seed1.Lat),
                                      Map().LatToY(small.Seed1.Lat));
    const auto colourOn = [&] { return FromQRgb(screen->imgKarta().Bitmap().pixel(on)); };
    EXPECT_TRUE(WaitFor([&] { return colourOn() == CorrectColor; }));
    ASSERT_TRUE(
        WaitFor([&] { return !screen->tmrShowItem->isActive() && !screen->RedrawPending(); }));
    TColor state = 0;
    ASSERT_TRUE(Map().SelectedAreaColour(small, state));
    EXPECT_EQ(colourOn(), state);
    EXPECT_EQ(PixelsOf(CorrectColor), 0);
    EXPECT_EQ(counts(), countsBefore);

    EXPECT_FALSE(screen->ShowItem("XX"));
    EXPECT_FALSE(screen->tmrShowItem->isActive());
    // The player's own view is a keypress away.
    QTest::keyClick(screen.get(), Qt::Key_Home);
    ASSERT_TRUE(WaitFor([&] { return !screen->RedrawPending(); }));
    EXPECT_EQ(View(), view);
    EXPECT_EQ(screen->imgKarta().Bitmap(), before);
}

// A city is always small: its hint zooms to it, the answer is judged in
// that view, and the view comes back; ShowItem finds a city the same way.
TEST_F(HintTest, TheHintAndShowItemZoomToACityAndTheViewComesBack) {
    COvning* capitals = Named("ORT", "Capitals of Europe");
    ASSERT_NE(capitals, nullptr);
    Start(*capitals);
    auto& places = static_cast<COvningOrt&>(*entry);
    ASSERT_TRUE(places.CurrentPlace);
    const QString asked = places.CurrentPlace->Code;
    const TMapView before = View();
    const double span = Span();
    for (int i = 0; i < 3; ++i) {
        const std::optional<QPoint> miss = MissPixel(Map(), *entry);
        ASSERT_TRUE(miss);
        const int wrong = entry->WrongCount;
        ClickMap(*miss);
        ASSERT_EQ(entry->WrongCount, wrong + 1);
    }
    ASSERT_NE(View(), before);
    EXPECT_LE(Span(), span / 2);
    const QPoint centre(screen->imgKarta().Width() / 2, screen->imgKarta().Height() / 2);
    const COrt& city = *places.CurrentPlace;
    const QPoint at(Map().LonLatToX(float(city.Longitude), float(city.Latitude)),
                    Map().LatToY(float(city.Latitude)));
    EXPECT_LE((at - centre).manhattanLength(), 6);
    AnswerRight();
    EXPECT_TRUE(city.Answered);
    EXPECT_EQ(View(), before);

    // The review's call: the city answered above, shown again, nothing counted.
    const int counted = entry->Asked;
    ASSERT_TRUE(screen->ShowItem(asked));
    EXPECT_LE(Span(), span / 2);
    EXPECT_EQ(entry->Asked, counted);
}

}  // namespace
