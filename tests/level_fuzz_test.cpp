#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "editor/editor_files.h"
#include "engine/log.h"
#include "entities/registry.h"
#include "level/level_reader.h"
#include "level/object_types.h"
#include "level_text.h"
#include "support/headless.h"
#include "world/camera.h"
#include "world/special_graphics.h"
#include "world/world.h"

// Level files are not trusted: whatever a file holds, loading it must leave a World that answers
// every query without touching memory it does not own.

namespace {
const char* const kFuzzLevelPath = "fuzz.level";

// Every tile code and a few records, with background paths that do not exist so that each case
// stays quick.
std::string FuzzSeedLevel() {
  return "gfx/none/1.png\ngfx/none/2.png\ngfx/none/3.png\n"
         "9\n4\n"
         "0 1 2 3 4 5 6 7 8 \n"
         "9 10 11 12 13 14 15 16 17 \n"
         "-1 99 0 0 0 0 0 0 0 \n"
         "1 1 1 1 10 10 13 12 1 \n"
         "Flag 64 40\nCircleMan 96 39 1\nMoney 10 10\nBaron 10 20 1 1\nFlag 100 -20\n";
}

const char* const kTokens[] = {"-1", "0", "1", "16", "10", "12", "13", "2000000000", "-2147483648",
                               "99999999999999", "20000", "640", "Flag", "Delete", "CircleMan", "Baron",
                               "\n", " ", "abc", "\t", "-", "+7", "0x10", "1e3"};

class Mutator {
 public:
  explicit Mutator(unsigned seed) : random(seed) {}

  std::string Mutate(std::string text) {
    const int mutations = Pick(1, 4);
    for (int i = 0; i < mutations; ++i) text = MutateOnce(text);
    return text;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
  size_t Position(const std::string& text) { return static_cast<size_t>(Pick(0, static_cast<int>(text.size()))); }
  std::string Token() { return kTokens[Pick(0, sizeof(kTokens) / sizeof(kTokens[0]) - 1)]; }

  std::string MutateOnce(std::string text) {
    const size_t at = Position(text);
    switch (Pick(0, 5)) {
      case 0:
        if (at < text.size()) text[at] = static_cast<char>(Pick(0, 255));
        break;
      case 1:
        text.erase(at, static_cast<size_t>(Pick(1, 24)));
        break;
      case 2:
        text.insert(at, Token());
        break;
      case 3:
        text.insert(at, " " + Token() + " ");
        break;
      case 4:
        text.resize(at);
        break;
      default:
        text.insert(at, text.substr(Position(text), static_cast<size_t>(Pick(1, 40))));
        break;
    }
    return text;
  }

  std::mt19937 random;
};

// Everything the game asks of a loaded World, over the grid and a margin around it.
void ExerciseWorld(std::mt19937& random) {
  ASSERT_GE(world.width, 0);
  ASSERT_GE(world.height, 0);
  ASSERT_TRUE(IsAcceptableGridSize(world.width, world.height));
  const int columns = std::min(world.width, 40);
  const int rows = std::min(world.height, 30);
  for (int row = -2; row < rows + 2; ++row) {
    for (int col = -2; col < columns + 2; ++col) ASSERT_NE(GetTile(col, row), nullptr);
  }
  for (int row = world.height - 2; row < world.height + 2; ++row) {
    for (int col = world.width - 2; col < world.width + 2; ++col) {
      Tile* tile = GetTile(col, row);
      ASSERT_NE(tile, nullptr);
      (void)tile->IsEmpty();
    }
  }
  std::uniform_int_distribution<int> pixel(-100, world.width * 32 + 100);
  for (int i = 0; i < 20; ++i) (void)IsSolidAt(pixel(random), pixel(random));
  SetCamera(pixel(random), pixel(random));
  ScrollRight(7);
  ScrollDown(5);
  DrawWorldBack();
  DrawEntities();
  DrawWorldFront();
  UpdateActiveTiles();
  UpdateEntities();
  ResetActiveTiles();
  ClearEntities();
  ReloadEntities();
  UpdateEntities();
  ClearEntities();
}

class LevelFuzzTest : public ::testing::TestWithParam<unsigned> {
 protected:
  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    LoadSpecialGraphics();
  }
  void TearDown() override {
    ClearEntities();
    FreeWorld();
    FreeSpecialGraphics();
  }
};
}  // namespace

