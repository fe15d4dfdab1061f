#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "engine/log.h"
#include "entities/flag.h"
#include "entities/registry.h"
#include "level/level_reader.h"
#include "level/object_types.h"
#include "level_text.h"
#include "support/headless.h"
#include "world/tiles.h"
#include "world/world.h"

namespace {
class LevelReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    ASSERT_TRUE(OpenLog("log.txt"));
  }
  void TearDown() override {
    ClearEntities();
    FreeWorld();
    CloseLog();
    world.levelComplete = false;
  }

  // The flags in the registry as "x,y" words, in registry order.
  static std::string FlagPositions() {
    std::string text;
    for (GameObject* object : entityList) {
      if (!text.empty()) text += ' ';
      text += object->typeName + "@" + std::to_string(object->x) + "," + std::to_string(object->y);
    }
    return text;
  }
};

const std::vector<std::string> kSmallRows = {"0 0 0 0", "16 0 0 0", "1 1 1 1"};
}  // namespace

TEST_F(LevelReaderTest, ReadsTheGridTheStartAndTheRecordsAndLogsTheLoad) {
  WriteText("small.level", LevelText(4, 3, {"0 0 12 0", "16 3 0 0", "1 1 1 99"}, "Flag 64 40\nFlag 96 39\n"));
  ASSERT_TRUE(LoadWorld("small.level"));
  EXPECT_EQ(world.width, 4);
  EXPECT_EQ(world.height, 3);
  EXPECT_TRUE(GetTile(0, 0)->IsEmpty());
  EXPECT_TRUE(GetTile(0, 2)->solid);
  EXPECT_EQ(GetTile(1, 1)->foreground, 1);
  EXPECT_TRUE(GetTile(3, 2)->IsEmpty());
  EXPECT_EQ(world.startX, 0);
  EXPECT_EQ(world.startY, 32);
  EXPECT_EQ(world.activeTiles, (std::vector<std::pair<int, int>>{{2, 0}}));
  EXPECT_EQ(FlagPositions(), "Flag@64,40 Flag@96,39");
  EXPECT_EQ(world.levelPath, "small.level");
  EXPECT_EQ(world.background.LayerPath(1), "gfx/Backgrounds/TumboWorld/layer2-2.png");

  const std::string log = ReadFile("log.txt");
  EXPECT_NE(log.find("Loading World: small.level...\n"), std::string::npos);
  EXPECT_NE(log.find("World Loaded: small.level\n"), std::string::npos);
  EXPECT_TRUE(LogLinesStartingWith(log, "Error").empty());
}

TEST_F(LevelReaderTest, WithoutAStartMarkerTheDefaultStartStaysAndWithSeveralTheLastWins) {
  WriteText("none.level", LevelText(2, 1, {"0 1"}));
  ASSERT_TRUE(LoadWorld("none.level"));
  EXPECT_EQ(world.startX, 20);
  EXPECT_EQ(world.startY, 100);

  WriteText("many.level", LevelText(3, 2, {"0 16 16", "16 0 0"}));
  ASSERT_TRUE(LoadWorld("many.level"));
  EXPECT_EQ(world.startX, 0);
  EXPECT_EQ(world.startY, 32);

  ASSERT_TRUE(LoadWorld("none.level"));
  EXPECT_EQ(world.startX, 20);
}

TEST_F(LevelReaderTest, AnEmptyGridStillLoadsItsRecords) {
  WriteText("flat.level", LevelText(0, 5, {}, "Flag 1 2\n"));
  ASSERT_TRUE(LoadWorld("flat.level"));
  EXPECT_EQ(world.width, 0);
  EXPECT_TRUE(GetTile(0, 0)->IsEmpty());
  EXPECT_EQ(FlagPositions(), "Flag@1,2");

  WriteText("thin.level", LevelText(7, 0, {}, "Flag 3 4\n"));
  ASSERT_TRUE(LoadWorld("thin.level"));
  EXPECT_EQ(world.height, 0);
  EXPECT_EQ(entityList.size(), 2u);
}

