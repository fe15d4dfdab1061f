#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <fstream>
#include <string>

#include "engine/log.h"
#include "engine/path_resolve.h"
#include "entities/registry.h"
#include "level/level_reader.h"
#include "support/headless.h"
#include "world/world.h"

namespace fs = boost::filesystem;

// An installed game works in the player's folder, which holds only what the player made; the
// pictures, fonts, sounds and story levels come from the installed data folder.
namespace {
class InstalledDataTest : public testing::Test {
 protected:
  void SetUp() override {
    StartHeadless();
    const fs::path player = fs::temp_directory_path() / fs::unique_path("tumbo-player-%%%%-%%%%-%%%%");
    fs::create_directories(player / "Levels" / "Custom");
    fs::current_path(player);
    SetDataFolder(TUMBO_GAME_DIR);
    ASSERT_TRUE(OpenLog("log.txt"));
  }
  void TearDown() override {
    SetDataFolder("");
    ClearEntities();
    FreeWorld();
    CloseLog();
  }
};
}  // namespace

TEST_F(InstalledDataTest, WhatThePlayersFolderLacksIsReadFromTheDataFolder) {
  const std::string data = TUMBO_GAME_DIR;
  EXPECT_EQ(ResolvePath("gfx/loading.png"), data + "/gfx/loading.png");
  EXPECT_EQ(ResolvePath("GFX/Loading.PNG"), data + "/gfx/loading.png");
  EXPECT_EQ(ResolvePath("gfx/none.png"), "gfx/none.png");
  EXPECT_EQ(ResolvePath("/nowhere/gfx/loading.png"), "/nowhere/gfx/loading.png");

  // A story level, and its objects read again after a death.
  ASSERT_TRUE(LoadWorld("Levels/TumboWorld1.level"));
  const size_t objects = entityList.size();
  ASSERT_GT(objects, 0u);
  ClearEntities();
  ReloadEntities();
  EXPECT_EQ(entityList.size(), objects);

  // A file of the same name in the player's folder comes first.
  std::ofstream("Levels/TumboWorld1.level") << "not a level";
  EXPECT_FALSE(LoadWorld("Levels/TumboWorld1.level"));
}
