// SPDX-License-Identifier: MIT
// The results history: its schema, its writing thread and its reading.
#include "ResultsHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <map>

#include "history/HistoryLock.h"
#include "history/HistorySchema.h"

namespace {

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

// SQLite's own word that a file is no database or a damaged one.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;
bool SaysDamaged(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;  // extended codes too
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

// How long a copy of the game waits for another that is opening the file.
constexpr int LockWaitMs = 20000;

// One write to the history, kept as data so that one the database refuses
// can wait in a file and be tried again.
struct THistoryWrite {
    enum class TKind { BeginRun, Question, EndRun, Signature };
    TKind kind = TKind::BeginRun;
    int run = 0;
    qint64 row = 0;  // the run's row when it had one (in a kept write)
    int exercise = 0, language = 0;
    bool practice = false;
    QString item;
    int attempts = 0;
    QStringList clicked;
    QString stamp;  // started, answered or ended
    int percent = 0;
    bool finished = false;
    QString signature;

    QByteArray ToLine() const {
        QJsonObject o{{"kind", int(kind)},
                      {"run", run},
                      {"row", row},
                      {"exercise", exercise},
                      {"language", language},
                      {"practice", practice},
                      {"item", item},
                      {"attempts", attempts},
                      {"clicked", QJsonArray::fromStringList(clicked)},
                      {"stamp", stamp},
                      {"percent", percent},
                      {"finished", finished},
                      {"signature", signature}};
        return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
    }
    // False for a line that isn't one (the last of a killed program).
    static bool FromLine(const QByteArray& line, THistoryWrite& w) {
        const QJsonDocument doc = QJsonDocument::fromJson(line);
        if (!doc.isObject()) return false;
        const QJsonObject o = doc.object();
        const int kind = o.value("kind").toInt(-1);
        if (kind < 0 || kind > int(TKind::Signature)) return false;
        w.kind = TKind(kind);
        w.run = o.value("run").toInt();
        w.row = qint64(o.value("row").toDouble());
        w.exercise = o.value("exercise").toInt();
        w.language = o.value("language").toInt();
        w.practice = o.value("practice").toBool();
        w.item = o.value("item").toString();
        w.attempts = o.value("attempts").toInt();
        for (const QJsonValue& v : o.value("clicked").toArray()) w.clicked << v.toString();
        w.stamp = o.value("stamp").toString();
        w.percent = o.value("percent").toInt();
        w.finished = o.value("finished").toBool();
        w.signature = o.value("signature").toString();
        return true;
    }
};

// A write that fails is logged and kept.
bool Run(QSqlQuery& q) {
    if (q.exec()) return true;
    qWarning("results history: %s", qPrintable(q.lastError().text()));
    return false;
}

}  // namespace

// The database connection, used by the writing thread only.
class THistoryStore {
  public:
    enum class TCheck { Fine, Damaged, Failed };

    explicit THistoryStore(std::function<void()> refused)
        : name_(QStringLiteral("glomira-history-%1").arg(++connections)),
          refused_(std::move(refused)) {}
    ~THistoryStore() { Close(); }

    // Opens the file and brings its schema up to date: Damaged when SQLite
    // says it is no database or a damaged one, or it is of a newer version;
    // Failed when it can't be used for another reason (it may be fine).
    TCheck Open(const QString& fileName) {
        fileName_ = fileName;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
            db.setDatabaseName(fileName);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
            if (!db.open()) return TCheck::Failed;
        }
        QSqlQuery q(Db());
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
            return SaysDamaged(q.lastError()) ? TCheck::Damaged : TCheck::Failed;
        if (q.value(0).toString() != QLatin1String("ok")) return TCheck::Damaged;
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return TCheck::Failed;
        if (q.value(0).toInt() > TResultsHistory::SchemaVersion) return TCheck::Damaged;
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
            !q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
            !q.exec(QStringLiteral("PRAGMA foreign_keys=ON")))
            return TCheck::Failed;
        if (QSqlDatabase db = Db(); !MigrateHistorySchema(db, HistorySchemaSteps()))
            return TCheck::Failed;
        usable_ = true;
        pendingFile_ = fileName + QStringLiteral(".pending-%1-%2")
                                      .arg(QCoreApplication::applicationPid())
                                      .arg(QDateTime::currentMSecsSinceEpoch());
        return TCheck::Fine;
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

