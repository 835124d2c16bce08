// SPDX-License-Identifier: MIT
// The soak's screen drivers and top-ten hook on the delivered data: right
// answers end a run whose result goes to the private score file, the next
// run starts, closing and releasing leave no screen behind, and a short
// soak reports what it did.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "ExerciseScreens.h"
#include "KindSoak.h"
#include "TopTenStandIn.h"
#include "app/Generell.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"
#include "platform/MessageBoxes.h"
#include "platform/Random.h"
#include "support/GlomiraTest.h"

namespace {

constexpr int MaxEvents = 2000;

// Whether the score file holds the record (exercise, rank, signature, percent).
bool HasRecord(const QString& fileName, int exercise, int rank, const QByteArray& signature,
               int percent) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 0; i + 3 < lines.size(); i += 4)
        if (lines[i].trimmed().toInt() == exercise && lines[i + 1].trimmed().toInt() == rank &&
            lines[i + 2].trimmed() == signature && lines[i + 3].trimmed().toInt() == percent)
            return true;
    return false;
}

// What the program's own score file looks like, to see that nothing wrote to it.
QString Fingerprint(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists()) return QStringLiteral("none");
    return QString::number(info.size()) + ' ' + info.lastModified().toString(Qt::ISODateWithMs);
}

class SoakSetting : public GlomiraTest {
  protected:
    void SetUp() override {
        if (!QFile::exists(ProgramFile("Ovning.crp")) || !QFile::exists(ProgramFile("lang.crp")))
            GTEST_SKIP() << "the delivered data is not beside the test program";
        started_ = true;
        ASSERT_TRUE(QDir::setCurrent(ProgramDirectory()));
        CurrentLanguage = 2;
        SoundsOn = false;
        MusicOn = false;
        PanelColor = MakeColor(192, 208, 224);
        FrameColor = MakeColor(40, 90, 160);
        HighlightColor = MakeColor(255, 64, 64);
        CorrectColor = Colors::Lime;
        TemplateBitmap.load(ProgramFile("bmptest.bmp"));
        LoadLanguageTable();
        catalogue.Load("Ovning.crp");
        SetFixedRandomSeed(20261208);
        SetMessageSink([this](TMessageKind, const QString& text) { messages << text; });
        programScores_ = Fingerprint(ProgramFile("scores.hgh"));
        topTen = std::make_unique<TopTenStandIn>();
        ASSERT_TRUE(topTen->Ready());
    }
    void TearDown() override {
        if (!started_) return;  // skipped
        topTen.reset();
        EXPECT_EQ(Fingerprint(ProgramFile("scores.hgh")), programScores_);
    }

    COvning& FirstOfKind(const QString& kind) {
        for (COvning* e = catalogue.First; e; e = e->Next)
            if (e->Kind == kind) return *e;
        throw std::runtime_error("no exercise of the kind");
    }

    COvningar catalogue;
    QStringList messages;
    std::unique_ptr<TopTenStandIn> topTen;

  private:
    bool started_ = false;
    QString programScores_;
};

TEST_F(SoakSetting, TheTopTenListIsShownAndClosed) {
    std::unique_ptr<COvning> entry = CreateExercise("AREA");
    entry->Number = 5;
    ShowTopTen(*entry, -1, nullptr);
    EXPECT_EQ(topTen->ListsShown(), 1);
    EXPECT_EQ(topTen->ResultsOffered(), 0);
    EXPECT_EQ(topTen->NamesEntered(), 0);
    EXPECT_TRUE(topTen->Problems().isEmpty()) << topTen->Problems().join("; ").toStdString();
    EXPECT_FALSE(HasRecord(topTen->ScoreFile(), 5, 1, "Soak", 0));
}

TEST_F(SoakSetting, ResultsAreEnteredUnderShortNamesInThePrivateFile) {
    std::unique_ptr<COvning> entry = CreateExercise("AREA");
    entry->Number = 5;
    ShowTopTen(*entry, 73, nullptr);
    ShowTopTen(*entry, 80, nullptr);
    EXPECT_EQ(topTen->ResultsOffered(), 2);
    EXPECT_EQ(topTen->NamesEntered(), 2);
    EXPECT_TRUE(topTen->Problems().isEmpty()) << topTen->Problems().join("; ").toStdString();
    EXPECT_TRUE(HasRecord(topTen->ScoreFile(), 5, 1, "\xC5sa", 80));  // Windows-1252
    EXPECT_TRUE(HasRecord(topTen->ScoreFile(), 5, 2, "Soak", 73));
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

class SoakScreens : public SoakSetting, public testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        SoakSetting::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        exercise = &FirstOfKind(GetParam());
        driver = MakeScreenDriver(host, *exercise);
    }
    void TearDown() override {
        driver.reset();
        EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
        SoakSetting::TearDown();
    }

    void Play(SoakEvent event) {
        driver->Play(event, random);
        ScreenDriver::Settle();
    }
    void PlayRightAnswersToTheEnd() {
        for (int i = 0; i < MaxEvents && !driver->RunOver(); ++i) Play(SoakEvent::RightAnswer);
    }
    QList<QWidget*> Screens() const {
        return host.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }

    QWidget host;
    COvning* exercise = nullptr;
    std::unique_ptr<ScreenDriver> driver;
    SoakRandom random{1};
};

