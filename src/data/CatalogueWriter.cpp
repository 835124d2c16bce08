// SPDX-License-Identifier: MIT
// Catalogue records written field by field in the order the loader reads them.
#include "CatalogueWriter.h"

#include <QSaveFile>
#include <cmath>

#include "exercise/ovning.h"
#include "platform/TextCodec.h"

namespace {

constexpr int MaxTextBytes = 255;

// The inverse of the reader's decoding: every character code c is stored
// as the byte (c - 21) mod 256.
QByteArray EncodeText(const QByteArray& text) {
    QByteArray stored(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        stored[i] = char((uchar(text[i]) + 256 - 21) & 0xFF);
    return stored;
}

class TRecordWriter {
  public:
    void Byte(int value, const char* field) {
        if (value < 0 || value > 255)
            throw ECatalogueField(QStringLiteral("%1 %2 does not fit in a byte.")
                                      .arg(QLatin1String(field))
                                      .arg(value));
        bytes_.append(char(value));
    }
    void Word(int value, const char* field) {
        if (value < 0 || value > 32767)
            throw ECatalogueField(
                QStringLiteral("%1 %2 is outside 0..32767.").arg(QLatin1String(field)).arg(value));
        bytes_.append(char(value & 0xFF));
        bytes_.append(char((value >> 8) & 0xFF));
    }
    void Int32(qint32 value) {
        const quint32 v = quint32(value);
        for (int shift = 0; shift < 32; shift += 8) bytes_.append(char((v >> shift) & 0xFF));
    }
    void Degrees(double degrees, const char* field) {
        const double units = std::round(degrees * 10000.0);
        if (!std::isfinite(units) || std::abs(units) > 2147483647.0)
            throw ECatalogueField(
                QStringLiteral("%1 %2 is no angle.").arg(QLatin1String(field)).arg(degrees));
        Int32(qint32(units));
    }
    void Text(const QString& text) {
        const QString problem = CatalogueTextProblem(text);
        if (!problem.isEmpty()) throw ECatalogueField(problem);
        const QByteArray bytes = ToWindows1252(text);
        bytes_.append(char(bytes.size()));
        bytes_.append(EncodeText(bytes));
    }
    const QByteArray& Bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
};

}  // namespace

QString CatalogueTextProblem(const QString& text) {
    bool representable = true;
    const QByteArray bytes = ToWindows1252(text, &representable);
    if (!representable) {
        for (const QChar c : text) {
            bool one = true;
            ToWindows1252(QString(c), &one);
            if (!one)
                return QStringLiteral("“%1” holds a character that can't be stored: %2")
                    .arg(text, c);
        }
    }
    if (bytes.size() > MaxTextBytes)
        return QStringLiteral("“%1” is longer than %2 characters.").arg(text).arg(MaxTextBytes);
    return {};
}

QByteArray EncodeCatalogue(const std::vector<const COvning*>& entries) {
    TRecordWriter out;
    for (const COvning* e : entries) {
        out.Text(e->Kind);
        for (int language = 1; language <= 6; ++language) out.Text(e->Names[language]);
        out.Word(e->Number, "The exercise number");
        out.Byte(e->MaxPlaceRank, "The place rank");
        out.Byte(e->BorderWidth, "The outline width");
        out.Byte(e->RequirePlaceFlag1 ? 1 : 0, "");
        out.Byte(e->RequirePlaceFlag2 ? 1 : 0, "");
        out.Byte(e->ReservedFlag ? 1 : 0, "");
        out.Word(e->MapNo, "The map number");
        out.Word(e->PlaceFileNo, "The place file number");
        out.Text(e->Continent);
        out.Int32(qint32(e->LandColor));
        out.Int32(qint32(e->AreaColor));
        out.Int32(qint32(e->SeaColor));
        out.Degrees(e->TopLatitude, "The north edge");
        out.Degrees(e->BottomLatitude, "The south edge");
        out.Degrees(e->CentreLongitude, "The centre longitude");
        out.Word(e->ItemCount, "The item count");
        for (int i = 1; i <= e->ItemCount; ++i) out.Text(e->Items[i]);
    }
    return out.Bytes();
}

void SaveCatalogue(const std::vector<const COvning*>& entries, const QString& fileName) {
    const QByteArray bytes = EncodeCatalogue(entries);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EInOutError(file.errorString());
}
