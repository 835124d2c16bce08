// SPDX-License-Identifier: MIT
// The players' rules, counted through a test device: when a file is opened,
// which channel plays, the switches; and the real devices stay silent and
// quick on a machine without sound.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <map>

#include "app/ShellTest.h"
#include "platform/MediaPlayers.h"
#include "platform/WaveDevice.h"

namespace {

struct DeviceLog {
    std::vector<QString> opens;
    int plays = 0;
};

// Files whose name says so are missing; every other one opens.
class CountingDevice : public TPlaybackDevice {
  public:
    explicit CountingDevice(DeviceLog& log) : log_(log) {}
    bool Open(const QString& fullName) override {
        const QString name = QFileInfo(fullName).fileName();
        log_.opens.push_back(name);
        return !name.startsWith("Missing");
    }
    void Play(int) override { ++log_.plays; }

  private:
    DeviceLog& log_;
};

class SoundRulesTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        int made = 0;
        players = std::make_unique<TMediaPlayers>([this, &made](TPlayerKind) {
            // Made in the order MIDI, wave 1, wave 2.
            DeviceLog* logs[] = {&midi, &wave1, &wave2};
            return std::make_unique<CountingDevice>(*logs[made++]);
        });
    }
    void TearDown() override {
        players.reset();
        ShellTest::TearDown();
    }

    DeviceLog midi, wave1, wave2;
    std::unique_ptr<TMediaPlayers> players;
};

TEST_F(SoundRulesTest, TheSameEffectOpensOnceAndReplaysEachTime) {
    PlayEffect("Plopp4.WAV", 1);
    PlayEffect("Plopp4.WAV", 1);
    PlayEffect("Plopp4.WAV", 1);
    EXPECT_EQ(wave1.opens, std::vector<QString>{"Plopp4.WAV"});
    EXPECT_EQ(wave1.plays, 3);
    EXPECT_EQ(players->mplWAV1.FileName(), ProgramFile("Plopp4.WAV"));
}

TEST_F(SoundRulesTest, DifferentEffectsOnAChannelReopenInTurn) {
    PlayEffect("Plopp.WAV", 2);
    PlayEffect("Plopp4.WAV", 2);
    PlayEffect("Plopp.WAV", 2);
    EXPECT_EQ(wave2.opens, (std::vector<QString>{"Plopp.WAV", "Plopp4.WAV", "Plopp.WAV"}));
    EXPECT_EQ(wave2.plays, 3);
}

TEST_F(SoundRulesTest, ChannelOneIsTheFirstPlayerAndEveryOtherNumberTheSecond) {
    PlayEffect("Plopp.WAV", 1);
    for (int channel : {0, 2, 3, -1}) PlayEffect("Plopp4.WAV", channel);
    EXPECT_EQ(wave1.plays, 1);
    EXPECT_EQ(wave2.plays, 4);
    EXPECT_EQ(wave2.opens.size(), 1u);
    EXPECT_TRUE(midi.opens.empty());
}

TEST_F(SoundRulesTest, AMissingEffectIsTriedOnceUnderItsName) {
    PlayEffect("Missing.WAV", 1);
    PlayEffect("Missing.WAV", 1);
    EXPECT_EQ(wave1.opens, std::vector<QString>{"Missing.WAV"});
    EXPECT_EQ(wave1.plays, 0);
    PlayEffect("Plopp.WAV", 1);
    PlayEffect("Missing.WAV", 1);
    EXPECT_EQ(wave1.opens, (std::vector<QString>{"Missing.WAV", "Plopp.WAV", "Missing.WAV"}));
    EXPECT_EQ(wave1.plays, 1);
}

TEST_F(SoundRulesTest, MusicReopensOnEveryRequestEvenWhenMissing) {
    PlayMusic("good.mid", 0);
    PlayMusic("good.mid", 0);
    PlayMusic("Missing.mid", 0);
    PlayMusic("Missing.mid", 0);
    EXPECT_EQ(midi.opens,
              (std::vector<QString>{"good.mid", "good.mid", "Missing.mid", "Missing.mid"}));
    EXPECT_EQ(midi.plays, 2);
}

TEST_F(SoundRulesTest, SwitchedOffNothingOpensOrPlays) {
    SoundsOn = false;
    PlayEffect("Plopp.WAV", 1);
    PlayMusic("good.mid", 0);
    EXPECT_TRUE(wave1.opens.empty());
    EXPECT_EQ(midi.plays, 1);
    MusicOn = false;
    SoundsOn = true;
    PlayMusic("good.mid", 0);
    EXPECT_EQ(midi.opens.size(), 1u);
    PlayEffect("Plopp.WAV", 1);
    EXPECT_EQ(wave1.plays, 1);
}

