// SPDX-License-Identifier: MIT
// The .crp reader: byte, 16-bit word, 32-bit word and shifted string.
#include "Fileread.h"

#include <QFileInfo>

#include "platform/TextCodec.h"

Q_LOGGING_CATEGORY(lcDataFiles, "glomira.data")

void LogFailure(const std::exception& failure, const QString& doing) {
    const auto* own = dynamic_cast<const Exception*>(&failure);
    const QString message = own ? own->Message() : QString::fromLocal8Bit(failure.what());
    if (own && !own->FileName().isEmpty())
        qCWarning(lcDataFiles).noquote()
            << doing << "failed on" << own->FileName() << ":" << message;
    else
        qCWarning(lcDataFiles).noquote() << doing << "failed:" << message;
}

QByteArray DecodeText(const QByteArray& stored) {
    QByteArray text(stored.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < stored.size(); ++i) text[i] = char((uchar(stored[i]) + 21) & 0xFF);
    return text;
}

TByteFile::TByteFile(const QString& fileName) : DataFile(fileName) {
    if (!QFileInfo::exists(fileName))
        throw EFileNotFound(QStringLiteral("File \"%1\" not found.").arg(fileName));
    // Unbuffered: our own block buffer makes one system read per 512 bytes.
    if (!DataFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || QFileInfo(fileName).isDir())
        throw EFileOpenFailed(
            QStringLiteral("File open failed: ") +
            (DataFile.isOpen() ? QStringLiteral("Is a directory") : DataFile.errorString()));
}

TByteFile::~TByteFile() {
    DataFile.close();
}

void TByteFile::FillBuffer() {
    const qint64 got = DataFile.read(reinterpret_cast<char*>(Buffer.data()), BufferSize);
    if (got < 0) throw EInOutError(DataFile.errorString());
    if (got == 0) throw EInOutError(QStringLiteral("Read beyond end of file"));
    BufferCount = quint16(got);
    BufferPos = 0;
}

quint8 TByteFile::ReadByte() {
    if (BufferPos >= BufferCount) FillBuffer();
    return Buffer[BufferPos++];
}

qint16 TByteFile::ReadWord() {
    const int low = ReadByte();
    const int high = ReadByte();
    const int value = high * 256 + low;
    if (value > 32767) throw ERangeError();
    return qint16(value);
}

qint32 TByteFile::ReadInt32() {
    quint32 value = 0;
    for (int shift = 0; shift < 32; shift += 8) value |= quint32(ReadByte()) << shift;
    return qint32(value);
}

QString TByteFile::ReadText() {
    const int length = ReadByte();
    QByteArray stored(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i) stored[i] = char(ReadByte());
    return FromWindows1252(DecodeText(stored));
}

bool TByteFile::AtEnd() {
    return DataFile.atEnd() && BufferPos >= BufferCount;
}
