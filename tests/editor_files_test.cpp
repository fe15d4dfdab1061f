#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "editor/editor_files.h"
#include "editor/editor_model.h"
#include "engine/log.h"
#include "entities/game_object.h"
#include "entities/registry.h"
#include "level/level_reader.h"
#include "level/object_types.h"
#include "level_text.h"
#include "support/headless.h"
#include "world/tile.h"
#include "world/world.h"

namespace {
class EditorFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    ASSERT_TRUE(OpenLog("log.txt"));
    InitEntityNames();
    EditorClear();
    EditorReset();
  }
  void TearDown() override {
    EditorClear();
    ClearEntities();
    FreeWorld();
    CloseLog();
  }

  // A small level using every kind of content: tiles of several worlds, the start marker and
  // objects with and without extra fields.
  void BuildSampleLevel() {
    const int codes[] = {1, 3, 5, 7, 12, 13, 14, 15};
    for (int col = 0; col < 8; ++col) {
      selectedTile = codes[col];
      EditorSetCell(col, 9);
    }
    selectedTile = kStartMarkerCode;
    EditorSetCell(1, 7);
    themeIndex = 2;
    PlaceEntity("CircleMan", 100, 40);
    PlaceEntity("Money", 64, 40);
    PlaceEntity("UFRO", 200, 20);
    PlaceEntity("Flag", 220, 40);
  }

  static std::string Records(const std::vector<GameObject*>& objects) {
    std::ostringstream lines;
    for (GameObject* object : objects) object->WriteLevelLine(lines);
    return lines.str();
  }

  static bool SameTileKind(Tile* tile, int code, int col, int row) {
    Tile* expected = CreateTile(code, col, row);
    const bool same = typeid(*tile) == typeid(*expected);
    if (!expected->IsEmpty()) delete expected;
    return same;
  }
};
}  // namespace

TEST_F(EditorFilesTest, SavedLevelHasTheFileLayoutAndSavesIdenticallyTwice) {
  selectedTile = 1;
  EditorSetCell(0, 1);
  editorWidth = 2;
  editorHeight = 2;
  PlaceEntity("Money", 32, 0);
  ASSERT_TRUE(SaveLevel("Levels/Custom/a.level"));
  const std::string first = ReadFile("Levels/Custom/a.level");
  EXPECT_EQ(TumboLayers() + "2\n2\n0 0 \n1 0 \nMoney 32 0\n", first);
  ASSERT_TRUE(SaveLevel("Levels/Custom/a.level"));
  EXPECT_EQ(first, ReadFile("Levels/Custom/a.level"));
  EXPECT_FALSE(boost::filesystem::exists("Levels/Custom/a.level.saving"));
}

TEST_F(EditorFilesTest, TheGameReadsAnEditorLevelAsItWasBuilt) {
  BuildSampleLevel();
  ASSERT_TRUE(SaveLevel("Levels/Custom/sample.level"));
  ASSERT_TRUE(LoadWorld("Levels/Custom/sample.level"));
  ASSERT_EQ(editorWidth, world.width);
  ASSERT_EQ(editorHeight, world.height);
  for (int row = 0; row < world.height; ++row) {
    for (int col = 0; col < world.width; ++col) {
      ASSERT_TRUE(SameTileKind(GetTile(col, row), EditorGetCell(col, row), col, row)) << col << "," << row;
    }
  }
  EXPECT_EQ(32, world.startX);
  EXPECT_EQ(7 * 32, world.startY);
  EXPECT_EQ(Records(editorEntities), Records(entityList));
  EXPECT_EQ("gfx/Backgrounds/SpacePirate/layer1.png", world.background.LayerPath(0));
}

TEST_F(EditorFilesTest, ABaronKeepsItsFinalMarkButIsWrittenFacingItsStartWay) {
  WriteText("Levels/Custom/boss.level", LevelText(1, 1, {"1"}, "Baron 100 40 1 1\nBaron 200 40 1 0\n"));
  ASSERT_TRUE(EditorLoadLevel("Levels/Custom/boss.level"));
  ASSERT_TRUE(SaveLevel("Levels/Custom/boss.level"));
  EXPECT_EQ(TumboLayers() + "1\n1\n1 \nBaron 100 40 0 1\nBaron 200 40 0 0\n", ReadFile("Levels/Custom/boss.level"));
  ASSERT_TRUE(LoadWorld("Levels/Custom/boss.level"));
  EXPECT_EQ(Records(editorEntities), Records(entityList));
}

