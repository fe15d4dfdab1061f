#include "screens/ending.h"

#include <gtest/gtest.h>

#include "app/startup_loading.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "screens/blank_screen.h"
#include "screens/cut_scene.h"
#include "support/headless.h"

namespace {
const Uint32 kTurnMs = 100 - kTickSlackMs;

class PictureBookTest : public testing::Test {
 protected:
  BlankScreen title;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    InitStoryAndSave();
    stateManager.AddState(&title, "TitleScreen");
    keys = SDL_GetKeyState(nullptr);
  }
  void TearDown() override {
    keys[SDLK_RETURN] = keys[SDLK_LEFT] = keys[SDLK_RIGHT] = 0;
    stateManager.pending = false;
    gameCompleted = false;
  }
  // Milliseconds one frame of the screen took.
  template <class Screen>
  Uint32 TimedFrame(Screen& book) {
    const Uint32 before = SDL_GetTicks();
    book.HandleEvents();
    book.Logic();
    book.Render();
    return SDL_GetTicks() - before;
  }
};
}  // namespace

TEST_F(PictureBookTest, EachEnterTurnsOneEndingPageAndTheThirdReturnsToTitle) {
  Ending ending;
  ending.Init();
  keys[SDLK_RETURN] = 1;
  EXPECT_GE(TimedFrame(ending), kTurnMs);
  for (int i = 0; i < 5; ++i) TimedFrame(ending);
  EXPECT_EQ(1, ending.page) << "a held Enter turns one page only";
  keys[SDLK_RETURN] = 0;
  TimedFrame(ending);
  keys[SDLK_RETURN] = 1;
  TimedFrame(ending);
  EXPECT_EQ(2, ending.page);
  EXPECT_FALSE(gameCompleted);
  EXPECT_FALSE(stateManager.pending);

  keys[SDLK_RETURN] = 0;
  TimedFrame(ending);
  keys[SDLK_RETURN] = 1;
  EXPECT_GE(TimedFrame(ending), kTurnMs);
  EXPECT_EQ(2, ending.page);
  EXPECT_TRUE(gameCompleted);
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
  ending.Cleanup();
}

TEST_F(PictureBookTest, EndingShownAgainStartsAtItsFirstPage) {
  Ending ending;
  ending.Init();
  ending.page = 2;
  ending.Cleanup();
  ending.Init();
  EXPECT_EQ(0, ending.page);
  ending.Cleanup();
}

TEST_F(PictureBookTest, EnterStillHeldFromTheLastLevelDoesNotTurnTheFirstPage) {
  Ending ending;
  keys[SDLK_RETURN] = 1;
  ending.Init();
  EXPECT_LT(TimedFrame(ending), kTurnMs);
  TimedFrame(ending);
  EXPECT_EQ(0, ending.page);

  keys[SDLK_RETURN] = 0;
  TimedFrame(ending);
  keys[SDLK_RETURN] = 1;
  TimedFrame(ending);
  EXPECT_EQ(1, ending.page);
  ending.Cleanup();
}

TEST_F(PictureBookTest, CutScenePagesOncePerPressBothWaysAndWaitsOnlyWhenItTurns) {
  CutScene scene;
  scene.Init();
  keys[SDLK_LEFT] = 1;
  EXPECT_LT(TimedFrame(scene), kTurnMs);
  EXPECT_EQ(0, scene.page);

  keys[SDLK_LEFT] = 0;
  keys[SDLK_RIGHT] = 1;
  EXPECT_GE(TimedFrame(scene), kTurnMs);
  EXPECT_LT(TimedFrame(scene), kTurnMs);
  EXPECT_EQ(1, scene.page) << "a held arrow turns one page only";
  keys[SDLK_RIGHT] = 0;
  TimedFrame(scene);
  keys[SDLK_RIGHT] = 1;
  TimedFrame(scene);
  EXPECT_EQ(2, scene.page);
  keys[SDLK_RIGHT] = 0;
  TimedFrame(scene);
  keys[SDLK_RIGHT] = 1;
  EXPECT_LT(TimedFrame(scene), kTurnMs);
  EXPECT_EQ(2, scene.page);

  keys[SDLK_RIGHT] = 0;
  keys[SDLK_LEFT] = 1;
  TimedFrame(scene);
  EXPECT_EQ(1, scene.page);
  EXPECT_FALSE(stateManager.pending);
  scene.Cleanup();
}
