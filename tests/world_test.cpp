#include <gtest/gtest.h>

#include "engine/engine.h"
#include "hero_test_pixels.h"
#include "support/headless.h"
#include "world/camera.h"
#include "world/special_graphics.h"
#include "world/tile_images.h"
#include "world/tiles.h"
#include "world/world.h"

namespace {
// Counts how often the World draws, updates and resets it.
class CountingTile : public Tile {
 public:
  explicit CountingTile(int pass, bool active = false) : active(active) { foreground = pass; }
  bool IsActive() override { return active; }
  void Update() override { ++updates; }
  void Reset() override { ++resets; }
  void Draw(int, int) override { ++draws; }

  static int draws;
  static int destroyed;
  bool active;
  int updates = 0;
  int resets = 0;
  ~CountingTile() override { ++destroyed; }
};
int CountingTile::draws = 0;
int CountingTile::destroyed = 0;

// A grid whose every cell holds its own tile of the given code.
void FillGrid(int width, int height, int code) {
  SizeGrid(width, height);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) world.grid[row][col] = CreateTile(code, col, row);
  }
}

class WorldTest : public ::testing::Test {
 protected:
  void TearDown() override { FreeWorld(); }
};
}  // namespace

TEST_F(WorldTest, LookupsOutsideTheGridSeeTheEmptyTile) {
  FillGrid(4, 3, 1);
  EXPECT_TRUE(GetTile(-1, 0)->IsEmpty());
  EXPECT_TRUE(GetTile(4, 0)->IsEmpty());
  EXPECT_TRUE(GetTile(0, -1)->IsEmpty());
  EXPECT_TRUE(GetTile(0, 3)->IsEmpty());
  EXPECT_FALSE(GetTile(3, 2)->IsEmpty());
}

TEST_F(WorldTest, PixelsTruncateTowardZero) {
  FillGrid(4, 3, 0);
  world.grid[0][0] = CreateTile(1, 0, 0);
  EXPECT_TRUE(IsSolidAt(-1, 5));
  EXPECT_TRUE(IsSolidAt(-31, -31));
  EXPECT_TRUE(IsSolidAt(31, 31));
  EXPECT_FALSE(IsSolidAt(-32, 5));
  EXPECT_FALSE(IsSolidAt(5, -32));
  EXPECT_FALSE(IsSolidAt(32, 5));
}

TEST_F(WorldTest, QueriesStaySafeWithNoGridAndAfterFreeing) {
  EXPECT_TRUE(GetTile(0, 0)->IsEmpty());
  FillGrid(3, 3, 5);
  FreeWorld();
  EXPECT_EQ(world.emptyTile, nullptr);
  EXPECT_EQ(world.grid, nullptr);
  EXPECT_TRUE(GetTile(1, 1)->IsEmpty());
  EXPECT_FALSE(IsSolidAt(40, 40));
  DrawWorldBack();
  DrawWorldFront();
  UpdateActiveTiles();
}

TEST_F(WorldTest, SizingRefusesAbsurdGridsAndReplacesTheOldOne) {
  FillGrid(5, 5, 1);
  SizeGrid(2000000000, 2000000000);
  EXPECT_EQ(world.width, 0);
  EXPECT_EQ(world.height, 0);
  EXPECT_EQ(world.grid, nullptr);
  EXPECT_TRUE(GetTile(0, 0)->IsEmpty());
  SizeGrid(-4, 3);
  EXPECT_EQ(world.width, 0);

  EXPECT_TRUE(IsAcceptableGridSize(1000, 500));
  EXPECT_TRUE(IsAcceptableGridSize(0, 7));
  EXPECT_FALSE(IsAcceptableGridSize(20000, 10000));
  EXPECT_FALSE(IsAcceptableGridSize(-1, 10));
}

TEST_F(WorldTest, FreeingDeletesEveryTileOnceButNeverTheSharedEmptyOne) {
  SizeGrid(3, 2);
  CountingTile::destroyed = 0;
  for (int col = 0; col < 3; ++col) {
    world.grid[0][col] = new CountingTile(0);
    world.grid[1][col] = world.emptyTile;
  }
  FreeWorld();
  EXPECT_EQ(CountingTile::destroyed, 3);
  EXPECT_TRUE(SharedEmptyTile()->IsEmpty());
}

TEST_F(WorldTest, ActiveTilesAreUpdatedAndResetInListOrder) {
  SizeGrid(2, 1);
  CountingTile* belt = new CountingTile(0, true);
  CountingTile* plain = new CountingTile(0, false);
  world.grid[0][0] = belt;
  world.grid[0][1] = plain;
  world.activeTiles = {{0, 0}};
  UpdateActiveTiles();
  UpdateActiveTiles();
  ResetActiveTiles();
  EXPECT_EQ(belt->updates, 2);
  EXPECT_EQ(belt->resets, 1);
  EXPECT_EQ(plain->updates, 0);
}

