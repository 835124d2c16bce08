// SPDX-License-Identifier: MIT
// The results history's schema steps and their migration.
#include "HistorySchema.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

const std::vector<THistorySchemaStep>& HistorySchemaSteps() {
    static const std::vector<THistorySchemaStep> steps = {
        {1,
         {QStringLiteral(
              "CREATE TABLE runs ("
              " id INTEGER PRIMARY KEY, exercise INTEGER NOT NULL, language INTEGER NOT NULL,"
              " started TEXT NOT NULL, ended TEXT, percent INTEGER, practice INTEGER NOT NULL,"
              " finished INTEGER NOT NULL DEFAULT 0, signature TEXT)"),
          QStringLiteral("CREATE TABLE questions ("
                         " id INTEGER PRIMARY KEY, run INTEGER NOT NULL REFERENCES runs(id),"
                         " item TEXT NOT NULL, attempts INTEGER NOT NULL, clicked TEXT,"
                         " answered TEXT NOT NULL)"),
          QStringLiteral("CREATE INDEX runs_by_exercise ON runs(exercise)"),
          QStringLiteral("CREATE INDEX questions_by_run ON questions(run)")}},
    };
    return steps;
}

namespace {
int VersionOf(QSqlQuery& q) {
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : -1;
}
}  // namespace

bool MigrateHistorySchema(QSqlDatabase& db, const std::vector<THistorySchemaStep>& steps) {
    const int target = steps.empty() ? 0 : steps.back().version;
    QSqlQuery q(db);
    const int before = VersionOf(q);
    if (before == target) return true;
    if (before < 0 || before > target) return false;
    // Another copy of the game may be migrating the file too: the write lock
    // orders the two, and the version is read again under it.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    const int version = VersionOf(q);
    bool done = version >= 0 && version <= target;
    for (const THistorySchemaStep& step : steps) {
        if (!done || step.version <= version) continue;
        for (const QString& statement : step.statements) done = done && q.exec(statement);
    }
    if (done && version < target)
        done = q.exec(QStringLiteral("PRAGMA user_version=%1").arg(target));
    if (done && q.exec(QStringLiteral("COMMIT"))) return true;
    q.exec(QStringLiteral("ROLLBACK"));
    return false;
}
