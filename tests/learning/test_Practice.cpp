// SPDX-License-Identifier: MIT
// Practice runs and exploring, on the delivered data and the real screens:
// a practice run asks only its keys, is recorded as practice, never reaches
// the top-ten form or the score file, and ends in its review; exploring
// names what the pointer is on and counts nothing.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/OwnTexts.h"
#include "data/UKarta.h"
#include "exercise/AnswerPixel.h"
#include "exercise/ExerciseItems.h"
#include "exercise/MapExplorer.h"
#include "exercise/OvFlagga.h"
#include "exercise/Ovmulti.h"
#include "history/ResultsHistory.h"
#include "scores/ScoreFile.h"
#include "screens/ScreenSupport.h"
#include "screens/ScreenTest.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

constexpr int MaxQuestions = 200;

class DeliveredData : public DeliveredDataTest {
  protected:
    void SetUp() override {
        DeliveredDataTest::SetUp();
        SetRunReview([this](COvning& run, TOvningsformular*) {
            reviewed << run.Number;
            reviewedPercent = run.Percent;
            reviewedRecord = run.RunRecord;
        });
    }
    void TearDown() override {
        SetRunReview({});
        SetResultsHistory(nullptr);
        DeliveredDataTest::TearDown();
    }

    const COvning& Find(const QString& kind, const QString& name) const {
        const COvning* found = Named(kind, name);
        if (!found)
            ADD_FAILURE() << "no " << kind.toStdString() << " exercise like " << name.toStdString();
        return found ? *found : *catalogue.First;
    }

    // Plays the run on its screen to its end; the first question is first
    // answered wrong once. Returns the keys asked, in order.
    QStringList Play(COvning& run) {
        QStringList asked;
        const auto ask = [&] {
            if (!run.AskedKey().isEmpty() && (asked.isEmpty() || asked.last() != run.AskedKey()))
                asked << run.AskedKey();
        };
        bool missedOnce = false;
        if (ScreenKindFor(run.Kind) == TScreenKind::Flags) {
            TfrmOvningFlagga screen;
            screen.StartExercise(run);
            auto& flags = static_cast<COvningFlagga&>(run);
            for (int i = 0; i < MaxQuestions && reviewed.isEmpty(); ++i) {
                ask();
                int p = flags.CurrentPos;
                if (!missedOnce) p = p % flags.FlagCount + 1;  // the next flag: wrong
                missedOnce = true;
                const QPoint centre(int((((p - 1) % 4) + 0.5) * screen.CellWidth),
                                    int((((p - 1) / 4) + 0.5) * screen.CellHeight));
                QTest::mouseClick(screen.imgFlags, Qt::LeftButton, {}, centre);
            }
            note = Noted(screen);
            return asked;
        }
        if (ScreenKindFor(run.Kind) == TScreenKind::MultipleChoice) {
            TfrmOvningMulti screen;
            screen.tmrTimer->setInterval(1);
            screen.StartExercise(run);
            Settle();
            auto& multi = static_cast<COvningMulti&>(run);
            for (int i = 0; i < MaxQuestions && reviewed.isEmpty(); ++i) {
                ask();
                int p = multi.RightPos;
                if (!missedOnce) p = p % 4 + 1;
                missedOnce = true;
                QTest::mouseClick(screen.imgSvar[std::size_t(p - 1)], Qt::LeftButton, {},
                                  QPoint(10, 10));
                Settle();
            }
            note = Noted(screen);
            return asked;
        }
        TfrmOvningKarta screen;
        screen.StartExercise(run);
        Settle();
        for (int i = 0; i < MaxQuestions && reviewed.isEmpty(); ++i) {
            ask();
            std::optional<QPoint> hit = AnswerPixel(*screen.MapObject, run);
            EXPECT_TRUE(hit) << "no pixel answers " << screen.lblFraga->text().toStdString();
            if (!hit) break;
            if (!missedOnce) {
                // Another country (an area exercise counts no click in the sea),
                // or the place nearest the picture's corner.
                const CKarta& map = *screen.MapObject;
                const bool germany = run.AskedKey() != "DE";
                const float lat = germany ? 51 : 46.5f, lon = germany ? 10 : 2.5f;
                const QPoint wrong = run.Kind == "AREA"
                                         ? QPoint(map.LonLatToX(lon, lat), map.LatToY(lat))
                                         : QPoint(3, 3);
                QTest::mouseClick(screen.imgKartaBox, Qt::LeftButton, {}, wrong);
                Settle();
            }
            missedOnce = true;
            QTest::mouseClick(screen.imgKartaBox, Qt::LeftButton, {}, *hit);
            Settle();
        }
        note = Noted(screen);
        return asked;
    }

