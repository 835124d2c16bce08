// TByteFile: the one reader of the scrambled .crp data-file encoding,
// and the runtime error classes every loader raises.
#pragma once

#include <QFile>
#include <QString>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

// Root of the program's failures; the message is what a user is shown.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

class EInOutError : public Exception {
public:
    using Exception::Exception;
};

class EFileNotFound : public EInOutError {
public:
    using EInOutError::EInOutError;
};

class EFileOpenFailed : public EInOutError {
public:
    using EInOutError::EInOutError;
};

// A value or index outside its declared range.
class ERangeError : public Exception {
public:
    ERangeError() : Exception(QStringLiteral("Range check error")) {}
};

// Every stored byte b stands for the character code (b + 21) mod 256.
QByteArray DecodeText(const QByteArray& stored);

// Reads the file strictly front to back through a 512-byte block buffer.
class TByteFile {
public:
    static constexpr int BufferSize = 512;

    // Raises EFileNotFound or EFileOpenFailed.
    explicit TByteFile(const QString& fileName);
    ~TByteFile();
    TByteFile(const TByteFile&) = delete;
    TByteFile& operator=(const TByteFile&) = delete;

    quint8 ReadByte();
    qint16 ReadWord();  // 0..32767; a larger stored value is a range error
    qint32 ReadInt32();
    QString ReadText();  // Windows-1252, 0..255 characters
    bool AtEnd();

private:
    void FillBuffer();

    QFile DataFile;
    std::array<quint8, BufferSize> Buffer{};
    quint16 BufferCount = 0;
    quint16 BufferPos = 0;
};
