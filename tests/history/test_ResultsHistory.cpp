// SPDX-License-Identifier: MIT
// The results history: what it records, what it survives (a kill, a damaged
// or newer file, a folder it can't write), read back through its own API
// and, where it matters, through SQLite itself.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <csignal>
#include <memory>

#include "history/HistoryLock.h"
#include "history/HistorySchema.h"
#include "history/ResultsHistory.h"
#include "support/GlomiraTest.h"

namespace {

class ResultsHistoryTest : public GlomiraTest {
  protected:
    // A clock the test moves on.
    QDateTime now = QDateTime(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC);
    TResultsHistory::TClock Clock() {
        return [this] { return now; };
    }
    QString File() const { return Path("history/history.sqlite"); }

    // A value read with SQLite itself, past the history's own code.
    static QVariant Sql(const QString& file, const QString& statement) {
        QVariant value;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "peek");
            db.setDatabaseName(file);
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(statement) && q.next()) value = q.value(0);
            }
        }
        QSqlDatabase::removeDatabase("peek");
        return value;
    }
};

}  // namespace

TEST_F(ResultsHistoryTest, RecordsRunsAndQuestionsAsTheyHappened) {
    TResultsHistory history(File(), Clock());
    ASSERT_EQ(history.Opening(), TResultsHistory::TOpening::Fine);
    const int full = history.BeginRun(12, 2, false);
    now = now.addSecs(5);
    history.RecordQuestion(full, "SE", 1, {});
    now = now.addSecs(7);
    history.RecordQuestion(full, "NO", 3, {"FI", "SE"});
    now = now.addSecs(2);
    history.EndRun(full, 60, true);
    history.SetSignature(full, "Åsa, \"the\" tester");
    now = now.addDays(1);
    const int closed = history.BeginRun(12, 1, true);
    history.RecordQuestion(closed, "DK", 2, {"NO"});
    history.EndRun(closed, 50, false);  // the window closed before the end
    history.BeginRun(13, 2, false);     // another exercise

    const std::vector<THistoryRun> runs = history.Runs(12);
    ASSERT_EQ(runs.size(), 2u);
    // Newest first.
    EXPECT_TRUE(runs[0].practice);
    EXPECT_FALSE(runs[0].finished);
    EXPECT_EQ(runs[0].percent, -1);
    EXPECT_EQ(runs[0].language, 1);
    EXPECT_EQ(runs[1].exercise, 12);
    EXPECT_FALSE(runs[1].practice);
    EXPECT_TRUE(runs[1].finished);
    EXPECT_EQ(runs[1].percent, 60);
    EXPECT_EQ(runs[1].signature, "Åsa, \"the\" tester");
    EXPECT_EQ(runs[1].started, QDateTime(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC));
    EXPECT_EQ(runs[1].ended, QDateTime(QDate(2026, 12, 8), QTime(9, 30, 14), Qt::UTC));

    const std::vector<THistoryQuestion> asked = history.Questions(runs[1].id);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].item, "SE");
    EXPECT_TRUE(asked[0].RightAtFirstTry());
    EXPECT_TRUE(asked[0].clickedInstead.isEmpty());
    EXPECT_EQ(asked[1].item, "NO");
    EXPECT_EQ(asked[1].attempts, 3);
    EXPECT_FALSE(asked[1].RightAtFirstTry());
    EXPECT_EQ(asked[1].clickedInstead, QStringList({"FI", "SE"}));
    EXPECT_EQ(asked[1].answered, QDateTime(QDate(2026, 12, 8), QTime(9, 30, 12), Qt::UTC));
    EXPECT_EQ(history.Questions(runs[0].id).size(), 1u);
    EXPECT_EQ(history.Runs(13).size(), 1u);
    EXPECT_TRUE(history.Runs(14).empty());
}

