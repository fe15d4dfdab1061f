#include <gtest/gtest.h>

#include <memory>

#include "entities/player.h"
#include "world/tiles.h"
#include "world/world.h"

namespace {
// A hero standing on the ground at (x, y), wired to tiles through his own PlayerLink.
class TileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hero.x = 100;
    hero.y = 200;
  }
  void TearDown() override { FreeWorld(); }

  Player hero;
};

struct TileKind {
  int code;
  bool solid;
  int foreground;
  bool active;
};

// Solid, drawing pass and activity of every kind, as levels and the hero rely on them.
const TileKind kKinds[] = {
    {1, true, 0, false},   {2, false, 0, false},  {3, false, 1, false},  {4, false, 0, false},
    {5, true, 0, false},   {6, false, 0, false},  {7, true, 0, false},   {8, false, 1, false},
    {9, true, 0, false},   {10, true, 0, true},   {11, true, 0, false},  {12, true, 0, true},
    {13, true, 0, true},   {14, true, 0, false},  {15, true, 0, false},  {16, false, 0, false},
};
}  // namespace

TEST_F(TileTest, ZeroAndUnknownCodesGiveTheOneSharedEmptyTile) {
  for (int code : {0, 17, 99, -1}) {
    Tile* tile = CreateTile(code, 2, 3);
    EXPECT_EQ(tile, SharedEmptyTile()) << code;
    EXPECT_FALSE(tile->solid);
    EXPECT_TRUE(tile->IsEmpty());
    EXPECT_FALSE(tile->IsActive());
  }
}

TEST_F(TileTest, EveryCodeMakesItsOwnKind) {
  for (const TileKind& kind : kKinds) {
    std::unique_ptr<Tile> tile(CreateTile(kind.code, 1, 1));
    ASSERT_NE(tile.get(), SharedEmptyTile()) << kind.code;
    EXPECT_EQ(tile->solid, kind.solid) << kind.code;
    EXPECT_EQ(tile->foreground, kind.foreground) << kind.code;
    EXPECT_EQ(tile->IsActive(), kind.active) << kind.code;
    EXPECT_FALSE(tile->IsEmpty()) << kind.code;
  }
}

TEST_F(TileTest, JellyAndSteelPickOneOfFourLooks) {
  srand(7);
  bool seen[4] = {false, false, false, false};
  for (int i = 0; i < 200; ++i) {
    JellyTile jelly;
    SteelTile steel;
    ASSERT_GE(jelly.variant, 0);
    ASSERT_LT(jelly.variant, 4);
    ASSERT_GE(steel.variant, 0);
    ASSERT_LT(steel.variant, 4);
    seen[jelly.variant] = true;
  }
  EXPECT_TRUE(seen[0] && seen[1] && seen[2] && seen[3]);
  EXPECT_EQ(DirtTile(1).variant, 1);
}

TEST_F(TileTest, SpikesStartTheDeathFall) {
  SpikesTile spikes;
  hero.gravityPeriod = 4;
  spikes.Touch(hero.link);
  EXPECT_TRUE(hero.dead);
  EXPECT_TRUE(hero.airborne);
  EXPECT_EQ(hero.vy, 10);
  EXPECT_EQ(hero.gravityPeriod, 1);
}

TEST_F(TileTest, WaterOnlyMarksTheHeroAsSwimming) {
  WaterTile water;
  water.Touch(hero.link);
  EXPECT_TRUE(hero.inWater);
  EXPECT_FALSE(hero.dead);
}

TEST_F(TileTest, SludgeIsSafeUpToTheSurfaceAndDeadlyOnePixelBelow) {
  SludgeTile sludge(96, 192);
  hero.y = 192;
  sludge.Touch(hero.link);
  EXPECT_TRUE(hero.inSludge);
  EXPECT_FALSE(hero.dead);

  hero.y = 193;
  sludge.Touch(hero.link);
  EXPECT_TRUE(hero.dead);
  EXPECT_TRUE(hero.airborne);
  EXPECT_EQ(hero.vy, 10);
  EXPECT_EQ(hero.gravityPeriod, 1);
}

TEST_F(TileTest, SpringLaunchesOnlyFromTheGroundAndShowsSprungForThreeDrawnFrames) {
  SpringTile spring;
  hero.airborne = true;
  hero.vy = -3;
  spring.Touch(hero.link);
  EXPECT_EQ(hero.vy, -3);
  EXPECT_FALSE(spring.springing);

  hero.airborne = false;
  spring.Touch(hero.link);
  EXPECT_TRUE(hero.airborne);
  EXPECT_EQ(hero.vy, 30);
  for (int frame = 1; frame <= 3; ++frame) {
    spring.Draw(0, 0);
    EXPECT_TRUE(spring.springing) << frame;
  }
  spring.Draw(0, 0);
  EXPECT_FALSE(spring.springing);
  EXPECT_EQ(spring.counter, 0);
}

TEST_F(TileTest, CheckpointAddsItsPositionOnEveryTouch) {
  CheckpointTile checkpoint(320, 64);
  EXPECT_FALSE(checkpoint.on);
  for (int frame = 0; frame < 5; ++frame) checkpoint.Touch(hero.link);
  EXPECT_TRUE(checkpoint.on);
  ASSERT_EQ(hero.checkpoints.size(), 5u);
  for (const auto& entry : hero.checkpoints) EXPECT_EQ(entry, std::make_pair(320, 64));
  checkpoint.Reset();
  EXPECT_TRUE(checkpoint.on);
}

