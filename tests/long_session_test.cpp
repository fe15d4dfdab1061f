#include <gtest/gtest.h>

#include "app/screen_list.h"
#include "app/startup_loading.h"
#include "bench/session_rounds.h"
#include "engine/log.h"
#include "support/headless.h"

// A few rounds of what a long session repeats. The memory bench measures fifty; here the sanitizer
// build's leak check, run as this test's process ends, fails it for anything a round leaves behind.
TEST(LongSessionTest, LevelsEnteredAndLoadedInTheEditorLeaveNothingBehind) {
  const int kRounds = 5;
  StartHeadless();
  EnterGameDir();
  OpenLog("log.txt");
  ASSERT_TRUE(LoadAllGraphics());
  InitStoryAndSave();
  RegisterScreens();
  stateManager.SetState("TitleScreen");
  EXPECT_EQ(EnterAndLeaveLevels(kRounds), kRounds);
  EXPECT_EQ(LoadLevelsInTheEditor(kRounds), kRounds);
  stateManager.CurrentState()->Cleanup();
  FreeAllGraphics();
}