TEST_F(ResultsHistoryTest, KeepsItsRecordsAcrossProgramRunsInAVersionedWriteAheadFile) {
    {
        TResultsHistory history(File(), Clock());
        const int run = history.BeginRun(3, 4, false);
        history.RecordQuestion(run, "DE-BY", 1, {});
        history.EndRun(run, 100, true);
    }  // written before it goes
    EXPECT_EQ(Sql(File(), "PRAGMA user_version").toInt(), TResultsHistory::SchemaVersion);
    EXPECT_EQ(Sql(File(), "PRAGMA journal_mode").toString(), "wal");
    TResultsHistory again(File(), Clock());
    EXPECT_EQ(again.Opening(), TResultsHistory::TOpening::Fine);
    const auto runs = again.Runs(3);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(again.Questions(runs[0].id).size(), 1u);
    // A new run of this program hands out its own run handles.
    const int run = again.BeginRun(3, 4, false);
    again.RecordQuestion(run, "DE-BE", 2, {"DE-BB"});
    EXPECT_EQ(again.Runs(3).size(), 2u);
    EXPECT_EQ(again.Questions(again.Runs(3)[0].id).size(), 1u);
}

// A file that isn't a database, or one of a later version, is moved aside
// whole (nothing is lost) and a fresh one started.
TEST_F(ResultsHistoryTest, ADamagedOrNewerFileIsMovedAsideAndAFreshOneStarted) {
    QDir().mkpath(Path("history"));
    const QByteArray garbage = QByteArray("not a database at all ").repeated(200);
    {
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    {
        TResultsHistory history(File(), Clock());
        EXPECT_EQ(history.Opening(), TResultsHistory::TOpening::MovedAside);
        EXPECT_EQ(history.MovedTo(), File() + ".damaged-20261208-093000");
        QFile aside(history.MovedTo());
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), garbage);
        history.EndRun(history.BeginRun(1, 1, false), 80, true);
        EXPECT_EQ(history.Runs(1).size(), 1u);
    }

    now = now.addSecs(60);
    {
        TResultsHistory history(File(), Clock());
        history.Flush();
    }
    Sql(File(), "PRAGMA user_version=2");  // as a later program would leave it
    TResultsHistory history(File(), Clock());
    EXPECT_EQ(history.Opening(), TResultsHistory::TOpening::MovedAside);
    EXPECT_TRUE(history.Runs(1).empty());
    EXPECT_EQ(Sql(history.MovedTo(), "SELECT COUNT(*) FROM runs").toInt(), 1);
}

