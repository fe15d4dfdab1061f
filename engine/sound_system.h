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
  SDL_AudioSpec device{};
  std::vector<SoundChannel> channels;

  bool Init(int channelCount);
  void Release();
  // Loads a WAV file and converts it to the device's format; null on failure.
  SoundSample* LoadSample(const char* path);
  void FreeSample(SoundSample* sample);
  // Starts the sample on `channel`, or on a free channel when it is negative. Returns the channel.
  int Play(int channel, const SoundSample* sample, bool looping, bool paused);
  void Mix(Uint8* stream, int length);
};

extern SoundSystem* soundSystem;

// Creates and initialises the sound system; logs its start-up lines.
bool InitSound(int channelCount);
void ReleaseSound();
