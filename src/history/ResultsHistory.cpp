// SPDX-License-Identifier: MIT
// The results history: its schema, its writing thread and its reading.
#include "ResultsHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <map>

namespace {

const char* const Schema[] = {
    "CREATE TABLE runs ("
    " id INTEGER PRIMARY KEY, exercise INTEGER NOT NULL, language INTEGER NOT NULL,"
    " started TEXT NOT NULL, ended TEXT, percent INTEGER, practice INTEGER NOT NULL,"
    " finished INTEGER NOT NULL DEFAULT 0, signature TEXT)",
    "CREATE TABLE questions ("
    " id INTEGER PRIMARY KEY, run INTEGER NOT NULL REFERENCES runs(id), item TEXT NOT NULL,"
    " attempts INTEGER NOT NULL, clicked TEXT, answered TEXT NOT NULL)",
    "CREATE INDEX runs_by_exercise ON runs(exercise)",
    "CREATE INDEX questions_by_run ON questions(run)",
};

QString Stamp(const QDateTime& t) {
    return t.toUTC().toString(Qt::ISODateWithMs);
}
QDateTime FromStamp(const QVariant& v) {
    if (v.isNull()) return {};
    QDateTime t = QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
    t.setTimeSpec(Qt::UTC);
    return t;
}

// The wrong answers' keys, one per line (keys hold no line breaks).
QString JoinKeys(const QStringList& keys) {
    return keys.join(QLatin1Char('\n'));
}
QStringList SplitKeys(const QString& text) {
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

std::atomic<int> connections{0};

// A write that fails is logged; the game goes on.
bool Run(QSqlQuery& q) {
    if (q.exec()) return true;
    qWarning("results history: %s", qPrintable(q.lastError().text()));
    return false;
}

}  // namespace

// The database connection, used by the writing thread only.
class THistoryStore {
  public:
    THistoryStore() : name_(QStringLiteral("glomira-history-%1").arg(++connections)) {}
    ~THistoryStore() { Close(); }

    // Opens the file and brings its schema up to date; false when it can't
    // be used (not a database, damaged, or of a newer version).
    bool Open(const QString& fileName) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
            db.setDatabaseName(fileName);
            if (!db.open()) return false;
        }
        QSqlQuery q(Db());
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() ||
            q.value(0).toString() != QLatin1String("ok"))
            return false;
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return false;
        const int version = q.value(0).toInt();
        if (version > TResultsHistory::SchemaVersion) return false;
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
            !q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
            !q.exec(QStringLiteral("PRAGMA foreign_keys=ON")))
            return false;
        if (version == 0) {
            if (!Db().transaction()) return false;
            for (const char* statement : Schema)
                if (!q.exec(QString::fromLatin1(statement))) {
                    Db().rollback();
                    return false;
                }
            if (!q.exec(
                    QStringLiteral("PRAGMA user_version=%1").arg(TResultsHistory::SchemaVersion)) ||
                !Db().commit()) {
                Db().rollback();
                return false;
            }
        }
        usable_ = true;
        return true;
    }

    void Close() {
        usable_ = false;
        if (QSqlDatabase::contains(name_)) {
            Db().close();
            QSqlDatabase::removeDatabase(name_);
        }
    }

    bool Usable() const { return usable_; }
    QSqlDatabase Db() const { return QSqlDatabase::database(name_, false); }

    // Runs by the handles the history gave out, to their rows.
    std::map<int, qint64> runs;

  private:
    QString name_;
    bool usable_ = false;
};

TResultsHistory::TResultsHistory(const QString& fileName, TClock clock)
    : fileName_(fileName), clock_(std::move(clock)), worker_([this] { Work(); }) {
    const auto [opening, movedTo] = Ask<std::pair<TOpening, QString>>([this](THistoryStore& s) {
        QDir().mkpath(QFileInfo(fileName_).absolutePath());
        if (s.Open(fileName_)) return std::make_pair(TOpening::Fine, QString());
        s.Close();
        // Kept for whoever wants to look at it, with its log beside it.
        const QString aside = fileName_ + QStringLiteral(".damaged-") +
                              Now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        bool moved = !QFile::exists(fileName_) || QFile::rename(fileName_, aside);
        for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
            if (QFile::exists(fileName_ + suffix))
                moved = QFile::rename(fileName_ + suffix, aside + suffix) && moved;
        if (moved && s.Open(fileName_)) return std::make_pair(TOpening::MovedAside, aside);
        s.Close();
        return std::make_pair(TOpening::Unusable, QString());
    });
    opening_ = opening;
    movedTo_ = movedTo;
}

TResultsHistory::~TResultsHistory() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

QDateTime TResultsHistory::Now() const {
    return clock_ ? clock_() : QDateTime::currentDateTimeUtc();
}

void TResultsHistory::Post(TJob job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

template <typename T>
T TResultsHistory::Ask(std::function<T(THistoryStore&)> read) const {
    auto answer = std::make_shared<std::promise<T>>();
    std::future<T> result = answer->get_future();
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back([answer, read](THistoryStore& s) { answer->set_value(read(s)); });
    }
    wake_.notify_one();
    return result.get();
}

void TResultsHistory::Work() {
    THistoryStore store;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) break;  // stopping, and everything written
        TJob job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        job(store);
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) idle_.notify_all();
    }
}

void TResultsHistory::Flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

int TResultsHistory::BeginRun(int exercise, int language, bool practice) {
    const int run = nextRun_++;
    const QString started = Stamp(Now());
    Post([=](THistoryStore& s) {
        if (!s.Usable()) return;
        QSqlQuery q(s.Db());
        q.prepare(
            QStringLiteral("INSERT INTO runs (exercise, language, started, practice)"
                           " VALUES (?, ?, ?, ?)"));
        q.addBindValue(exercise);
        q.addBindValue(language);
        q.addBindValue(started);
        q.addBindValue(practice ? 1 : 0);
        if (Run(q)) s.runs[run] = q.lastInsertId().toLongLong();
    });
    return run;
}