TEST_F(ResultsHistoryTest, WithoutAWritableFolderTheGameGoesOnWithoutHistory) {
    {
        QFile blocker(Path("history"));  // a file where the folder should be
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    TResultsHistory history(File(), Clock());
    EXPECT_EQ(history.Opening(), TResultsHistory::TOpening::Unusable);
    const int run = history.BeginRun(1, 1, false);
    history.RecordQuestion(run, "SE", 1, {});
    history.EndRun(run, 100, true);
    history.Flush();
    EXPECT_TRUE(history.Runs(1).empty());
}

// A program killed in the middle of a run leaves a database that opens, with
// every question it had written.
TEST_F(ResultsHistoryTest, AKilledProgramLeavesEveryWrittenQuestion) {
    QProcess writer;
    writer.start(QCoreApplication::applicationDirPath() + "/glomira_history_writer", {File()});
    ASSERT_TRUE(writer.waitForStarted(10000));
    int written = 0;
    while (written < 40 && writer.waitForReadyRead(10000))
        while (writer.canReadLine()) written = writer.readLine().trimmed().toInt();
    ASSERT_GE(written, 40) << writer.readAllStandardError().toStdString();
    ::kill(pid_t(writer.processId()), SIGKILL);
    ASSERT_TRUE(writer.waitForFinished(10000));
    // What it printed after that was written too.
    while (writer.canReadLine()) written = writer.readLine().trimmed().toInt();

    TResultsHistory history(File(), Clock());
    EXPECT_EQ(history.Opening(), TResultsHistory::TOpening::Fine);
    const auto runs = history.Runs(7);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_FALSE(runs[0].finished);
    const auto asked = history.Questions(runs[0].id);
    ASSERT_GE(int(asked.size()), written);
    for (int n = 1; n <= written; ++n)
        EXPECT_EQ(asked[std::size_t(n - 1)].item, QString("Q%1").arg(n));
    EXPECT_EQ(Sql(File(), "PRAGMA integrity_check").toString(), "ok");
}

// Copies of the game started at one moment on a history that isn't there
// yet (a double click, a file opened while the game starts) share one
// database: every question each wrote is in it, it is sound, and nothing
// was moved aside.
TEST_F(ResultsHistoryTest, CopiesStartingTogetherOnANewHistoryShareOneDatabase) {
    const QString writerProgram =
        QCoreApplication::applicationDirPath() + "/glomira_history_writer";
    const int rounds = qEnvironmentVariableIsSet("GLOMIRA_HISTORY_ROUNDS")
                           ? qEnvironmentVariableIntValue("GLOMIRA_HISTORY_ROUNDS")
                           : 50;
    constexpr int Questions = 4;
    for (const int copies : {2, 4, 8}) {
        for (int round = 0; round < rounds; ++round) {
            SCOPED_TRACE(QString("%1 copies, round %2").arg(copies).arg(round).toStdString());
            const QString folder = Path(QString("race-%1-%2").arg(copies).arg(round));
            const QString file = folder + "/history.sqlite";
            std::vector<std::unique_ptr<QProcess>> writers;
            for (int w = 0; w < copies; ++w) {
                writers.push_back(std::make_unique<QProcess>());
                writers.back()->start(writerProgram,
                                      {file, QString::number(Questions), QString("W%1").arg(w)});
            }
            for (auto& writer : writers) {
                ASSERT_TRUE(writer->waitForReadyRead(20000));
                ASSERT_EQ(writer->readLine().trimmed(), "ready");
            }
            // Written out at once: a QProcess sends only when asked to.
            for (auto& writer : writers) writer->write("go\n");
            for (auto& writer : writers) ASSERT_TRUE(writer->waitForBytesWritten(10000));
            for (int w = 0; w < copies; ++w) {
                QProcess& writer = *writers[std::size_t(w)];
                ASSERT_TRUE(writer.waitForFinished(60000));
                EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
                const QList<QByteArray> said = writer.readAllStandardOutput().trimmed().split('\n');
                ASSERT_EQ(said.size(), Questions + 1);
                EXPECT_EQ(said[0].toStdString(), "opening 0");  // Fine
                EXPECT_EQ(said.last().toInt(), Questions);
                EXPECT_EQ(
                    Sql(file,
                        QString("SELECT COUNT(*) FROM questions WHERE item LIKE 'W%1-%'").arg(w))
                        .toInt(),
                    Questions);
            }
            EXPECT_EQ(Sql(file, "SELECT COUNT(*) FROM runs WHERE finished = 1").toInt(), copies);
            EXPECT_EQ(Sql(file, "PRAGMA integrity_check").toString(), "ok");
            const QStringList left = QDir(folder).entryList({"*.damaged-*", "*.pending-*"});
            EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
            if (HasFailure()) return;
        }
    }
}

// A damaged file that another copy of the game still has open is left where
// it is: this copy goes on without history, and the next one alone moves it.
TEST_F(ResultsHistoryTest, AFileAnotherCopyHasOpenIsNeverMovedAside) {
    QDir().mkpath(Path("history"));
    const QByteArray garbage = QByteArray("not a database at all ").repeated(200);
    {
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    {
        THistoryLock otherCopy(File());
        ASSERT_TRUE(otherCopy.Take(1000));
        otherCopy.Share();
        TResultsHistory history(File(), Clock());
        EXPECT_EQ(history.Opening(), TResultsHistory::TOpening::Unusable);
        EXPECT_TRUE(QDir(Path("history")).entryList({"*.damaged-*"}).isEmpty());
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), garbage);
    }
    TResultsHistory history(File(), Clock());
    EXPECT_EQ(history.Opening(), TResultsHistory::TOpening::MovedAside);
}

