// SPDX-License-Identifier: MIT
// TMidiDevice: the MIDI player on FluidSynth with the General MIDI soundfont.
#pragma once

#include <memory>

#include "platform/MediaPlayers.h"

class TMidiDevice : public TPlaybackDevice {
  public:
    TMidiDevice();
    ~TMidiDevice() override;

    bool Open(const QString& fullName) override;
    // The position is in MIDI ticks.
    void Play(int startPosition) override;

  private:
    struct Engine;
    bool EnsureEngine();

    std::unique_ptr<Engine> engine_;
    bool engineFailed_ = false;  // no soundfont or no sound device: stay silent from then on
};