void TResultsHistory::RecordQuestion(int run, const QString& item, int attempts,
                                     const QStringList& clickedInstead) {
    const QString answered = Stamp(Now());
    Post([=](THistoryStore& s) {
        const auto it = s.runs.find(run);
        if (!s.Usable() || it == s.runs.end()) return;
        QSqlQuery q(s.Db());
        q.prepare(
            QStringLiteral("INSERT INTO questions (run, item, attempts, clicked, answered)"
                           " VALUES (?, ?, ?, ?, ?)"));
        q.addBindValue(it->second);
        q.addBindValue(item);
        q.addBindValue(attempts);
        q.addBindValue(JoinKeys(clickedInstead));
        q.addBindValue(answered);
        Run(q);
    });
}

void TResultsHistory::EndRun(int run, int percent, bool finished) {
    const QString ended = Stamp(Now());
    Post([=](THistoryStore& s) {
        const auto it = s.runs.find(run);
        if (!s.Usable() || it == s.runs.end()) return;
        QSqlQuery q(s.Db());
        q.prepare(
            QStringLiteral("UPDATE runs SET ended = ?, percent = ?, finished = ? WHERE id = ?"));
        q.addBindValue(ended);
        q.addBindValue(finished ? QVariant(percent) : QVariant());
        q.addBindValue(finished ? 1 : 0);
        q.addBindValue(it->second);
        Run(q);
    });
}

void TResultsHistory::SetSignature(int run, const QString& signature) {
    Post([=](THistoryStore& s) {
        const auto it = s.runs.find(run);
        if (!s.Usable() || it == s.runs.end()) return;
        QSqlQuery q(s.Db());
        q.prepare(QStringLiteral("UPDATE runs SET signature = ? WHERE id = ?"));
        q.addBindValue(signature);
        q.addBindValue(it->second);
        Run(q);
    });
}

namespace {
const char* const RunColumns =
    "SELECT id, exercise, language, started, ended, percent, practice, finished, signature"
    " FROM runs ";

std::vector<THistoryRun> ReadRuns(QSqlQuery& q) {
    std::vector<THistoryRun> out;
    if (!q.exec()) return out;
    while (q.next()) {
        THistoryRun r;
        r.id = q.value(0).toLongLong();
        r.exercise = q.value(1).toInt();
        r.language = q.value(2).toInt();
        r.started = FromStamp(q.value(3));
        r.ended = FromStamp(q.value(4));
        r.percent = q.value(5).isNull() ? -1 : q.value(5).toInt();
        r.practice = q.value(6).toInt() != 0;
        r.finished = q.value(7).toInt() != 0;
        r.signature = q.value(8).toString();
        out.push_back(r);
    }
    return out;
}
}  // namespace

std::vector<THistoryRun> TResultsHistory::Runs(int exercise) const {
    return Ask<std::vector<THistoryRun>>([exercise](THistoryStore& s) {
        if (!s.Usable()) return std::vector<THistoryRun>();
        QSqlQuery q(s.Db());
        q.prepare(QString::fromLatin1(RunColumns) +
                  QStringLiteral("WHERE exercise = ? ORDER BY started DESC, id DESC"));
        q.addBindValue(exercise);
        return ReadRuns(q);
    });
}

std::vector<THistoryRun> TResultsHistory::RunsStarted(const QDateTime& from,
                                                      const QDateTime& to) const {
    // The stamps are ISO text of one form, so they compare as text.
    const QString first = from.isValid() ? Stamp(from) : QStringLiteral("0");
    const QString last = to.isValid() ? Stamp(to) : QStringLiteral("~");
    return Ask<std::vector<THistoryRun>>([first, last](THistoryStore& s) {
        if (!s.Usable()) return std::vector<THistoryRun>();
        QSqlQuery q(s.Db());
        q.prepare(QString::fromLatin1(RunColumns) +
                  QStringLiteral("WHERE started >= ? AND started < ? ORDER BY started, id"));
        q.addBindValue(first);
        q.addBindValue(last);
        return ReadRuns(q);
    });
}

std::vector<THistoryQuestion> TResultsHistory::Questions(qint64 runId) const {
    return Ask<std::vector<THistoryQuestion>>([runId](THistoryStore& s) {
        std::vector<THistoryQuestion> out;
        if (!s.Usable()) return out;
        QSqlQuery q(s.Db());
        q.prepare(QStringLiteral(
            "SELECT item, attempts, clicked, answered FROM questions WHERE run = ? ORDER BY id"));
        q.addBindValue(runId);
        if (!q.exec()) return out;
        while (q.next())
            out.push_back({q.value(0).toString(), q.value(1).toInt(),
                           SplitKeys(q.value(2).toString()), FromStamp(q.value(3))});
        return out;
    });
}

TLearningSchedule TResultsHistory::Schedule(int exercise) const {
    return Ask<TLearningSchedule>([exercise](THistoryStore& s) {
        TLearningSchedule schedule;
        if (!s.Usable()) return schedule;
        QSqlQuery q(s.Db());
        q.prepare(QStringLiteral(
            "SELECT q.item, q.attempts, q.answered FROM questions q JOIN runs r ON q.run = r.id"
            " WHERE r.exercise = ? ORDER BY q.answered, q.id"));
        q.addBindValue(exercise);
        if (!q.exec()) return schedule;
        while (q.next())
            schedule.Asked(q.value(0).toString(), q.value(1).toInt() == 1, FromStamp(q.value(2)));
        return schedule;
    });
}
