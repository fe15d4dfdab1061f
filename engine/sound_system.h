#pragma once
#include <SDL/SDL.h>

#include <vector>

// Our own small sound system over SDL audio: a fixed set of channels mixed in SDL's audio
// callback. Without an audio device it runs silently: sounds still load and "play", nothing
// is heard, and the game goes on normally.
struct SoundSample {
  Uint8* data = nullptr;  // in the device's format when a device is open
  Uint32 length = 0;      // bytes
};

struct SoundChannel {
  const SoundSample* sample = nullptr;
  Uint32 position = 0;
  bool looping = false;
  bool paused = false;
};

class SoundSystem {
 public:
  bool silent = true;
  // The player's sound switch: muted, the channels run on unheard, so music comes back where it
  // would have been and nothing played meanwhile bursts out late.
  bool muted = false;
  SDL_AudioSpec device{};
  std::vector<SoundChannel> channels;

  bool Init(int channelCount);
  void Release();
  // Loads a WAV file and converts it to the device's format; null on failure.
  SoundSample* LoadSample(const char* path);
  void FreeSample(SoundSample* sample);
  // Starts the sample again on `channel` while that channel still holds it (or is free); otherwise
  // on a free channel, so a sound never cuts off another that has taken its old channel since.
  // Returns the channel.
  int Play(int channel, const SoundSample* sample, bool looping, bool paused);
  // Holds or releases what plays on the channel, where it is.
  void SetPaused(int channel, bool paused);
  void SetMuted(bool mute);
  void Mix(Uint8* stream, int length);

 private:
  int FreeChannel() const;
};

extern SoundSystem* soundSystem;

// Creates and initialises the sound system; logs its start-up lines.
bool InitSound(int channelCount);
void ReleaseSound();
