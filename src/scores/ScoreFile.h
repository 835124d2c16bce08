// SPDX-License-Identifier: MIT
// The high-score table and its text file scores.hgh: records of four lines
// (exercise number, rank, signature, percentage), CR LF, Windows-1252.
#pragma once

#include <QByteArray>
#include <QString>

#include "data/RangeArray.h"

struct TScoreEntry {
    qint32 ScorePercent = 0;  // 0 marks an empty place
    QString Signature;
};

constexpr int ScoreExercises = 90;
constexpr int ScoreRanks = 10;
constexpr int SignatureLength = 50;

using TScoreList = RangeArray<TScoreEntry, 1, ScoreRanks>;
using TScoreTable = RangeArray<TScoreList, 1, ScoreExercises>;

// What reading does with a record whose exercise number or rank is below 1.
enum class TLowNumbers { Skip, RangeError };

// A signature as it is stored: line breaks and tabs become spaces, other
// control characters go, and a character Windows-1252 lacks becomes its
// plain letter ("Ł" -> "L", "ő" -> "o") or '?'; then cut to 50 characters.
QString CutSignature(const QString& signature);

// Reads the records of a file's contents into the table in file order; a later
// record for a place replaces an earlier one, numbers above the table are
// skipped. A number line that is not a number raises EInOutError "Invalid
// numeric input", a record cut short "Read beyond end of file"; the records
// before it stay in the table.
void ReadScores(const QByteArray& contents, TScoreTable& table, TLowNumbers low);

// The whole table: 900 records, exercises 1 to 90, ranks 1 to 10 within each.
QByteArray FormatScores(const TScoreTable& table);

// Writes to a temporary file in the same folder and renames it over the old
// one, so a failure never leaves a cut-off file. Raises EInOutError.
void SaveScores(const QString& fileName, const TScoreTable& table);

// Makes room for a percentage in a list: moves the entries from its rank on
// one place down (the last falls off) and returns that rank, or 0 when the
// percentage is below all ten or negative. An equal result goes above.
int MakeRoom(TScoreList& list, qint32 percent);

// The file a list is read from: the file itself once it exists; before that
// the list it starts from (an installed copy's list), when there is one.
QString ScoreFileToRead(const QString& fileName, const QString& startFrom);

// What AddScore found and did.
struct TAddedScore {
    int Rank = 0;       // where the result went; 0 when it did not enter
    QString ReadError;  // the reading error of a damaged file, if any
    QString Backup;     // where the damaged file was copied to
};

// Enters one result into a score file that other running copies may write
// as well: takes a lock beside the file (taking over a stale one), reads the
// file again, puts the result at its place in the list just read, writes the
// whole file atomically and lets go of the lock. Until the file exists it
// starts from `startFrom` (may be empty). A percentage below 0 enters
// nothing but still rewrites the file. A damaged file is copied aside first
// and what was read before the damage is kept. `table` ends up as written.
// Raises EInOutError when the lock can't be had, the damaged file can't be
// copied (it is then left as it is) or the file can't be written.
TAddedScore AddScore(const QString& fileName, const QString& startFrom, qint32 exercise,
                     qint32 percent, const QString& signature, TScoreTable& table);

// Copies a damaged file to a free name beside it (name.bak, name.bak2, ...),
// reusing a copy with the same contents. Returns the copy's name; raises
// EInOutError when no copy can be made.
QString KeepBackup(const QString& fileName);
