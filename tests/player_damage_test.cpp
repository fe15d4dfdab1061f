#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/progress.h"
#include "entities/player.h"
#include "hero_test_world.h"
#include "world/world.h"

namespace {
const int kFloorRow = 12;

std::vector<std::string> OpenField() {
  std::vector<std::string> rows(15, std::string(40, '.'));
  rows[kFloorRow] = rows[13] = rows[14] = std::string(40, '#');
  return rows;
}

class PlayerDamageTest : public ::testing::Test {
 protected:
  Player hero;
  void SetUp() override {
    srand(11);
    thePlayer = &hero;
    lives = 2;
    BuildHeroWorld(OpenField());
    StandHeroOn(hero, 100, kFloorRow);
  }
  void TearDown() override {
    FreeWorld();
    thePlayer = nullptr;
    lives = kStartingLives;
  }
  int UpdatesUntilGone() {
    int updates = 0;
    while (hero.alive && updates < 1000) {
      hero.Update();
      ++updates;
    }
    return updates;
  }
};

TEST_F(PlayerDamageTest, HurtAtThreeBlinksFor61UpdatesAndIgnoresFurtherHurts) {
  hero.Hurt();
  EXPECT_EQ(2, hero.health);
  EXPECT_TRUE(hero.invulnerable);
  EXPECT_FALSE(hero.noBlink);
  for (int update = 0; update < 60; ++update) {
    hero.Update();
    hero.Hurt();
  }
  EXPECT_TRUE(hero.invulnerable);
  EXPECT_EQ(2, hero.health);
  hero.Update();
  EXPECT_FALSE(hero.invulnerable);
  EXPECT_EQ(0, hero.invulnerableTimer);
  hero.Hurt();
  EXPECT_EQ(1, hero.health);
}

TEST_F(PlayerDamageTest, HurtAtOneHealthHopsAndFallsOutOfViewCostingALifeAndTheMoney) {
  hero.health = 1;
  hero.levelMoney = 37;
  hero.Hurt();
  EXPECT_TRUE(hero.dead);
  EXPECT_TRUE(hero.airborne);
  EXPECT_EQ(10, hero.vy);
  const int startY = hero.y;
  hero.Update();
  hero.Update();
  EXPECT_LT(hero.y, startY);  // the hop goes up first, through nothing
  EXPECT_EQ(4, hero.frame);
  UpdatesUntilGone();
  EXPECT_FALSE(hero.alive);
  EXPECT_FALSE(hero.dead);
  EXPECT_GT(hero.y - world.cameraY, 480);
  EXPECT_EQ(3, hero.health);
  EXPECT_EQ(1, hero.lifeCount);
  EXPECT_EQ(0, hero.levelMoney);
}

TEST_F(PlayerDamageTest, AFallingCorpseCannotBeHurtAgain) {
  hero.health = 1;
  hero.Hurt();
  hero.Update();
  hero.Update();
  const int vy = hero.vy;
  ASSERT_LT(vy, 10);
  hero.Hurt();
  EXPECT_EQ(0, hero.health);
  EXPECT_EQ(vy, hero.vy);
}

TEST_F(PlayerDamageTest, ABounceStartsAtEightAndHoldingTheJumpKeyCannotRaiseIt) {
  hero.airborne = true;
  hero.vy = -4;
  hero.Bounce();
  EXPECT_EQ(8, hero.vy);
  EXPECT_TRUE(hero.invulnerable);
  EXPECT_TRUE(hero.noBlink);
  hero.JumpHold();
  EXPECT_EQ(8, hero.vy);
  for (int update = 0; update < 21; ++update) hero.Update();
  EXPECT_FALSE(hero.invulnerable);
  EXPECT_FALSE(hero.noBlink);
}

TEST_F(PlayerDamageTest, DeathInTheTankRestoresTheHerosOwnBox) {
  hero.EnterTank();
  EXPECT_EQ(150, hero.w);
  EXPECT_EQ(100, hero.h);
  hero.health = 1;
  hero.Hurt();
  EXPECT_FALSE(hero.inTank);
  EXPECT_EQ(32, hero.w);
  EXPECT_EQ(32, hero.h);
  EXPECT_TRUE(hero.dead);
}

TEST_F(PlayerDamageTest, RespawnUsesTheFurthestCheckpointAndResetsTheHerosState) {
  hero.checkpoints = {{100, 64}, {900, 96}, {500, 128}, {900, 160}};
  hero.health = 1;
  hero.SetEffect(1);
  hero.Hurt();
  UpdatesUntilGone();
  hero.Respawn();
  EXPECT_TRUE(hero.alive);
  EXPECT_EQ(900, hero.x);
  EXPECT_EQ(96, hero.y);  // the earlier of the two at x = 900
  EXPECT_FALSE(hero.airborne);
  EXPECT_EQ(0, hero.vy);
  EXPECT_EQ(1, hero.frame);
  EXPECT_FALSE(hero.effectActive);
  EXPECT_FALSE(hero.invulnerable);
  EXPECT_EQ(4u, hero.checkpoints.size());
  EXPECT_EQ(3, hero.health);
  EXPECT_EQ(1, hero.lifeCount);
}

TEST_F(PlayerDamageTest, RespawnWithoutACheckpointReturnsToTheLevelStart) {
  world.startX = 64;
  world.startY = 200;
  hero.x = 700;
  hero.Respawn();
  EXPECT_EQ(64, hero.x);
  EXPECT_EQ(200, hero.y);
}

TEST_F(PlayerDamageTest, TouchingACheckpointRemembersWhereToComeBack) {
  std::vector<std::string> rows = OpenField();
  rows[11][3] = 'c';
  BuildHeroWorld(rows);
  StandHeroOn(hero, 3 * kTileSize + 4, kFloorRow);
  hero.Update();
  ASSERT_FALSE(hero.checkpoints.empty());
  hero.SetPosition(800, 100);
  hero.Respawn();
  EXPECT_EQ(3 * kTileSize, hero.x);
  EXPECT_EQ(11 * kTileSize, hero.y);
}

TEST_F(PlayerDamageTest, StartLevelTakesLivesHatAndLookFromTheProgressAndGroundsTheShot) {
  lives = 5;
  hat = 4;
  costume = 1;
  hero.checkpoints = {{10, 10}};
  hero.tankShot.active = true;
  hero.health = 1;
  hero.StartLevel(20, 100);
  EXPECT_EQ(5, hero.lifeCount);
  EXPECT_EQ(4, hero.hat);
  EXPECT_EQ(1, hero.costume);
  EXPECT_EQ(3, hero.health);
  EXPECT_TRUE(hero.checkpoints.empty());
  EXPECT_FALSE(hero.tankShot.active);
  hat = 0;
  costume = 0;
}

class TankShotTest : public PlayerDamageTest {
 protected:
  void SetUp() override {
    PlayerDamageTest::SetUp();
    hero.StartLevel(200, kFloorRow * kTileSize - 101);
    hero.EnterTank();
  }
};

TEST_F(TankShotTest, TheShotLeavesTheBarrelOnTheSideTheTankFaces) {
  hero.facing = 1;
  hero.Fire();
  EXPECT_TRUE(hero.tankShot.active);
  EXPECT_EQ(213, hero.tankShot.x);
  EXPECT_EQ(hero.y + 40, hero.tankShot.y);
  EXPECT_EQ(0, hero.tankShot.direction);
  EXPECT_EQ(-1, hero.tankShot.vy);
  hero.tankShot.active = false;
  hero.facing = 0;
  hero.Fire();
  EXPECT_EQ(324, hero.tankShot.x);
  EXPECT_EQ(1, hero.tankShot.direction);
}

TEST_F(TankShotTest, ASecondShotIsRefusedWhileTheFirstFlies) {
  hero.facing = 1;
  hero.Fire();
  hero.Update();
  const int x = hero.tankShot.x;
  EXPECT_EQ(208, x);  // flies left
  hero.facing = 0;
  hero.Fire();
  EXPECT_EQ(x, hero.tankShot.x);
  EXPECT_EQ(0, hero.tankShot.direction);
}

TEST_F(TankShotTest, TheShotBouncesOffTheFloorAndEndsAtAWall) {
  std::vector<std::string> rows = OpenField();
  rows[10][20] = rows[11][20] = '#';
  BuildHeroWorld(rows);
  hero.Fire();
  bool bounced = false;
  int updates = 0;
  while (hero.tankShot.active && updates < 200) {
    const int before = hero.tankShot.vy;
    hero.Update();
    if (hero.tankShot.vy > before) bounced = true;
    EXPECT_LE(hero.tankShot.y + hero.tankShot.h, kFloorRow * kTileSize + 10);  // it never sinks into the floor
    ++updates;
  }
  EXPECT_TRUE(bounced);
  EXPECT_FALSE(hero.tankShot.active);
  EXPECT_GE(hero.tankShot.x + hero.tankShot.w, 20 * kTileSize);
  EXPECT_LT(hero.tankShot.x, 20 * kTileSize);
}

TEST_F(TankShotTest, TheShotEndsWhenItLeavesTheView) {
  hero.facing = 1;
  hero.Fire();
  int updates = 0;
  while (hero.tankShot.active && updates < 200) {
    hero.Update();
    ++updates;
  }
  EXPECT_FALSE(hero.tankShot.active);
  EXPECT_LT(hero.tankShot.x + hero.tankShot.w, world.cameraX);
}
}  // namespace