// A database that refuses writes (here a trigger) loses none: the player is
// told once, the writes wait beside it and go in as soon as it takes them,
// in this program or, if it ends first, in the next.
TEST_F(ResultsHistoryTest, WritesTheDatabaseRefusesWaitAndGoInOnceItTakesThem) {
    { TResultsHistory(File(), Clock()).Flush(); }
    const auto refuse = [&](const QString& table) {
        Sql(File(), QString("CREATE TRIGGER refuse_%1 BEFORE INSERT ON %1 BEGIN"
                            " SELECT RAISE(ABORT, 'refused by trigger'); END")
                        .arg(table));
    };
    const auto keptFiles = [&] { return QDir(Path("history")).entryList({"*.pending-*"}); };
    int notices = 0;

    // Refused in the middle of a run, taken again while the program runs.
    refuse("questions");
    {
        TResultsHistory history(File(), Clock());
        history.SetRefusalNotice([&] { ++notices; });
        const int run = history.BeginRun(4, 2, false);
        history.RecordQuestion(run, "SE", 1, {});
        history.RecordQuestion(run, "NO", 2, {"SE"});
        history.EndRun(run, 75, true);
        history.Flush();
        EXPECT_EQ(notices, 1);
        EXPECT_EQ(Sql(File(), "SELECT COUNT(*) FROM questions").toInt(), 0);
        EXPECT_EQ(keptFiles().size(), 1);
        Sql(File(), "DROP TRIGGER refuse_questions");
        history.RecordQuestion(history.BeginRun(4, 2, true), "FI", 1, {});
        history.Flush();
        const auto runs = history.Runs(4);
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_EQ(runs[1].percent, 75);  // the run's end waited behind its questions
        ASSERT_EQ(history.Questions(runs[1].id).size(), 2u);
        EXPECT_EQ(history.Questions(runs[1].id)[1].clickedInstead, QStringList{"SE"});
        EXPECT_EQ(history.Questions(runs[0].id).size(), 1u);
        EXPECT_TRUE(keptFiles().isEmpty());
    }

    // Refused until the program ends (killed or closed): the next one writes them.
    refuse("runs");
    notices = 0;
    {
        TResultsHistory history(File(), Clock());
        history.SetRefusalNotice([&] { ++notices; });
        const int run = history.BeginRun(9, 1, false);
        history.RecordQuestion(run, "DE-BY", 3, {"DE-BW", "AT"});
        history.EndRun(run, 40, true);
        history.SetSignature(run, "Kim");
        history.Flush();
        EXPECT_EQ(notices, 1);
    }
    ASSERT_EQ(keptFiles().size(), 1);
    {
        QFile kept(Path("history/" + keptFiles()[0]));
        ASSERT_TRUE(kept.open(QIODevice::Append));
        kept.write("{\"kind\": 1, \"ru");  // the last line of a killed program
    }
    Sql(File(), "DROP TRIGGER refuse_runs");
    TResultsHistory history(File(), Clock());
    const auto runs = history.Runs(9);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].percent, 40);
    EXPECT_EQ(runs[0].signature, "Kim");
    const auto asked = history.Questions(runs[0].id);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].clickedInstead, QStringList({"DE-BW", "AT"}));
    EXPECT_TRUE(keptFiles().isEmpty());
    EXPECT_EQ(Sql(File(), "PRAGMA integrity_check").toString(), "ok");
}

// A later schema migrates a file today's program wrote, keeping every
// record, in one transaction: a step that fails leaves the file as it was.
TEST_F(ResultsHistoryTest, ALaterSchemaMigratesTodaysFileWithoutLosingARecord) {
    EXPECT_EQ(HistorySchemaSteps().back().version, TResultsHistory::SchemaVersion);
    {
        TResultsHistory history(File(), Clock());
        const int run = history.BeginRun(3, 2, false);
        history.RecordQuestion(run, "SE", 2, {"NO"});
        history.EndRun(run, 50, true);
    }
    std::vector<THistorySchemaStep> later = HistorySchemaSteps();
    const auto migrate = [&](const std::vector<THistorySchemaStep>& steps) {
        bool done = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "migrate");
            db.setDatabaseName(File());
            if (db.open()) done = MigrateHistorySchema(db, steps);
        }
        QSqlDatabase::removeDatabase("migrate");
        return done;
    };

    // A step that fails half-way: nothing of it stays.
    later.push_back({2,
                     {"ALTER TABLE runs ADD COLUMN device TEXT",
                      "CREATE INDEX questions_by_item ON no_such_table(item)"}});
    EXPECT_FALSE(migrate(later));
    EXPECT_EQ(Sql(File(), "PRAGMA user_version").toInt(), 1);
    EXPECT_FALSE(Sql(File(), "SELECT device FROM runs").isValid());

    later.back().statements = {"ALTER TABLE runs ADD COLUMN device TEXT",
                               "CREATE INDEX questions_by_item ON questions(item)"};
    later.push_back({3, {"UPDATE runs SET device = 'desk'"}});
    EXPECT_TRUE(migrate(later));
    EXPECT_EQ(Sql(File(), "PRAGMA user_version").toInt(), 3);
    EXPECT_EQ(Sql(File(), "SELECT device FROM runs").toString(), "desk");
    EXPECT_EQ(Sql(File(), "SELECT percent FROM runs WHERE exercise = 3").toInt(), 50);
    EXPECT_EQ(Sql(File(), "SELECT clicked FROM questions WHERE item = 'SE'").toString(), "NO");
    EXPECT_TRUE(migrate(later));                  // already there: nothing to do
    EXPECT_FALSE(migrate(HistorySchemaSteps()));  // newer than today's steps
    EXPECT_EQ(Sql(File(), "PRAGMA integrity_check").toString(), "ok");
}

