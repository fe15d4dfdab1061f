#include "engine/game_sounds.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/game_main.h"
#include "app/startup_loading.h"
#include "enemies/laser_shot.h"
#include "engine/engine.h"
#include "engine/frame_gate.h"
#include "engine/log.h"
#include "engine/progress.h"
#include "engine/sound.h"
#include "engine/state_manager.h"
#include "entities/registry.h"
#include "input/input.h"
#include "level_text.h"
#include "screens/blank_screen.h"
#include "screens/play_level.h"
#include "support/headless.h"
#include "world/camera.h"
#include "world/world.h"

namespace fs = boost::filesystem;

namespace {
Uint32 fakeNow = 0;
Uint32 AdvancingTicks() { return fakeNow += 12; }

// A flat 20x10 level with the hero at column 2 on grass.
std::string FlatLevel() {
  std::vector<std::string> rows(10, "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
  rows[7] = "0 0 16 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
  rows[8] = rows[9] = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
  return LevelText(20, 10, rows, "");
}

// Stands in for the editor: a screen that reads letter keys itself.
class LetterScreen : public BlankScreen {
 public:
  bool ReadsLetters() const override { return true; }
};

// The game's sounds in a level, heard by mixing the output straight from the sound system: the
// device is held, so nothing but the test takes the mixed sound away.
class GameSoundsTest : public testing::Test {
 protected:
  PlayLevel level;
  BlankScreen elsewhere;
  LetterScreen letters;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    OpenLog("log.txt");
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    InitStoryAndSave();
    keys = SDL_GetKeyState(nullptr);
    SetTickSource(AdvancingTicks);
    ResetFrameGate();
    stateManager = GameStateManager();
    for (const char* key : {"TitleScreen", "GameOver", "Ending"}) stateManager.AddState(&elsewhere, key);
    stateManager.AddState(&letters, "Letters");
    stateManager.AddState(&level, "PlayLevel");
    WriteText("Levels/Flat.level", FlatLevel());
    currentLevelFile = "Levels/Flat.level";
    while (SDL_PollEvent(&inputEvent)) {
    }
    inputEvent.type = SDL_NOEVENT;
  }
  void TearDown() override {
    for (SDLKey key : {SDLK_UP, SDLK_RETURN}) keys[key] = 0;
    if (stateManager.CurrentState()) stateManager.CurrentState()->Cleanup();
    stateManager = GameStateManager();
    StopSound();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SetTickSource(nullptr);
    CloseLog();
  }

  // What the game does at start-up: the sound system, its effects and the player's switch.
  void StartSound() {
    ASSERT_TRUE(InitSound(100));
    ASSERT_FALSE(soundSystem->silent) << "the dummy audio driver should open";
    SDL_PauseAudio(1);
    LoadSoundEffects();
    ReadSoundSetting();
  }
  void StopSound() {
    FreeGameSounds();
    ReleaseSound();
  }
  // The level, played on past its title card.
  void EnterLevel() {
    stateManager.SetState("PlayLevel");
    Frames(PlayLevel::kTitleCardFrames + 1);
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      while (!RunFrame()) {
      }
    }
  }
  void PressM(int modifiers = KMOD_NONE) {
    SDL_Event press{};
    press.type = SDL_KEYDOWN;
    press.key.keysym.sym = SDLK_m;
    press.key.keysym.mod = static_cast<SDLMod>(modifiers);
    SDL_PushEvent(&press);
    Frames(1);
  }
  void Jump() {
    keys[SDLK_UP] = 1;
    Frames(1);
    keys[SDLK_UP] = 0;
  }
  // The loudest sample of the next tenth of a second of mixed sound.
  int Peak() {
    std::vector<Uint8> stream(soundSystem->device.freq / 10 * 4);
    SDL_LockAudio();
    soundSystem->Mix(stream.data(), static_cast<int>(stream.size()));
    SDL_UnlockAudio();
    int peak = 0;
    const Sint16* samples = reinterpret_cast<const Sint16*>(stream.data());
    for (size_t i = 0; i < stream.size() / 2; ++i) peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    return peak;
  }
  // Leaves the game folder without music, so only effects are heard.
  void WithoutMusic() { fs::remove("music"); }
  // Replaces the shared effects with copies that the test may spoil.
  void OwnEffects() {
    const fs::path shared = fs::read_symlink("sfx");
    fs::remove("sfx");
    fs::create_directory("sfx");
    for (fs::directory_iterator it(shared); it != fs::directory_iterator(); ++it) {
      fs::copy_file(it->path(), fs::path("sfx") / it->path().filename());
    }
  }
};

