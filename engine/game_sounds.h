#pragma once
#include <string>

// The game's sound: its effects, its music and the player's sound switch. The sound system was
// long started and left silent; these are the sounds the game now plays (every Sound and Music
// load and free still logs its line). Screens and objects only say what happened; which file
// sounds, and whether anything is heard at all, is decided here. Nothing here changes the game: with or without a sound device, muted or not, the same
// keys give the same game.

// Every effect the game plays.
enum class Effect : int {
  kJump,
  kBigJump,
  kHurt,
  kDeath,
  kSpring,
  kCoin,
  kExtraLife,
  kPowerUp,
  kCheckpoint,
  kFlag,
  kPurchase,
  kStomp,
  kShellKick,
  kTankShot,
  kLaser,
  kExplosion,
  kBombTrap,
  kCrusher,
  kMenuMove,
  kMenuChoose,
  kPause,
  kCount
};

// The pieces of music: the title's, one for each world in the worlds' order, and the ending's.
enum class Piece : int {
  kNone = -1,
  kTitle,
  kTumboWorld,
  kBlorp,
  kSpacePirates,
  kRobotCity,
  kRoundWorld,
  kEnding
};

const int kWorldPieceCount = 5;

// The piece of world 0 (Tumbo World) to 4 (Round World); Tumbo World's for any other number.
Piece WorldPiece(int world);

// Loads every effect, each logged; one that fails stays silent and the others still play. False
// when one failed.
bool LoadSoundEffects();
// Frees the effects, the jetpack's sound and the music.
void FreeGameSounds();

void PlayEffect(Effect effect);
// The jetpack's hiss runs, seamlessly looped, from the call with true to the call with false.
void SetJetpackSound(bool on);

// Plays the piece over and over. The piece already loaded goes on where it is (or starts again
// after StopMusic); another one replaces it, so only one piece is in memory at a time.
void PlayMusic(Piece piece);
// Silences the piece and rewinds it; it stays loaded for the next PlayMusic.
void StopMusic();
// Holds the piece where it is, or lets it go on.
void HoldMusic(bool held);
Piece CurrentPiece();

// The player's sound switch, kept in "settings.txt" beside the save.
const char* const kSettingsFile = "settings.txt";
bool SoundOn();
void SetSoundOn(bool on);
// Reads the switch from the settings file; a missing or damaged file means sound on.
void ReadSoundSetting(const std::string& path = kSettingsFile);
// Turns sound off or on and writes the settings file whole (ReplaceFile). False when the file
// could not be written; the switch still changes for this run.
bool ToggleSound(const std::string& path = kSettingsFile);
