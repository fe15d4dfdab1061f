#include "editor/level_list_dialog.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <boost/filesystem.hpp>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/startup_loading.h"
#include "editor/editor_files.h"
#include "engine/progress.h"
#include "input/input.h"
#include "support/headless.h"

namespace fs = boost::filesystem;

namespace {
// Writes count files named level00.level, level01.level, ... in an order the listing will not give.
void WriteCustomLevels(int count) {
  for (int i = count - 1; i >= 0; --i) {
    char name[32];
    std::snprintf(name, sizeof name, "level%02d.level", i);
    std::ofstream(std::string("Levels/Custom/") + name) << "x\n";
  }
}

class DialogTest : public testing::Test {
 protected:
  LevelListDialog dialog;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    keys = SDL_GetKeyState(nullptr);
  }
  void TearDown() override {
    keys[SDLK_DOWN] = keys[SDLK_RIGHT] = keys[SDLK_RETURN] = 0;
    mouseLeftDown = false;
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) dialog.HandleEvents();
  }
  void ClickAt(int x, int y) {
    mouseX = x;
    mouseY = y;
    mouseLeftDown = true;
    dialog.HandleEvents();
    mouseLeftDown = false;
  }
};
}  // namespace

TEST_F(DialogTest, SixteenFilesMakeOnePageSeventeenTwoAndThirtyThreeThree) {
  WriteCustomLevels(16);
  dialog.FillCustomLevels();
  ASSERT_EQ(1u, dialog.pages.size());
  EXPECT_EQ(16u, dialog.pages[0].size());

  WriteCustomLevels(17);
  dialog.FillCustomLevels();
  ASSERT_EQ(2u, dialog.pages.size());
  EXPECT_EQ(16u, dialog.pages[0].size());
  ASSERT_EQ(1u, dialog.pages[1].size());
  EXPECT_EQ("Levels/Custom/level16.level", dialog.pages[1][0]);

  WriteCustomLevels(33);
  dialog.FillCustomLevels();
  ASSERT_EQ(3u, dialog.pages.size());
  EXPECT_EQ(1u, dialog.pages[2].size());
  EXPECT_EQ("Levels/Custom/level00.level", dialog.pages[0][0]);
  EXPECT_EQ("Levels/Custom/level15.level", dialog.pages[0][15]);
  EXPECT_EQ("Levels/Custom/level32.level", dialog.pages[2][0]);
}

TEST_F(DialogTest, PagesTurnOnlyWhereThereIsAPageToTurnTo) {
  WriteCustomLevels(17);
  dialog.FillCustomLevels();
  dialog.Open(120, 25);
  ClickAt(120 + 20 + 5, 25 + 349 + 5);  // previous page on the first page
  EXPECT_EQ(0, dialog.page);
  ClickAt(120 + 332 + 5, 25 + 349 + 5);
  EXPECT_EQ(1, dialog.page);
  ClickAt(120 + 332 + 5, 25 + 349 + 5);  // next page on the last page
  EXPECT_EQ(1, dialog.page);
  EXPECT_TRUE(dialog.OnLastPage());
  EXPECT_TRUE(dialog.IsOpen());
}

TEST_F(DialogTest, MissingOrEmptyFolderGivesOneEmptyPageThatChoosesNothing) {
  dialog.FillCustomLevels();
  ASSERT_EQ(1u, dialog.pages.size());
  EXPECT_TRUE(dialog.pages[0].empty());

  fs::remove_all("Levels/Custom");
  dialog.FillCustomLevels();
  ASSERT_EQ(1u, dialog.pages.size());
  EXPECT_TRUE(dialog.pages[0].empty());

  dialog.Open(120, 25);
  keys[SDLK_RETURN] = 1;
  Frames(30);
  ClickAt(120 + 200 + 5, 25 + 349 + 5);  // the load button
  EXPECT_TRUE(dialog.IsOpen());
  EXPECT_FALSE(dialog.HasChosen());
  dialog.Draw();
}

