// SPDX-License-Identifier: MIT
// Reading and writing scores.hgh.
#include "ScoreFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

#include "platform/TextCodec.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads like a text file of the old runtime: a number skips blanks and line
// ends before it and the rest of its line after it; a text is a whole line.
class TScoreReader {
  public:
    explicit TScoreReader(const QByteArray& contents) : data_(contents) {}

    // Only blanks and line ends left: the file is done.
    bool AtEnd() {
        while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
        return pos_ >= data_.size();
    }

    qint32 ReadNumber() {
        if (AtEnd()) throw EInOutError(QStringLiteral("Read beyond end of file"));
        const qsizetype start = pos_;
        while (pos_ < data_.size() && !IsBlank(data_[pos_])) ++pos_;
        bool ok = false;
        const qint32 number = data_.mid(start, pos_ - start).toInt(&ok, 10);
        if (!ok) throw EInOutError(QStringLiteral("Invalid numeric input"));
        ReadLine();
        return number;
    }

    QByteArray ReadLine() {
        const qsizetype start = pos_;
        while (pos_ < data_.size() && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
        const QByteArray line = data_.mid(start, pos_ - start);
        if (pos_ < data_.size() && data_[pos_] == '\r') ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
        return line;
    }

    bool AtEndOfData() const { return pos_ >= data_.size(); }

  private:
    const QByteArray& data_;
    qsizetype pos_ = 0;
};

// Letters that have no decomposition but an obvious plain form.
constexpr struct {
    char16_t letter;
    char plain;
} PlainLetters[] = {{u'Ł', 'L'}, {u'ł', 'l'}, {u'Đ', 'D'}, {u'đ', 'd'}, {u'Ħ', 'H'}, {u'ħ', 'h'},
                    {u'ı', 'i'}, {u'Ŧ', 'T'}, {u'ŧ', 't'}, {u'Ŀ', 'L'}, {u'ŀ', 'l'}};

QChar PlainLetter(char16_t c) {
    for (const auto& pair : PlainLetters)
        if (pair.letter == c) return QLatin1Char(pair.plain);
    return QChar();
}

bool InWindows1252(const QString& text) {
    bool ok = false;
    ToWindows1252(text, &ok);
    return ok;
}

// What stands in the file for a character Windows-1252 lacks.
QString Readable(char32_t c) {
    const QString one = QString::fromUcs4(&c, 1);
    QString plain;
    for (const QChar part : one.normalized(QString::NormalizationForm_KD)) {
        if (part.category() == QChar::Mark_NonSpacing) continue;
        const QChar letter = InWindows1252(QString(part)) ? part : PlainLetter(part.unicode());
        if (letter.isNull()) return QStringLiteral("?");
        plain += letter;
    }
    return plain.isEmpty() ? QStringLiteral("?") : plain;
}

}  // namespace

QString CutSignature(const QString& signature) {
    QString clean;
    clean.reserve(signature.size());
    for (const char32_t c : signature.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (c == U'\t' || c == U'\n' || c == U'\r' || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph) {
            if (!clean.endsWith(QLatin1Char(' '))) clean += QLatin1Char(' ');
        } else if (category == QChar::Other_Control || category == QChar::Other_Surrogate) {
            continue;  // C0 and C1 controls, DEL, broken surrogate halves
        } else if (c <= 0xFF) {
            clean += QChar(char16_t(c));
        } else {
            const QString one = QString::fromUcs4(&c, 1);
            clean += InWindows1252(one) ? one : Readable(c);
        }
    }
    return clean.left(SignatureLength);
}

void ReadScores(const QByteArray& contents, TScoreTable& table, TLowNumbers low) {
    TScoreReader reader(contents);
    while (!reader.AtEnd()) {
        const qint32 exercise = reader.ReadNumber();
        const qint32 rank = reader.ReadNumber();
        if (reader.AtEndOfData()) throw EInOutError(QStringLiteral("Read beyond end of file"));
        const QString signature = FromWindows1252(reader.ReadLine());
        const qint32 percent = reader.ReadNumber();
        if (exercise > ScoreExercises || rank > ScoreRanks) continue;
        if (exercise < 1 || rank < 1) {
            if (low == TLowNumbers::RangeError) throw ERangeError();
            continue;
        }
        TScoreEntry& entry = table[exercise][rank];
        entry.ScorePercent = percent;
        entry.Signature = CutSignature(signature);
    }
}

