// SPDX-License-Identifier: MIT
// The results history's full runs as CSV.
#include "ClassResults.h"

#include <QSaveFile>
#include <QStringList>

#include "app/OwnTexts.h"
#include "history/ResultsHistory.h"

QString CsvField(const QString& text) {
    QString field = text;
    // A spreadsheet reads these first characters as the start of a formula
    // (tab and carriage return too, in some of them).
    if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front()))
        field.prepend(QLatin1Char('\''));
    const bool quote = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                       field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
    if (!quote) return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString ClassResultsCsv(const TResultsHistory& history, const TClassResultsFilter& filter,
                        int language, const TExerciseNamer& exerciseName,
                        const TItemNamer& itemName) {
    const auto line = [](const QStringList& fields) {
        QStringList out;
        for (const QString& f : fields) out << CsvField(f);
        return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QString csv =
        line({OwnText(TOwnText::CsvDate, language), OwnText(TOwnText::CsvTime, language),
              OwnText(TOwnText::CsvSignature, language), OwnText(TOwnText::CsvExercise, language),
              OwnText(TOwnText::CsvPercent, language), OwnText(TOwnText::CsvMissed, language)});
    // Local dates, as the teacher gave them.
    const QDateTime from =
        filter.From.isValid() ? QDateTime(filter.From, QTime(0, 0)) : QDateTime();
    const QDateTime to =
        filter.To.isValid() ? QDateTime(filter.To.addDays(1), QTime(0, 0)) : QDateTime();
    for (const THistoryRun& run : history.RunsStarted(from, to)) {
        if (run.practice || !run.finished || run.percent < 0) continue;
        if (filter.Exercise != 0 && run.exercise != filter.Exercise) continue;
        QStringList missed;
        for (const THistoryQuestion& q : history.Questions(run.id))
            if (!q.RightAtFirstTry()) {
                const QString name = itemName(run.exercise, q.item);
                if (!missed.contains(name)) missed << name;
            }
        const QDateTime started = run.started.toLocalTime();
        csv += line({started.date().toString(Qt::ISODate),
                     started.time().toString(QStringLiteral("HH:mm")), run.signature,
                     exerciseName(run.exercise), QString::number(run.percent),
                     missed.join(QStringLiteral("; "))});
    }
    return csv;
}

bool SaveClassResults(const QString& fileName, const QString& csv, QString* error) {
    QSaveFile file(fileName);
    const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + csv.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error) *error = file.errorString();
    return false;
}
