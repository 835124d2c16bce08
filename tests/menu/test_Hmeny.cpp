// SPDX-License-Identifier: MIT
// The main menu: colour scheme, continent choice, exercise lists, the
// start command by kind and its failure, and the sliding instruction.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/Hmeny.h"
#include "data/CatalogueWriter.h"
#include "exercise/ExerciseItems.h"
#include "exercise/OvFlagga.h"
#include "history/ResultsHistory.h"
#include "learning/FlagGallery.h"
#include "learning/ProgressFigures.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "screens/SideNoteDelegate.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"
#include "teaching/ExerciseMaker.h"
#include "teaching/TeacherTools.h"

namespace {

TEST(ColorScheme, DisplaysAbove256ColoursGetTheLargeScheme) {
    EXPECT_EQ(ColorCount(8, 1), 256);
    EXPECT_EQ(ColorCount(16, 1), 65536);
    EXPECT_EQ(ColorCount(24, 1), qint64(1) << 24);
    EXPECT_EQ(ColorCount(32, 1), qint64(1) << 32);  // would overflow 32 bits
    EXPECT_GT(ColorCount(64, 2), 0);                // saturates instead
    EXPECT_EQ(ColorCount(4, 2), 32);

    const TColorScheme small = ColorSchemeFor(ColorCount(8, 1));
    EXPECT_EQ(small.Panel, 0x00C0C0C0u);
    EXPECT_EQ(small.Frame, 0x00800000u);
    EXPECT_EQ(small.Highlight, 0x000000FFu);
    EXPECT_EQ(small.Correct, 0x0000FF00u);
    for (int bits : {16, 24, 32}) {
        const TColorScheme large = ColorSchemeFor(ColorCount(bits, 1));
        EXPECT_EQ(large.Panel, 0x02E0D0C0u) << bits;
        EXPECT_EQ(large.Frame, MakeColor(40, 90, 160)) << bits;
        EXPECT_EQ(large.Highlight, 0x024040FFu) << bits;
        EXPECT_EQ(large.Correct, 0x0000FF00u) << bits;
    }
}

// A main menu after its first show, on the delivered data, with message
// boxes caught instead of shown.
class MainMenuTest : public GlomiraTest {
  protected:
    void SetUp() override {
        SetMessageSink([this](TMessageKind, const QString& text) { messages << text; });
        SoundsOn = false;
        CurrentLanguage = 2;
        // The player's own exercises and scores stay in the test's folder.
        SetScoreFolder(dir_.path());
        Open();
    }
    void Open() {
        menu.reset();
        menu = std::make_unique<TfrmHuvudmeny>();
        menu->FormShow();
        SoundsOn = false;
        ASSERT_TRUE(menu->Catalogue) << messages.join('\n').toStdString();
    }
    void TearDown() override {
        menu.reset();
        SetScoreFolder({});
    }

