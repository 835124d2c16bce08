// SPDX-License-Identifier: MIT
// The exercise maker driven through its widgets, on the delivered maps:
// what it saves reads back field for field and plays to its own top ten;
// the rules show as the choices change; picking on the map chooses areas;
// editing keeps the number and deleting empties the top ten.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "data/Areor.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "exercise/AnswerPixel.h"
#include "scores/ScoreFile.h"
#include "screens/ExerciseScreen.h"
#include "screens/ScreenTest.h"
#include "screens/Unit1.h"
#include "teaching/CatalogueFields.h"
#include "teaching/ExerciseMaker.h"
#include "teaching/ExerciseRules.h"
#include "teaching/OwnExercises.h"
#include "teaching/TeacherTools.h"

namespace {

class MakerTest : public DeliveredDataTest {
  protected:
    void SetUp() override {
        DeliveredDataTest::SetUp();
        SetScoreFolder(dir_.path());
    }
    void TearDown() override {
        SetScoreFolder({});
        DeliveredDataTest::TearDown();
    }

    static void Choose(QComboBox* box, const QVariant& data) {
        const int index = box->findData(data);
        ASSERT_GE(index, 0) << data.toString().toStdString();
        box->setCurrentIndex(index);
    }
    // Checks the list's lines for the keys in order, as a click on each would.
    static void Tick(TExerciseMaker& maker, const QStringList& keys) {
        for (const QString& key : keys)
            for (int row = 0; row < maker.lstItems->count(); ++row) {
                QListWidgetItem* item = maker.lstItems->item(row);
                if (item->data(Qt::UserRole).toString() == key) item->setCheckState(Qt::Checked);
            }
    }

    TExerciseRules rules;
};

TEST_F(MakerTest, AnExerciseMadeInTheMakerReadsBackAndPlaysToItsOwnTopTen) {
    TOwnExercises own(OwnExercisesFile(), OwnHighScoreFile());
    TTeacherTools tools(own, nullptr);
    tools.Continent = [] { return QStringLiteral("EUR"); };
    std::unique_ptr<COvning> made;
    tools.RunMaker = [&](TExerciseMaker& maker) {
        Choose(maker.cboKind, "ORT");
        Choose(maker.cboMap, 1);
        maker.txtSearch->setText("swe");
        int shown = 0;
        for (int row = 0; row < maker.lstItems->count(); ++row)
            shown += maker.lstItems->item(row)->isHidden() ? 0 : 1;
        EXPECT_EQ(shown, 1);  // Sweden
        Tick(maker, {"SE", "NO", "FI", "DK"});
        maker.cboCities->setCurrentIndex(0);  // capitals
        EXPECT_TRUE(maker.lblPlaces->text().contains("4 cities"))
            << maker.lblPlaces->text().toStdString();
        for (const char* capital : {"Stockholm", "Oslo", "Helsinki", "Copenhagen"})
            EXPECT_TRUE(maker.lblPlaces->toolTip().contains(capital)) << capital;
        EXPECT_FALSE(maker.cmdSave->isEnabled());  // no name yet
        maker.txtNames[1]->setText("Nordic capitals");
        EXPECT_TRUE(maker.cmdSave->isEnabled()) << maker.lblProblems->text().toStdString();
        made = maker.Draft();
        return int(QDialog::Accepted);
    };
    tools.NewExercise();

    COvningar saved;
    saved.Load(OwnExercisesFile());
    ASSERT_TRUE(saved.First);
    const COvning& e = *saved.First;
    EXPECT_EQ(e.Kind, "ORT");
    EXPECT_EQ(e.Number, 1);
    for (int l = 1; l <= 6; ++l) EXPECT_EQ(e.Names[l], "Nordic capitals");  // the one name given
    EXPECT_EQ(e.MapNo, 1);
    EXPECT_EQ(e.PlaceFileNo, 1);
    EXPECT_EQ(e.MaxPlaceRank, 1);
    EXPECT_TRUE(e.RequirePlaceFlag1);
    EXPECT_EQ(e.Continent, "EUR");
    EXPECT_EQ(e.TopLatitude, 0);  // fitted
    ASSERT_EQ(e.ItemCount, 4);
    EXPECT_EQ(QStringList({e.Items[1], e.Items[2], e.Items[3], e.Items[4]}),
              QStringList({"SE", "NO", "FI", "DK"}));
    EXPECT_NE(e.LandColor, 0u);
    // Every other field as the window made it; the number is given on saving.
    ASSERT_TRUE(made);
    made->Number = 1;
    ExpectSameFields(e, *made);

    // Played to its end, its result goes to the own list of its number.
    COvning& entry = *own.First();
    TTopTenRequest asked;
    SetTopTenForm([&](const TTopTenRequest& request, TOvningsformular*) { asked = request; });
    TfrmOvningKarta screen;
    screen.StartExercise(entry);
    Settle();
    for (int i = 0; i < 10 && asked.Percent < 0; ++i) {
        const std::optional<QPoint> hit = AnswerPixel(*screen.MapObject, entry);
        ASSERT_TRUE(hit);
        QTest::mouseClick(screen.imgKartaBox, Qt::LeftButton, {}, *hit);
        Settle();
    }
    EXPECT_EQ(asked.Percent, 100);
    EXPECT_EQ(asked.ExerciseNumber, 1);
    EXPECT_EQ(asked.FileName, OwnHighScoreFile());
    EXPECT_TRUE(asked.StartFrom.isEmpty());
}

TEST_F(MakerTest, TheRulesShowAsTheChoicesChange) {
    TExerciseMaker maker(rules, nullptr, "EUR", nullptr);
    Choose(maker.cboKind, "MULTI");
    maker.txtNames[0]->setText("Norden");
    Tick(maker, {"SE", "NO"});
    EXPECT_FALSE(maker.cmdSave->isEnabled());
    EXPECT_TRUE(maker.lblProblems->text().contains("needs 4 answers"))
        << maker.lblProblems->text().toStdString();
    Tick(maker, {"FI", "DK"});
    EXPECT_TRUE(maker.cmdSave->isEnabled()) << maker.lblProblems->text().toStdString();

    // Twenty flags are saved as two sets of ten, numbered.
    Choose(maker.cboKind, "FLAGG");
    Tick(maker, {"IS", "EE", "LV", "LT", "PL", "DE", "NL", "BE", "FR", "ES", "PT", "IT", "AT", "CH",
                 "CZ", "SK"});
    EXPECT_EQ(maker.Chosen().size(), 20);
    EXPECT_TRUE(maker.cmdSave->isEnabled()) << maker.lblProblems->text().toStdString();
    EXPECT_TRUE(maker.lblProblems->text().contains("2 numbered exercises"));
    const auto sets = maker.Result();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0]->ItemCount, 10);
    EXPECT_EQ(sets[1]->Items[10], "SK");
    EXPECT_EQ(sets[1]->Names[1], "Norden 2");

    // Another map keeps only the keys it has: North America's reaches
    // Svalbard, but not Sweden.
    Choose(maker.cboMap, 3);
    EXPECT_FALSE(maker.Chosen().contains("SE"));
    for (const QString& key : maker.Chosen())
        EXPECT_TRUE(rules.Areas(3)->FindByCode(key)) << key.toStdString();
}