    // The screen says the run is practice: a note on it, and in its title
    // after the screen's own.
    static bool Noted(const TExerciseScreen& screen) {
        const QString note = OwnText(TOwnText::PracticeNote, CurrentLanguage);
        return screen.PracticeNote() && screen.PracticeNote()->isVisible() &&
               screen.PracticeNote()->text() == note && screen.windowTitle().endsWith(note) &&
               screen.windowTitle().size() > note.size() + 3;
    }

    QList<int> reviewed;
    int reviewedPercent = -1;
    std::vector<COvning::TAskedItem> reviewedRecord;
    bool note = false;
};

// Each kind: three of the exercise's keys, asked once each and nothing else;
// the run is history as practice, its review follows, and no top ten.
TEST_F(DeliveredData, APracticeRunOfEachKindAsksOnlyItsKeysAndEndsInTheReviewNotTheTopTen) {
    TResultsHistory history(Path("history.sqlite"));
    SetResultsHistory(&history);
    const struct {
        const char* kind;
        const char* name;
    } cases[] = {{"AREA", "Countries of Europe"},
                 {"FLAGG", "Flags"},
                 {"ORT", "Capitals"},
                 {"MULTI", "Capitals and countries"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const COvning& entry = Find(c.kind, c.name);
        const QStringList all = TExerciseItems::KeysOf(entry);
        ASSERT_GE(all.size(), 6);
        const QStringList keys{all[1], all[all.size() / 2], all.last()};
        std::unique_ptr<COvning> practice = COvning::PracticeOf(entry, keys);
        reviewed.clear();
        const QStringList asked = Play(*practice);
        QStringList sortedAsked = asked, sortedKeys = keys;
        sortedAsked.sort();
        sortedKeys.sort();
        EXPECT_EQ(sortedAsked, sortedKeys);
        EXPECT_TRUE(topTen.isEmpty());
        EXPECT_EQ(reviewed, QList<int>{entry.Number});
        EXPECT_TRUE(note) << "the screen says it is practice";
        ASSERT_EQ(reviewedRecord.size(), 3u);
        EXPECT_TRUE(reviewedRecord.front().Missed());
        EXPECT_LT(reviewedPercent, 100);
        history.Flush();
        const auto runs = history.Runs(entry.Number);
        ASSERT_FALSE(runs.empty());
        EXPECT_TRUE(runs.front().practice);
        EXPECT_TRUE(runs.front().finished);
        EXPECT_EQ(runs.front().percent, reviewedPercent);
        EXPECT_EQ(history.Questions(runs.front().id).size(), 3u);
    }
}

// The real top-ten form is installed, as in the program: a full run writes
// the score file, a practice run of the same exercise never does.
TEST_F(DeliveredData, APracticeRunNeverWritesTheScoreFile) {
    const QString folder = Path("scores");
    ASSERT_TRUE(QDir().mkpath(folder));
    SetScoreFolder(folder);
    InstallTopTenForm();
    // Any form that opens is answered at once, so a fault shows as a file, not a hang.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QTest::keyClicks(modal->focusWidget(), "Kim");
            QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
        }
    });
    closer.start(50);
    const COvning& entry = Find("FLAGG", "Flags");
    const QStringList keys = TExerciseItems::KeysOf(entry).mid(0, 2);
    std::unique_ptr<COvning> practice = COvning::PracticeOf(entry, keys);
    Play(*practice);
    EXPECT_EQ(reviewed.size(), 1);
    EXPECT_FALSE(QFile::exists(HighScoreFile())) << HighScoreFile().toStdString();

    // The same exercise in full does write it: the check above can fail.
    std::unique_ptr<COvning> full = COvning::PracticeOf(entry, {});
    full->Practice = false;
    reviewed.clear();
    TfrmOvningFlagga screen;
    screen.StartExercise(*full);
    auto& flags = static_cast<COvningFlagga&>(*full);
    for (int i = 0; i < MaxQuestions && !QFile::exists(HighScoreFile()); ++i) {
        const int p = flags.CurrentPos;
        QTest::mouseClick(screen.imgFlags, Qt::LeftButton, {},
                          QPoint(int((((p - 1) % 4) + 0.5) * screen.CellWidth),
                                 int((((p - 1) / 4) + 0.5) * screen.CellHeight)));
    }
    EXPECT_TRUE(QFile::exists(HighScoreFile()));
    SetScoreFolder({});
}

