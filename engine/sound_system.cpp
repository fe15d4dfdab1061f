#include "engine/sound_system.h"

#include <algorithm>
#include <cstring>

#include "engine/log.h"
#include "engine/path_resolve.h"

SoundSystem* soundSystem = nullptr;

namespace {
const int kMixRate = 22050;
const Uint16 kMixSamples = 1024;

void MixCallback(void* userdata, Uint8* stream, int length) {
  static_cast<SoundSystem*>(userdata)->Mix(stream, length);
}
}  // namespace

bool SoundSystem::Init(int channelCount) {
  channels.assign(channelCount, SoundChannel{});
  SDL_AudioSpec wanted{};
  wanted.freq = kMixRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = kMixSamples;
  wanted.callback = MixCallback;
  wanted.userdata = this;
  // A machine without speakers must still be able to play: no device means silence, not failure.
  silent = SDL_OpenAudio(&wanted, &device) != 0;
  if (!silent) SDL_PauseAudio(0);
  return true;
}

void SoundSystem::Release() {
  if (!silent) SDL_CloseAudio();
  silent = true;
  channels.clear();
}

SoundSample* SoundSystem::LoadSample(const char* path) {
  SDL_AudioSpec fileFormat;
  Uint8* raw = nullptr;
  Uint32 rawLength = 0;
  if (!SDL_LoadWAV(ResolvePath(path).c_str(), &fileFormat, &raw, &rawLength)) return nullptr;

  SoundSample* sample = new SoundSample;
  SDL_AudioCVT cvt;
  if (!silent && SDL_BuildAudioCVT(&cvt, fileFormat.format, fileFormat.channels, fileFormat.freq,
                                   device.format, device.channels, device.freq) >= 0) {
    cvt.len = static_cast<int>(rawLength);
    cvt.buf = new Uint8[rawLength * cvt.len_mult];
    std::memcpy(cvt.buf, raw, rawLength);
    SDL_ConvertAudio(&cvt);
    sample->data = cvt.buf;
    sample->length = static_cast<Uint32>(cvt.len_cvt);
  } else {
    sample->data = new Uint8[rawLength];
    std::memcpy(sample->data, raw, rawLength);
    sample->length = rawLength;
  }
  SDL_FreeWAV(raw);
  return sample;
}

void SoundSystem::FreeSample(SoundSample* sample) {
  if (!sample) return;
  SDL_LockAudio();
  for (SoundChannel& channel : channels) {
    if (channel.sample == sample) channel = SoundChannel{};
  }
  SDL_UnlockAudio();
  delete[] sample->data;
  delete sample;
}

int SoundSystem::Play(int channel, const SoundSample* sample, bool looping, bool paused) {
  if (channels.empty()) return -1;
  SDL_LockAudio();
  const bool ownChannel = channel >= 0 && channel < static_cast<int>(channels.size()) &&
                          (channels[channel].sample == sample || !channels[channel].sample);
  // A sound's channel is only its own while it sounds: once it ended, another sound may have
  // taken it (the music, say), and restarting there would cut that one off.
  if (!ownChannel) channel = FreeChannel();
  channels[channel] = SoundChannel{sample, 0, looping, paused};
  SDL_UnlockAudio();
  return channel;
}

int SoundSystem::FreeChannel() const {
  for (size_t i = 0; i < channels.size(); ++i) {
    if (!channels[i].sample) return static_cast<int>(i);
  }
  return 0;  // every channel busy: the first one is taken over
}

void SoundSystem::SetPaused(int channel, bool paused) {
  if (channel < 0 || channel >= static_cast<int>(channels.size())) return;
  SDL_LockAudio();
  channels[channel].paused = paused;
  SDL_UnlockAudio();
}

void SoundSystem::SetMuted(bool mute) {
  SDL_LockAudio();
  muted = mute;
  SDL_UnlockAudio();
}

void SoundSystem::Mix(Uint8* stream, int length) {
  std::memset(stream, device.silence, length);
  for (SoundChannel& channel : channels) {
    int written = 0;
    while (channel.sample && !channel.paused && written < length) {
      Uint32 left = channel.sample->length - channel.position;
      Uint32 chunk = std::min<Uint32>(left, static_cast<Uint32>(length - written));
      if (!muted) {
        SDL_MixAudio(stream + written, channel.sample->data + channel.position, chunk, SDL_MIX_MAXVOLUME);
      }
      written += static_cast<int>(chunk);
      channel.position += chunk;
      if (channel.position < channel.sample->length) continue;
      if (!channel.looping || channel.sample->length == 0) {
        channel = SoundChannel{};
      } else {
        channel.position = 0;
      }
    }
  }
}

bool InitSound(int channelCount) {
  // A second start (a restart in the same process) replaces the first system instead of leaking it.
  ReleaseSound();
  soundSystem = new SoundSystem;
  if (!soundSystem->Init(channelCount)) {
    Log("Error: Failed to Initialize FMOD!");
    return false;
  }
  Log("FMOD initalized...");
  return true;
}

void ReleaseSound() {
  if (!soundSystem) return;
  soundSystem->Release();
  delete soundSystem;
  soundSystem = nullptr;
}
