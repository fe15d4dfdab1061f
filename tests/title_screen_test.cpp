#include "screens/title_screen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/startup_loading.h"
#include "engine/engine.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "input/input.h"
#include "screens/blank_screen.h"
#include "support/headless.h"

namespace {
class TitleScreenTest : public testing::Test {
 protected:
  TitleScreen screen;
  BlankScreen elsewhere;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    InitStoryAndSave();
    for (const char* key : {"PlayLevel", "CustomLevel", "LevelEditor", "Shop", "GamepadSetup"}) {
      stateManager.AddState(&elsewhere, key);
    }
    keys = SDL_GetKeyState(nullptr);
    screen.Init();
  }
  void TearDown() override {
    keys[SDLK_RETURN] = keys[SDLK_UP] = keys[SDLK_DOWN] = 0;
    screen.Cleanup();
    stateManager.pending = false;
    gameCompleted = false;
    GameRunning = false;
  }
  // A key press that stays the current event, as it does while the key is held and nothing newer arrives.
  void Hold(SDLKey key) {
    keys[key] = 1;
    inputEvent.type = SDL_KEYDOWN;
    inputEvent.key.state = SDL_PRESSED;
    inputEvent.key.keysym.sym = key;
  }
  void Release(SDLKey key) {
    keys[key] = 0;
    inputEvent.type = SDL_KEYUP;
    inputEvent.key.state = SDL_RELEASED;
    inputEvent.key.keysym.sym = key;
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      screen.HandleEvents();
      screen.Logic();
      screen.Render();
    }
  }
  void Press(SDLKey key) {
    Hold(key);
    Frames(1);
    Release(key);
  }
  void SelectEntry(int entry) {
    screen.selected = entry;
    screen.keyCounter = TitleScreen::kMenuDelay;
  }
};
}  // namespace

TEST_F(TitleScreenTest, HeldDownMovesOneEntryEvery20FramesAndStopsAtExit) {
  Hold(SDLK_DOWN);
  Frames(19);
  EXPECT_EQ(0, screen.selected);
  Frames(1);
  EXPECT_EQ(1, screen.selected);
  Frames(19);
  EXPECT_EQ(1, screen.selected);
  Frames(1);
  EXPECT_EQ(2, screen.selected);
  Frames(200);
  EXPECT_EQ(TitleScreen::kExit, screen.selected);

  Release(SDLK_DOWN);
  Frames(40);
  Hold(SDLK_UP);
  Frames(20 * 10);
  EXPECT_EQ(TitleScreen::kNewGame, screen.selected);
}

TEST_F(TitleScreenTest, NewGameStartsTheFirstLevelWithTwoLives) {
  lives = 0;
  currentLevelFile.clear();
  Press(SDLK_RETURN);
  EXPECT_EQ("Levels/TumboWorld1.level", currentLevelFile);
  EXPECT_EQ(kStartingLives, lives);
  EXPECT_EQ(0, currentLevel);
  EXPECT_EQ("PlayLevel", stateManager.pendingKey);
}

TEST_F(TitleScreenTest, LevelSelectWaitsForTheGameToBeCompleted) {
  SelectEntry(TitleScreen::kLevelSelect);
  Press(SDLK_RETURN);
  EXPECT_FALSE(screen.dialog.IsOpen());

  gameCompleted = true;
  Press(SDLK_RETURN);
  ASSERT_TRUE(screen.dialog.IsOpen());
  ASSERT_EQ(10u, screen.dialog.CurrentPage().size());

  // Fifty frames for the dialog to ignore the opening key, then Down three times and Enter.
  Frames(TitleScreen::kDialogDelay);
  keys[SDLK_DOWN] = 1;
  Frames(3 * LevelListDialog::kRepeatDelay);
  keys[SDLK_DOWN] = 0;
  Frames(1);
  keys[SDLK_RETURN] = 1;
  Frames(1);
  EXPECT_EQ(3, currentLevel);
  EXPECT_EQ("Levels/Blorp2.level", currentLevelFile);
  EXPECT_EQ("PlayLevel", stateManager.pendingKey);
}

TEST_F(TitleScreenTest, OptionsNeedAJoystick) {
  ASSERT_EQ(0, SDL_NumJoysticks());
  SelectEntry(TitleScreen::kOptions);
  Press(SDLK_RETURN);
  EXPECT_FALSE(stateManager.pending);
}

TEST_F(TitleScreenTest, EnterThatOpensTheDialogDoesNotChooseInIt) {
  std::ofstream("Levels/Custom/castle.level") << "x\n";
  SelectEntry(TitleScreen::kCustomLevels);
  Hold(SDLK_RETURN);
  Frames(60);
  ASSERT_TRUE(screen.dialog.IsOpen());
  EXPECT_FALSE(stateManager.pending);

  Release(SDLK_RETURN);
  Frames(1);
  keys[SDLK_RETURN] = 1;
  Frames(1);
  EXPECT_FALSE(screen.dialog.IsOpen());
  EXPECT_EQ("Levels/Custom/castle.level", currentLevelFile);
  EXPECT_EQ("CustomLevel", stateManager.pendingKey);
}

TEST_F(TitleScreenTest, ExitEndsTheGame) {
  GameRunning = true;
  SelectEntry(TitleScreen::kExit);
  Press(SDLK_RETURN);
  EXPECT_FALSE(GameRunning);
}

TEST_F(TitleScreenTest, EnterStillHeldFromThePreviousScreenDoesNotStartAGame) {
  screen.Cleanup();
  Hold(SDLK_RETURN);
  screen.Init();
  Frames(30);
  EXPECT_FALSE(stateManager.pending);

  Release(SDLK_RETURN);
  Frames(1);
  Press(SDLK_RETURN);
  EXPECT_EQ("PlayLevel", stateManager.pendingKey);
}