TEST_F(MakerTest, PickingOnTheMapChoosesAndDropsAreasAndKeepsTheView) {
    TExerciseMaker maker(rules, nullptr, "EUR", nullptr);
    Choose(maker.cboMap, 2);
    Tick(maker, {"NO"});
    EXPECT_FALSE(maker.optShown->isEnabled());
    QStringList seen;
    // Once the map is drawn: three clicks, then the map is closed.
    QTimer ready;
    ready.setInterval(20);
    int ticksShown = 0;
    QObject::connect(&ready, &QTimer::timeout, &maker, [&] {
        auto* screen = static_cast<TfrmOvningKarta*>(maker.PickScreen.data());
        // The start is over a tick after it asked.
        if (!screen || !screen->lblFraga->text().startsWith("Click areas") || ++ticksShown < 2)
            return;
        ready.stop();
        const CKarta& map = *screen->MapObject;
        const auto click = [&](float lat, float lon) {
            QTest::mouseClick(screen->imgKartaBox, Qt::LeftButton, {},
                              QPoint(map.LonLatToX(lon, lat), map.LatToY(lat)));
            Settle();
        };
        click(62.5f, 15.5f);  // Sweden: in
        click(64.0f, 26.0f);  // Finland: in
        click(62.5f, 15.5f);  // Sweden: out again
        seen = maker.Picker()->Chosen();
        screen->close();
    });
    ready.start();
    maker.PickOnMap();
    EXPECT_EQ(seen, QStringList({"NO", "FI"}));
    EXPECT_EQ(maker.Chosen(), QStringList({"NO", "FI"}));
    EXPECT_TRUE(maker.optShown->isEnabled());  // the map's view can be kept
    maker.optShown->setChecked(true);
    const auto draft = maker.Draft();
    EXPECT_GT(draft->TopLatitude, draft->BottomLatitude);
}

TEST_F(MakerTest, EditingKeepsTheNumberAndDeletingEmptiesTheTopTen) {
    TOwnExercises own(OwnExercisesFile(), OwnHighScoreFile());
    TTeacherTools tools(own, nullptr);
    COvning* chosen = nullptr;
    tools.ChosenEntry = [&] { return chosen; };
    tools.Changed = [&](const COvning* choose) { chosen = const_cast<COvning*>(choose); };
    for (const char* name : {"First", "Second"}) {
        tools.RunMaker = [&](TExerciseMaker& maker) {
            Tick(maker, {"SE", "NO"});
            maker.txtNames[1]->setText(name);
            return int(QDialog::Accepted);
        };
        tools.NewExercise();
    }
    ASSERT_EQ(own.Count(), 2);
    TScoreTable table;
    table[2][1] = {88, "Kim"};
    table[1][1] = {70, "Alva"};
    SaveScores(OwnHighScoreFile(), table);

    // Editing the second: a delivered exercise can't be edited.
    chosen = ByNumber(1);
    tools.EditExercise();
    EXPECT_EQ(messages.size(), 1);
    chosen = own.Find(2);
    tools.RunMaker = [&](TExerciseMaker& maker) {
        EXPECT_EQ(maker.Chosen(), QStringList({"SE", "NO"}));
        EXPECT_EQ(maker.txtNames[1]->text(), "Second");
        Tick(maker, {"FI"});
        maker.txtNames[1]->setText("Second, edited");
        return int(QDialog::Accepted);
    };
    tools.EditExercise();
    ASSERT_TRUE(own.Find(2));
    EXPECT_EQ(own.Find(2)->Names[2], "Second, edited");
    EXPECT_EQ(own.Find(2)->ItemCount, 3);

    chosen = own.Find(2);
    tools.Confirm = [](const QString& question) { return question.contains("Second, edited"); };
    tools.DeleteExercise();
    EXPECT_EQ(own.Count(), 1);
    QFile file(OwnHighScoreFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TScoreTable after;
    ReadScores(file.readAll(), after, TLowNumbers::Skip);
    EXPECT_EQ(after[2][1].ScorePercent, 0);  // its list went with it
    EXPECT_EQ(after[1][1].Signature, "Alva");
}

}  // namespace
