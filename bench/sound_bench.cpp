// What the game's sounds cost: the effects loaded at start-up (time and memory), each piece of
// music loaded when its screen or world begins, and the mixing of one frame's worth of sound with
// the music and several effects playing. Run by `make bench` in the game folder.
#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <vector>

#include <unistd.h>

#include "bench/resident_memory.h"
#include "engine/game_sounds.h"
#include "engine/sound_system.h"

namespace {
const int kMixRate = 22050;
// The game's frame: 11 ms.
const int kFrameSamples = kMixRate * 11 / 1000;
const int kMixRuns = 20000;
const int kLoadRuns = 5;

double WallMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double CpuMs() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The best of a few runs, in wall and CPU milliseconds.
template <class Work>
void Time(const char* what, Work work) {
  double bestWall = 1e9;
  double bestCpu = 1e9;
  for (int run = 0; run < kLoadRuns; ++run) {
    const double wall = WallMs();
    const double cpu = CpuMs();
    work();
    bestWall = std::min(bestWall, WallMs() - wall);
    bestCpu = std::min(bestCpu, CpuMs() - cpu);
  }
  std::printf("%-34s %8.2f ms wall %8.2f ms CPU\n", what, bestWall, bestCpu);
}
}  // namespace

int main() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_TIMER) != 0 || !InitSound(100) || soundSystem->silent) {
    std::fprintf(stderr, "no audio device: %s\n", SDL_GetError());
    return 1;
  }
  // The bench mixes by itself.
  SDL_PauseAudio(1);

  const double before = ResidentMb();
  const double firstWall = WallMs();
  if (!LoadSoundEffects()) {
    std::fprintf(stderr, "effects missing: run in the game folder\n");
    return 1;
  }
  std::printf("%-34s %8.2f ms wall (first load)\n", "all effects at start-up", WallMs() - firstWall);
  std::printf("%-34s %8.2f MB resident\n", "all effects in memory", ResidentMb() - before);
  Time("all effects again", [] {
    FreeGameSounds();
    LoadSoundEffects();
  });

  const struct {
    Piece piece;
    const char* name;
  } pieces[] = {{Piece::kTitle, "title"},          {Piece::kTumboWorld, "tumbo_world"},
                {Piece::kBlorp, "blorp"},          {Piece::kSpacePirates, "space_pirates"},
                {Piece::kRobotCity, "robot_city"}, {Piece::kRoundWorld, "round_world"},
                {Piece::kEnding, "ending"}};
  double largest = 0;
  for (const auto& entry : pieces) {
    const Piece piece = entry.piece;
    char what[64];
    std::snprintf(what, sizeof what, "music/%s.wav loaded", entry.name);
    Time(what, [piece] {
      PlayMusic(Piece::kNone);
      PlayMusic(piece);
    });
    largest = std::max(largest, ResidentMb() - before);
  }
  std::printf("%-34s %8.2f MB resident\n", "effects and the largest piece", largest);
  Time("same piece again (level restart)", [] { PlayMusic(Piece::kEnding); });

  // The music and eight effects at once: more than a busy moment of play.
  for (Effect effect : {Effect::kJump, Effect::kCoin, Effect::kStomp, Effect::kLaser, Effect::kExplosion,
                        Effect::kCrusher, Effect::kDeath, Effect::kFlag}) {
    PlayEffect(effect);
  }
  SetJetpackSound(true);
  std::vector<Uint8> stream(kFrameSamples * 4);
  const double cpu = CpuMs();
  for (int run = 0; run < kMixRuns; ++run) {
    soundSystem->Mix(stream.data(), static_cast<int>(stream.size()));
    // The effects end after a few hundred frames: play them again now and then.
    if (run % 100 == 0) PlayEffect(static_cast<Effect>(run / 100 % static_cast<int>(Effect::kCount)));
  }
  std::printf("%-34s %8.4f ms CPU (%d samples)\n", "mixing one frame's sound", (CpuMs() - cpu) / kMixRuns,
              kFrameSamples);

  FreeGameSounds();
  ReleaseSound();
  SDL_Quit();
  return 0;
}