    // Writes, after the writes kept back before it; keeps it back too when
    // the database refuses.
    void Write(const THistoryWrite& w) {
        if (!usable_) return;
        if (WriteBacklog() && Apply(w)) return;
        Keep(w);
    }

    // Takes over the writes other copies of the game kept back, once they
    // are gone (with the lock held alone), and writes them.
    void TakeOverKept() {
        const QFileInfo file(fileName_);
        const QStringList kept = file.dir().entryList(
            {file.fileName() + QStringLiteral(".pending-*")}, QDir::Files, QDir::Name);
        int handle = 0;
        for (const QString& name : kept) {
            const QString path = file.dir().filePath(name);
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly)) continue;
            std::map<int, int> handles;  // the other copy's run handles to new ones
            while (!in.atEnd()) {
                THistoryWrite w;
                if (!THistoryWrite::FromLine(in.readLine(), w)) continue;
                auto [it, fresh] = handles.try_emplace(w.run, 0);
                if (fresh) it->second = --handle;  // below the handles this copy hands out
                w.run = it->second;
                if (w.row) runs[w.run] = w.row;
                backlog_.push_back(w);
            }
        }
        if (backlog_.empty()) return;
        if (!RewriteKept()) return;  // they stay where they are
        for (const QString& name : kept) QFile::remove(file.dir().filePath(name));
        WriteBacklog();
    }

    // Runs by the handles the history gave out, to their rows.
    std::map<int, qint64> runs;

  private:
    // One write to the database.
    bool Apply(const THistoryWrite& w) {
        QSqlQuery q(Db());
        if (w.kind == THistoryWrite::TKind::BeginRun) {
            q.prepare(
                QStringLiteral("INSERT INTO runs (exercise, language, started, practice)"
                               " VALUES (?, ?, ?, ?)"));
            q.addBindValue(w.exercise);
            q.addBindValue(w.language);
            q.addBindValue(w.stamp);
            q.addBindValue(w.practice ? 1 : 0);
            if (!Run(q)) return false;
            runs[w.run] = q.lastInsertId().toLongLong();
            return true;
        }
        const auto it = runs.find(w.run);
        if (it == runs.end()) return true;  // a run never begun: nothing to add to
        switch (w.kind) {
            case THistoryWrite::TKind::Question:
                q.prepare(
                    QStringLiteral("INSERT INTO questions (run, item, attempts, clicked, answered)"
                                   " VALUES (?, ?, ?, ?, ?)"));
                q.addBindValue(it->second);
                q.addBindValue(w.item);
                q.addBindValue(w.attempts);
                q.addBindValue(JoinKeys(w.clicked));
                q.addBindValue(w.stamp);
                break;
            case THistoryWrite::TKind::EndRun:
                q.prepare(QStringLiteral(
                    "UPDATE runs SET ended = ?, percent = ?, finished = ? WHERE id = ?"));
                q.addBindValue(w.stamp);
                q.addBindValue(w.finished ? QVariant(w.percent) : QVariant());
                q.addBindValue(w.finished ? 1 : 0);
                q.addBindValue(it->second);
                break;
            default:
                q.prepare(QStringLiteral("UPDATE runs SET signature = ? WHERE id = ?"));
                q.addBindValue(w.signature);
                q.addBindValue(it->second);
                break;
        }
        return Run(q);
    }

    // True when nothing is kept back any more.
    bool WriteBacklog() {
        if (backlog_.empty()) return true;
        std::size_t written = 0;
        while (written < backlog_.size() && Apply(backlog_[written])) ++written;
        if (written == 0) return false;
        backlog_.erase(backlog_.begin(), backlog_.begin() + std::ptrdiff_t(written));
        if (backlog_.empty()) {
            QFile::remove(pendingFile_);
            return true;
        }
        RewriteKept();
        return false;
    }

    void Keep(THistoryWrite w) {
        if (const auto it = runs.find(w.run); it != runs.end()) w.row = it->second;
        backlog_.push_back(w);
        QFile out(pendingFile_);
        if (out.open(QIODevice::Append)) out.write(w.ToLine());
        if (!refusedOnce_) {
            refusedOnce_ = true;
            if (refused_) refused_();
        }
    }

    bool RewriteKept() {
        QSaveFile out(pendingFile_);
        if (!out.open(QIODevice::WriteOnly)) return false;
        for (THistoryWrite& w : backlog_) {
            if (const auto it = runs.find(w.run); it != runs.end()) w.row = it->second;
            out.write(w.ToLine());
        }
        return out.commit();
    }

    QString name_;
    QString fileName_;
    QString pendingFile_;  // this copy's writes kept back, one per line
    std::function<void()> refused_;
    std::deque<THistoryWrite> backlog_;
    bool refusedOnce_ = false;
    bool usable_ = false;
};

