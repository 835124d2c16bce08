// SPDX-License-Identifier: MIT
// FluidSynth playback: settings, synthesiser, audio driver and one file player.
// Everything is created on the first music request.
#include "MidiDevice.h"

#include <fluidsynth.h>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

template <auto Delete>
struct Deleter {
    template <typename T>
    void operator()(T* p) const {
        Delete(p);
    }
};

// The General MIDI soundfont the distribution installs among its shared
// data (sounds/sf2/default-GM.sf2), unless GLOMIRA_SOUNDFONT names another.
QString SoundfontFile() {
    const QString chosen = qEnvironmentVariable("GLOMIRA_SOUNDFONT");
    if (!chosen.isEmpty()) return chosen;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("sounds/sf2/default-GM.sf2"));
}

}  // namespace

// Declared in destruction order's reverse: the player goes first, the settings last.
struct TMidiDevice::Engine {
    std::unique_ptr<fluid_settings_t, Deleter<delete_fluid_settings>> settings;
    std::unique_ptr<fluid_synth_t, Deleter<delete_fluid_synth>> synth;
    std::unique_ptr<fluid_audio_driver_t, Deleter<delete_fluid_audio_driver>> driver;
    std::unique_ptr<fluid_player_t, Deleter<delete_fluid_player>> player;
};

TMidiDevice::TMidiDevice() = default;
TMidiDevice::~TMidiDevice() = default;

bool TMidiDevice::EnsureEngine() {
    if (engine_) return true;
    if (engineFailed_) return false;
    engineFailed_ = true;

    // Sound problems are never reported; keep the library quiet too.
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);

    const QByteArray soundfont = QFile::encodeName(SoundfontFile());
    if (!QFileInfo(SoundfontFile()).isFile()) return false;

    auto engine = std::make_unique<Engine>();
    engine->settings.reset(new_fluid_settings());
    if (!engine->settings) return false;
    engine->synth.reset(new_fluid_synth(engine->settings.get()));
    if (!engine->synth) return false;
    // PulseAudio mixes with the wave channels on a desktop; ALSA is the fallback.
    // Both fail at once, without waiting, when there is no sound device.
    for (const char* driver : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(engine->settings.get(), "audio.driver", driver);
        engine->driver.reset(new_fluid_audio_driver(engine->settings.get(), engine->synth.get()));
        if (engine->driver) break;
    }
    if (!engine->driver) return false;
    if (fluid_synth_sfload(engine->synth.get(), soundfont.constData(), 1) == FLUID_FAILED)
        return false;

    engine_ = std::move(engine);
    engineFailed_ = false;
    return true;
}

bool TMidiDevice::Open(const QString& fullName) {
    if (!EnsureEngine()) return false;
    // Opening closes what was playing.
    engine_->player.reset();
    fluid_synth_all_sounds_off(engine_->synth.get(), -1);

    const QByteArray name = QFile::encodeName(fullName);
    if (!QFileInfo(fullName).isFile() || !fluid_is_midifile(name.constData())) return false;
    engine_->player.reset(new_fluid_player(engine_->synth.get()));
    if (!engine_->player) return false;
    if (fluid_player_add(engine_->player.get(), name.constData()) != FLUID_OK) {
        engine_->player.reset();
        return false;
    }
    return true;
}

void TMidiDevice::Play(int startPosition) {
    if (!engine_ || !engine_->player) return;
    if (startPosition > 0) fluid_player_seek(engine_->player.get(), startPosition);
    fluid_player_play(engine_->player.get());
}