TEST_F(SoundRulesTest, APlayerThatThrowsStaysSilent) {
    class Throwing : public TPlaybackDevice {
        bool Open(const QString&) override { throw std::runtime_error("device gone"); }
        void Play(int) override {}
    };
    TMediaPlayer player(std::make_unique<Throwing>());
    EXPECT_NO_THROW(player.PlayEffect("x.wav"));
    EXPECT_NO_THROW(player.PlayMusic("y.mid", 0));
}

TEST_F(SoundRulesTest, WithoutPlayersNothingHappens) {
    players.reset();
    EXPECT_NO_THROW(PlayEffect("Plopp.WAV", 1));
    EXPECT_NO_THROW(PlayMusic("good.mid", 0));
    EXPECT_TRUE(wave1.opens.empty());
}

// The real devices on this machine, whatever it has: nothing may throw, wait
// for the sound or show a message.
using RealSoundTest = ShellTest;

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A short mono 8 kHz tone and a one-note MIDI file.
QByteArray ToneWave() {
    const int samples = 800;
    QByteArray data;
    for (int i = 0; i < samples; ++i) data.append(char(i % 16 < 8 ? 0x30 : 0xD0));
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    QByteArray wave = "RIFF" + le32(36 + samples) + "WAVEfmt ";
    wave += QByteArray::fromHex("10000000 0100 0100 401f0000 401f0000 0100 0800");
    return wave + "data" + le32(samples) + data;
}
QByteArray OneNoteMidi() {
    return QByteArray::fromHex("4d546864 00000006 0000 0001 0060") +
           QByteArray::fromHex("4d54726b 0000000d 00903c64 60803c00 00ff2f00");
}

TEST(WaveFileTest, PcmWavesAreSplitIntoFormatAndSamples) {
    QAudioFormat format;
    QByteArray samples;
    ASSERT_TRUE(ParseWave(ToneWave(), format, samples));
    EXPECT_EQ(format.sampleRate(), 8000);
    EXPECT_EQ(format.channelCount(), 1);
    EXPECT_EQ(format.sampleFormat(), QAudioFormat::UInt8);
    EXPECT_EQ(samples.size(), 800);

    // A data chunk cut short plays what is there.
    ASSERT_TRUE(ParseWave(ToneWave().left(44 + 100), format, samples));
    EXPECT_EQ(samples.size(), 100);
}

TEST(WaveFileTest, AnythingElseIsRefused) {
    QAudioFormat format;
    QByteArray samples;
    QByteArray compressed = ToneWave();
    compressed[20] = 2;  // ADPCM
    QByteArray noFormat = ToneWave();
    noFormat.replace(12, 4, "junk");
    for (const QByteArray& bad : {compressed, noFormat, ToneWave().left(44), ToneWave().left(30),
                                  QByteArray("RIFF\x10\0\0\0WAVE"), QByteArray("not a wave")})
        EXPECT_FALSE(ParseWave(bad, format, samples)) << bad.left(16).toHex().constData();
}

// The sounds delivered beside the program are ones the wave channels can play.
TEST(WaveFileTest, TheDeliveredEffectsAreReadable) {
    for (const char* name : {"Plopp.WAV", "Plopp4.WAV", "Rassel11.WAV"}) {
        QFile file(ProgramFile(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        QAudioFormat format;
        QByteArray samples;
        EXPECT_TRUE(ParseWave(file.readAll(), format, samples)) << name;
        EXPECT_GT(samples.size(), 1000) << name;
    }
}

TEST_F(RealSoundTest, RealPlayersNeverComplainOrWait) {
    WriteFile(Path("tone.wav"), ToneWave());
    WriteFile(Path("note.mid"), OneNoteMidi());
    WriteFile(Path("bad.wav"), "not a wave");
    TMediaPlayers players;
    for (int i = 0; i < 3; ++i) {
        players.PlayEffect(Path("tone.wav"), 1);
        players.PlayEffect(Path("bad.wav"), 2);
        players.PlayEffect(Path("Missing.wav"), 2);
        players.PlayMusic(Path("note.mid"), 0);
        players.PlayMusic(Path("tone.wav"), 0);  // not MIDI
        players.PlayMusic(Path("Missing.mid"), 0);
    }
    EXPECT_EQ(players.mplMIDI.FileName(), Path("Missing.mid"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(RealSoundTest, MissingSoundfontIsSilence) {
    WriteFile(Path("note.mid"), OneNoteMidi());
    qputenv("GLOMIRA_SOUNDFONT", QFile::encodeName(Path("none.sf2")));
    {
        TMediaPlayers players;
        players.PlayMusic(Path("note.mid"), 0);
        players.PlayMusic(Path("note.mid"), 0);
    }
    qunsetenv("GLOMIRA_SOUNDFONT");
    EXPECT_TRUE(messages.empty());
}

}  // namespace
