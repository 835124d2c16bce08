// TWaveDevice: one wave channel on Qt Multimedia's sound effect player.
#pragma once

#include <QSoundEffect>
#include <memory>

#include "platform/MediaPlayers.h"

class TWaveDevice : public TPlaybackDevice {
  public:
    bool Open(const QString& fullName) override;
    void Play(int startPosition) override;

  private:
    std::unique_ptr<QSoundEffect> effect_;  // made on first use, so idle channels cost nothing
};
