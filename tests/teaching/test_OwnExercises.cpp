// SPDX-License-Identifier: MIT
// Own exercises on the delivered maps: written in the catalogue's format
// and read back field for field, kept all or nothing, checked against the
// maps, and shared through files that import on a fresh profile or are
// refused without changing anything.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/CatalogueWriter.h"
#include "data/ovningar.h"
#include "screens/ScreenTest.h"
#include "teaching/CatalogueFields.h"
#include "teaching/ExerciseFile.h"
#include "teaching/ExerciseRules.h"
#include "teaching/OwnExercises.h"

namespace {

constexpr int English = 2;

std::unique_ptr<COvning> Exercise(const QString& kind, const QString& name, int mapNo,
                                  const QStringList& keys) {
    auto e = CreateExercise(kind);
    e->Kind = kind;
    for (int l = 1; l <= 6; ++l) e->Names[l] = name;
    e->MapNo = mapNo;
    e->PlaceFileNo = 1;
    e->BorderWidth = 1;
    e->Continent = QStringLiteral("EUR");
    e->ItemCount = int(keys.size());
    for (int i = 1; i <= e->ItemCount; ++i) e->Items[i] = keys[i - 1];
    if (kind == "ORT" || kind == "MULTI") {
        e->MaxPlaceRank = 1;
        e->RequirePlaceFlag1 = true;
    }
    return e;
}

const QStringList Nordic = {"SE", "NO", "FI", "DK", "IS"};

QByteArray Bytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class OwnExercisesTest : public DeliveredDataTest {};

TEST_F(OwnExercisesTest, EveryDeliveredExerciseWritesBackByteForByte) {
    // The delivered catalogue is the format's reference: written again, it
    // must be the same file.
    const QString copy = Path("copy.crp");
    SaveCatalogue(catalogue.Entries(), copy);
    EXPECT_EQ(Bytes(copy), Bytes(ProgramFile("Ovning.crp")));
}

TEST_F(OwnExercisesTest, EveryFieldReadsBack) {
    auto e = Exercise("ORT", "Städer i Norden", 4, {"SE-AB", "NO-03"});
    e->Names[3] = "Villes nordiques — « été »";
    e->Names[4] = "Großstädte";
    e->Number = 90;
    e->MaxPlaceRank = 255;
    e->RequirePlaceFlag1 = false;
    e->RequirePlaceFlag2 = true;
    e->ReservedFlag = true;
    e->PlaceFileNo = 3;
    e->Continent = "*";
    e->LandColor = MakeColor(1, 2, 3);
    e->AreaColor = MakeColor(255, 254, 253);
    e->SeaColor = MakeColor(26, 58, 150);
    e->TopLatitude = 72.1234;
    e->BottomLatitude = -0.0025;
    e->CentreLongitude = -179.9999;
    const QString file = Path("one.crp");
    SaveCatalogue({e.get()}, file);
    COvningar read;
    read.Load(file);
    ASSERT_TRUE(read.First);
    EXPECT_FALSE(read.First->Next);
    ExpectSameFields(*read.First, *e);
}

TEST_F(OwnExercisesTest, TextsTheFormatCannotHoldAreRefusedAndNoFileIsWritten) {
    const QString file = Path("never.crp");
    auto chinese = Exercise("AREA", "北欧", 1, Nordic);
    EXPECT_THROW(SaveCatalogue({chinese.get()}, file), ECatalogueField);
    auto longName = Exercise("AREA", QString(256, 'a'), 1, Nordic);
    EXPECT_THROW(SaveCatalogue({longName.get()}, file), ECatalogueField);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(CatalogueTextProblem("北欧").isEmpty());
    EXPECT_TRUE(CatalogueTextProblem("Ærø, Öland, Île-de-France").isEmpty());
}

TEST_F(OwnExercisesTest, OwnListNumbersKeepsAndRemovesAndSurvivesAReload) {
    TOwnExercises own(Path("own.crp"));
    own.Load();  // no file yet: none
    EXPECT_EQ(own.Count(), 0);
    std::vector<std::unique_ptr<COvning>> three;
    for (const char* name : {"A", "B", "C"}) three.push_back(Exercise("AREA", name, 1, Nordic));
    const auto added = own.Add(std::move(three));
    ASSERT_EQ(added.size(), 3u);
    EXPECT_EQ(added[0]->Number, 1);
    EXPECT_EQ(added[2]->Number, 3);
    EXPECT_TRUE(added[1]->Own);
    EXPECT_EQ(added[1]->HistoryNumber(), COvning::OwnHistoryBase + 2);

    own.Remove(2);
    // The freed number is used again; B's replacement keeps A's number and place.
    std::vector<std::unique_ptr<COvning>> one;
    one.push_back(Exercise("AREA", "D", 1, Nordic));
    EXPECT_EQ(own.Add(std::move(one)).front()->Number, 2);
    own.Replace(1, Exercise("FLAGG", "A2", 1, Nordic));

    TOwnExercises again(Path("own.crp"));
    again.Load();
    QStringList seen;
    for (const COvning* e : again.Entries())
        seen << QString("%1:%2:%3").arg(e->Number).arg(e->Names[English], e->Own ? "own" : "");
    EXPECT_EQ(seen, QStringList({"1:A2:own", "3:C:own", "2:D:own"}));
}

TEST_F(OwnExercisesTest, AFileCutAfterARecordsKindIsDamagedButKeepsTheWholeRecords) {
    auto whole = Exercise("AREA", "Whole", 1, Nordic);
    SaveCatalogue({whole.get()}, Path("own.crp"));
    QFile file(Path("own.crp"));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(EncodeCatalogue({whole.get()}).left(5));  // the next record's kind "AREA"
    file.close();
    TOwnExercises own(Path("own.crp"));
    EXPECT_THROW(own.Load(), EInOutError);
    ASSERT_EQ(own.Count(), 1);
    EXPECT_EQ(own.First()->Names[English], "Whole");
}

TEST_F(OwnExercisesTest, AChangeThatCannotBeWrittenChangesNothing) {
    // The file's folder is a file: nothing can be written there.
    QFile blocker(Path("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TOwnExercises own(Path("blocked/own.crp"));
    std::vector<std::unique_ptr<COvning>> one;
    one.push_back(Exercise("AREA", "A", 1, Nordic));
    EXPECT_THROW(own.Add(std::move(one)), EInOutError);
    EXPECT_EQ(own.Count(), 0);

    TOwnExercises full(Path("full.crp"));
    std::vector<std::unique_ptr<COvning>> many;
    for (int i = 0; i < TOwnExercises::MaxExercises; ++i)
        many.push_back(Exercise("AREA", QString("E%1").arg(i), 1, Nordic));
    full.Add(std::move(many));
    const QByteArray before = Bytes(Path("full.crp"));
    std::vector<std::unique_ptr<COvning>> extra;
    extra.push_back(Exercise("AREA", "one too many", 1, Nordic));
    EXPECT_THROW(full.Add(std::move(extra)), EOwnExercisesFull);
    EXPECT_EQ(full.Count(), TOwnExercises::MaxExercises);
    EXPECT_EQ(Bytes(Path("full.crp")), before);
}

TEST_F(OwnExercisesTest, TheRulesPassEveryDeliveredExercise) {
    TExerciseRules rules;
    for (const COvning* e : catalogue.Entries())
        EXPECT_EQ(rules.ProblemsOf(*e, English), QStringList())
            << "exercise " << e->Number << " " << e->Names[English].toStdString();
}

TEST_F(OwnExercisesTest, TheRulesNameWhatIsWrong) {
    TExerciseRules rules;
    const auto problems = [&](const COvning& e) { return rules.ProblemsOf(e, English).join('|'); };
    EXPECT_EQ(problems(*Exercise("AREA", "Nordic", 1, Nordic)), "");
    EXPECT_EQ(problems(*Exercise("MULTI", "Nordic", 1, Nordic)), "");
    EXPECT_EQ(problems(*Exercise("ORT", "Nordic", 1, Nordic)), "");

    EXPECT_TRUE(problems(*Exercise("AREA", "x", 1, {"SE", "XX"})).contains("“XX” names nothing"));
    EXPECT_TRUE(problems(*Exercise("AREA", "", 1, Nordic)).contains("no name"));
    EXPECT_TRUE(problems(*Exercise("AREA", "x", 1, {})).contains("at least one item"));
    EXPECT_TRUE(problems(*Exercise("AREA", "x", 9, Nordic)).contains("no map 9"));
    EXPECT_TRUE(problems(*Exercise("QUIZ", "x", 1, Nordic)).contains("“QUIZ” is not a kind"));
    // Two countries can't give four answers to choose from.
    EXPECT_TRUE(problems(*Exercise("MULTI", "x", 1, {"SE", "NO"})).contains("needs 4 answers"));
    // Antarctica has no capital.
    EXPECT_TRUE(problems(*Exercise("ORT", "x", 1, {"SE", "AQ"})).contains("has no city"));

    QStringList seventeen;
    for (const char* key : {"SE", "NO", "FI", "DK", "IS", "EE", "LV", "LT", "PL", "DE", "NL", "BE",
                            "FR", "ES", "PT", "IT", "AT"})
        seventeen << key;
    EXPECT_TRUE(problems(*Exercise("FLAGG", "x", 1, seventeen)).contains("at most 16 flags"));
    EXPECT_EQ(problems(*Exercise("FLAGG", "x", 1, seventeen.mid(0, 16))), "");

    auto view = Exercise("AREA", "x", 1, Nordic);
    view->TopLatitude = 40;
    view->BottomLatitude = 60;  // upside down
    EXPECT_TRUE(problems(*view).contains("outside the map"));
    auto badText = Exercise("AREA", "北欧", 1, Nordic);
    EXPECT_TRUE(problems(*badText).contains("can't be stored"));
}

TEST_F(OwnExercisesTest, AnExportedFileImportsOnAFreshProfile) {
    TOwnExercises teacher(Path("teacher/own.crp"));
    QDir().mkpath(Path("teacher"));
    std::vector<std::unique_ptr<COvning>> made;
    made.push_back(Exercise("AREA", "Nordic countries", 2, Nordic));
    made.push_back(Exercise("ORT", "Nordic capitals", 1, Nordic));
    made.push_back(Exercise("FLAGG", "Nordic flags", 1, Nordic));
    made.push_back(Exercise("MULTI", "Nordic capitals, four choices", 1, Nordic));
    made[0]->TopLatitude = 72;
    made[0]->BottomLatitude = 54;
    made[0]->CentreLongitude = 15;
    teacher.Add(std::move(made));
    ExportExercises(teacher.Entries(), Path("lesson.glomira"));

    // The pupil already has one of their own: the imported ones follow it.
    QDir().mkpath(Path("pupil"));
    TOwnExercises pupil(Path("pupil/own.crp"));
    std::vector<std::unique_ptr<COvning>> mine;
    mine.push_back(Exercise("AREA", "Mine", 1, {"SE"}));
    pupil.Add(std::move(mine));
    TExerciseRules rules;
    const TImportResult result = ImportExercises(Path("lesson.glomira"), pupil, rules, English);
    ASSERT_TRUE(result.Imported) << result.Reason.toStdString();
    EXPECT_EQ(result.Names, QStringList({"Nordic countries", "Nordic capitals", "Nordic flags",
                                         "Nordic capitals, four choices"}));
    TOwnExercises reread(Path("pupil/own.crp"));
    reread.Load();
    const auto imported = reread.Entries();
    ASSERT_EQ(imported.size(), 5u);
    const auto original = teacher.Entries();
    for (std::size_t i = 0; i < original.size(); ++i) {
        EXPECT_EQ(imported[i + 1]->Number, int(i) + 2);  // renumbered after the pupil's own
        auto expected = CreateExercise(original[i]->Kind);
        expected->CopyCatalogueFields(*original[i]);
        expected->Number = int(i) + 2;
        ExpectSameFields(*imported[i + 1], *expected);
    }
}

// Importing a file twice (or one that repeats an exercise) adds each
// exercise once and names the ones skipped; one that differs in any field
// but its number is new.
TEST_F(OwnExercisesTest, ExactDuplicatesAreSkippedAndNamed) {
    std::vector<std::unique_ptr<COvning>> lesson;
    lesson.push_back(Exercise("AREA", "Nordic countries", 1, Nordic));
    lesson.push_back(Exercise("FLAGG", "Nordic flags", 1, Nordic));
    lesson.push_back(Exercise("AREA", "Nordic countries", 1, Nordic));  // again, in the file
    lesson[2]->Number = 7;
    std::vector<const COvning*> saved = {lesson[0].get(), lesson[1].get(), lesson[2].get()};
    SaveCatalogue(saved, Path("lesson.glomira"));

    QDir().mkpath(Path("pupil"));
    TOwnExercises pupil(Path("pupil/own.crp"));
    TExerciseRules rules;
    const TImportResult first = ImportExercises(Path("lesson.glomira"), pupil, rules, English);
    ASSERT_TRUE(first.Imported) << first.Reason.toStdString();
    EXPECT_EQ(first.Names, QStringList({"Nordic countries", "Nordic flags"}));
    EXPECT_EQ(first.Skipped, QStringList({"Nordic countries"}));
    const QByteArray once = Bytes(Path("pupil/own.crp"));

    const TImportResult second = ImportExercises(Path("lesson.glomira"), pupil, rules, English);
    EXPECT_TRUE(second.Imported);
    EXPECT_TRUE(second.Names.isEmpty());
    EXPECT_EQ(second.Skipped.size(), 3);
    EXPECT_EQ(pupil.Count(), 2);
    EXPECT_EQ(Bytes(Path("pupil/own.crp")), once);  // not even rewritten

    // Another view of the same items is another exercise.
    lesson[0]->TopLatitude = 72;
    lesson[0]->BottomLatitude = 54;
    SaveCatalogue({lesson[0].get()}, Path("other-view.glomira"));
    const TImportResult third = ImportExercises(Path("other-view.glomira"), pupil, rules, English);
    EXPECT_EQ(third.Names, QStringList({"Nordic countries"}));
    EXPECT_TRUE(third.Skipped.isEmpty());
    EXPECT_EQ(pupil.Count(), 3);
}

TEST_F(OwnExercisesTest, DamagedOrHostileFilesAreRefusedAndChangeNothing) {
    TExerciseRules rules;
    QDir().mkpath(Path("pupil"));
    TOwnExercises pupil(Path("pupil/own.crp"));
    std::vector<std::unique_ptr<COvning>> mine;
    mine.push_back(Exercise("AREA", "Mine", 1, {"SE"}));
    pupil.Add(std::move(mine));
    const QByteArray before = Bytes(Path("pupil/own.crp"));

    std::vector<std::unique_ptr<COvning>> good;
    good.push_back(Exercise("AREA", "Good", 1, Nordic));
    good.push_back(Exercise("AREA", "Bad", 1, {"SE", "XX"}));
    std::vector<const COvning*> both = {good[0].get(), good[1].get()};
    SaveCatalogue(both, Path("one-bad.glomira"));
    const QByteArray whole = Bytes(Path("one-bad.glomira"));

    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return Path(name);
    };
    struct Case {
        QString file;
        QString reason;  // a part of the message
    };
    const QList<Case> cases = {
        {Path("one-bad.glomira"), "The exercise “Bad” can't be played"},
        {write("cut.glomira", whole.left(whole.size() - 3)), "Read beyond end of file"},
        {write("empty.glomira", {}), "can't be read"},
        {write("huge.glomira", QByteArray(5 * 1024 * 1024, 'x')), "far too big"},
        {Path("no-such-file.glomira"), "not found"},
    };
    for (const Case& c : cases) {
        const TImportResult result = ImportExercises(c.file, pupil, rules, English);
        EXPECT_FALSE(result.Imported) << c.file.toStdString();
        EXPECT_TRUE(result.Reason.contains(c.reason))
            << c.file.toStdString() << ": " << result.Reason.toStdString();
        EXPECT_EQ(pupil.Count(), 1);
        EXPECT_EQ(Bytes(Path("pupil/own.crp")), before);
    }

    // More than there is room for: none of them.
    std::vector<std::unique_ptr<COvning>> lots;
    for (int i = 0; i < TOwnExercises::MaxExercises; ++i)
        lots.push_back(Exercise("AREA", QString("E%1").arg(i), 1, Nordic));
    std::vector<const COvning*> all;
    for (const auto& e : lots) all.push_back(e.get());
    SaveCatalogue(all, Path("ninety.glomira"));
    const TImportResult full = ImportExercises(Path("ninety.glomira"), pupil, rules, English);
    EXPECT_FALSE(full.Imported);
    EXPECT_TRUE(full.Reason.contains("room for 89 more")) << full.Reason.toStdString();
    EXPECT_EQ(Bytes(Path("pupil/own.crp")), before);
}

}  // namespace