QByteArray FormatScores(const TScoreTable& table) {
    QByteArray out;
    out.reserve(ScoreExercises * ScoreRanks * 16);
    const QByteArray lineEnd = QByteArrayLiteral("\r\n");
    for (int exercise = 1; exercise <= ScoreExercises; ++exercise) {
        for (int rank = 1; rank <= ScoreRanks; ++rank) {
            const TScoreEntry& entry = table[exercise][rank];
            out += QByteArray::number(exercise) + lineEnd;
            out += QByteArray::number(rank) + lineEnd;
            // Cleaned again: a line break in a signature would shift every
            // record after it.
            out += ToWindows1252(CutSignature(entry.Signature)) + lineEnd;
            out += QByteArray::number(entry.ScorePercent) + lineEnd;
        }
    }
    return out;
}

void SaveScores(const QString& fileName, const TScoreTable& table) {
    QSaveFile file(fileName);
    const QByteArray contents = FormatScores(table);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit())
        throw EInOutError(file.errorString());
}

QString KeepBackup(const QString& fileName) {
    QFile original(fileName);
    if (!original.open(QIODevice::ReadOnly)) throw EInOutError(original.errorString());
    const QByteArray contents = original.readAll();
    for (int n = 1; n <= 99; ++n) {
        const QString name =
            fileName + QStringLiteral(".bak") + (n > 1 ? QString::number(n) : QString());
        QFile backup(name);
        if (backup.exists()) {
            if (backup.open(QIODevice::ReadOnly) && backup.readAll() == contents) return name;
            continue;
        }
        QSaveFile copy(name);
        if (copy.open(QIODevice::WriteOnly) && copy.write(contents) == contents.size() &&
            copy.commit())
            return name;
        throw EInOutError(copy.errorString());
    }
    throw EInOutError(QStringLiteral("Too many backup copies of ") + fileName);
}

int MakeRoom(TScoreList& list, qint32 percent) {
    if (percent < 0) return 0;
    for (int rank = 1; rank <= ScoreRanks; ++rank) {
        if (list[rank].ScorePercent > percent) continue;
        for (int moved = ScoreRanks - 1; moved >= rank; --moved) list[moved + 1] = list[moved];
        return rank;
    }
    return 0;
}

QString ScoreFileToRead(const QString& fileName, const QString& startFrom) {
    if (startFrom.isEmpty() || QFile::exists(fileName) || !QFile::exists(startFrom))
        return fileName;
    return startFrom;
}

namespace {

// Long enough for any write to end; a lock older than this is taken over
// even when its holder can't be asked (another machine on a shared folder).
constexpr int StaleLockMs = 10000;
constexpr int LockWaitMs = 15000;
constexpr int LockNapMs = 3;

}  // namespace

TAddedScore AddScore(const QString& fileName, const QString& startFrom, qint32 exercise,
                     qint32 percent, const QString& signature, TScoreTable& table) {
    if (exercise < 1 || exercise > ScoreExercises) throw ERangeError();
    QLockFile lock(fileName + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    // Short naps instead of the lock's own growing back-off: a write takes
    // milliseconds, and a player waits on it.
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError &&
           waited.elapsed() < LockWaitMs)
        QThread::msleep(LockNapMs);
    if (!lock.isLocked()) {
        throw EInOutError(lock.error() == QLockFile::LockFailedError
                              ? QStringLiteral("The file is in use by another program")
                              : QStringLiteral("No lock could be made beside the file"));
    }

    TAddedScore added;
    TScoreTable fresh;
    const QString source = ScoreFileToRead(fileName, startFrom);
    if (QFile::exists(source)) {
        QFile file(source);
        try {
            if (!file.open(QIODevice::ReadOnly)) throw EInOutError(file.errorString());
            ReadScores(file.readAll(), fresh, TLowNumbers::Skip);
        } catch (const Exception& e) {
            added.ReadError = e.Message();
            // Whatever follows the damage would be lost with the rewrite. A
            // list it only starts from is never written, so it needs no copy.
            if (source == fileName) added.Backup = KeepBackup(source);
        }
    }
    TScoreList& list = fresh[exercise];
    added.Rank = MakeRoom(list, percent);
    if (added.Rank > 0) {
        list[added.Rank].ScorePercent = percent;
        list[added.Rank].Signature = CutSignature(signature);
    }
    SaveScores(fileName, fresh);
    table = fresh;
    return added;
}
