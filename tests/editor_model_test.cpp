#include "editor/editor_model.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "editor/editor_draw.h"
#include "editor/editor_themes.h"
#include "engine/engine.h"
#include "engine/image.h"
#include "entities/game_object.h"
#include "input/input.h"
#include "level/object_types.h"
#include "support/headless.h"
#include "world/world.h"

namespace {
const int kWater = 3;
const int kGrass = 1;

class EditorModelTest : public testing::Test {
 protected:
  void SetUp() override {
    InitEntityNames();
    EditorClear();
    EditorReset();
  }
  void TearDown() override { EditorClear(); }

  void Paint(int code, int col, int row) {
    selectedTile = code;
    EditorSetCell(col, row);
  }
};

std::string RecordOf(GameObject* object) {
  std::ostringstream line;
  object->WriteLevelLine(line);
  return line.str();
}
}  // namespace

TEST_F(EditorModelTest, PaintingPastTheBoundaryMovesItThereAndNothingShrinksIt) {
  Paint(kGrass, 30, 3);
  EXPECT_EQ(30, editorWidth);
  Paint(kGrass, 35, 3);
  EXPECT_EQ(35, editorWidth);
  EXPECT_EQ(30, editorHeight);
  Paint(kGrass, 10, 40);
  EXPECT_EQ(35, editorWidth);
  EXPECT_EQ(40, editorHeight);
  EXPECT_EQ(kGrass, EditorGetCell(35, 3));
  Paint(kGrass, 999, 499);
  EXPECT_EQ(kGrass, EditorGetCell(999, 499));
  EXPECT_EQ(0, EditorGetCell(1000, 0));
  EXPECT_EQ(0, EditorGetCell(0, -1));

  EditorReset();
  EXPECT_EQ(30, editorWidth);
  EXPECT_EQ(0, EditorGetCell(35, 3));
}

TEST_F(EditorModelTest, PaintingTheStartMarkerAgainMovesIt) {
  Paint(kStartMarkerCode, 2, 5);
  Paint(kStartMarkerCode, 2, 5);
  EXPECT_EQ(kStartMarkerCode, EditorGetCell(2, 5));
  Paint(kStartMarkerCode, 7, 8);
  EXPECT_EQ(0, EditorGetCell(2, 5));
  EXPECT_EQ(kStartMarkerCode, EditorGetCell(7, 8));

  // After a new level the marker painted before is no longer tracked, so its old cell keeps
  // whatever was painted there since.
  EditorReset();
  Paint(kGrass, 7, 8);
  Paint(kStartMarkerCode, 3, 3);
  EXPECT_EQ(kGrass, EditorGetCell(7, 8));
  EXPECT_EQ(kStartMarkerCode, EditorGetCell(3, 3));
}

TEST_F(EditorModelTest, GroundedObjectsFallOntoAnyTileAndStayPutAboveNothing) {
  Paint(kWater, 4, 10);
  PlaceEntity("CircleMan", 4 * kTileSize + 3, 2 * kTileSize);
  ASSERT_EQ(1u, editorEntities.size());
  GameObject* walker = editorEntities[0];
  EXPECT_EQ(10 * kTileSize, walker->y + walker->h);
  EXPECT_EQ("CircleMan " + std::to_string(4 * kTileSize + 3) + " " + std::to_string(walker->y) + " 1\n",
            RecordOf(walker));

  PlaceEntity("CircleMan", 12 * kTileSize, 5 * kTileSize);
  ASSERT_EQ(2u, editorEntities.size());
  EXPECT_EQ(5 * kTileSize, editorEntities[1]->y);

  // Flying objects stay where they were put, even above the water.
  PlaceEntity("UFRO", 4 * kTileSize, 2 * kTileSize);
  ASSERT_EQ(3u, editorEntities.size());
  EXPECT_EQ(2 * kTileSize, editorEntities[2]->y);
  EXPECT_EQ("UFRO 128 64 0\n", RecordOf(editorEntities[2]));
}

TEST_F(EditorModelTest, ThePaletteHoldsEveryTypeOnceInItsOrderAndDeleteIsNoType) {
  EXPECT_EQ(entityNames, (std::vector<std::string>{"CircleMan", "Money", "OneUp", "DrVim", "EnergyDrink", "JetPack",
                                                   "UFRO", "SmallBlorp", "MediumBlorp", "LargeBlorp", "Smashy",
                                                   "Pirate", "Delete", "Tank", "RobotGuard", "MissileBot", "Overlord",
                                                   "Soldier", "Ninja", "Bomber", "Baron", "Flag"}));
  EXPECT_FALSE(IsEntityName("Delete"));
  EXPECT_FALSE(IsEntityName("circleman"));
  EXPECT_FALSE(IsEntityName(""));
}