TEST_F(WorldTest, ScrollingStopsAtTheLevelEdgesWithoutMovingTheBackground) {
  SizeGrid(40, 20);
  // Away from where the layer wraps round, whatever scrolled it before.
  const double start = 100;
  world.background.offsets[0] = start;
  world.cameraX = 630;
  ScrollRight(10);
  EXPECT_EQ(world.cameraX, 640);
  EXPECT_DOUBLE_EQ(world.background.offsets[0], start);

  world.cameraX = 3;
  ScrollLeft(5);
  EXPECT_EQ(world.cameraX, 0);
  EXPECT_DOUBLE_EQ(world.background.offsets[0], start);

  world.cameraX = 100;
  ScrollRight(8);
  EXPECT_EQ(world.cameraX, 108);
  EXPECT_DOUBLE_EQ(world.background.offsets[0], start + 2.0);
  ScrollLeft(4);
  EXPECT_DOUBLE_EQ(world.background.offsets[0], start + 1.0);

  ScrollDown(1000);
  EXPECT_EQ(world.cameraY, 20 * 32 - 480);
  ScrollUp(30);
  EXPECT_EQ(world.cameraY, 130);
  ScrollUp(1000);
  EXPECT_EQ(world.cameraY, 0);
}

TEST_F(WorldTest, SetCameraClampsIntoTheLevel) {
  SizeGrid(100, 20);
  SetCamera(-50, 10000);
  EXPECT_EQ(world.cameraX, 0);
  EXPECT_EQ(world.cameraY, 160);
  SetCamera(5000, 50);
  EXPECT_EQ(world.cameraX, 3200 - 640);
  EXPECT_EQ(world.cameraY, 50);
}

TEST_F(WorldTest, ALevelNarrowerThanTheScreenGetsANegativeCamera) {
  SizeGrid(10, 10);
  SetCamera(0, 0);
  EXPECT_EQ(world.cameraX, 320 - 640);
  EXPECT_EQ(world.cameraY, 320 - 480);
  SetCamera(-1, -1);
  EXPECT_EQ(world.cameraX, 0);
  EXPECT_EQ(world.cameraY, 0);
}

TEST_F(WorldTest, DrawingVisitsOnlyTheWindowAroundTheCameraInTheRightPass) {
  SizeGrid(60, 40);
  for (int row = 0; row < 40; ++row) {
    for (int col = 0; col < 60; ++col) world.grid[row][col] = new CountingTile(col % 2);
  }
  SetCamera(300, 200);
  CountingTile::draws = 0;
  DrawWorldBack();
  // Columns 9 to 29 are in view: the even ones draw behind, the odd ones in front.
  EXPECT_EQ(CountingTile::draws, 10 * 16);
  DrawWorldFront();
  EXPECT_EQ(CountingTile::draws, 21 * 16);
}

namespace {
Uint32 PixelAt(int x, int y) {
  return CheckedScreenPixel(x, y) & 0x00FFFFFF;
}
}  // namespace

TEST_F(WorldTest, WaterAndSludgeAreDrawnInTheFrontPassOnly) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(LoadSpecialGraphics());
  ASSERT_TRUE(grassImage.Load("gfx/Tiles/TumboWorld/grass.png"));
  SizeGrid(21, 16);
  for (int row = 0; row < 16; ++row) {
    for (int col = 0; col < 21; ++col) world.grid[row][col] = world.emptyTile;
  }
  world.grid[1][1] = CreateTile(1, 1, 1);
  world.grid[1][3] = CreateTile(3, 3, 1);
  SDL_FillRect(screen, nullptr, 0);
  DrawWorldBack();
  EXPECT_NE(PixelAt(32 + 16, 32 + 16), 0u);
  EXPECT_EQ(PixelAt(96 + 16, 32 + 16), 0u);
  DrawWorldFront();
  EXPECT_NE(PixelAt(96 + 16, 32 + 16), 0u);
  FreeSpecialGraphics();
  grassImage.Free();
}

namespace {
// The middle column of the cell on screen matches the picture (the camera is at 0, 0).
bool CellShows(int col, int row, Image& picture) {
  for (int y = 0; y < kTileSize; ++y) {
    const int x = kTileSize / 2;
    if (PixelAt(screen, col * kTileSize + x, row * kTileSize + y) != PixelAt(picture.surface, x, y)) return false;
  }
  return true;
}
}  // namespace

TEST_F(WorldTest, StackedGroundShowsItsSurfaceOnlyWhereNoGroundOfItsKindIsAbove) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(grassImage.Load("gfx/Tiles/TumboWorld/grass.png"));
  ASSERT_TRUE(earthImage.Load("gfx/Tiles/TumboWorld/earth.png"));
  ASSERT_TRUE(brickImage.Load("gfx/Tiles/TumboWorld/brick.png"));
  SizeGrid(21, 16);
  for (int row = 0; row < 16; ++row) {
    for (int col = 0; col < 21; ++col) world.grid[row][col] = world.emptyTile;
  }
  for (int row = 0; row < 3; ++row) world.grid[row][1] = CreateTile(kCodeGrass, 1, row);
  world.grid[4][3] = CreateTile(kCodeBrick, 3, 4);
  world.grid[5][3] = CreateTile(kCodeGrass, 3, 5);
  DrawWorldBack();
  EXPECT_TRUE(CellShows(1, 0, grassImage)) << "the top row of the level has open sky above";
  EXPECT_TRUE(CellShows(1, 1, earthImage));
  EXPECT_TRUE(CellShows(1, 2, earthImage));
  EXPECT_TRUE(CellShows(3, 5, grassImage)) << "ground of another kind above";
  grassImage.Free();
  earthImage.Free();
  brickImage.Free();
}