// The Leitner schedule over simulated days, from the history's questions:
// a right answer at the first try moves an item up a box (due 1, 3, 7, 21
// days later), a miss sends it back to the first (due at once).
TEST_F(ResultsHistoryTest, TheScheduleMovesItemsThroughTheBoxesOverTheDays) {
    TResultsHistory history(File(), Clock());
    const QStringList items{"SE", "NO", "FI", "DK"};
    const auto play = [&](const QList<QPair<QString, int>>& answers, bool practice) {
        const int run = history.BeginRun(5, 2, practice);
        for (const auto& [item, attempts] : answers) {
            history.RecordQuestion(run, item, attempts, {});
            now = now.addSecs(10);
        }
        history.EndRun(run, 50, true);
    };
    const QDateTime start = now;
    // Nothing asked: everything due, nothing learned.
    EXPECT_EQ(history.Schedule(5).Due(items, now), items);
    EXPECT_FALSE(history.Schedule(5).NextDue(items).has_value());

    play({{"SE", 1}, {"NO", 3}, {"FI", 1}}, false);  // day 0
    TLearningSchedule s = history.Schedule(5);
    EXPECT_EQ(s.Of("SE").box, 2);
    EXPECT_EQ(s.Of("NO").box, 1);
    EXPECT_FALSE(s.Of("NO").lastRight);
    EXPECT_EQ(s.Of("DK").box, 0);
    EXPECT_EQ(s.Due(items, now), QStringList({"NO", "DK"}));  // missed, and never asked
    EXPECT_EQ(s.DueAt("SE"), start.addDays(1));

    now = start.addDays(1);  // a practice run of what is due, and SE
    play({{"NO", 1}, {"DK", 1}, {"SE", 1}}, true);
    s = history.Schedule(5);
    EXPECT_EQ(s.Of("SE").box, 3);
    EXPECT_EQ(s.Of("NO").box, 2);
    EXPECT_EQ(s.Due(items, now), QStringList({"FI"}));  // box 2 since day 0
    now = start.addDays(1).addSecs(3600);
    play({{"FI", 2}}, true);
    EXPECT_EQ(history.Schedule(5).Of("FI").box, 1);

    // Right every time it falls due: SE reaches the top box and stays there.
    for (const int days : {3, 7, 21, 21}) {
        const TLearningSchedule before = history.Schedule(5);
        EXPECT_EQ(before.Of("SE").lastAsked.daysTo(before.DueAt("SE")), days);
        now = before.DueAt("SE");
        EXPECT_TRUE(before.IsDue("SE", now));
        EXPECT_FALSE(before.IsDue("SE", now.addSecs(-1)));
        play({{"SE", 1}}, true);
    }
    s = history.Schedule(5);
    EXPECT_EQ(s.Of("SE").box, TLearningSchedule::Boxes);
    EXPECT_EQ(s.Learned(items), 1);
    EXPECT_EQ(s.DueAt("SE"), s.Of("SE").lastAsked.addDays(21));
    // Nothing due: the first item to fall due says when.
    const QStringList learnedOnly{"SE"};
    EXPECT_TRUE(s.Due(learnedOnly, now).isEmpty());
    EXPECT_EQ(s.NextDue(learnedOnly), s.DueAt("SE"));
    // Another exercise's questions don't count.
    EXPECT_EQ(history.Schedule(6).Of("SE").box, 0);
}