TEST_F(EditorModelTest, EveryPaletteObjectIsBuiltWithItsPlacementDefaults) {
  const std::map<std::string, std::string> extras = {
      {"CircleMan", " 1"}, {"UFRO", " 0"},  {"SmallBlorp", " 0"}, {"MediumBlorp", " 0"}, {"LargeBlorp", " 0"},
      {"Pirate", " 0"},    {"RobotGuard", " 1"}, {"Soldier", " 0"}, {"Ninja", " 0"},     {"Baron", " 0 0"}};
  for (const std::string& name : entityNames) {
    if (!IsEntityName(name)) continue;
    EditorClear();
    PlaceEntity(name, 64, 96);
    ASSERT_EQ(1u, editorEntities.size()) << name;
    const auto found = extras.find(name);
    EXPECT_EQ(name + " 64 96" + (found == extras.end() ? "" : found->second) + "\n", RecordOf(editorEntities[0]));
  }
}

TEST_F(EditorModelTest, ObjectsMayStandOnTheBoundaryButNotBeyondIt) {
  PlaceEntity("Money", 30 * kTileSize + 31, 30 * kTileSize + 31);
  EXPECT_EQ(1u, editorEntities.size());
  PlaceEntity("Money", 31 * kTileSize, 10);
  PlaceEntity("Money", 10, 31 * kTileSize);
  PlaceEntity("NoSuchThing", 10, 10);
  EXPECT_EQ(1u, editorEntities.size());
}

TEST_F(EditorModelTest, DeleteRemovesOnlyTheFirstObjectUnderThePointer) {
  PlaceEntity("Delete", 50, 50);
  EXPECT_TRUE(editorEntities.empty());

  PlaceEntity("Money", 100, 100);
  PlaceEntity("OneUp", 100, 100);
  PlaceEntity("Delete", 300, 300);
  ASSERT_EQ(2u, editorEntities.size());
  PlaceEntity("Delete", 100, 100);
  ASSERT_EQ(1u, editorEntities.size());
  EXPECT_EQ("OneUp", editorEntities[0]->typeName);
}

TEST_F(EditorModelTest, ScrollingStopsAtTheGridEdgesAndTheBackgroundStopsWithIt) {
  StartHeadless();
  EnterGameDir();
  InitThemes();
  ParallaxBackground& background = themes[0].background;
  for (int i = 0; i < 10000; ++i) EditorScrollRight();
  for (int i = 0; i < 5000; ++i) EditorScrollDown();
  EXPECT_EQ(31520, world.cameraX);
  EXPECT_EQ(15520, world.cameraY);
  const double stoppedAt = background.offsets[2];
  EditorScrollRight();
  EXPECT_EQ(stoppedAt, background.offsets[2]);

  world.cameraX = 4;
  EditorScrollLeft();
  EditorScrollLeft();
  EditorScrollUp();
  EXPECT_EQ(0, world.cameraX);
  EXPECT_EQ(15516, world.cameraY);
  FreeThemes();
}

namespace {
Uint32 PixelAt(SDL_Surface* surface, int x, int y) {
  return CheckedPixel(surface, x, y);
}
}  // namespace

TEST_F(EditorModelTest, WaterIsDrawnHalfSeeThroughAndItsKeyColourNotAtAll) {
  StartHeadless();
  EnterGameDir();
  FreeThemes();  // no theme background: under the water lies only the backdrop
  ASSERT_TRUE(LoadEditorGraphics());
  Image backdrop;
  Image water;
  ASSERT_TRUE(backdrop.Load("gfx/Backgrounds/EditorBG.png"));
  ASSERT_TRUE(water.Load("gfx/Tiles/Special/water.png"));
  Paint(kWater, 0, 0);
  mouseX = mouseY = 300;
  EditorDraw();

  const Uint32 magenta = SDL_MapRGB(water.surface->format, 255, 0, 255);
  int keyed = 0;
  int blended = 0;
  for (int y = 0; y < kTileSize; ++y) {
    for (int x = 0; x < kTileSize; ++x) {
      const Uint32 drawn = PixelAt(screen, x, y);
      if (PixelAt(water.surface, x, y) == magenta) {
        ++keyed;
        ASSERT_EQ(PixelAt(backdrop.surface, x, y), drawn) << x << "," << y;
      } else if (drawn != PixelAt(water.surface, x, y) && drawn != PixelAt(backdrop.surface, x, y)) {
        ++blended;
      }
    }
  }
  EXPECT_GT(keyed, 0);
  EXPECT_GT(blended, kTileSize * kTileSize / 4);
  backdrop.Free();
  water.Free();
  FreeEditorGraphics();
}
