#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <vector>

#include "engine/log.h"
#include "engine/sound.h"
#include "support/headless.h"

namespace {
// A short mono 8-bit WAV file.
void WriteWav(const std::string& path) {
  const uint32_t samples = 800;
  std::ofstream out(path, std::ios::binary);
  auto put32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto put16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  put32(36 + samples);
  out << "WAVEfmt ";
  put32(16);
  put16(1);
  put16(1);
  put32(8000);
  put32(8000);
  put16(1);
  put16(8);
  out << "data";
  put32(samples);
  for (uint32_t i = 0; i < samples; ++i) out.put(static_cast<char>(i % 2 ? 200 : 56));
}

// One line of tools/sound/manifest.txt: a file the build makes, what plays it, its samples.
struct SoundAsset {
  std::string path;
  std::string kind;  // effect, loop or music
  Uint32 frames = 0;
};

std::vector<SoundAsset> ReadSoundManifest() {
  std::vector<SoundAsset> assets;
  std::ifstream file(std::string(TUMBO_SOURCE_DIR) + "/tools/sound/manifest.txt");
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    // Sound paths have no spaces (the generator refuses them), so fields split on white space.
    std::istringstream fields(line);
    SoundAsset asset;
    if (fields >> asset.path >> asset.kind >> asset.frames) assets.push_back(asset);
  }
  return assets;
}

class SoundTest : public testing::Test {
 protected:
  void SetUp() override {
    EnterGameDir();
    OpenLog("log.txt");
    SDL_Init(SDL_INIT_AUDIO);
    WriteWav("beep.wav");
  }
  void TearDown() override {
    ReleaseSound();
    // Only the audio part: other tests keep their screen.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
};
}  // namespace

TEST_F(SoundTest, AnEffectTakesAFreeChannelThenKeepsItsOwn) {
  ASSERT_TRUE(InitSound(100));
  EXPECT_EQ(soundSystem->channels.size(), 100u);
  Sound first;
  Sound second;
  ASSERT_TRUE(first.Load("beep.wav"));
  ASSERT_TRUE(second.Load("beep.wav"));
  first.Play();
  second.Play();
  EXPECT_EQ(first.channel, 0);
  EXPECT_EQ(second.channel, 1);
  first.Play();  // restarts on its own channel
  EXPECT_EQ(first.channel, 0);
  first.Free();
  second.Free();
  EXPECT_EQ(first.channel, -1);
  CloseLog();
  const std::string log = ReadFile("log.txt");
  EXPECT_NE(log.find("Loaded beep.wav\n"), std::string::npos);
  EXPECT_NE(log.find("Freed beep.wav\n"), std::string::npos);
}

// Once an effect has ended, its channel is free for others: the music may take it, and the effect
// played again must then find another channel rather than cut the music off.
TEST_F(SoundTest, AnEffectPlayedAgainLeavesAloneWhatTookItsChannelMeanwhile) {
  ASSERT_TRUE(InitSound(100));
  Sound effect;
  Music music;
  ASSERT_TRUE(effect.Load("beep.wav"));
  ASSERT_TRUE(music.Load("beep.wav"));
  effect.Play();
  SDL_LockAudio();
  soundSystem->channels[effect.channel] = SoundChannel{};  // as the mixer leaves an ended sound
  SDL_UnlockAudio();
  music.Play();
  ASSERT_EQ(music.channel, effect.channel);
  effect.Play();
  EXPECT_NE(effect.channel, music.channel);
  EXPECT_EQ(soundSystem->channels[music.channel].sample, music.sound);
  effect.Free();
  music.Free();
}

TEST_F(SoundTest, MusicLoopsAndStopPausesAndRewindsIt) {
  ASSERT_TRUE(InitSound(100));
  Music music;
  ASSERT_TRUE(music.Load("beep.wav"));
  music.Stop();  // never played: nothing to stop
  EXPECT_EQ(music.channel, -1);
  music.Play();
  ASSERT_GE(music.channel, 0);
  SDL_LockAudio();
  EXPECT_TRUE(soundSystem->channels[music.channel].looping);
  SDL_UnlockAudio();
  music.Stop();
  SDL_LockAudio();
  EXPECT_TRUE(soundSystem->channels[music.channel].paused);
  EXPECT_EQ(soundSystem->channels[music.channel].position, 0u);
  SDL_UnlockAudio();
  music.Free();
}

TEST_F(SoundTest, MissingFilesAreLoggedAndSilenceIsNoFailure) {
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  ASSERT_TRUE(InitSound(100));
  EXPECT_TRUE(soundSystem->silent);
  Sound sound;
  EXPECT_FALSE(sound.Load("missing.wav"));
  ASSERT_TRUE(sound.Load("beep.wav"));
  sound.Play();  // heard by nobody, but harmless
  sound.Free();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  CloseLog();
  EXPECT_NE(ReadFile("log.txt").find("Error: Couldn't load missing.wav\n"), std::string::npos);
}

// The generated sounds against tools/sound/manifest.txt: each is there, in the mixer's own rate
// (mono 16-bit, so nothing is resampled at load), as long as listed, and loads and frees through
// the class that will play it, with the usual log lines.
TEST_F(SoundTest, EveryGeneratedSoundLoadsThroughItsClass) {
  ASSERT_TRUE(InitSound(100));
  const std::vector<SoundAsset> assets = ReadSoundManifest();
  ASSERT_GE(assets.size(), 29u) << "tools/sound/manifest.txt missing or truncated";
  for (const SoundAsset& asset : assets) {
    SCOPED_TRACE(asset.path);
    SDL_AudioSpec loaded;
    Uint8* raw = nullptr;
    Uint32 length = 0;
    ASSERT_TRUE(SDL_LoadWAV(asset.path.c_str(), &loaded, &raw, &length)) << SDL_GetError();
    SDL_FreeWAV(raw);
    EXPECT_EQ(loaded.freq, 22050);
    EXPECT_EQ(loaded.format, AUDIO_S16LSB);
    EXPECT_EQ(loaded.channels, 1);
    EXPECT_EQ(length, asset.frames * 2);
    Sound effect;
    Music music;
    Sound& sound = asset.kind == "effect" ? effect : music;
    EXPECT_TRUE(sound.Load(asset.path));
    sound.Free();
  }
  CloseLog();
  const std::string log = ReadFile("log.txt");
  for (const SoundAsset& asset : assets) {
    EXPECT_NE(log.find("Loaded " + asset.path + "\n"), std::string::npos) << asset.path;
    EXPECT_NE(log.find("Freed " + asset.path + "\n"), std::string::npos) << asset.path;
  }
}
