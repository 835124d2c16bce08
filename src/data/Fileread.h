// SPDX-License-Identifier: MIT
// TByteFile: the one reader of the scrambled .crp data-file encoding,
// and the runtime error classes every loader raises.
#pragma once

#include <QFile>
#include <QLoggingCategory>
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
    // The data file being read when it failed, where the loader knows it;
    // for the log, the message stays as it is.
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }

  private:
    QString message_;
    QString fileName_;
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

// The data files' log ("glomira.data"): where a failure is caught, the
// failing file's name goes here, as the message shown to a user may lack it.
Q_DECLARE_LOGGING_CATEGORY(lcDataFiles)
// Records a caught failure: what was being done, the file when known, the message.
void LogFailure(const std::exception& failure, const QString& doing);

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
