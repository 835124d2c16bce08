// SPDX-License-Identifier: MIT
// TWaveDevice: one wave channel, a PCM wave file played through a Qt
// Multimedia audio sink from memory.
#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <memory>

#include "platform/MediaPlayers.h"

class QAudioSink;

// Splits a RIFF wave file into its format and PCM samples; false for
// anything else (compressed, cut short, not a wave).
bool ParseWave(const QByteArray& file, QAudioFormat& format, QByteArray& samples);

class TWaveDevice : public TPlaybackDevice {
  public:
    TWaveDevice();
    ~TWaveDevice() override;

    bool Open(const QString& fullName) override;
    void Play(int startPosition) override;

  private:
    QByteArray samples_;
    QAudioFormat format_;
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;  // none while there is no sound device
};
