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

// Copies a damaged file to a free name beside it (name.bak, name.bak2, ...),
// reusing a copy with the same contents. Returns the copy's name; raises
// EInOutError when no copy can be made.
QString KeepBackup(const QString& fileName);