    // A control point of the map where the continent's picture is lime and
    // the others agree with the whole-world picture only for that continent.
    QPoint LandOf(int continent) const {
        const QRgb lime = qRgb(0, 255, 0);
        for (int py = 9; py < 145; ++py)
            for (int px = 5; px < 391; ++px)
                if (menu->ContinentPixel(continent, px, py) == lime)
                    return {px + menu->PictureOffsetX, py + menu->PictureOffsetY};
        return {-1, -1};
    }
    QStringList Lines(const QListWidget* list) const {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    // An own exercise named like the delivered first one, asking Sweden, Norway and Finland,
    // and the menu opened again to list it.
    void OpenWithAnOwnCopyOfTheFirstExercise() {
        auto own = CreateExercise("AREA");
        own->CopyCatalogueFields(*menu->Catalogue->First);
        own->ItemCount = 3;
        own->Items[1] = "SE";
        own->Items[2] = "NO";
        own->Items[3] = "FI";
        SaveCatalogue({own.get()}, OwnExercisesFile());
        Open();
    }
    // As a desktop tells a window it became the active one.
    static void Activate(QWidget* window) {
        ASSERT_NE(window, nullptr);
        QEvent activated(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window, &activated);
    }
    // As the screens' Close buttons do.
    void CloseScreens() {
        for (QWidget* screen : {static_cast<QWidget*>(menu->MapScreen.data()),
                                static_cast<QWidget*>(menu->FlagScreen.data()),
                                static_cast<QWidget*>(menu->MultiScreen.data())})
            if (screen) screen->close();
    }
    void ChooseExercise(const QString& name) {
        const auto found = menu->cboOvningar->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        found.first()->setSelected(true);
    }
    COvning* FirstOfKind(const QString& kind) const {
        for (COvning* e = menu->Catalogue->First; e; e = e->Next)
            if (e->Kind == kind) return e;
        return nullptr;
    }

    QStringList messages;
    std::unique_ptr<TfrmHuvudmeny> menu;
};

TEST_F(MainMenuTest, FirstShowFillsListsAndCaptions) {
    EXPECT_EQ(menu->PictureOffsetX, -5);
    EXPECT_EQ(menu->PictureOffsetY, -9);
    EXPECT_EQ(menu->CurrentContinent, 1);
    ASSERT_EQ(menu->lstParts->count(), 7);
    EXPECT_EQ(menu->lstParts->item(0)->text(), LanguageText(27));
    EXPECT_EQ(menu->lstParts->item(6)->text(), LanguageText(33));
    EXPECT_TRUE(menu->lstParts->selectedItems().isEmpty());
    EXPECT_GT(menu->cboOvningar->count(), 0);
    EXPECT_TRUE(menu->cboOvningar->selectedItems().isEmpty());
    EXPECT_EQ(menu->cmdStarta->text(), LanguageText(1));
    EXPECT_FALSE(menu->cmdStarta->text().isEmpty());
    EXPECT_FALSE(menu->tmrInstruktion->isActive());  // Europe keeps the instruction
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// Every continent's and every delivered exercise's name shows whole in the
// menu's lists, in every language: a long one takes two lines, none is cut.
TEST_F(MainMenuTest, NoNameIsCutInTheListsInAnyLanguage) {
    const auto check = [](const QListWidget* list, const QString& where) {
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < list->count(); ++row) {
            const QListWidgetItem* item = list->item(row);
            const QString note = item->data(SideNoteRole).toString();
            const QRect line = list->visualItemRect(item);
            // What shows of the line (a line may be wider than the list), less the
            // note and the style's margins at either side.
            const int shown = std::min(line.right() + 1, list->viewport()->width()) - line.left();
            const int room = shown - (note.isEmpty() ? 0 : metrics.horizontalAdvance(note) + 8) - 6;
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, item->text());
            EXPECT_LE(needed.width(), room)
                << where.toStdString() << ": " << item->text().toStdString();
            EXPECT_LE(needed.height(), line.height())
                << where.toStdString() << ": " << item->text().toStdString();
        }
    };
    for (int language = 1; language <= 6; ++language) {
        CurrentLanguage = language;
        Open();
        menu->show();
        for (int continent = 1; continent <= 7; ++continent) {
            menu->SattVarldsdel(continent);
            QCoreApplication::processEvents();
            const QString where = QString("language %1, continent %2").arg(language).arg(continent);
            check(menu->lstParts, where);
            check(menu->cboOvningar, where);
            if (HasFailure()) return;
        }
    }
}

TEST_F(MainMenuTest, MapClicksChooseContinents) {
    // The top-left corner is Arctic sea: the whole world.
    menu->imgMapMouseDown(0, 0);
    EXPECT_EQ(menu->CurrentContinent, 7);
    EXPECT_EQ(menu->lstParts->currentRow(), 6);

    for (int continent = 1; continent <= 6; ++continent) {
        const QPoint p = LandOf(continent);
        ASSERT_GE(p.x(), 0) << continent;
        menu->imgMapMouseDown(p.x(), p.y());
        EXPECT_EQ(menu->CurrentContinent, continent);
        EXPECT_EQ(menu->lstParts->currentRow(), continent - 1);
        // The map shows that continent's picture.
        EXPECT_EQ(menu->MapImage().pixel(p) | 0xFF000000u, qRgb(0, 255, 0));
    }
}

TEST_F(MainMenuTest, ExerciseListFollowsTheContinentCodeExactly) {
    for (int continent = 1; continent <= 7; ++continent) {
        menu->SattVarldsdel(continent);
        QStringList expected;
        for (COvning* e = menu->Catalogue->First; e; e = e->Next)
            if (e->Continent == ContinentCode(continent)) expected << e->Names[2];
        EXPECT_EQ(Lines(menu->cboOvningar), expected) << continent;
        EXPECT_FALSE(expected.isEmpty()) << continent;
    }
}

TEST_F(MainMenuTest, ContinentCodesAreCaseSensitive) {
    ExerciseRecord europe, lower, world;
    europe.Names = QStringList{"E", "Europe one", "", "", "", ""};
    europe.Continent = "EUR";
    lower.Names = QStringList{"e", "Europe two", "", "", "", ""};
    lower.Continent = "eur";
    world.Names = QStringList{"V", "World", "", "", "", ""};
    world.Continent = "*";
    CrpWriter w;
    for (const auto& r : {europe, lower, world}) WriteExercise(w, r);
    QTemporaryDir dir;
    w.Save(dir.filePath("Ovning.crp"));
    menu->Catalogue = std::make_unique<COvningar>();
    menu->Catalogue->Load(dir.filePath("Ovning.crp"));
    menu->SattVarldsdel(1);
    EXPECT_EQ(Lines(menu->cboOvningar), QStringList{"Europe one"});
    menu->SattVarldsdel(7);
    EXPECT_EQ(Lines(menu->cboOvningar), QStringList{"World"});
}

TEST_F(MainMenuTest, ReleasingOverNoLineChoosesNoContinent) {
    menu->lstParts->clearSelection();
    menu->lstPartsMouseUp();
    EXPECT_EQ(menu->CurrentContinent, 0);
    EXPECT_EQ(menu->cboOvningar->count(), 0);
    EXPECT_TRUE(menu->tmrInstruktion->isActive());
}

TEST_F(MainMenuTest, InstructionSlidesBehindTheListOnce) {
    const int top = menu->lblInstruktion->y();
    menu->SattVarldsdel(2);
    ASSERT_TRUE(menu->tmrInstruktion->isActive());
    int ticks = 0;
    while (menu->tmrInstruktion->isActive() && ticks < 100) {
        menu->tmrInstruktionTimer();
        ++ticks;
    }
    EXPECT_EQ(ticks, (menu->cboOvningar->y() - top) / 2 + 1);
    EXPECT_GT(menu->lblInstruktion->y(), menu->cboOvningar->y());
    EXPECT_EQ(menu->Shape2->BrushColor(), Colors::Yellow);
    const int stopped = menu->lblInstruktion->y();
    menu->SattVarldsdel(1);  // Europe does not start it again
    EXPECT_FALSE(menu->tmrInstruktion->isActive());
    EXPECT_EQ(menu->lblInstruktion->y(), stopped);
}

TEST_F(MainMenuTest, StartOpensTheScreenOfTheKind) {
    menu->cmdStartaClick();  // nothing chosen: nothing happens
    EXPECT_FALSE(menu->MapScreen || menu->FlagScreen || menu->MultiScreen);
    EXPECT_TRUE(messages.isEmpty());

    struct Case {
        const char* kind;
        std::function<bool()> opened;
    };
    const Case cases[] = {
        {"AREA", [&] { return !menu->MapScreen.isNull(); }},
        {"ORT", [&] { return !menu->MapScreen.isNull(); }},
        {"FLAGG", [&] { return !menu->FlagScreen.isNull(); }},
        {"MULTI", [&] { return !menu->MultiScreen.isNull(); }},
    };
    for (const Case& c : cases) {
        COvning* entry = FirstOfKind(c.kind);
        ASSERT_NE(entry, nullptr) << c.kind;
        const int continent = [&] {
            for (int n = 1; n <= 7; ++n)
                if (ContinentCode(n) == entry->Continent) return n;
            return 0;
        }();
        menu->SattVarldsdel(continent);
        ChooseExercise(entry->Names[2]);
        menu->cmdStartaClick();
        EXPECT_TRUE(c.opened()) << c.kind << ": " << messages.join('\n').toStdString();
        menu->FormActivate();  // before the new screen was ever active: it stays
        EXPECT_TRUE(c.opened()) << c.kind;
        Activate(c.kind == std::string("FLAGG")   ? static_cast<QWidget*>(menu->FlagScreen)
                 : c.kind == std::string("MULTI") ? static_cast<QWidget*>(menu->MultiScreen)
                                                  : static_cast<QWidget*>(menu->MapScreen));
        menu->FormActivate();  // the player clicks the menu: the open screen goes
        EXPECT_FALSE(menu->MapScreen || menu->FlagScreen || menu->MultiScreen) << c.kind;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// On a desktop, closing one screen to start another (practice from the review) activates the
// menu while the new screen starts: that must not release it.
TEST_F(MainMenuTest, AnActivationWhileAScreenStartsKeepsIt) {
    const COvning* entry = FirstOfKind("AREA");
    ASSERT_NE(entry, nullptr);
    menu->SattVarldsdel(1);
    ChooseExercise(entry->Names[2]);
    menu->cmdStartaClick();
    ASSERT_TRUE(menu->MapScreen);
    // Runs in the first messages the start lets run, as the desktop's activation does.
    QTimer::singleShot(0, menu.get(), [&] { menu->FormActivate(); });
    menu->cmdStartaClick();  // the old screen goes, a new one starts
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(menu->MapScreen) << "released while it started";
    EXPECT_TRUE(menu->MapScreen->isVisible());
    EXPECT_TRUE(menu->MapScreen->Exercise);
    // The desktop activates the menu as the old screen goes, before the new one.
    menu->FormActivate();
    ASSERT_TRUE(menu->MapScreen) << "released before it was ever active";
    Activate(menu->MapScreen);
    CloseScreens();
    menu->FormActivate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(menu->MapScreen);
}

// F1 opens the topic of the window it is pressed in, as the help buttons do.
TEST_F(MainMenuTest, F1OpensEachWindowsOwnHelpTopic) {
    const auto page = [](int topic) {
        return HelpPageFile(ProgramFile("help"), LanguageCode(CurrentLanguage), topic);
    };
    const auto pressF1 = [](QWidget* target) {
        CloseHelp();
        QTest::keyClick(target, Qt::Key_F1);
        return HelpWindow() ? HelpWindow()->CurrentPage() : QString("<no help window>");
    };
    EXPECT_EQ(pressF1(menu->lstParts), page(101));

    struct Case {
        const char* kind;
        int topic;
        std::function<QWidget*()> screen;
    };
    const Case cases[] = {
        {"AREA", 102, [&] { return static_cast<QWidget*>(menu->MapScreen.data()); }},
        {"FLAGG", 104, [&] { return static_cast<QWidget*>(menu->FlagScreen.data()); }},
        {"MULTI", 103, [&] { return static_cast<QWidget*>(menu->MultiScreen.data()); }},
    };
    for (const Case& c : cases) {
        COvning* entry = FirstOfKind(c.kind);
        ASSERT_NE(entry, nullptr) << c.kind;
        for (int n = 1; n <= 7; ++n)
            if (ContinentCode(n) == entry->Continent) menu->SattVarldsdel(n);
        ChooseExercise(entry->Names[2]);
        menu->cmdStartaClick();
        QWidget* screen = c.screen();
        ASSERT_NE(screen, nullptr) << c.kind;
        EXPECT_EQ(pressF1(screen), page(c.topic)) << c.kind;
        CloseScreens();
        menu->FormActivate();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    CloseHelp();
}

TEST_F(MainMenuTest, AFailingStartReportsAndLeavesTheMenuUsable) {
    ExerciseRecord broken;
    broken.Kind = "multi";  // any other case of MULTI opens the map screen
    broken.Names = QStringList{"Trasig", "Broken", "Cassé", "Kaputt", "Roto", "Rotto"};
    broken.Continent = "EUR";
    broken.MapNo = 1;
    broken.PlaceFileNo = 99;
    broken.Items = {"SE"};
    CrpWriter w;
    WriteExercise(w, broken);
    QTemporaryDir dir;
    w.Save(dir.filePath("Ovning.crp"));
    menu->Catalogue = std::make_unique<COvningar>();
    menu->Catalogue->Load(dir.filePath("Ovning.crp"));

    menu->SattVarldsdel(1);
    ChooseExercise("Broken");
    menu->cmdStartaClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
              "Oops! I failed to start the exercise.\nThe following problem occurred: "
              "File \"Ort99.crp\" not found.");
    EXPECT_FALSE(menu->MapScreen || menu->FlagScreen || menu->MultiScreen);
    EXPECT_EQ(menu->cboOvningar->count(), 1);  // still usable
}

TEST_F(MainMenuTest, Shape2TakesARandomColour) {
    QSet<TColor> seen;
    for (int i = 0; i < 5; ++i) {
        menu->Shape2MouseDown();
        const TColor c = menu->Shape2->BrushColor();
        EXPECT_EQ(c >> 24, 2u);
        EXPECT_GE(c & 0x00FFFFFFu, 0x000F00u);
        seen.insert(c);
    }
    EXPECT_GT(seen.size(), 1);
}

// Practise asks the chosen exercise's due items; when none is due it says
// when the next one is, and starts nothing. The list shows the figures.
TEST_F(MainMenuTest, PractiseAsksTheDueItemsOrSaysWhenTheNextFallsDue) {
    TResultsHistory history(Path("history.sqlite"));
    SetResultsHistory(&history);
    const COvning* entry = FirstOfKind("FLAGG");
    ASSERT_NE(entry, nullptr);
    const QStringList keys = TExerciseItems::KeysOf(*entry);
    ASSERT_GE(keys.size(), 4);
    const auto run = [&](const QString& missed) {
        const int r = history.BeginRun(entry->Number, 2, false);
        for (const QString& key : keys) history.RecordQuestion(r, key, key == missed ? 2 : 1, {});
        history.EndRun(r, 90, true);
        history.Flush();
    };
    run(keys[1]);  // everything learned a box up, but keys[1], due at once
    menu->SattVarldsdel(1);
    ChooseExercise(entry->Names[2]);
    const QListWidgetItem* line = menu->cboOvningar->selectedItems().first();
    EXPECT_EQ(line->data(ProgressFiguresRole).toString(), QString("90 %  0/%1").arg(keys.size()));
    menu->cmdPractiseClick();
    ASSERT_TRUE(menu->FlagScreen) << messages.join('\n').toStdString();
    ASSERT_TRUE(menu->FlagScreen->Exercise);
    EXPECT_TRUE(menu->FlagScreen->Exercise->Practice);
    EXPECT_EQ(menu->FlagScreen->Exercise->AskOnly, QStringList{keys[1]});
    CloseScreens();
    menu->FormActivate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    run({});  // now nothing is due before tomorrow
    ChooseExercise(entry->Names[2]);
    messages.clear();
    menu->cmdPractiseClick();
    EXPECT_FALSE(menu->FlagScreen || menu->MapScreen || menu->MultiScreen);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Nothing in this exercise is due"))
        << messages[0].toStdString();
    const QString tomorrow = QLocale("en").toString(QDate::currentDate().addDays(1), "d");
    EXPECT_TRUE(messages[0].contains(tomorrow)) << messages[0].toStdString();
    SetResultsHistory(nullptr);
}

// An own exercise keeps its schedule apart from the delivered exercise of the same number:
// Practise on it asks what its own runs left due.
TEST_F(MainMenuTest, PractiseOnAnOwnExerciseAsksItsOwnDueItems) {
    OpenWithAnOwnCopyOfTheFirstExercise();
    TResultsHistory history(Path("history.sqlite"));
    SetResultsHistory(&history);
    const auto lines =
        menu->cboOvningar->findItems(menu->Catalogue->First->Names[2], Qt::MatchExactly);
    ASSERT_EQ(lines.size(), 2);
    lines[1]->setSelected(true);
    const COvning* chosen = menu->ChosenEntry();
    ASSERT_TRUE(chosen && chosen->Own);
    ASSERT_EQ(chosen->Number, menu->Catalogue->First->Number);
    const auto run = [&](int number, const QString& missed) {
        const int r = history.BeginRun(number, 2, false);
        for (const QString key : {"SE", "NO", "FI"})
            history.RecordQuestion(r, key, key == missed ? 2 : 1, {});
        history.EndRun(r, 67, true);
        history.Flush();
    };
    run(menu->Catalogue->First->HistoryNumber(), "SE");
    run(chosen->HistoryNumber(), "FI");
    menu->cmdPractiseClick();
    ASSERT_TRUE(menu->MapScreen) << messages.join('\n').toStdString();
    ASSERT_TRUE(menu->MapScreen->Exercise);
    EXPECT_EQ(menu->MapScreen->Exercise->AskOnly, QStringList{"FI"});
    CloseScreens();
    menu->FormActivate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetResultsHistory(nullptr);
}

// Explore opens a flag exercise's gallery, and a map exercise's map with
// nothing asked.
TEST_F(MainMenuTest, ExploreOpensTheFlagsOrTheMapToLookAt) {
    const COvning* flags = FirstOfKind("FLAGG");
    menu->SattVarldsdel(1);
    ChooseExercise(flags->Names[2]);
    menu->cmdExploreClick();
    const auto galleries = menu->findChildren<TFlagGallery*>();
    ASSERT_EQ(galleries.size(), 1);
    EXPECT_EQ(galleries[0]->CardCount(), flags->ItemCount);
    EXPECT_FALSE(menu->FlagScreen);

    const COvning* area = FirstOfKind("AREA");
    ChooseExercise(area->Names[2]);
    menu->cmdExploreClick();
    ASSERT_TRUE(menu->MapScreen) << messages.join('\n').toStdString();
    ASSERT_TRUE(menu->MapScreen->Exercise);
    EXPECT_TRUE(menu->MapScreen->Exercise->Explores());
    EXPECT_TRUE(menu->MapScreen->lblProcent->isHidden());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(MainMenuTest, OwnExercisesAreListedAfterTheDeliveredAndChosenByTheirOwnLine) {
    // An own exercise may share a delivered one's name; its line still means it.
    OpenWithAnOwnCopyOfTheFirstExercise();
    const QString name = menu->Catalogue->First->Names[2];
    const auto lines = menu->cboOvningar->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_FALSE(lines[0]->font().italic());
    EXPECT_TRUE(lines[1]->font().italic());
    EXPECT_EQ(menu->cboOvningar->row(lines[1]), menu->cboOvningar->count() - 1);
    lines[1]->setSelected(true);
    ASSERT_TRUE(menu->ChosenEntry());
    EXPECT_TRUE(menu->ChosenEntry()->Own);
    EXPECT_EQ(menu->ChosenEntry()->ItemCount, 3);
    lines[1]->setSelected(false);
    lines[0]->setSelected(true);
    EXPECT_EQ(menu->ChosenEntry(), menu->Catalogue->First);
}

TEST_F(MainMenuTest, AnUnreadableOwnFileIsKeptAsideAndReported) {
    const QByteArray cut(
        "\x03"
        "abc");  // a record's kind, and nothing after it
    QFile damaged(OwnExercisesFile());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(cut);
    damaged.close();
    Open();
    QTest::qWait(10);  // the message follows the opening
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains("could not be read")) << messages.last().toStdString();
    const QStringList aside =
        QDir(dir_.path()).entryList({"own-exercises.crp.unreadable-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QDir(dir_.path()).filePath(aside.first()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), cut);
}

// The same file imported twice: the second time says so and adds nothing.
TEST_F(MainMenuTest, ImportingAFileTwiceSaysSoAndAddsNothing) {
    const COvning* delivered = FirstOfKind("AREA");
    ASSERT_NE(delivered, nullptr);
    auto shared = CreateExercise(delivered->Kind);
    shared->CopyCatalogueFields(*delivered);
    for (int language = 1; language <= 6; ++language) shared->Names[language] = "Shared lesson";
    SaveCatalogue({shared.get()}, Path("lesson.glomira"));
    menu->Teachers->Import(Path("lesson.glomira"), false);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Imported from")) << messages[0].toStdString();
    menu->Teachers->Import(Path("lesson.glomira"), false);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains("Nothing new was imported")) << messages[1].toStdString();
    EXPECT_TRUE(
        messages[1].contains("Already among your exercises, so not imported again:\n"
                             "Shared lesson"))
        << messages[1].toStdString();
    menu->SattVarldsdel(menu->CurrentContinent);
    EXPECT_EQ(menu->cboOvningar->findItems("Shared lesson", Qt::MatchExactly).size(), 1);
}

TEST_F(MainMenuTest, AnExerciseMadeFromTheMenuIsChosenUnderItsContinent) {
    menu->SattVarldsdel(1);
    menu->Teachers->RunMaker = [](TExerciseMaker& maker) {
        maker.cboContinent->setCurrentIndex(maker.cboContinent->findData("AFR"));
        for (int row = 0; row < maker.lstItems->count(); ++row)
            if (QStringList({"EG", "LY", "TN"})
                    .contains(maker.lstItems->item(row)->data(Qt::UserRole).toString()))
                maker.lstItems->item(row)->setCheckState(Qt::Checked);
        maker.txtNames[1]->setText("North Africa");
        return int(QDialog::Accepted);
    };
    menu->Teachers->NewExercise();
    EXPECT_EQ(menu->CurrentContinent, 5);  // Africa
    const COvning* chosen = menu->ChosenEntry();
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(chosen->Own);
    EXPECT_EQ(chosen->Names[2], "North Africa");
    EXPECT_EQ(chosen->ItemCount, 3);
    // Deleted, it leaves the list and nothing is chosen.
    menu->Teachers->Confirm = [](const QString&) { return true; };
    menu->Teachers->DeleteExercise();
    EXPECT_TRUE(menu->cboOvningar->findItems("North Africa", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(menu->ChosenEntry(), nullptr);
}

}  // namespace
