#include "screens/game_over.h"

#include <gtest/gtest.h>

#include "app/startup_loading.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "support/headless.h"

namespace {
class GameOverTest : public testing::Test {
 protected:
  GameOver screen;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    InitStoryAndSave();
    keys = SDL_GetKeyState(nullptr);
    screen.Init();
  }
  void TearDown() override {
    keys[SDLK_RIGHT] = keys[SDLK_LEFT] = keys[SDLK_RETURN] = 0;
    screen.Cleanup();
    stateManager.pending = false;
  }
};
}  // namespace

TEST_F(GameOverTest, EnterAtOnceReplaysTheStoryLevelEvenAfterACustomLevel) {
  stateManager.AddState(&screen, "PlayLevel");
  currentLevel = 3;
  currentLevelFile = "Levels/Custom/castle.level";
  keys[SDLK_RETURN] = 1;
  screen.HandleEvents();
  EXPECT_EQ("Levels/Blorp2.level", currentLevelFile);
  EXPECT_TRUE(stateManager.pending);
  EXPECT_EQ("PlayLevel", stateManager.pendingKey);
  screen.Render();
}

TEST_F(GameOverTest, NoReturnsToTheTitleAfterTheDelay) {
  stateManager.AddState(&screen, "TitleScreen");
  keys[SDLK_RIGHT] = 1;
  screen.HandleEvents();
  EXPECT_EQ(GameOver::kNo, screen.selected);
  keys[SDLK_RIGHT] = 0;
  keys[SDLK_RETURN] = 1;
  const Uint32 before = SDL_GetTicks();
  screen.HandleEvents();
  EXPECT_GE(SDL_GetTicks() - before, 200u - kTickSlackMs);
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
}

TEST_F(GameOverTest, BothArrowsHeldAlternateTheChoice) {
  keys[SDLK_RIGHT] = keys[SDLK_LEFT] = 1;
  screen.HandleEvents();
  EXPECT_EQ(GameOver::kNo, screen.selected);
  screen.HandleEvents();
  EXPECT_EQ(GameOver::kYes, screen.selected);
}

TEST_F(GameOverTest, KeysHeldFromTheLevelCountOnlyOnceLetGo) {
  stateManager.AddState(&screen, "PlayLevel");
  screen.Cleanup();
  keys[SDLK_RIGHT] = keys[SDLK_RETURN] = 1;
  screen.Init();
  screen.HandleEvents();
  EXPECT_EQ(GameOver::kYes, screen.selected);
  EXPECT_FALSE(stateManager.pending);
  keys[SDLK_RIGHT] = keys[SDLK_RETURN] = 0;
  screen.HandleEvents();
  keys[SDLK_RIGHT] = 1;
  screen.HandleEvents();
  EXPECT_EQ(GameOver::kNo, screen.selected);
}

TEST_F(GameOverTest, LoadsOneOfTheThreePicturesKeyed) {
  ASSERT_TRUE(screen.picture.IsLoaded());
  const std::string name = screen.picture.fileName;
  EXPECT_TRUE(name == "gfx/Game Over/0.png" || name == "gfx/Game Over/1.png" || name == "gfx/Game Over/2.png") << name;
  EXPECT_TRUE(screen.picture.surface->flags & SDL_SRCCOLORKEY);
}
