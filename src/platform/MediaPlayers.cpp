// SPDX-License-Identifier: MIT
// The players' open/replay rules and the choice of real devices.
#include "MediaPlayers.h"

#include "platform/MidiDevice.h"
#include "platform/WaveDevice.h"

TMediaPlayer::TMediaPlayer(std::unique_ptr<TPlaybackDevice> device) : device_(std::move(device)) {}

void TMediaPlayer::PlayEffect(const QString& fullName) {
    try {
        if (fileName_ != fullName) {
            fileName_ = fullName;
            open_ = device_->Open(fullName);
        }
        if (open_) device_->Play(0);
    } catch (...) {
        // Sound failures are silent by design.
    }
}

void TMediaPlayer::PlayMusic(const QString& fullName, int startPosition) {
    try {
        fileName_ = fullName;
        open_ = device_->Open(fullName);
        if (open_) device_->Play(startPosition);
    } catch (...) {
    }
}

TMediaPlayers::TMediaPlayers() : TMediaPlayers(CreateSoundDevice) {}

TMediaPlayers::TMediaPlayers(const TDeviceFactory& factory)
    : mplMIDI(factory(TPlayerKind::Midi)),
      mplWAV1(factory(TPlayerKind::Wave)),
      mplWAV2(factory(TPlayerKind::Wave)) {
    SetSoundOutput(this);
}

TMediaPlayers::~TMediaPlayers() {
    SetSoundOutput(nullptr);
}

void TMediaPlayers::PlayEffect(const QString& fullName, int channel) {
    (channel == 1 ? mplWAV1 : mplWAV2).PlayEffect(fullName);
}

void TMediaPlayers::PlayMusic(const QString& fullName, int startPosition) {
    mplMIDI.PlayMusic(fullName, startPosition);
}

std::unique_ptr<TPlaybackDevice> CreateSoundDevice(TPlayerKind kind) {
    if (kind == TPlayerKind::Midi) return std::make_unique<TMidiDevice>();
    return std::make_unique<TWaveDevice>();
}