TEST_F(LevelReaderTest, AFileEndingRightAfterTheGridLoadsAndReloadsWithoutRecords) {
  std::string text = LevelText(2, 1, {"1 1"});
  text.erase(text.find_last_not_of(" \n") + 1);  // no blank or line end after the last code
  WriteText("bare.level", text);
  ASSERT_TRUE(LoadWorld("bare.level"));
  EXPECT_TRUE(GetTile(1, 0)->solid);
  EXPECT_TRUE(entityList.empty());
  ReloadEntities();
  EXPECT_TRUE(entityList.empty());
  EXPECT_TRUE(LogLinesStartingWith(ReadFile("log.txt"), "Error").empty());
}

TEST_F(LevelReaderTest, RecordsSplitOverLinesOrSharingOneReadTheSame) {
  WriteText("split.level", LevelText(1, 1, {"0"}, "Flag\n5\n\n6 Flag 7 8 Flag 9\n10\n"));
  ASSERT_TRUE(LoadWorld("split.level"));
  EXPECT_EQ(FlagPositions(), "Flag@5,6 Flag@7,8 Flag@9,10");
}

TEST_F(LevelReaderTest, UnknownWordsAndDeleteAreSkippedOneByOne) {
  WriteText("stray.level", LevelText(1, 1, {"0"}, "Delete 1 2\nflag 3 4\nBanana Flag 5 6\n77 Flag 8 9\n"));
  ASSERT_TRUE(LoadWorld("stray.level"));
  EXPECT_EQ(FlagPositions(), "Flag@5,6 Flag@8,9");
}

TEST_F(LevelReaderTest, ReloadingReadsOnlyTheRecordsAgain) {
  WriteText("again.level", LevelText(4, 3, kSmallRows, "Flag 64 40\n"));
  ASSERT_TRUE(LoadWorld("again.level"));
  world.enemyCount = 4;
  ClearEntities();
  ReloadEntities();
  EXPECT_EQ(FlagPositions(), "Flag@64,40");
  EXPECT_EQ(world.enemyCount, 4);
  EXPECT_EQ(world.width, 4);
}

TEST_F(LevelReaderTest, ReloadingAVanishedFileIsLoggedAndLeavesNoRecords) {
  WriteText("gone.level", LevelText(4, 3, kSmallRows, "Flag 64 40\n"));
  ASSERT_TRUE(LoadWorld("gone.level"));
  ClearEntities();
  std::remove("gone.level");
  ReloadEntities();
  EXPECT_TRUE(entityList.empty());
  EXPECT_NE(ReadFile("log.txt").find("Error: Failed to reload entities on gone.level\n"), std::string::npos);
}

TEST_F(LevelReaderTest, LoadingResetsTheCountersButNotLevelComplete) {
  WriteText("count.level", LevelText(4, 3, kSmallRows));
  world.enemyCount = 3;
  world.enemiesKilled = 2;
  world.itemCount = 5;
  world.itemsGrabbed = 1;
  world.levelComplete = true;
  ASSERT_TRUE(LoadWorld("count.level"));
  EXPECT_EQ(world.enemyCount, 0);
  EXPECT_EQ(world.enemiesKilled, 0);
  EXPECT_EQ(world.itemCount, 0);
  EXPECT_EQ(world.itemsGrabbed, 0);
  EXPECT_TRUE(world.levelComplete);
}

TEST_F(LevelReaderTest, AMissingFileFailsWithItsLogLineAndLeavesAnEmptyWorld) {
  WriteText("old.level", LevelText(4, 3, kSmallRows));
  ASSERT_TRUE(LoadWorld("old.level"));
  EXPECT_FALSE(LoadWorld("Levels/nothing.level"));
  EXPECT_EQ(world.width, 0);
  EXPECT_EQ(world.height, 0);
  EXPECT_NE(world.emptyTile, nullptr);
  EXPECT_FALSE(IsSolidAt(0, 64));
  EXPECT_EQ(LogLinesStartingWith(ReadFile("log.txt"), "Error"),
            std::vector<std::string>{"Error loading World: Levels/nothing.level"});
}