TResultsHistory::TResultsHistory(const QString& fileName, TClock clock)
    : fileName_(fileName), clock_(std::move(clock)), worker_([this] { Work(); }) {
    const auto [opening, movedTo] = Ask<std::pair<TOpening, QString>>([this](THistoryStore& s) {
        QDir().mkpath(QFileInfo(fileName_).absolutePath());
        // Held for as long as the store lives: see Work().
        lock_ = std::make_unique<THistoryLock>(fileName_);
        const bool locked = lock_->Take(LockWaitMs);
        const THistoryStore::TCheck check = s.Open(fileName_);
        if (check == THistoryStore::TCheck::Fine) {
            if (lock_->Alone()) s.TakeOverKept();
            lock_->Share();
            return std::make_pair(TOpening::Fine, QString());
        }
        s.Close();
        // Only a copy alone with the file may move it: no other has it open.
        if (check == THistoryStore::TCheck::Failed || !locked || !lock_->Alone()) {
            lock_.reset();
            return std::make_pair(TOpening::Unusable, QString());
        }
        // Kept for whoever wants to look at it, with its log beside it.
        const QString aside = fileName_ + QStringLiteral(".damaged-") +
                              Now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        bool moved = !QFile::exists(fileName_) || QFile::rename(fileName_, aside);
        for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
            if (QFile::exists(fileName_ + suffix))
                moved = QFile::rename(fileName_ + suffix, aside + suffix) && moved;
        if (moved && s.Open(fileName_) == THistoryStore::TCheck::Fine) {
            lock_->Share();
            return std::make_pair(TOpening::MovedAside, aside);
        }
        s.Close();
        lock_.reset();
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

void TResultsHistory::SetRefusalNotice(std::function<void()> notice) {
    std::lock_guard lock(mutex_);
    refusalNotice_ = std::move(notice);
}

void TResultsHistory::Refused() {
    std::function<void()> notice;
    {
        std::lock_guard lock(mutex_);
        if (refusalNoticed_) return;
        refusalNoticed_ = true;
        notice = refusalNotice_;
    }
    if (notice) notice();
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
    {
        THistoryStore store([this] { Refused(); });
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
    lock_.reset();  // once the database is closed
}

void TResultsHistory::Flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

int TResultsHistory::BeginRun(int exercise, int language, bool practice) {
    THistoryWrite w;
    w.kind = THistoryWrite::TKind::BeginRun;
    w.run = nextRun_++;
    w.exercise = exercise;
    w.language = language;
    w.practice = practice;
    w.stamp = Stamp(Now());
    Post([w](THistoryStore& s) { s.Write(w); });
    return w.run;
}

void TResultsHistory::RecordQuestion(int run, const QString& item, int attempts,
                                     const QStringList& clickedInstead) {
    THistoryWrite w;
    w.kind = THistoryWrite::TKind::Question;
    w.run = run;
    w.item = item;
    w.attempts = attempts;
    w.clicked = clickedInstead;
    w.stamp = Stamp(Now());
    Post([w](THistoryStore& s) { s.Write(w); });
}

void TResultsHistory::EndRun(int run, int percent, bool finished) {
    THistoryWrite w;
    w.kind = THistoryWrite::TKind::EndRun;
    w.run = run;
    w.percent = percent;
    w.finished = finished;
    w.stamp = Stamp(Now());
    Post([w](THistoryStore& s) { s.Write(w); });
}

void TResultsHistory::SetSignature(int run, const QString& signature) {
    THistoryWrite w;
    w.kind = THistoryWrite::TKind::Signature;
    w.run = run;
    w.signature = signature;
    Post([w](THistoryStore& s) { s.Write(w); });
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
