// SPDX-License-Identifier: MIT
// Exercise screens released (closed and freed, as the main menu does) at every
// point where starting or restarting lets window messages run: nothing may
// touch the freed screen or its map, and the exercise starts again cleanly.
#include <QAbstractEventDispatcher>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "ScreenTest.h"
#include "data/UKarta.h"
#include "exercise/OvFlagga.h"
#include "exercise/OvLand.h"
#include "exercise/OvOrt.h"
#include "exercise/Ovmulti.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

// Frees a screen the n-th time the event loop wakes up from now on. Every
// message run wakes it, so counting wake-ups reaches each of them in turn.
class ReleaseAtWakeUp {
  public:
    ReleaseAtWakeUp(QWidget* screen, int n) : screen_(screen), n_(n) {
        connection_ = QObject::connect(QAbstractEventDispatcher::instance(),
                                       &QAbstractEventDispatcher::awake, [this] {
                                           if (++count_ != n_ || !screen_) return;
                                           delete screen_.data();
                                           released_ = true;
                                       });
    }
    ~ReleaseAtWakeUp() { QObject::disconnect(connection_); }
    ReleaseAtWakeUp(const ReleaseAtWakeUp&) = delete;
    ReleaseAtWakeUp& operator=(const ReleaseAtWakeUp&) = delete;

    bool Released() const { return released_; }

  private:
    QPointer<QWidget> screen_;
    int n_;
    int count_ = 0;
    bool released_ = false;
    QMetaObject::Connection connection_;
};

// Runs an action the n-th time the event loop wakes up from now on.
class ActAtWakeUp {
  public:
    ActAtWakeUp(int n, std::function<void()> action) : n_(n), action_(std::move(action)) {
        connection_ = QObject::connect(QAbstractEventDispatcher::instance(),
                                       &QAbstractEventDispatcher::awake, [this] {
                                           if (++count_ == n_) action_();
                                       });
    }
    ~ActAtWakeUp() { QObject::disconnect(connection_); }
    ActAtWakeUp(const ActAtWakeUp&) = delete;
    ActAtWakeUp& operator=(const ActAtWakeUp&) = delete;

  private:
    int n_;
    int count_ = 0;
    std::function<void()> action_;
    QMetaObject::Connection connection_;
};

class ReleaseWhileStartingTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        // "Bay" is not asked: its seed below fills it as a second, separate sea.
        WriteAreas("AREA1.crp", {Named(BoxArea("AAA", 40, 0, 50, 10), "Alpha", "a.bmp"),
                                 Named(BoxArea("BBB", 40, 12, 50, 22), "Beta", "b.bmp"),
                                 Named(BoxArea("CCC", 52, 0, 60, 10), "Gamma", "c.bmp"),
                                 Named(BoxArea("DDD", 52, 12, 60, 22), "Delta", "d.bmp"),
                                 Named(BoxArea("Bay", 34, 24, 38, 30), "Bay")});
        WriteEmpty("Vatten.crp");
        CrpWriter seas;
        seas.Int32(35 * 10000).Int32(-15 * 10000);
        seas.Int32(36 * 10000).Int32(27 * 10000);
        seas.Save("Hav1.crp");
        WritePlaces("Ort1.crp", {Place("Acity", "AAA", 45, 5), Place("Bcity", "BBB", 45, 17),
                                 Place("Ccity", "CCC", 56, 5), Place("Dcity", "DDD", 56, 17)});
    }

    // Starts the entry on a new screen and frees the screen at the n-th wake-up
    // (never, when 0). Returns whether it was freed.
    template <typename Screen>
    bool StartAndRelease(COvning& exercise, int n) {
        auto* screen = new Screen;
        QPointer<Screen> alive(screen);
        bool released = false;
        {
            ReleaseAtWakeUp release(screen, n);
            screen->StartExercise(exercise);
            released = release.Released();
        }
        Settle();
        if (alive) delete alive.data();
        Settle();
        return released;
    }

    // Starts normally, then frees the screen at the n-th wake-up of a restart.
    template <typename Screen>
    bool RestartAndRelease(COvning& exercise, int n) {
        auto* screen = new Screen;
        QPointer<Screen> alive(screen);
        screen->StartExercise(exercise);
        Settle();
        bool released = false;
        {
            ReleaseAtWakeUp release(screen, n);
            screen->cmdStartaClick();
            released = release.Released();
        }
        Settle();
        if (alive) delete alive.data();
        Settle();
        return released;
    }

    // After a release the exercise still plays: one right answer on a new screen.
    void ExpectAFreshStartWorks(COvning& exercise, const std::string& when) {
        if (auto* area = dynamic_cast<COvningLandArea*>(&exercise)) {
            TfrmOvningKarta screen;
            screen.StartExercise(exercise);
            Settle();
            ASSERT_EQ(exercise.Form, &screen) << when;
            const CArea* asked = screen.MapObject->Areas->FindByCode(area->CurrentKey);
            ASSERT_NE(asked, nullptr) << when;
            TAnswer answer;
            answer.Lat = asked->Seed1.Lat;
            answer.Lon = asked->Seed1.Lon;
            EXPECT_TRUE(exercise.IsRight(answer)) << when;
        } else if (auto* place = dynamic_cast<COvningOrt*>(&exercise)) {
            TfrmOvningKarta screen;
            screen.StartExercise(exercise);
            Settle();
            ASSERT_EQ(exercise.Form, &screen) << when;
            ASSERT_NE(place->CurrentPlace, nullptr) << when;
            TAnswer answer;
            answer.Lat = float(place->CurrentPlace->Latitude);
            answer.Lon = float(place->CurrentPlace->Longitude);
            EXPECT_TRUE(exercise.IsRight(answer)) << when;
        } else if (auto* flags = dynamic_cast<COvningFlagga*>(&exercise)) {
            TfrmOvningFlagga screen;
            screen.StartExercise(exercise);
            Settle();
            TAnswer answer;
            answer.Index = flags->CurrentPos;
            EXPECT_TRUE(exercise.IsRight(answer)) << when;
        } else if (auto* multi = dynamic_cast<COvningMulti*>(&exercise)) {
            TfrmOvningMulti screen;
            screen.StartExercise(exercise);
            Settle();
            TAnswer answer;
            answer.Index = multi->RightPos;
            EXPECT_TRUE(exercise.IsRight(answer)) << when;
        }
    }

    // Releases at the first, second, ... wake-up until a start runs through
    // without reaching it. Returns how many points were released at.
    template <typename Screen, bool restart = false>
    int ReleaseAtEveryPoint(const QString& kind) {
        const QStringList items{"AAA", "BBB", "CCC", "DDD"};
        const std::unique_ptr<COvning> exercise = Entry(kind, items);
        int points = 0;
        for (int n = 1; n < 500; ++n) {
            bool released = false;
            if constexpr (restart)
                released = RestartAndRelease<Screen>(*exercise, n);
            else
                released = StartAndRelease<Screen>(*exercise, n);
            if (!released) break;
            ++points;
            const std::string when = kind.toStdString() + (restart ? " restart" : " start") +
                                     ", released at wake-up " + std::to_string(n);
            ExpectAFreshStartWorks(*exercise, when);
        }
        return points;
    }
};