TEST(EntityFactoryTest, BuildsAFlagFromItsRecordAndNothingFromOtherWords) {
  std::istringstream record("12 -34 rest");
  std::unique_ptr<GameObject> flag(CreateEntity("Flag", record));
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(flag->x, 12);
  EXPECT_EQ(flag->y, -34);
  EXPECT_EQ(flag->typeName, "Flag");
  std::string next;
  record >> next;
  EXPECT_EQ(next, "rest");

  std::istringstream untouched("1 2");
  EXPECT_EQ(CreateEntity("Delete", untouched), nullptr);
  EXPECT_EQ(CreateEntity("", untouched), nullptr);
  int first = 0;
  untouched >> first;
  EXPECT_EQ(first, 1);

  std::istringstream shortRecord("5");
  EXPECT_EQ(CreateEntity("Flag", shortRecord), nullptr);
  EXPECT_TRUE(shortRecord.fail());
}

TEST_F(LevelReaderTest, ConstructorsCountEnemiesAndItemsAgainOnEveryReload) {
  WriteText("counted.level",
            LevelText(4, 3, kSmallRows, "Money 10 10\nCircleMan 40 40 0\nMoney 20 10\nSmashy 90 0\nFlag 100 0\n"));
  ASSERT_TRUE(LoadWorld("counted.level"));
  EXPECT_EQ(world.itemCount, 2);
  EXPECT_EQ(world.enemyCount, 1);
  ClearEntities();
  ReloadEntities();
  EXPECT_EQ(entityList.size(), 5u);
  EXPECT_EQ(world.itemCount, 4);
  EXPECT_EQ(world.enemyCount, 2);
}

TEST_F(LevelReaderTest, TheShowcaseLevelLoadsEveryKindAndItsObjects) {
  ASSERT_TRUE(LoadWorld(std::string(TUMBO_SOURCE_DIR) + "/tests/data/every_tile.level"));
  std::vector<std::string> names;
  for (GameObject* object : entityList) names.push_back(object->typeName);
  EXPECT_EQ(names, (std::vector<std::string>{"Money", "Money", "OneUp", "CircleMan", "UFRO", "Flag"}));
  bool seen[17] = {};
  for (int row = 0; row < world.height; ++row) {
    for (int col = 0; col < world.width; ++col) {
      Tile* tile = GetTile(col, row);
      if (dynamic_cast<GrassTile*>(tile)) seen[1] = true;
      if (dynamic_cast<SpikesTile*>(tile)) seen[2] = true;
      if (dynamic_cast<WaterTile*>(tile)) seen[3] = true;
      if (dynamic_cast<SpringTile*>(tile)) seen[4] = true;
      if (dynamic_cast<BrickTile*>(tile)) seen[5] = true;
      if (dynamic_cast<CheckpointTile*>(tile)) seen[6] = true;
      if (dynamic_cast<JellyTile*>(tile)) seen[7] = true;
      if (dynamic_cast<SludgeTile*>(tile)) seen[8] = true;
      if (dynamic_cast<ShipFloorTile*>(tile)) seen[9] = true;
      if (dynamic_cast<BombTrapTile*>(tile)) seen[10] = true;
      if (dynamic_cast<SteelTile*>(tile)) seen[11] = true;
      if (auto* belt = dynamic_cast<ConveyorTile*>(tile)) seen[12 + belt->direction] = true;
      if (auto* dirt = dynamic_cast<DirtTile*>(tile)) seen[14 + dirt->variant] = true;
      if (dynamic_cast<StartTile*>(tile)) seen[16] = true;
    }
  }
  for (int code = 1; code <= 16; ++code) EXPECT_TRUE(seen[code]) << code;
}
