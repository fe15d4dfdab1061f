#include "screens/custom_level.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/startup_loading.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "input/input.h"
#include "level_text.h"
#include "screens/blank_screen.h"
#include "support/headless.h"
#include "world/world.h"

TEST(CustomLevelName, CutsTheFolderAndEverythingFromTheFirstExtension) {
  EXPECT_EQ("castle", CustomLevelName("Levels/Custom/castle.level"));
  EXPECT_EQ("twice", CustomLevelName("Levels/Custom/twice.level.level"));
  EXPECT_EQ("notes.txt", CustomLevelName("Levels/Custom/notes.txt"));
  EXPECT_EQ("short", CustomLevelName("short"));
}

TEST(CustomLevelScreen, CompletingKeepsTheMoneyAndEnterReturnsToTheTitle) {
  StartHeadless();
  EnterGameDir();
  InitStoryAndSave();
  BlankScreen title;
  stateManager.AddState(&title, "TitleScreen");
  std::vector<std::string> rows(10, "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
  rows[7] = "0 0 16 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
  rows[8] = rows[9] = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
  WriteText("Levels/Custom/meadow.level", LevelText(20, 10, rows));
  currentLevelFile = "Levels/Custom/meadow.level";
  money = 40;

  CustomLevel screen;
  screen.Init();
  EXPECT_EQ("meadow", screen.levelName);
  for (int i = 0; i < CustomLevel::kTitleCardFrames + 1; ++i) screen.Logic();
  screen.player.levelMoney = 12;
  world.levelComplete = true;
  screen.Logic();
  ASSERT_TRUE(screen.showingResults);
  EXPECT_EQ(40, money);
  screen.Render();

  SDL_GetKeyState(nullptr)[SDLK_RETURN] = 1;
  screen.HandleEvents();
  SDL_GetKeyState(nullptr)[SDLK_RETURN] = 0;
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
  EXPECT_FALSE(world.levelComplete);
  EXPECT_EQ("Levels/Custom/meadow.level", currentLevelFile);
  screen.Cleanup();
  stateManager.pending = false;
  money = 0;
}