TEST_P(SoakScreens, RightAnswersEndTheRunWithFullMarksInThePrivateScoreFile) {
    driver->Open();
    ASSERT_TRUE(driver->IsShowing());
    EXPECT_FALSE(driver->RunOver());
    PlayRightAnswersToTheEnd();
    ASSERT_TRUE(driver->RunOver());
    EXPECT_EQ(exercise->WrongCount, 0);
    EXPECT_EQ(topTen->ResultsOffered(), 1);
    EXPECT_EQ(topTen->NamesEntered(), 1);
    EXPECT_TRUE(topTen->Problems().isEmpty()) << topTen->Problems().join("; ").toStdString();
    EXPECT_TRUE(HasRecord(topTen->ScoreFile(), exercise->Number, 1, "Soak", 100));
}

TEST_P(SoakScreens, TheNextRunStartsFromNothing) {
    driver->Open();
    PlayRightAnswersToTheEnd();
    ASSERT_TRUE(driver->RunOver());
    driver->NextRun();
    ScreenDriver::Settle();
    EXPECT_TRUE(driver->IsShowing());
    EXPECT_FALSE(driver->RunOver());
    EXPECT_EQ(exercise->Asked, 0);
    // Only the multiple-choice screen has no restart button.
    EXPECT_EQ(driver->ScreensOpened(), exercise->Kind == "MULTI" ? 2 : 1);
    EXPECT_EQ(Screens().size(), 1);
}

TEST_P(SoakScreens, TheCloseButtonHidesTheScreenAndReleasingDeletesIt) {
    driver->Open();
    Play(SoakEvent::Close);
    EXPECT_FALSE(driver->IsShowing());
    EXPECT_EQ(Screens().size(), 1);  // closed, not yet released
    driver->Release();
    EXPECT_TRUE(Screens().isEmpty());
}

TEST_P(SoakScreens, ReleasingWhileAnAnswerIsHandledLeavesNoScreen) {
    driver->Open();
    Play(SoakEvent::ReleaseWhileAnswering);
    for (int i = 0; i < 100 && !Screens().isEmpty(); ++i) {
        QTest::qWait(5);
        ScreenDriver::Settle();
    }
    EXPECT_TRUE(Screens().isEmpty());
    EXPECT_FALSE(driver->IsShowing());
    driver->Open();  // and the exercise starts again on a fresh one
    EXPECT_TRUE(driver->IsShowing());
    EXPECT_EQ(exercise->Asked, 0);
}

TEST_P(SoakScreens, TheTopTenButtonShowsTheListAndTheScreenStays) {
    driver->Open();
    Play(SoakEvent::TopTen);
    EXPECT_EQ(topTen->ListsShown(), 1);
    EXPECT_TRUE(driver->IsShowing());
    EXPECT_TRUE(topTen->Problems().isEmpty()) << topTen->Problems().join("; ").toStdString();
}

TEST_P(SoakScreens, AShortSoakReportsItsEventsRunsScreensAndMemory) {
    SoakOptions options;
    options.events = 200;
    QString printed;
    QTextStream out(&printed);
    const KindReport report = KindSoak(*driver, options, *topTen, out).Run(3);
    EXPECT_EQ(report.kind, exercise->Kind);
    EXPECT_EQ(report.exercise, exercise->Number);
    EXPECT_EQ(report.events, options.events);
    EXPECT_EQ(report.warmUpEvents, options.events / 5);
    EXPECT_EQ(report.runs, topTen->ResultsOffered());
    EXPECT_EQ(report.screens, driver->ScreensOpened());
    EXPECT_GE(report.screens, 1);
    EXPECT_TRUE(report.rssAtWarmUp && report.rssAtEnd && report.growthPercent);
    EXPECT_FALSE(report.memoryJudged);
    EXPECT_FALSE(report.memoryFailed);
    EXPECT_EQ(printed.count(" events "), 2) << printed.toStdString();  // warm-up and end
    EXPECT_TRUE(Screens().isEmpty());
    EXPECT_TRUE(topTen->Problems().isEmpty()) << topTen->Problems().join("; ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SoakScreens, testing::Values("AREA", "ORT", "FLAGG", "MULTI"));

}  // namespace