TEST_P(LevelFuzzTest, MutatedLevelsLoadSafely) {
  std::string showcase = ReadFile(std::string(TUMBO_SOURCE_DIR) + "/tests/data/every_tile.level");
  ASSERT_FALSE(showcase.empty());
  showcase.replace(0, showcase.find("\n44\n"), "gfx/none/1.png\ngfx/none/2.png\ngfx/none/3.png");
  const std::string seeds[] = {FuzzSeedLevel(), showcase};
  Mutator mutator(GetParam());
  std::mt19937 queries(GetParam() + 1);
  for (int i = 0; i < 750; ++i) {
    WriteText(kFuzzLevelPath, mutator.Mutate(seeds[i % 2]));
    LoadWorld(kFuzzLevelPath);
    ExerciseWorld(queries);
    if (HasFatalFailure()) FAIL() << "case " << i << " of seed " << GetParam();
  }
  FreeWorld();
  EXPECT_EQ(world.grid, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Seeds, LevelFuzzTest, ::testing::Values(11u, 23u, 37u, 51u));

namespace {
struct Malformed {
  const char* name;
  std::string text;
  const char* problem;  // part of the one log line
};

std::string BinaryNoise() {
  std::mt19937 random(5);
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>(random() & 0xFF);
  return bytes;
}

std::vector<Malformed> MalformedLevels() {
  const std::string layers = TumboLayers();
  return {
      {"short_grid", LevelText(3, 3, {"1 1 1", "1 1"}), "the tile grid ends early, at column 2, row 1"},
      {"letter_code", LevelText(2, 2, {"1 x", "1 1"}), "the tile code at column 1, row 0 is not a number"},
      {"short_record", LevelText(1, 1, {"1"}, "Flag 10 20\nFlag 30"), "the Flag record is cut short"},
      {"letter_field", LevelText(1, 1, {"1"}, "Flag 10 twenty\nFlag 1 2\n"), "the Flag record has a field that is not a number"},
      {"negative_width", layers + "-3\n2\n", "refused a grid of -3 x 2 cells"},
      {"negative_height", layers + "3\n-2\n", "refused a grid of 3 x -2 cells"},
      {"absurd_size", layers + "2000000000\n2000000000\n", "refused a grid of 2000000000 x 2000000000 cells"},
      {"too_many_cells", layers + "20000\n10000\n", "refused a grid of 20000 x 10000 cells"},
      {"overflowing_width", layers + "99999999999\n3\n", "the width or height is not a number"},
      {"letter_width", layers + "wide\n3\n", "the width or height is not a number"},
      {"missing_height", layers + "3\n", "the file ends before its width and height"},
      {"empty", "", "the file ends before its width and height"},
      {"binary", BinaryNoise(), ""},
  };
}

class MalformedLevelTest : public ::testing::Test {
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
  }

  // The failed load and a reload are logged as exactly one error line naming the file.
  void ExpectOneErrorLine(const std::string& path, const std::string& problem) {
    CloseLog();
    const auto errors = LogLinesStartingWith(ReadFile("log.txt"), "Error");
    ASSERT_EQ(errors.size(), 1u) << path;
    EXPECT_EQ(errors[0].rfind("Error loading World: " + path, 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find(problem), std::string::npos) << errors[0];
    ASSERT_TRUE(OpenLog("log.txt"));
  }
};
}  // namespace

TEST_F(MalformedLevelTest, EachBrokenFileIsRefusedWithOneLogLineAndASafeWorld) {
  std::mt19937 queries(3);
  for (const Malformed& level : MalformedLevels()) {
    const std::string path = std::string(level.name) + ".level";
    WriteText(path, level.text);
    ASSERT_TRUE(OpenLog("log.txt"));
    EXPECT_FALSE(LoadWorld(path)) << level.name;
    ReloadEntities();
    ExpectOneErrorLine(path, level.problem);
    ExerciseWorld(queries);
    if (HasFatalFailure()) FAIL() << level.name;
  }
}

TEST_F(MalformedLevelTest, AShortGridKeepsWhatWasReadAndEmptiesTheRest) {
  WriteText("short.level", LevelText(3, 2, {"5 5 5", "5"}));
  EXPECT_FALSE(LoadWorld("short.level"));
  EXPECT_EQ(world.width, 3);
  EXPECT_TRUE(GetTile(2, 0)->solid);
  EXPECT_TRUE(GetTile(0, 1)->solid);
  EXPECT_TRUE(GetTile(1, 1)->IsEmpty());
  EXPECT_TRUE(GetTile(2, 1)->IsEmpty());
}

TEST_F(MalformedLevelTest, RecordsBeforeABrokenOneStayAndReloadStopsThereQuietly) {
  WriteText("records.level", LevelText(1, 1, {"0"}, "Flag 1 2\nFlag 3 x\nFlag 5 6\n"));
  EXPECT_FALSE(LoadWorld("records.level"));
  ASSERT_EQ(entityList.size(), 1u);
  ClearEntities();
  ReloadEntities();
  EXPECT_EQ(entityList.size(), 1u);
  ExpectOneErrorLine("records.level", "the Flag record has a field that is not a number");
}

TEST_F(MalformedLevelTest, AFolderIsNotALevel) {
  EXPECT_FALSE(LoadWorld("Levels"));
  ReloadEntities();
  CloseLog();
  const auto errors = LogLinesStartingWith(ReadFile("log.txt"), "Error");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "Error loading World: Levels: it is a folder, not a level file");
  EXPECT_EQ(errors[1], "Error: Failed to reload entities on Levels");
  EXPECT_EQ(world.width, 0);
  EXPECT_FALSE(IsSolidAt(0, 0));
}

