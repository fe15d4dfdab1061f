#include "engine/game_sounds.h"

#include <fstream>

#include "engine/log.h"
#include "engine/replace_file.h"
#include "engine/sound.h"

namespace {
const int kEffectCount = static_cast<int>(Effect::kCount);

// In the order of Effect.
const char* const kEffectFiles[kEffectCount] = {
    "sfx/jump.wav",       "sfx/big_jump.wav",   "sfx/hurt.wav",       "sfx/death.wav",
    "sfx/spring.wav",     "sfx/coin.wav",       "sfx/extra_life.wav", "sfx/power_up.wav",
    "sfx/checkpoint.wav", "sfx/flag.wav",       "sfx/purchase.wav",   "sfx/stomp.wav",
    "sfx/shell_kick.wav", "sfx/tank_shot.wav",  "sfx/laser.wav",      "sfx/explosion.wav",
    "sfx/bomb_trap.wav",  "sfx/crusher.wav",    "sfx/menu_move.wav",  "sfx/menu_choose.wav",
    "sfx/pause.wav"};
// A looping effect plays through Music, the class that loops.
const char* const kJetpackFile = "sfx/jetpack.wav";
// In the order of Piece.
const char* const kPieceFiles[] = {"music/title.wav",        "music/tumbo_world.wav", "music/blorp.wav",
                                   "music/space_pirates.wav", "music/robot_city.wav",  "music/round_world.wav",
                                   "music/ending.wav"};

const char* const kSoundOffLine = "sound off";
const char* const kSoundOnLine = "sound on";

Sound effects[kEffectCount];
Music jetpack;
bool jetpackOn = false;

enum class MusicState { kPlaying, kHeld, kStopped };
Music music;
Piece currentPiece = Piece::kNone;
MusicState musicState = MusicState::kStopped;

void FreeMusic() {
  music.Free();
  currentPiece = Piece::kNone;
  musicState = MusicState::kStopped;
}
}  // namespace

Piece WorldPiece(int world) {
  if (world < 0 || world >= kWorldPieceCount) world = 0;
  return static_cast<Piece>(static_cast<int>(Piece::kTumboWorld) + world);
}

bool LoadSoundEffects() {
  jetpackOn = false;
  bool allLoaded = true;
  for (int i = 0; i < kEffectCount; ++i) allLoaded = effects[i].Load(kEffectFiles[i]) && allLoaded;
  return jetpack.Load(kJetpackFile) && allLoaded;
}

void FreeGameSounds() {
  for (Sound& effect : effects) effect.Free();
  jetpack.Free();
  jetpackOn = false;
  FreeMusic();
}

void PlayEffect(Effect effect) {
  const int index = static_cast<int>(effect);
  if (index >= 0 && index < kEffectCount) effects[index].Play();
}

void SetJetpackSound(bool on) {
  if (on == jetpackOn) return;
  jetpackOn = on;
  if (on) {
    jetpack.Play();
  } else {
    jetpack.Stop();
  }
}

void PlayMusic(Piece piece) {
  // Without a sound system (tests of single screens) there is nothing to load the piece into.
  if (!soundSystem) return;
  if (piece != currentPiece) {
    FreeMusic();
    if (piece == Piece::kNone) return;
    currentPiece = piece;
    // A piece that fails to load is logged and leaves the screen without music.
    music.Load(kPieceFiles[static_cast<int>(piece)]);
  } else if (musicState == MusicState::kPlaying) {
    return;
  } else if (musicState == MusicState::kHeld) {
    HoldMusic(false);
    return;
  }
  music.Play();
  musicState = MusicState::kPlaying;
}

void StopMusic() {
  music.Stop();
  musicState = MusicState::kStopped;
}

void HoldMusic(bool held) {
  if (musicState == MusicState::kStopped || held == (musicState == MusicState::kHeld)) return;
  music.SetPaused(held);
  musicState = held ? MusicState::kHeld : MusicState::kPlaying;
}

Piece CurrentPiece() { return currentPiece; }

bool SoundOn() { return !soundSystem || !soundSystem->muted; }

void SetSoundOn(bool on) {
  if (soundSystem) soundSystem->SetMuted(!on);
}

void ReadSoundSetting(const std::string& path) {
  std::ifstream file(path);
  std::string line;
  // Only the line the game writes turns sound off: anything else, or no file, leaves it on.
  SetSoundOn(!(std::getline(file, line) && line == kSoundOffLine));
}

bool ToggleSound(const std::string& path) {
  const bool on = !SoundOn();
  SetSoundOn(on);
  const bool written = ReplaceFile(path, std::string(on ? kSoundOnLine : kSoundOffLine) + "\n", ".tmp");
  if (!written) Log("Error: Couldn't write " + path);
  return written;
}