// Pointing and clicking all over an exercise's map names countries with their
// capitals and places with their country, and counts nothing anywhere.
TEST_F(DeliveredData, ExploringNamesWhatIsThereAndCountsNothing) {
    TResultsHistory history(Path("history.sqlite"));
    SetResultsHistory(&history);
    for (const char* name : {"Countries of Europe", "Capitals of Europe"}) {
        SCOPED_TRACE(name);
        const COvning& entry = Find(QString(name).startsWith("Countries") ? "AREA" : "ORT", name);
        std::unique_ptr<COvning> explore = COvning::ExploreOf(entry);
        auto& explorer = static_cast<CMapExplorer&>(*explore);
        TfrmOvningKarta screen;
        screen.StartExercise(explorer);
        Settle();
        EXPECT_EQ(screen.lblFraga->text(), explorer.NextQuestion());
        CKarta& map = *screen.MapObject;
        const auto pixelOf = [&](float lat, float lon) {
            return QPoint(map.LonLatToX(lon, lat), map.LatToY(lat)) /
                   screen.imgKartaBox->Picture().PixelRatio();
        };
        // Stockholm, pointed at and then clicked.
        QTest::mouseMove(screen.imgKartaBox, pixelOf(59.33f, 18.06f));
        Settle();
        const QString named = screen.lblNamn->text();
        if (entry.Kind == "AREA")
            EXPECT_EQ(named, "Sweden \u00b7 Capital: Stockholm");
        else
            EXPECT_EQ(named, "Stockholm \u00b7 Sweden");
        EXPECT_TRUE(screen.lblNamn->isVisible());
        const QPoint step(37, 23);
        for (int i = 0; i < 40; ++i) {
            const QPoint at(int(i * step.x() % screen.imgKartaBox->width()),
                            int(i * step.y() % screen.imgKartaBox->height()));
            QTest::mouseClick(screen.imgKartaBox, Qt::LeftButton, {}, at);
            Settle();
        }
        EXPECT_EQ(explorer.Asked, 0);
        EXPECT_EQ(explorer.WrongCount, 0);
        EXPECT_TRUE(explorer.RunRecord.empty());
        EXPECT_EQ(screen.lblFraga->text(), explorer.NextQuestion());
        screen.close();
        history.Flush();
        EXPECT_TRUE(history.Runs(entry.Number).empty());
    }
    EXPECT_TRUE(topTen.isEmpty());
    EXPECT_TRUE(reviewed.isEmpty());
}

// Every exercise but the flags can be explored on the map screen: it opens,
// names something somewhere on it, and reports nothing.
TEST_F(DeliveredData, EveryMapAndMultipleChoiceExerciseCanBeExplored) {
    int explored = 0;
    for (const COvning* entry = catalogue.First; entry; entry = entry->Next) {
        if (entry->Kind == "FLAGG") continue;
        SCOPED_TRACE(entry->Number);
        std::unique_ptr<COvning> explore = COvning::ExploreOf(*entry);
        TfrmOvningKarta screen;
        screen.StartExercise(*explore);
        Settle();
        ASSERT_TRUE(screen.MapObject);
        auto& explorer = static_cast<CMapExplorer&>(*explore);
        bool named = false;
        for (int y = 5; y < 100 && !named; y += 7)
            for (int x = 5; x < 100 && !named; x += 7) {
                const GeoPoint at =
                    screen.MapObject->ClickPoint(screen.imgKartaBox->Picture().Width() * x / 100,
                                                 screen.imgKartaBox->Picture().Height() * y / 100);
                TAnswer answer;
                answer.Lat = at.Lat;
                answer.Lon = at.Lon;
                named = !explorer.At(answer).Text.isEmpty();
            }
        EXPECT_TRUE(named);
        EXPECT_EQ(explorer.Asked, 0);
        ++explored;
    }
    EXPECT_GE(explored, 70);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

}  // namespace