// A 30 x 20 level with a wall of brick in column 10 and room for the belts.
class ConveyorTest : public TileTest {
 protected:
  void SetUp() override {
    TileTest::SetUp();
    SizeGrid(30, 20);
    for (int row = 0; row < 20; ++row) {
      for (int col = 0; col < 30; ++col) world.grid[row][col] = CreateTile(col == 10 ? 5 : 0, col, row);
    }
  }
};

TEST_F(ConveyorTest, RightBeltPinsTheHeroAtTheRightEdge) {
  ConveyorTile belt(1);
  hero.x = 30 * 32 - 32;
  belt.Touch(hero.link);
  EXPECT_EQ(hero.x, 30 * 32 - 32);
  hero.x = 30 * 32 - 40;
  belt.Touch(hero.link);
  EXPECT_EQ(hero.x, 30 * 32 - 39);
}

TEST_F(ConveyorTest, LeftBeltPinsTheHeroAtZero) {
  ConveyorTile belt(0);
  hero.x = 0;
  belt.Touch(hero.link);
  EXPECT_EQ(hero.x, 0);
  hero.x = 50;
  belt.Touch(hero.link);
  EXPECT_EQ(hero.x, 49);
}

TEST_F(ConveyorTest, BeltsStopAtWalls) {
  ConveyorTile right(1);
  hero.y = 100;
  hero.x = 320 - 32;
  right.Touch(hero.link);
  EXPECT_EQ(hero.x, 320 - 32);

  ConveyorTile left(0);
  hero.x = 352;
  left.Touch(hero.link);
  EXPECT_EQ(hero.x, 352);
  hero.x = 353;
  left.Touch(hero.link);
  EXPECT_EQ(hero.x, 352);
}

TEST_F(ConveyorTest, TheCameraFollowsACarriedHeroPastTheMiddle) {
  ConveyorTile right(1);
  world.cameraX = 100;
  hero.x = 100 + 319;
  right.Touch(hero.link);
  EXPECT_EQ(world.cameraX, 100);
  right.Touch(hero.link);
  EXPECT_EQ(world.cameraX, 101);

  ConveyorTile left(0);
  world.cameraX = 200;
  hero.x = 200 + 321;
  left.Touch(hero.link);
  EXPECT_EQ(world.cameraX, 200);
  left.Touch(hero.link);
  EXPECT_EQ(world.cameraX, 199);
}

TEST_F(ConveyorTest, BeltPictureChangesEveryEightFramesAndResets) {
  ConveyorTile belt(0);
  for (int i = 0; i < 7; ++i) belt.Update();
  EXPECT_EQ(belt.frame, 0);
  belt.Update();
  EXPECT_EQ(belt.frame, 1);
  for (int i = 0; i < 8; ++i) belt.Update();
  EXPECT_EQ(belt.frame, 0);
  for (int i = 0; i < 11; ++i) belt.Update();
  belt.Reset();
  EXPECT_EQ(belt.frame, 0);
  EXPECT_EQ(belt.counter, 0);
}

namespace {
void RunFrames(BombTrapTile& trap, int frames) {
  for (int i = 0; i < frames; ++i) trap.Update();
}
}  // namespace

TEST_F(TileTest, BombTrapStartsOnlyFromFeetNearItsSurface) {
  BombTrapTile trap(320, 256);
  hero.x = 330;
  hero.y = 256 - 32 - 4;
  trap.Touch(hero.link);
  EXPECT_EQ(trap.state, 0);
  hero.y = 256 - 32 - 3;
  trap.Touch(hero.link);
  EXPECT_EQ(trap.state, 1);
  EXPECT_EQ(trap.frame, 1);

  BombTrapTile below(320, 256);
  hero.y = 256 - 32 + 4;
  below.Touch(hero.link);
  EXPECT_EQ(below.state, 0);
  hero.y = 256 - 32 + 3;
  hero.x = 320 - 32;
  below.Touch(hero.link);
  EXPECT_EQ(below.state, 1);
}

TEST_F(TileTest, BombTrapTicksNinetyFramesThenBlowsOpenAndResetRearmsIt) {
  BombTrapTile trap(0, 256);
  RunFrames(trap, 50);
  EXPECT_EQ(trap.frame, 0);
  hero.x = 0;
  hero.y = 256 - 32;
  trap.Touch(hero.link);
  hero.x = 500;  // stepping off does not stop it
  RunFrames(trap, 89);
  EXPECT_TRUE(trap.solid);
  EXPECT_EQ(trap.frame, 3);
  RunFrames(trap, 1);
  EXPECT_FALSE(trap.solid);
  EXPECT_EQ(trap.frame, 4);
  EXPECT_EQ(trap.state, 2);
  RunFrames(trap, 15);
  EXPECT_EQ(trap.frame, 7);
  RunFrames(trap, 1);
  EXPECT_EQ(trap.frame, 8);
  EXPECT_EQ(trap.state, 3);
  RunFrames(trap, 100);
  EXPECT_EQ(trap.frame, 8);
  trap.Touch(hero.link);
  EXPECT_EQ(trap.state, 3);

  trap.Reset();
  EXPECT_TRUE(trap.solid);
  EXPECT_EQ(trap.state, 0);
  EXPECT_EQ(trap.frame, 0);
  EXPECT_EQ(trap.framePeriod, 30);
}