TEST_F(DialogTest, ClickingBelowTheLastEntryKeepsTheSelection) {
  WriteCustomLevels(3);
  dialog.FillCustomLevels();
  dialog.Open(120, 25);
  ClickAt(200, 25 + 36 + 20 * 2 + 10);
  EXPECT_EQ(2, dialog.selection);
  ClickAt(200, 25 + 36 + 20 * 3 + 1);
  EXPECT_EQ(2, dialog.selection);
  ClickAt(200, 25 + 340);
  EXPECT_EQ(2, dialog.selection);

  ClickAt(120 + 200 + 5, 25 + 349 + 5);
  EXPECT_FALSE(dialog.IsOpen());
  ASSERT_TRUE(dialog.HasChosen());
  EXPECT_EQ("Levels/Custom/level02.level", dialog.TakeChosenPath());
  EXPECT_FALSE(dialog.HasChosen());
}

TEST_F(DialogTest, HeldDownRepeatsEveryFifteenFramesAndStopsAtTheLastEntry) {
  WriteCustomLevels(3);
  dialog.FillCustomLevels();
  dialog.Open(120, 25);
  keys[SDLK_DOWN] = 1;
  Frames(14);
  EXPECT_EQ(0, dialog.selection);
  Frames(1);
  EXPECT_EQ(1, dialog.selection);
  Frames(14);
  EXPECT_EQ(1, dialog.selection);
  Frames(1);
  EXPECT_EQ(2, dialog.selection);
  Frames(60);
  EXPECT_EQ(2, dialog.selection);

  // Once the key is let go the next press acts at once.
  keys[SDLK_DOWN] = 0;
  dialog.HandleEvents();
  keys[SDLK_RETURN] = 1;
  dialog.HandleEvents();
  ASSERT_TRUE(dialog.HasChosen());
  EXPECT_EQ("Levels/Custom/level02.level", dialog.chosenPath);
}

TEST_F(DialogTest, StoryListHoldsTheTenLevelsInOrder) {
  InitStoryAndSave();
  dialog.FillStoryLevels();
  ASSERT_EQ(1u, dialog.pages.size());
  ASSERT_EQ(10u, dialog.pages[0].size());
  EXPECT_EQ("Levels/TumboWorld1.level", dialog.pages[0][0]);
  EXPECT_EQ("Levels/RoundWorld2.level", dialog.pages[0][9]);
}

// Thousands of levels, one huge file, names with spaces or bytes that are not UTF-8, and links
// that loop: all listed, drawn and, where they are no level, refused when chosen.
TEST_F(DialogTest, AHostileCustomFolderIsListedWhole) {
  const int kManyLevels = 3000;
  for (int i = 0; i < kManyLevels; ++i) std::ofstream("Levels/Custom/many" + std::to_string(i) + ".level");
  const std::string odd[] = {"Levels/Custom/a level with spaces.level", "Levels/Custom/caf\xe9 \xff\xfe.level",
                             "Levels/Custom/huge.level", "Levels/Custom/loop", "Levels/Custom/up"};
  std::ofstream(odd[0]) << "x\n";
  std::ofstream(odd[1]) << "x\n";
  std::ofstream(odd[2]).close();
  ASSERT_EQ(truncate(odd[2].c_str(), 3LL << 30), 0);  // sparse: takes no room on the disk
  ASSERT_EQ(symlink("loop", odd[3].c_str()), 0);
  ASSERT_EQ(symlink("..", odd[4].c_str()), 0);

  dialog.FillCustomLevels();
  std::vector<std::string> listed;
  for (const auto& page : dialog.pages) listed.insert(listed.end(), page.begin(), page.end());
  EXPECT_EQ(listed.size(), kManyLevels + sizeof odd / sizeof odd[0]);
  for (const std::string& path : odd) {
    EXPECT_NE(std::find(listed.begin(), listed.end(), path), listed.end()) << path;
    EXPECT_FALSE(EditorLoadLevel(path)) << path;
  }
  ASSERT_TRUE(LoadDialogGraphics());
  dialog.Open(120, 25);
  for (dialog.page = 0; dialog.page < static_cast<int>(dialog.pages.size()); ++dialog.page) dialog.Draw();
  FreeDialogGraphics();
}
