// Reading and writing scores.hgh.
#include "ScoreFile.h"

#include <QFile>
#include <QSaveFile>

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

}  // namespace

QString CutSignature(const QString& signature) {
    return signature.left(SignatureLength);
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
            out += ToWindows1252(entry.Signature) + lineEnd;
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
