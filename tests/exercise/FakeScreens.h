// SPDX-License-Identifier: MIT
// Test doubles for the exercise engine: screens that record what the
// exercise shows, a sound recorder, and a fixture that builds a real map
// from small hand-made area and place files.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "app/Generell.h"
#include "data/UKarta.h"
#include "exercise/ovning.h"
#include "platform/Picture.h"
#include "platform/Random.h"
#include "screens/Ovform.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

struct NameCall {
    QString Text;
    int X = 0;
    int Y = 0;
    bool Visible = false;
    QString Flag;  // the flag file shown beside the name
};

class FakeMapScreen : public TMapExerciseScreen {
  public:
    explicit FakeMapScreen(QSize size = QSize(400, 300)) : picture(size) {}

    TPicture& imgKarta() override { return picture; }
    void VisaFraga(const QString& text) override { questions << text; }
    void VisaProcent(int percent) override { percents << percent; }
    void ShowName(const QString& text, int x, int y, bool visible) override {
        names << NameCall{text, x, y, visible, {}};
    }
    void ShowNameWithFlag(const QString& text, const QString& flag, int x, int y) override {
        names << NameCall{text, x, y, true, flag};
    }

    TPicture picture;
    QStringList questions;
    QList<int> percents;
    QList<NameCall> names;
};

struct AnswerDraw {
    int Box = 0;  // 1..4
    TColor Colour = 0;
    QString Text;
};

class FakeMultiScreen : public TMultiExerciseScreen {
  public:
    TPicture& AnswerBox(int position) override { return boxes.at(std::size_t(position - 1)); }
    void DrawAnswer(TPicture& box, TColor colour, const QString& text) override {
        const int number = int(&box - boxes.data()) + 1;
        draws << AnswerDraw{number, colour, text};
        if (afterDraw) afterDraw(draws.back());
    }
    void VisaFraga(const QString& text) override { questions << text; }
    void VisaProcent(int percent) override { percents << percent; }

    // The four answers as last drawn.
    QStringList Shown() const {
        QStringList shown(4);
        for (const AnswerDraw& d : draws) shown[d.Box - 1] = d.Text;
        return shown;
    }

    // The screen's one-second timer, shortened; like the real one it keeps
    // ticking, so a tick that falls before the exercise starts waiting is
    // followed by another.
    void TickEvery(int milliseconds, std::function<void()> tick) {
        QObject::connect(&timer, &QTimer::timeout, std::move(tick));
        timer.start(milliseconds);
    }

    std::array<TPicture, 4> boxes;
    QTimer timer;
    QList<AnswerDraw> draws;
    QStringList questions;
    QList<int> percents;
    std::function<void(const AnswerDraw&)> afterDraw;
};

class SoundRecorder : public TSoundOutput {
  public:
    void PlayEffect(const QString& fullName, int channel) override {
        effects << fullName.section('/', -1) + ':' + QString::number(channel);
    }
    void PlayMusic(const QString&, int) override {}
    QStringList effects;
};

// Language strings the questions are built from, the colour scheme, the
// sound recorder and a fixed random seed for every test.
class ExerciseTest : public GlomiraTest {
  protected:
    void SetUp() override {
        CurrentLanguage = 2;
        UseTestTexts();
        CorrectColor = Colors::Lime;
        HighlightColor = Colors::Red;
        SoundsOn = true;
        SetSoundOutput(&sounds);
        SetFixedRandomSeed(20261207);
    }

    // A map with the given areas and places, loaded from files as a screen does.
    std::unique_ptr<CKarta> MakeMap(const QList<AreaRecord>& areas,
                                    const QList<PlaceRecord>& places = {}) {
        CrpWriter areaFile;
        for (const AreaRecord& a : areas) WriteArea(areaFile, a);
        areaFile.Save(Path("AREA1.crp"));
        CrpWriter placeFile;
        for (const PlaceRecord& p : places) WritePlace(placeFile, p);
        placeFile.Save(Path("Ort1.crp"));
        auto map = std::make_unique<CKarta>();
        map->Areas = std::make_unique<CAreor>();
        map->Waters = std::make_unique<CAreor>();
        map->Places = std::make_unique<COrter>();
        map->Areas->Load(Path("AREA1.crp"));
        map->Places->Load(Path("Ort1.crp"));
        return map;
    }

    static AreaRecord Named(AreaRecord a, const QString& english) {
        a.Names = QStringList{english + " (sv)", english, "", "", "", ""};
        return a;
    }

    static PlaceRecord Place(const QString& name, const QString& member, double lat, double lon) {
        PlaceRecord p;
        p.Code = name.left(3).toUpper();
        p.Names = QStringList{name, "", "", "", "", ""};
        p.Member1 = member;
        p.Lat = lat;
        p.Lon = lon;
        return p;
    }

    // Plays a run of the entry's kind on a live picture and checks the run's
    // redraw from its state alone: on a wiped picture it gives the live
    // picture, and at another size the picture of the same run played there.
    template <typename Kind>
    void ExpectRedrawMatchesTheRun(const COvning& entry,
                                   const std::function<std::unique_ptr<CKarta>()>& makeMap,
                                   const std::function<void(Kind&, FakeMapScreen&)>& play,
                                   const std::function<QString(const Kind&)>& asked) {
        // A run of the entry on its own map, played on the screen.
        const auto playOn = [&](Kind& e, FakeMapScreen& on) {
            e.CopyCatalogueFields(entry);
            auto map = makeMap();
            e.Map = map.get();
            play(e, on);
            return map;
        };
        FakeMapScreen live(QSize(400, 300));
        Kind run;
        const auto runMap = playOn(run, live);
        const QImage drawn = live.picture.Bitmap().copy();

        QImage wiped(drawn.size(), QImage::Format_RGB32);
        wiped.fill(Qt::black);
        live.picture.SetBitmap(wiped);
        ASSERT_TRUE(run.RedrawMap());
        EXPECT_TRUE(live.picture.Bitmap() == drawn);

        live.picture.SetSize(QSize(640, 360));
        ASSERT_TRUE(run.RedrawMap());
        FakeMapScreen wide(QSize(640, 360));
        Kind fresh;
        const auto freshMap = playOn(fresh, wide);
        ASSERT_EQ(asked(fresh), asked(run));
        EXPECT_TRUE(live.picture.Bitmap() == wide.picture.Bitmap());
    }

    static void SetItems(COvning& exercise, const QStringList& keys) {
        exercise.ItemCount = int(keys.size());
        for (int i = 0; i < keys.size(); ++i) exercise.Items[i + 1] = keys[i];
    }

    SoundRecorder sounds;
};
