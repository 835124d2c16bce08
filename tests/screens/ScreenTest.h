// SPDX-License-Identifier: MIT
// Shared fixture of the screen tests: language texts, colour scheme, a sound
// recorder, a counting top-ten hook, message capture, a fixed random seed,
// and a temporary folder made the current directory for hand-made data files.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTest>
#include <functional>

#include "app/Generell.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"
#include "platform/MessageBoxes.h"
#include "platform/Random.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

class NullSound : public TSoundOutput {
  public:
    void PlayEffect(const QString& fullName, int) override { effects << fullName.section('/', -1); }
    void PlayMusic(const QString&, int) override {}
    QStringList effects;
};

class ScreenTest : public GlomiraTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        CurrentLanguage = 2;
        UseTestTexts();
        PanelColor = MakeColor(192, 208, 224);
        FrameColor = MakeColor(40, 90, 160);
        HighlightColor = MakeColor(255, 64, 64);
        CorrectColor = Colors::Lime;
        SoundsOn = true;
        SetSoundOutput(&sound);
        SetFixedRandomSeed(20261207);
        SetMessageSink([this](TMessageKind, const QString& text) { messages << text; });
        SetTopTenForm([this](const TTopTenRequest& request, TOvningsformular*) {
            topTen << request.Percent;
            if (onTopTen) onTopTen();
        });
    }

    // Lets the deferred click handling and repaints run.
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    static bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms) QTest::qWait(5);
        return done();
    }

    static std::unique_ptr<COvning> Entry(const QString& kind, const QStringList& items,
                                          int mapNo = 1) {
        std::unique_ptr<COvning> entry = CreateExercise(kind);
        entry->Kind = kind;
        entry->Number = 7;
        entry->Names[2] = "Test exercise";
        entry->MaxPlaceRank = 10;
        entry->BorderWidth = 1;
        entry->MapNo = mapNo;
        entry->PlaceFileNo = 1;
        entry->TopLatitude = 70;
        entry->BottomLatitude = 30;
        entry->CentreLongitude = 10;
        entry->ItemCount = int(items.size());
        for (int i = 0; i < items.size(); ++i) entry->Items[i + 1] = items[i];
        return entry;
    }

    static AreaRecord Named(AreaRecord area, const QString& english, const QString& flag = {}) {
        area.Names = QStringList{english + " (sv)", english, "", "", "", ""};
        area.FlagFile = flag;
        return area;
    }
    static PlaceRecord Place(const QString& name, const QString& member, double lat, double lon) {
        PlaceRecord p;
        p.Code = name.left(3).toUpper();
        p.Names = QStringList{name, name, "", "", "", ""};
        p.Member1 = member;
        p.Lat = lat;
        p.Lon = lon;
        return p;
    }
    static void WriteAreas(const QString& file, const QList<AreaRecord>& areas) {
        CrpWriter w;
        for (const AreaRecord& a : areas) WriteArea(w, a);
        w.Save(file);
    }
    static void WritePlaces(const QString& file, const QList<PlaceRecord>& places) {
        CrpWriter w;
        for (const PlaceRecord& p : places) WritePlace(w, p);
        w.Save(file);
    }
    static void WriteEmpty(const QString& file) { CrpWriter().Save(file); }

    // Map 1 of three boxes, Alpha, Beta and Gamma, with one sea seed, no
    // lakes and one place in Alpha.
    static void WriteThreeBoxMap() {
        WriteAreas("AREA1.crp", {Named(BoxArea("AAA", 40, 0, 50, 10), "Alpha"),
                                 Named(BoxArea("BBB", 40, 12, 50, 22), "Beta"),
                                 Named(BoxArea("CCC", 52, 0, 60, 10), "Gamma")});
        WriteEmpty("Vatten.crp");
        CrpWriter seas;
        seas.Int32(35 * 10000).Int32(-15 * 10000);
        seas.Save("Hav1.crp");
        WritePlaces("Ort1.crp", {Place("Acity", "AAA", 45, 5)});
    }

    // Five countries in a row with one town each, as AREA1.crp and Ort1.crp;
    // returns their keys K1..K5.
    static QStringList WriteFiveCountries() {
        QList<AreaRecord> areas;
        QList<PlaceRecord> places;
        QStringList keys;
        const QStringList names{"Ardia", "Bellia", "Cordia", "Delvia", "Estria"};
        for (int i = 0; i < names.size(); ++i) {
            const QString key = QString("K%1").arg(i + 1);
            areas << Named(BoxArea(key, 40, i * 5, 44, i * 5 + 4), names[i]);
            places << Place(names[i].left(3) + "town", key, 42, i * 5 + 2);
            keys << key;
        }
        WriteAreas("AREA1.crp", areas);
        WritePlaces("Ort1.crp", places);
        return keys;
    }

    NullSound sound;
    QStringList messages;
    QList<int> topTen;  // percentages handed to the top-ten form
    std::function<void()> onTopTen;
};

// The same on the delivered data beside the test program, made the current
// directory: its catalogue, language texts and template. Skips when the data
// is not there.
class DeliveredDataTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (!QFile::exists(ProgramFile("Ovning.crp")) || !QFile::exists(ProgramFile("lang.crp")))
            GTEST_SKIP() << "the delivered data is not beside the test program";
        SoundsOn = false;
        ASSERT_TRUE(QDir::setCurrent(ProgramDirectory()));
        LoadLanguageTable();
        catalogue.Load("Ovning.crp");
        TemplateBitmap.load(ProgramFile("bmptest.bmp"));
    }

    COvning* ByNumber(int number) const {
        for (COvning* e = catalogue.First; e; e = e->Next)
            if (e->Number == number) return e;
        return nullptr;
    }
    // The first exercise of the kind whose English name contains the text.
    COvning* Named(const QString& kind, const QString& name) const {
        for (COvning* e = catalogue.First; e; e = e->Next)
            if (e->Kind == kind && e->Names[2].contains(name)) return e;
        return nullptr;
    }

    COvningar catalogue;
};