// A record placed near the ends of the int range once overflowed the objects' own arithmetic as
// they moved. Every type, at each extreme of x and of y, is refused with the one log line, while
// the records around them, the one on the corner of the margin included, load and play on.
TEST_F(MalformedLevelTest, EveryTypePlacedFarOffTheLevelIsRefusedAndTheRestPlays) {
  const std::pair<std::string, std::string> extremes[] = {
      {"2147483647", "40"}, {"-2147483648", "40"}, {"40", "2147483647"}, {"40", "-2147483648"}};
  std::mt19937 queries(7);
  for (const auto& place : extremes) {
    // The level is 4 x 3 cells: the last Flag stands on the margin's corner.
    std::string records = "Flag 8 8\n";
    for (int t = 0; t < kObjectTypeCount; ++t) {
      const int more = kObjectTypes[t].fieldCount - 2;
      records += std::string(kObjectTypes[t].name) + " " + place.first + " " + place.second + (more > 0 ? " 0" : "") +
                 (more > 1 ? " 0" : "") + "\n";
    }
    WriteText("far.level", LevelText(4, 3, {"0 0 0 0", "0 0 0 0", "1 1 1 1"}, records + "Flag 768 -640\n"));
    ASSERT_TRUE(OpenLog("log.txt"));
    EXPECT_FALSE(LoadWorld("far.level")) << records;
    EXPECT_EQ(entityList.size(), 2u) << records;
    ExpectOneErrorLine("far.level", "the Flag record at " + place.first + ", " + place.second + " lies far outside the level");
    ExerciseWorld(queries);
    if (HasFatalFailure()) FAIL() << records;
  }
}

// A pipe named like a level once kept the game (and the editor) waiting for ever at its loading
// picture, and a file of many megabytes was read whole as one word: both are refused unopened.
TEST_F(MalformedLevelTest, APipeOrAHugeFileIsRefusedUnopened) {
  ASSERT_EQ(mkfifo("pipe.level", 0644), 0);
  EXPECT_FALSE(LoadWorld("pipe.level"));
  ReloadEntities();
  EXPECT_FALSE(EditorLoadLevel("pipe.level"));
  WriteText("huge.level", LevelText(1, 1, {"1"}));
  ASSERT_EQ(truncate("huge.level", 65 << 20), 0);
  EXPECT_FALSE(LoadWorld("huge.level"));
  EXPECT_FALSE(EditorLoadLevel("huge.level"));
  CloseLog();
  const auto errors = LogLinesStartingWith(ReadFile("log.txt"), "Error loading World");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "Error loading World: pipe.level: it is not a plain file");
  EXPECT_EQ(errors[1], "Error loading World: huge.level: it holds 68157440 bytes, far more than any level");
  unlink("pipe.level");
  unlink("huge.level");
}
