#pragma once
#include <string>

#include "engine/sound_system.h"

// A sound effect. The first Play takes a free channel; later plays restart it on that channel.
class Sound {
 public:
  SoundSample* sound = nullptr;
  int channel = -1;  // none until first played
  std::string fileName;

  bool Load(std::string path);
  void Play();
  void Free();

 protected:
  bool looping = false;
};

// A looping piece of music.
class Music : public Sound {
 public:
  Music() { looping = true; }
  // Silences and rewinds it: it is replayed paused on its own channel.
  void Stop();
  // Holds it where it is, or lets it go on from there; nothing when it was never played.
  void SetPaused(bool paused);
};
