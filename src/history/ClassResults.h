// SPDX-License-Identifier: MIT
// A class's results from the results history, as a CSV file a teacher opens
// in a spreadsheet: one line per full run that ended with a result, with its
// date, time, signature, exercise, percentage and the items missed.
#pragma once

#include <QDate>
#include <QString>
#include <functional>

class TResultsHistory;

struct TClassResultsFilter {
    int Exercise = 0;  // 0: every exercise
    QDate From, To;    // local dates, both included; invalid: open
};

// Names for the lines: an exercise's, and an item's of an exercise.
using TExerciseNamer = std::function<QString(int exercise)>;
using TItemNamer = std::function<QString(int exercise, const QString& key)>;

// The CSV text (RFC 4180: commas, CRLF line ends, fields quoted where they
// hold a comma, a quote or a line end), headed in the language.
QString ClassResultsCsv(const TResultsHistory& history, const TClassResultsFilter& filter,
                        int language, const TExerciseNamer& exerciseName,
                        const TItemNamer& itemName);

// One field as CSV writes it. A field a spreadsheet would take for a
// formula (=, +, -, @ first) gets a leading apostrophe, so a signature
// can't run anything on the teacher's computer.
QString CsvField(const QString& text);

// Writes the text as UTF-8 with a byte-order mark (spreadsheets read the
// encoding from it), all or nothing. False with the reason on failure.
bool SaveClassResults(const QString& fileName, const QString& csv, QString* error);
