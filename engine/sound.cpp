#include "engine/sound.h"

#include "engine/log.h"

bool Sound::Load(std::string path) {
  fileName = path;
  SoundSample* loaded = soundSystem ? soundSystem->LoadSample(path.c_str()) : nullptr;
  if (!loaded) {
    Log("Error: Couldn't load " + path);
    return false;
  }
  if (sound) soundSystem->FreeSample(sound);
  sound = loaded;
  channel = -1;
  Log("Loaded " + path);
  return true;
}

void Sound::Play() {
  if (!sound || !soundSystem) return;
  channel = soundSystem->Play(channel, sound, looping, false);
}

void Music::Stop() {
  if (!sound || !soundSystem || channel < 0) return;
  channel = soundSystem->Play(channel, sound, looping, true);
}

void Music::SetPaused(bool paused) {
  if (!sound || !soundSystem || channel < 0) return;
  soundSystem->SetPaused(channel, paused);
}

void Sound::Free() {
  if (!sound) return;
  if (soundSystem) soundSystem->FreeSample(sound);
  sound = nullptr;
  channel = -1;
  Log("Freed " + fileName);
}
