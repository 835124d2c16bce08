// SPDX-License-Identifier: MIT
// Wave channels on QAudioSink. The file is read and checked at open, so
// playing never waits for a loader; without a sound device nothing is
// started at all.
#include "WaveDevice.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

namespace {

quint32 Le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 Le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

constexpr quint16 PcmFormat = 1;
constexpr quint16 FloatFormat = 3;

}  // namespace

bool ParseWave(const QByteArray& file, QAudioFormat& format, QByteArray& samples) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return false;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = Le32(file, at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(file.size() - body)) {
            // A data chunk cut short still plays what is there.
            if (id != "data" || !haveFormat) return false;
        }
        const qsizetype length = qMin<qsizetype>(size, file.size() - body);
        if (id == "fmt ") {
            if (length < 16) return false;
            const quint16 tag = Le16(file, body);
            const int channels = Le16(file, body + 2);
            const int rate = int(Le32(file, body + 4));
            const int bits = Le16(file, body + 14);
            if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000) return false;
            QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
            if (tag == PcmFormat && bits == 8) sampleFormat = QAudioFormat::UInt8;
            if (tag == PcmFormat && bits == 16) sampleFormat = QAudioFormat::Int16;
            if (tag == PcmFormat && bits == 32) sampleFormat = QAudioFormat::Int32;
            if (tag == FloatFormat && bits == 32) sampleFormat = QAudioFormat::Float;
            if (sampleFormat == QAudioFormat::Unknown) return false;
            format.setSampleFormat(sampleFormat);
            format.setChannelCount(channels);
            format.setSampleRate(rate);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return false;
            const int frame = format.bytesPerFrame();
            samples = file.mid(body, length - length % frame);
            return !samples.isEmpty();
        }
        at = body + length + (length & 1);  // chunks are padded to even sizes
    }
    return false;
}

TWaveDevice::TWaveDevice() = default;
TWaveDevice::~TWaveDevice() {
    if (sink_) sink_->stop();
}

bool TWaveDevice::Open(const QString& fullName) {
    if (sink_) sink_->stop();
    buffer_.close();
    samples_.clear();
    QFile file(fullName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QAudioFormat format;
    if (!ParseWave(file.readAll(), format, samples_)) return false;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        sink_.reset();
        return true;  // opened; plays into nothing
    }
    if (!sink_ || format_ != format) sink_ = std::make_unique<QAudioSink>(device, format);
    format_ = format;
    return true;
}

void TWaveDevice::Play(int /*startPosition*/) {
    if (!sink_ || samples_.isEmpty()) return;
    // Stopping first makes a finished or still running sound start over.
    sink_->stop();
    buffer_.close();
    buffer_.setData(samples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
}
