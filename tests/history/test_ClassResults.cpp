// SPDX-License-Identifier: MIT
// The class's results as CSV: read back by a standard CSV reader (Python's
// csv module) field for field, with commas, quotes, line ends and non-Latin
// names; only full runs that ended, in the dates and exercise asked; a
// signature that looks like a formula is defused; the file is all or nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include "history/ClassResults.h"
#include "history/ResultsHistory.h"
#include "support/GlomiraTest.h"

namespace {

class ClassResultsTest : public GlomiraTest {
  protected:
    // A run of the exercise at the time: the keys asked with their attempts.
    void Run(int exercise, const QDateTime& at, const QString& signature, int percent,
             const QList<QPair<QString, int>>& asked, bool practice = false, bool finished = true) {
        now = at;
        const int run = history.BeginRun(exercise, 2, practice);
        for (const auto& [key, attempts] : asked) history.RecordQuestion(run, key, attempts, {});
        history.EndRun(run, finished ? percent : -1, finished);
        if (!signature.isEmpty()) history.SetSignature(run, signature);
        history.Flush();
    }
    static QDateTime Local(int day, int hour, int minute = 0) {
        return QDateTime(QDate(2026, 11, day), QTime(hour, minute));
    }
    QString Csv(const TClassResultsFilter& filter) const {
        return ClassResultsCsv(
            history, filter, 2,
            [](int exercise) {
                return exercise == 1 ? QString("Countries of Europe")
                                     : QString("Flags, Asia \"2\"");
            },
            [](int, const QString& key) {
                static const QMap<QString, QString> names{
                    {"KR", "Korea, Republic of"},
                    {"CN", "中国"},
                    {"GR", "Ελλάδα"},
                    {"CI", "Côte d'Ivoire \"the Ivory Coast\""},
                    {"NL", "Netherlands"}};
                return names.value(key, key);
            });
    }
    // The rows a standard reader finds in the file; skips without Python.
    QList<QStringList> ReadWithPython(const QString& file) {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty()) return {};
        QProcess p;
        p.start(python, {"-c",
                         "import csv, json, sys\n"
                         "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                         "    print(json.dumps(list(csv.reader(f))))\n",
                         file});
        EXPECT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        QList<QStringList> rows;
        for (const QJsonValue& row : QJsonDocument::fromJson(p.readAllStandardOutput()).array()) {
            QStringList fields;
            for (const QJsonValue& field : row.toArray()) fields << field.toString();
            rows << fields;
        }
        return rows;
    }

    QDateTime now = Local(1, 8);
    TResultsHistory history{Path("history.sqlite"), [this] { return now; }};
};

TEST_F(ClassResultsTest, AStandardReaderReadsEveryFieldBackWithCommasQuotesAndOtherScripts) {
    Run(1, Local(3, 9, 5), "Smith, Jo", 87, {{"KR", 2}, {"NL", 1}, {"CN", 3}});
    Run(2, Local(3, 10), "Kim \"Kimmy\" Lee", 100, {{"NL", 1}});
    Run(1, Local(4, 14, 30), "Ørjan Ødegård\nclass 7B", 64, {{"GR", 2}, {"CI", 4}, {"GR", 2}});
    Run(1, Local(4, 15), "=HYPERLINK(\"x\")", 50, {});
    const QString file = Path("results.csv");
    QString error;
    ASSERT_TRUE(SaveClassResults(file, Csv({}), &error)) << error.toStdString();

    const QList<QStringList> rows = ReadWithPython(file);
    if (QStandardPaths::findExecutable("python3").isEmpty())
        GTEST_SKIP() << "python3 is not installed: no standard CSV reader to check with";
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0],
              (QStringList{"Date", "Time", "Signature", "Exercise", "Percentage", "Missed"}));
    EXPECT_EQ(rows[1], (QStringList{"2026-11-03", "09:05", "Smith, Jo", "Countries of Europe", "87",
                                    "Korea, Republic of; 中国"}));
    EXPECT_EQ(rows[2], (QStringList{"2026-11-03", "10:00", "Kim \"Kimmy\" Lee", "Flags, Asia \"2\"",
                                    "100", ""}));
    EXPECT_EQ(rows[3],
              (QStringList{"2026-11-04", "14:30", "Ørjan Ødegård\nclass 7B", "Countries of Europe",
                           "64", "Ελλάδα; Côte d'Ivoire \"the Ivory Coast\""}));
    // A spreadsheet would run this; the apostrophe keeps it text.
    EXPECT_EQ(rows[4][2], "'=HYPERLINK(\"x\")");

    QFile bytes(file);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    const QByteArray raw = bytes.readAll();
    EXPECT_TRUE(raw.startsWith("\xEF\xBB\xBF")) << "the byte-order mark spreadsheets look for";
    EXPECT_EQ(raw.count("\r\n"), 5);  // five rows; the line end inside a field stays its own
}

// Only full runs that ended with a result, started in the dates given (both
// days included, local time) and of the exercise asked for.
TEST_F(ClassResultsTest, TheFilterTakesFullRunsOfTheDatesAndTheExerciseOnly) {
    Run(1, Local(1, 23, 59), "before", 10, {});
    Run(1, Local(2, 0, 0), "first day", 20, {});
    Run(1, Local(2, 12), "practice", 30, {}, true);
    Run(1, Local(2, 13), "closed", 40, {}, false, false);
    Run(2, Local(3, 9), "other exercise", 50, {});
    Run(1, Local(4, 23, 59), "last day", 60, {});
    Run(1, Local(5, 0, 0), "after", 70, {});
    const auto signatures = [&](const TClassResultsFilter& filter) {
        QStringList out;
        const QStringList lines = Csv(filter).split("\r\n", Qt::SkipEmptyParts);
        for (int i = 1; i < lines.size(); ++i) out << lines[i].section(',', 2, 2);
        return out;
    };
    TClassResultsFilter filter;
    filter.From = QDate(2026, 11, 2);
    filter.To = QDate(2026, 11, 4);
    EXPECT_EQ(signatures(filter), (QStringList{"first day", "other exercise", "last day"}));
    filter.Exercise = 1;
    EXPECT_EQ(signatures(filter), (QStringList{"first day", "last day"}));
    EXPECT_EQ(signatures({}).size(), 5);  // open dates, every exercise: all but practice and closed
}

TEST_F(ClassResultsTest, AFileThatCantBeWrittenIsReportedAndLeavesNothingBehind) {
    const QString folder = Path("no-such-folder");
    QString error;
    EXPECT_FALSE(SaveClassResults(folder + "/results.csv", "a,b\r\n", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(folder + "/results.csv"));
    // A file already there is replaced whole, never half.
    const QString file = Path("results.csv");
    ASSERT_TRUE(SaveClassResults(file, "old\r\n", &error));
    ASSERT_TRUE(SaveClassResults(file, "new,line\r\n", &error));
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), QByteArray("\xEF\xBB\xBFnew,line\r\n"));
}

TEST(CsvField, QuotesOnlyWhatNeedsItAndDefusesFormulas) {
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField("-5"), "'-5");
    EXPECT_EQ(CsvField("+1"), "'+1");
    EXPECT_EQ(CsvField("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(CsvField("=1,2"), "\"'=1,2\"");
    EXPECT_EQ(CsvField("\t=1+2"), "'\t=1+2");
    EXPECT_EQ(CsvField("\r=1+2"), "\"'\r=1+2\"");
    EXPECT_EQ(CsvField("a\t=1"), "a\t=1");
    EXPECT_EQ(CsvField(""), "");
}

}  // namespace
