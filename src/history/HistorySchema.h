// SPDX-License-Identifier: MIT
// The results history's schema as numbered steps: each brings a file of the
// version before it to its own, so that a later program migrates an earlier
// program's file instead of starting anew.
#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <vector>

struct THistorySchemaStep {
    int version = 0;         // what the file is once the step is done
    QStringList statements;  // from the version before
};

// The program's steps, oldest first; the last one's version is the
// history's schema version.
const std::vector<THistorySchemaStep>& HistorySchemaSteps();

// Brings the database from its version (PRAGMA user_version) to the last
// step's, in one write transaction: all the steps it lacks, or none. True
// when it is there; false when a step failed (the file is as it was) or the
// file is of a version newer than the steps know.
bool MigrateHistorySchema(QSqlDatabase& db, const std::vector<THistorySchemaStep>& steps);
