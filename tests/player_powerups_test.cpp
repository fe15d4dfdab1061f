#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/progress.h"
#include "entities/player.h"
#include "hero_test_world.h"
#include "world/world.h"

namespace {
const int kFloorRow = 12;

class PlayerPowerUpsTest : public ::testing::Test {
 protected:
  Player hero;
  void SetUp() override {
    thePlayer = &hero;
    std::vector<std::string> rows(15, std::string(40, '.'));
    rows[kFloorRow] = rows[13] = rows[14] = std::string(40, '#');
    BuildHeroWorld(rows);
    StandHeroOn(hero, 100, kFloorRow);
  }
  void TearDown() override {
    FreeWorld();
    thePlayer = nullptr;
    costume = 0;
  }
  void LandAgain() {
    for (int update = 0; update < 300 && hero.airborne; ++update) hero.Update();
    ASSERT_FALSE(hero.airborne);
  }
};

TEST_F(PlayerPowerUpsTest, TheJetpackGivesTenLaunchesFromTheGroundAndThenEnds) {
  hero.SetEffect(1);
  for (int launch = 1; launch <= 10; ++launch) {
    hero.Update();
    ASSERT_TRUE(hero.effectActive) << "before launch " << launch;
    hero.JetpackBoost();
    EXPECT_EQ(30, hero.vy);
    EXPECT_EQ(100 * launch, hero.effectElapsed);
    hero.JetpackBoost();  // in the air: refused
    EXPECT_EQ(100 * launch, hero.effectElapsed);
    LandAgain();
  }
  EXPECT_FALSE(hero.effectActive);
  hero.JetpackBoost();
  EXPECT_FALSE(hero.airborne);
  EXPECT_EQ(1000, hero.effectElapsed);
}

TEST_F(PlayerPowerUpsTest, TheSpeedUpDoublesTheWalkAndLasts1001Updates) {
  hero.SetEffect(0);
  EXPECT_EQ(3, hero.frameDelay);
  for (int update = 0; update < 1000; ++update) hero.Update();
  EXPECT_TRUE(hero.effectActive);
  EXPECT_EQ(8, hero.walkSpeed);
  hero.Update();
  EXPECT_FALSE(hero.effectActive);
  EXPECT_EQ(5, hero.frameDelay);
  hero.Update();
  EXPECT_EQ(4, hero.walkSpeed);
  hero.MoveRight();
  EXPECT_EQ(104, hero.x);
}

TEST_F(PlayerPowerUpsTest, AnUnknownEffectTypeStartsNothing) {
  hero.SetEffect(7);
  EXPECT_FALSE(hero.effectActive);
  EXPECT_EQ(0, hero.effectType);
}

TEST_F(PlayerPowerUpsTest, TheSecondLookWalksAtEightJumpsAtThirteenAndSpeedsUpToTwelve) {
  costume = 1;
  StandHeroOn(hero, 100, kFloorRow);
  hero.Update();
  EXPECT_EQ(8, hero.walkSpeed);
  hero.SetEffect(0);
  hero.Update();
  EXPECT_EQ(12, hero.walkSpeed);
  hero.Jump();
  EXPECT_EQ(13, hero.vy);
}
}  // namespace
