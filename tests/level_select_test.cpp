#include "screens/level_select.h"

#include <gtest/gtest.h>

#include "engine/progress.h"
#include "engine/state_manager.h"
#include "input/input.h"
#include "screens/blank_screen.h"
#include "support/headless.h"

namespace {
class LevelSelectTest : public testing::Test {
 protected:
  LevelSelect select;
  BlankScreen elsewhere;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    stateManager.AddState(&elsewhere, "PlayLevel");
    stateManager.AddState(&elsewhere, "TitleScreen");
    select.Init();
  }
  void TearDown() override {
    SDL_GetKeyState(nullptr)[SDLK_ESCAPE] = 0;
    inputEvent.type = SDL_NOEVENT;
    select.Cleanup();
    stateManager.pending = false;
  }
  // A key press that stays the current event, as while the key is held and nothing newer arrives.
  void Hold(SDLKey key) {
    inputEvent.type = SDL_KEYDOWN;
    inputEvent.key.keysym.sym = key;
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      select.HandleEvents();
      select.Logic();
      select.Render();
    }
  }
};
}  // namespace

TEST_F(LevelSelectTest, HeldDownWalksTheWorldsEnterPlaysOneEscapeLeaves) {
  Hold(SDLK_DOWN);
  Frames(19);
  EXPECT_EQ(0, select.selected);
  Frames(1);
  EXPECT_EQ(1, select.selected);
  EXPECT_NE(0, select.backgrounds[1].offsets[2]);
  Frames(200);
  EXPECT_EQ(LevelSelect::kWorldCount - 1, select.selected);
  EXPECT_FALSE(stateManager.pending);

  select.selected = 1;
  Hold(SDLK_RETURN);
  Frames(1);
  EXPECT_EQ("Levels/Blorp.level", currentLevelFile);
  EXPECT_EQ("PlayLevel", stateManager.pendingKey);

  SDL_GetKeyState(nullptr)[SDLK_ESCAPE] = 1;
  Hold(SDLK_ESCAPE);
  Frames(1);
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
}