TEST_F(ReleaseWhileStartingTest, MapScreenStartAndRestart) {
    // Both seas, the outlines and the question each let messages run.
    EXPECT_GE(ReleaseAtEveryPoint<TfrmOvningKarta>("AREA"), 6);
    EXPECT_GE((ReleaseAtEveryPoint<TfrmOvningKarta, true>("AREA")), 5);
    EXPECT_GE(ReleaseAtEveryPoint<TfrmOvningKarta>("ORT"), 6);
    EXPECT_GE((ReleaseAtEveryPoint<TfrmOvningKarta, true>("ORT")), 5);
}

// A resize draws the map again, which lets window messages run: a further
// resize or the screen's release at any of those points is safe, and a
// screen that stays ends up with its map drawn for its last size.
TEST_F(ReleaseWhileStartingTest, MapScreenResizedOrReleasedWhileItRedraws) {
    const std::unique_ptr<COvning> exercise = Entry("AREA", {"AAA", "BBB", "CCC", "DDD"});
    for (int n = 1; n <= 24; ++n) {
        for (const bool release : {false, true}) {
            const std::string when = (release ? "released" : "resized again") +
                                     std::string(" at wake-up ") + std::to_string(n);
            auto* screen = new TfrmOvningKarta;
            QPointer<TfrmOvningKarta> alive(screen);
            screen->StartExercise(*exercise);
            Settle();
            screen->showNormal();
            Settle();
            {
                ActAtWakeUp act(n, [&] {
                    if (!alive) return;
                    if (release)
                        delete alive.data();
                    else
                        alive->resize(640, 420);
                });
                screen->resize(700, 500);
                QTest::qWait(80);
            }
            if (!alive) continue;
            // The last resize is drawn once the resizing settles.
            EXPECT_TRUE(WaitFor([&] {
                return !alive->RedrawPending() &&
                       alive->imgKarta().Bitmap().size() == alive->imgKartaBox->size();
            })) << when;
            const QImage shown = alive->imgKarta().Bitmap().copy();
            ASSERT_TRUE(exercise->RedrawMap()) << when;
            EXPECT_TRUE(alive->imgKarta().Bitmap() == shown) << when;
            delete alive.data();
            Settle();
        }
    }
    ExpectAFreshStartWorks(*exercise, "after the resizes");
}

// The flag screen's start lets messages run once (the empty picture), its
// restart not at all: nothing can release it half-way through a restart.
TEST_F(ReleaseWhileStartingTest, FlagScreenStartAndRestart) {
    EXPECT_EQ(ReleaseAtEveryPoint<TfrmOvningFlagga>("FLAGG"), 1);
    EXPECT_EQ((ReleaseAtEveryPoint<TfrmOvningFlagga, true>("FLAGG")), 0);
}

// The multiple-choice start runs through without letting messages run, so
// no release can come half-way; the exercise then plays on a new screen.
TEST_F(ReleaseWhileStartingTest, MultipleChoiceScreenStart) {
    EXPECT_EQ(ReleaseAtEveryPoint<TfrmOvningMulti>("MULTI"), 0);
    const std::unique_ptr<COvning> exercise = Entry("MULTI", {"AAA", "BBB", "CCC", "DDD"});
    ExpectAFreshStartWorks(*exercise, "multiple choice");
}

}  // namespace