const int kHeard = 1000;
}  // namespace

TEST_F(GameSoundsTest, AJumpIsHeardMSilencesAllSoundAndTheChoiceOutlivesARestart) {
  WithoutMusic();
  StartSound();
  EnterLevel();
  EXPECT_EQ(Peak(), 0);
  Jump();
  EXPECT_GT(Peak(), kHeard);

  Frames(60);  // back on the ground
  PressM();
  EXPECT_FALSE(SoundOn());
  EXPECT_EQ(ReadFile(kSettingsFile), "sound off\n");
  Jump();
  EXPECT_EQ(Peak(), 0);

  StopSound();
  StartSound();
  EXPECT_FALSE(SoundOn());
  PressM();
  EXPECT_TRUE(SoundOn());
  EXPECT_EQ(ReadFile(kSettingsFile), "sound on\n");

  // Anything but the line the game writes leaves sound on.
  WriteText(kSettingsFile, "sound of\n");
  ReadSoundSetting();
  EXPECT_TRUE(SoundOn());
}

TEST_F(GameSoundsTest, OnAScreenThatReadsLettersOnlyCtrlMSwitchesTheSound) {
  StartSound();
  stateManager.SetState("Letters");
  PressM();
  EXPECT_TRUE(SoundOn());
  EXPECT_EQ(inputEvent.type, SDL_KEYDOWN) << "the screen must still get its m";
  PressM(KMOD_LCTRL);
  EXPECT_FALSE(SoundOn());
  EXPECT_EQ(inputEvent.type, SDL_KEYUP) << "a handled M must not reach the screen";
  ToggleSound();
}

TEST_F(GameSoundsTest, ABrokenOrMissingEffectIsLoggedAndOnlyThatEffectIsSilent) {
  WithoutMusic();
  OwnEffects();
  WriteText("sfx/jump.wav", "RIFF but no sound");
  fs::remove("sfx/pause.wav");
  StartSound();
  EnterLevel();
  Jump();
  EXPECT_EQ(Peak(), 0);
  keys[SDLK_RETURN] = 1;
  Frames(1);
  EXPECT_TRUE(level.paused);
  EXPECT_EQ(Peak(), 0);
  PlayEffect(Effect::kCoin);
  EXPECT_GT(Peak(), kHeard);
  const std::string log = ReadFile("log.txt");
  EXPECT_NE(log.find("Error: Couldn't load sfx/jump.wav\n"), std::string::npos);
  EXPECT_NE(log.find("Error: Couldn't load sfx/pause.wav\n"), std::string::npos);
}

TEST_F(GameSoundsTest, TheWorldsPieceGoesOnThroughDeathsAndHoldsWhilePaused) {
  StartSound();
  EnterLevel();
  ASSERT_EQ(CurrentPiece(), Piece::kTumboWorld);
  const int channel = [] {
    for (size_t i = 0; i < soundSystem->channels.size(); ++i) {
      if (soundSystem->channels[i].looping && !soundSystem->channels[i].paused) return static_cast<int>(i);
    }
    return -1;
  }();
  ASSERT_GE(channel, 0);
  const SoundChannel& music = soundSystem->channels[channel];
  EXPECT_GT(Peak(), kHeard);
  const Uint32 heardSoFar = music.position;

  level.player.Die();
  for (int i = 0; i < 1000 && !level.player.alive; ++i) Frames(1);
  for (int i = 0; i < 1000 && level.player.dead; ++i) Frames(1);
  EXPECT_FALSE(level.player.dead);
  EXPECT_GE(music.position, heardSoFar) << "a respawn must not start the music again";

  keys[SDLK_RETURN] = 1;
  Frames(1);
  ASSERT_TRUE(level.paused);
  EXPECT_TRUE(music.paused);
  keys[SDLK_RETURN] = 0;
  Frames(1);
  keys[SDLK_RETURN] = 1;
  Frames(1);
  EXPECT_FALSE(music.paused);
}

// An effect far off screen (a pirate's bolt fired out in the level) is not heard; near the view it is.
TEST_F(GameSoundsTest, OnlyShotsInOrNearTheViewAreHeard) {
  WithoutMusic();
  StartSound();
  EnterLevel();
  LaserShot shot;
  shot.Fire(world.cameraX + 2000, world.cameraY + 100, LaserShot::kLeft, LaserShot::kSmall);
  EXPECT_EQ(Peak(), 0);
  shot.Fire(world.cameraX + kScreenWidth + 40, world.cameraY + 100, LaserShot::kLeft, LaserShot::kSmall);
  EXPECT_GT(Peak(), kHeard);
}
