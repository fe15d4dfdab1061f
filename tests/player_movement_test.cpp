#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/progress.h"
#include "entities/player.h"
#include "hero_test_world.h"
#include "world/world.h"

namespace {
const int kFloorRow = 12;
const int kStandingY = kFloorRow * kTileSize - 33;  // feet on the last free row above the floor

// 40 columns of open air over a grass floor.
std::vector<std::string> OpenField() {
  std::vector<std::string> rows(15, std::string(40, '.'));
  rows[kFloorRow] = rows[13] = rows[14] = std::string(40, '#');
  return rows;
}

class PlayerMovementTest : public ::testing::Test {
 protected:
  Player hero;
  void SetUp() override {
    srand(7);
    thePlayer = &hero;
  }
  void TearDown() override {
    FreeWorld();
    thePlayer = nullptr;
  }
  // One frame as the play screen runs it: controls first, then the update.
  void HoldJumpFrame() {
    if (hero.airborne) {
      hero.JumpHold();
    } else {
      hero.Jump();
    }
    hero.Update();
  }
  // Runs frames until the hero lands; returns the highest point (smallest y) reached.
  int PeakUntilLanded(bool holdJump) {
    int peak = hero.y;
    for (int frame = 0; frame < 200; ++frame) {
      if (holdJump) {
        HoldJumpFrame();
      } else {
        hero.Update();
      }
      peak = std::min(peak, hero.y);
      if (!hero.airborne) break;
    }
    return peak;
  }
};

TEST_F(PlayerMovementTest, TappedJumpStartsAtFiveRisesFifteenAndLandsOnTheSameRow) {
  BuildHeroWorld(OpenField());
  StandHeroOn(hero, 100, kFloorRow);
  hero.Jump();
  EXPECT_EQ(5, hero.vy);
  EXPECT_TRUE(hero.airborne);
  EXPECT_EQ(3, hero.frame);
  EXPECT_EQ(kStandingY - 15, PeakUntilLanded(false));
  EXPECT_FALSE(hero.airborne);
  EXPECT_EQ(kStandingY, hero.y);
}

TEST_F(PlayerMovementTest, HoldingJumpAddsTwoOnEachOfTheSixFramesAfterTheJump) {
  BuildHeroWorld(OpenField());
  StandHeroOn(hero, 100, kFloorRow);
  HoldJumpFrame();
  std::vector<int> boosts;
  int peak = hero.y;
  for (int frame = 0; frame < 10; ++frame) {
    const int before = hero.vy;
    hero.JumpHold();
    boosts.push_back(hero.vy - before);
    hero.Update();
    peak = std::min(peak, hero.y);
  }
  EXPECT_EQ((std::vector<int>{2, 2, 2, 2, 2, 2, 0, 0, 0, 0}), boosts);
  peak = std::min(peak, PeakUntilLanded(true));
  EXPECT_LT(peak, kStandingY - 15);
  EXPECT_EQ(kStandingY, hero.y);
}

TEST_F(PlayerMovementTest, HoldingJumpDoesNothingWhileFallingOrOnAFreshJumpWhileAirborne) {
  BuildHeroWorld(OpenField());
  StandHeroOn(hero, 100, kFloorRow);
  hero.airborne = true;
  hero.vy = 0;
  hero.JumpHold();
  EXPECT_EQ(0, hero.vy);
  hero.vy = 4;
  hero.Jump();  // no double jump
  EXPECT_EQ(4, hero.vy);
}

TEST_F(PlayerMovementTest, HeadBumpStopsTheRiseAndTheHeroFallsBackToTheFloor) {
  std::vector<std::string> rows = OpenField();
  rows[9] = std::string(40, '#');  // ceiling two cells above the floor
  BuildHeroWorld(rows);
  StandHeroOn(hero, 100, kFloorRow);
  bool bumped = false;
  for (int frame = 0; frame < 100 && !bumped; ++frame) {
    HoldJumpFrame();
    if (hero.y < 10 * kTileSize) {
      bumped = true;
      EXPECT_EQ(0, hero.vy);
    }
  }
  ASSERT_TRUE(bumped);
  PeakUntilLanded(false);
  EXPECT_FALSE(hero.airborne);
  EXPECT_EQ(kStandingY, hero.y);
}

TEST_F(PlayerMovementTest, WalkingOffALedgeStartsTheFallAtMinusOneInTheSameUpdate) {
  std::vector<std::string> rows = OpenField();
  rows[kFloorRow] = std::string(5, '#') + std::string(35, '.');
  BuildHeroWorld(rows);
  StandHeroOn(hero, 156, kFloorRow);
  hero.Update();
  ASSERT_FALSE(hero.airborne);  // one foot still on the last grass cell
  hero.MoveRight();
  hero.Update();
  EXPECT_TRUE(hero.airborne);
  EXPECT_EQ(-1, hero.vy);
}

TEST_F(PlayerMovementTest, TheLevelEdgesHoldTheHeroAtZeroAndAtWidthMinus32) {
  BuildHeroWorld(OpenField());
  StandHeroOn(hero, 2, kFloorRow);
  hero.MoveLeft();
  hero.MoveLeft();
  EXPECT_EQ(0, hero.x);
  EXPECT_EQ(1, hero.facing);
  hero.SetPosition(40 * kTileSize - 34, kStandingY);
  hero.MoveRight();
  hero.MoveRight();
  EXPECT_EQ(40 * kTileSize - 32, hero.x);
  EXPECT_EQ(0, hero.facing);
}

TEST_F(PlayerMovementTest, WallsStopTheHeroAtHeadAndMiddleHeight) {
  std::vector<std::string> rows = OpenField();
  rows[11][10] = '#';  // a block level with his middle, to his right
  rows[10][2] = '#';   // a block hanging at the height of his head, to his left
  rows[11][2] = '.';
  BuildHeroWorld(rows);
  StandHeroOn(hero, 10 * kTileSize - 33, kFloorRow);
  hero.MoveRight();
  EXPECT_EQ(10 * kTileSize - 33, hero.x);
  hero.SetPosition(3 * kTileSize + 2, kStandingY - 10);
  hero.MoveLeft();
  EXPECT_EQ(3 * kTileSize + 2, hero.x);
}

TEST_F(PlayerMovementTest, WalkingAnimatesTwoOneZeroOneTwoEveryFiveFrames) {
  BuildHeroWorld(OpenField());
  StandHeroOn(hero, 40, kFloorRow);
  std::vector<int> frames{hero.frame};
  for (int frame = 0; frame < 30; ++frame) {
    hero.MoveRight();
    hero.Update();
    if (hero.frame != frames.back()) frames.push_back(hero.frame);
  }
  EXPECT_EQ((std::vector<int>{1, 2, 1, 0, 1, 2}), frames);
  hero.StopWalking();
  EXPECT_EQ(1, hero.frame);
}

TEST_F(PlayerMovementTest, TheCameraKeepsAWalkingHeroAtTheMiddleOfTheView) {
  BuildHeroWorld(OpenField());
  StandHeroOn(hero, 300, kFloorRow);
  for (int i = 0; i < 10; ++i) hero.MoveRight();
  EXPECT_EQ(340, hero.x);
  EXPECT_EQ(20, world.cameraX);
  for (int i = 0; i < 20; ++i) hero.MoveLeft();
  EXPECT_EQ(0, world.cameraX);
}

TEST_F(PlayerMovementTest, InWaterTheHeroWalksAtThreeJumpsAtTenAndFallsEveryThirdFrame) {
  std::vector<std::string> rows(15, std::string(40, '~'));
  rows[14] = std::string(40, '#');
  BuildHeroWorld(rows);
  StandHeroOn(hero, 100, 2);  // no floor under him there: he sinks through the water
  int moves = 0;
  for (int frame = 0; frame < 12; ++frame) {
    const int before = hero.y;
    hero.Update();
    if (hero.y != before) ++moves;
  }
  EXPECT_EQ(4, moves);
  EXPECT_TRUE(hero.inWater);
  EXPECT_EQ(3, hero.walkSpeed);

  StandHeroOn(hero, 100, 14);
  hero.Update();
  hero.Jump();
  EXPECT_EQ(10, hero.vy);
}

TEST_F(PlayerMovementTest, WithTheSpeedUpInWaterTheHeroWalksAtSixAndFallsEverySecondFrame) {
  std::vector<std::string> rows(15, std::string(40, '~'));
  rows[14] = std::string(40, '#');
  BuildHeroWorld(rows);
  StandHeroOn(hero, 100, 2);
  hero.SetEffect(0);
  int moves = 0;
  for (int frame = 0; frame < 12; ++frame) {
    const int before = hero.y;
    hero.Update();
    if (hero.y != before) ++moves;
  }
  EXPECT_EQ(6, moves);
  EXPECT_EQ(6, hero.walkSpeed);
}

TEST_F(PlayerMovementTest, InSludgeTheHeroSinksAPixelAFrameNeverFallsAndSwimsUpAtSix) {
  std::vector<std::string> rows(15, std::string(40, '.'));
  for (int row = 6; row < 15; ++row) rows[row] = std::string(40, 's');
  BuildHeroWorld(rows);
  hero.StartLevel(100, 6 * kTileSize - 20);  // head above the surface, feet in the sludge
  for (int frame = 0; frame < 5; ++frame) hero.Update();
  EXPECT_EQ(6 * kTileSize - 15, hero.y);
  EXPECT_FALSE(hero.airborne);
  EXPECT_FALSE(hero.dead);

  hero.Jump();
  EXPECT_EQ(3, hero.vy);
  for (int frame = 0; frame < 4; ++frame) {
    hero.JumpHold();
    EXPECT_EQ(6, hero.vy);
    hero.Update();
  }
}

TEST_F(PlayerMovementTest, TilesActOnTheHeroThroughHisLink) {
  std::vector<std::string> rows = OpenField();
  rows[11][3] = 'o';                                    // a spring where his feet are
  rows[kFloorRow].replace(20, 4, ">>>>");               // a belt to the right
  rows[11][30] = '^';                                   // spikes
  BuildHeroWorld(rows);

  StandHeroOn(hero, 3 * kTileSize + 4, kFloorRow);
  hero.Update();
  EXPECT_TRUE(hero.airborne);
  EXPECT_EQ(30, hero.vy);

  StandHeroOn(hero, 20 * kTileSize + 4, kFloorRow);
  hero.Update();
  EXPECT_EQ(20 * kTileSize + 6, hero.x);  // both feet on the belt: two pixels a frame

  StandHeroOn(hero, 30 * kTileSize + 4, kFloorRow);
  hero.Update();
  EXPECT_TRUE(hero.dead);
  hero.Update();
  EXPECT_EQ(4, hero.frame);
}

TEST_F(PlayerMovementTest, AHeroWhoFallsOutBelowTheLevelLosesALife) {
  std::vector<std::string> rows = OpenField();
  rows[kFloorRow].replace(10, 3, "...");
  rows[13].replace(10, 3, "...");
  rows[14].replace(10, 3, "...");
  BuildHeroWorld(rows);
  lives = 2;
  StandHeroOn(hero, 10 * kTileSize + 20, kFloorRow);
  hero.Update();
  ASSERT_TRUE(hero.airborne);
  int frames = 0;
  while (hero.alive && frames < 1000) {
    hero.Update();
    ++frames;
  }
  EXPECT_FALSE(hero.alive);
  EXPECT_EQ(1, hero.lifeCount);
  EXPECT_EQ(0, world.cameraY);  // the 15-row level is one screen high: the camera never moved
}

class TankDrivingTest : public PlayerMovementTest {
 protected:
  const int tankY = kFloorRow * kTileSize - 101;
  void Board(int x) {
    hero.StartLevel(x, tankY);
    hero.EnterTank();
  }
};

TEST_F(TankDrivingTest, TheTankDrivesThreePixelsAndIgnoresGravityAndTiles) {
  std::vector<std::string> rows = OpenField();
  rows[11][2] = '^';
  BuildHeroWorld(rows);
  Board(40);
  hero.MoveRight();
  EXPECT_EQ(43, hero.x);
  hero.MoveLeft();
  EXPECT_EQ(40, hero.x);
  EXPECT_EQ(1, hero.facing);
  hero.Update();
  EXPECT_FALSE(hero.dead);
  EXPECT_EQ(5, hero.frame);
  EXPECT_EQ(tankY, hero.y);
}

TEST_F(TankDrivingTest, TheTankWillNotDriveOverAGap) {
  std::vector<std::string> rows = OpenField();
  rows[kFloorRow].replace(20, 5, ".....");
  BuildHeroWorld(rows);
  Board(20 * kTileSize - 150 - 2);
  hero.MoveRight();
  EXPECT_EQ(20 * kTileSize - 150 - 2, hero.x);
  hero.MoveLeft();
  EXPECT_EQ(20 * kTileSize - 150 - 5, hero.x);
}

TEST_F(TankDrivingTest, WallsAtTheTanksThreeHeightsStopIt) {
  const int x = 20 * kTileSize - 150 - 2;
  for (int row : {9, 10, 11}) {
    std::vector<std::string> rows = OpenField();
    rows[row][20] = '#';
    BuildHeroWorld(rows);
    Board(x);
    hero.MoveRight();
    EXPECT_EQ(x, hero.x) << "block in row " << row;
  }
  std::vector<std::string> rows = OpenField();
  rows[8][20] = '#';  // above the tank's highest test point
  BuildHeroWorld(rows);
  Board(x);
  hero.MoveRight();
  EXPECT_EQ(x + 3, hero.x);
}
}  // namespace