TEST_F(EditorFilesTest, LoadingBringsBackTheLevelAndItsThemeAndKeepsStrangeCodes) {
  BuildSampleLevel();
  selectedTile = 1;
  EditorSetCell(40, 3);
  ASSERT_TRUE(SaveLevel("Levels/Custom/sample.level"));
  const std::string saved = ReadFile("Levels/Custom/sample.level");
  const std::string records = Records(editorEntities);
  EditorClear();
  EditorReset();
  selectedTile = 5;
  ASSERT_TRUE(EditorLoadLevel("Levels/Custom/sample.level"));
  EXPECT_EQ(2, themeIndex);
  EXPECT_EQ(40, editorWidth);
  EXPECT_EQ(0, selectedTile);
  EXPECT_EQ(records, Records(editorEntities));
  ASSERT_TRUE(SaveLevel("Levels/Custom/again.level"));
  EXPECT_EQ(saved, ReadFile("Levels/Custom/again.level"));

  // Two Blorp layers and a Robot City one are no theme at all.
  WriteText("odd.level", "gfx/Backgrounds/Blorp/layer1.png gfx/Backgrounds/Blorp/layer2.png "
                         "gfx/Backgrounds/RobotCity/layer3.png 3 1 42 -7 16");
  EditorClear();
  ASSERT_TRUE(EditorLoadLevel("odd.level"));
  EXPECT_EQ(42, EditorGetCell(0, 0));
  EXPECT_EQ(-7, EditorGetCell(1, 0));
  EXPECT_EQ(0, themeIndex);
}

TEST_F(EditorFilesTest, SizesTheGridCannotHoldAreRefusedWithoutTouchingIt) {
  selectedTile = 1;
  EditorSetCell(5, 5);
  const char* const headers[] = {"1001\n2\n", "2\n501\n", "-3\n2\n", "99999999999\n2\n", "wide\n2\n"};
  for (const char* header : headers) {
    WriteText("big.level", TumboLayers() + header + "1 1 1 1\n");
    EXPECT_FALSE(EditorLoadLevel("big.level")) << header;
    EXPECT_EQ(30, editorWidth) << header;
    EXPECT_EQ(1, EditorGetCell(5, 5)) << header;
  }
  const std::string log = ReadFile("log.txt");
  EXPECT_EQ(5u, LogLinesStartingWith(log, "Error: the editor could not read big.level").size()) << log;
  EXPECT_NE(std::string::npos, log.find("1001 x 2 cells does not fit")) << log;
}

TEST_F(EditorFilesTest, BrokenFilesLoadWhatTheyCanAndReportTheRest) {
  WriteText("short.level", LevelText(3, 2, {"1 1 1", "5"}));
  EXPECT_FALSE(EditorLoadLevel("short.level"));
  EXPECT_EQ(1, EditorGetCell(2, 0));
  EXPECT_EQ(5, EditorGetCell(0, 1));
  EXPECT_EQ(0, EditorGetCell(1, 1));

  EditorClear();
  WriteText("records.level", LevelText(1, 1, {"0"}, "Money 1 2\nJunk 7\nMoney 3 x\nMoney 5 6\n"));
  EXPECT_FALSE(EditorLoadLevel("records.level"));
  EXPECT_EQ("Money 1 2\n", Records(editorEntities));

  EditorClear();
  EXPECT_FALSE(EditorLoadLevel("missing.level"));
  EXPECT_FALSE(EditorLoadLevel("Levels/Custom"));
  EXPECT_TRUE(editorEntities.empty());
  EXPECT_EQ(2u, LogLinesStartingWith(ReadFile("log.txt"), "Error: the editor could not read").size());
}

TEST_F(EditorFilesTest, AFailedSaveLeavesTheOldLevelWholeAndSaysSo) {
  WriteText("Levels/Custom/keep.level", "old level\n");
  boost::filesystem::create_directory("Levels/Custom/keep.level.saving");
  EXPECT_FALSE(SaveLevel("Levels/Custom/keep.level"));
  EXPECT_EQ("old level\n", ReadFile("Levels/Custom/keep.level"));
  EXPECT_FALSE(SaveLevel("NoSuchFolder/x.level"));
  EXPECT_EQ(2u, LogLinesStartingWith(ReadFile("log.txt"), "Error: could not save the level").size());
}
