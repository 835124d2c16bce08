// SPDX-License-Identifier: MIT
// TMediaPlayers: the program's three players (two wave channels, one MIDI
// player) with the rules of when a file is opened again.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/Generell.h"

// One playback device; the real ones sound, test ones count.
class TPlaybackDevice {
  public:
    virtual ~TPlaybackDevice() = default;
    // Closes whatever was open (stopping it) and opens the file;
    // false when the file cannot be played.
    virtual bool Open(const QString& fullName) = 0;
    // Plays the open file from the position (0 is the start), rewinding a
    // sound that has finished. Returns at once.
    virtual void Play(int startPosition) = 0;
};

class TMediaPlayer {
  public:
    explicit TMediaPlayer(std::unique_ptr<TPlaybackDevice> device);

    // Opens only when the name differs from the player's current file, so a
    // repeated effect replays without reopening and a missing file is not
    // tried again under the same name.
    void PlayEffect(const QString& fullName);
    // Opens every time (stopping running music), then plays.
    void PlayMusic(const QString& fullName, int startPosition);

    const QString& FileName() const { return fileName_; }

  private:
    std::unique_ptr<TPlaybackDevice> device_;
    QString fileName_;
    bool open_ = false;
};

enum class TPlayerKind { Midi, Wave };
using TDeviceFactory = std::function<std::unique_ptr<TPlaybackDevice>(TPlayerKind)>;

// Installs itself as the sound output while it lives. Every failure below it
// is swallowed: sound is never worth a message.
class TMediaPlayers : public TSoundOutput {
  public:
    TMediaPlayers();  // the machine's sound devices
    explicit TMediaPlayers(const TDeviceFactory& factory);
    ~TMediaPlayers() override;
    TMediaPlayers(const TMediaPlayers&) = delete;
    TMediaPlayers& operator=(const TMediaPlayers&) = delete;

    void PlayEffect(const QString& fullName, int channel) override;
    void PlayMusic(const QString& fullName, int startPosition) override;

    TMediaPlayer mplMIDI;
    TMediaPlayer mplWAV1;
    TMediaPlayer mplWAV2;
};

// The real devices.
std::unique_ptr<TPlaybackDevice> CreateSoundDevice(TPlayerKind kind);
