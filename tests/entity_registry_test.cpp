#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "entities/player.h"
#include "entities/registry.h"
#include "world/world.h"

namespace {
std::vector<std::string> calls;
int destroyed = 0;

// The smallest enemy: its contact handling is the base rule, and it owns a member that only its
// own destructor releases.
class TestEnemy : public Entity {
 public:
  TestEnemy(int x, int y, std::string name = "TestEnemy") : label(new std::string(name)) {
    this->x = x;
    this->y = y;
    w = 20;
    h = 20;
    typeName = "Soldier";
  }
  ~TestEnemy() override { ++destroyed; }
  void Update() override { calls.push_back("update " + *label); }
  void Draw() override { calls.push_back("draw " + *label); }
  void WriteLevelLine(std::ostream& out) override { WriteRecord(out, {1, -7}); }
  void Animate() override {}
  void Collide() override { TouchPlayer(); }

  std::unique_ptr<std::string> label;
};

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    destroyed = 0;
    world.enemiesKilled = 0;
    hero.x = 100;
    hero.y = 100;
    thePlayer = &hero;
  }
  void TearDown() override {
    ClearEntities();
    thePlayer = nullptr;
  }

  Player hero;
};
}  // namespace

TEST_F(RegistryTest, AnEmptyLevelRunsNothingAndClearsToEmpty) {
  UpdateEntities();
  DrawEntities();
  EXPECT_TRUE(calls.empty());
  ClearEntities();
  EXPECT_TRUE(entityList.empty());
  EXPECT_TRUE(kickedShells.empty());
}

TEST_F(RegistryTest, ObjectsRunInFileOrderActiveOrNotAndAreDeletedThroughTheBase) {
  AddEntity(new TestEnemy(0, 0, "a"));
  AddEntity(new TestEnemy(0, 0, "b"));
  AddEntity(nullptr);
  entityList[0]->Kill();
  UpdateEntities();
  DrawEntities();
  EXPECT_EQ(calls, (std::vector<std::string>{"update a", "update b", "draw a", "draw b"}));
  EXPECT_EQ(entityList.size(), 2u);

  int shellX = 0;
  int shellY = 0;
  kickedShells.emplace_back(&shellX, &shellY);
  ClearEntities();
  EXPECT_EQ(destroyed, 2);
  EXPECT_TRUE(entityList.empty());
  EXPECT_TRUE(kickedShells.empty());
}

TEST_F(RegistryTest, DefaultKillDeactivatesAndCounts) {
  TestEnemy enemy(0, 0);
  enemy.Kill();
  EXPECT_FALSE(enemy.active);
  EXPECT_EQ(world.enemiesKilled, 1);
}

TEST_F(RegistryTest, RecordLineHoldsNamePositionAndExtras) {
  TestEnemy enemy(32, -5);
  std::ostringstream line;
  enemy.WriteLevelLine(line);
  EXPECT_EQ(line.str(), "Soldier 32 -5 1 -7\n");
  const SDL_Rect box = enemy.EntityRect();
  EXPECT_EQ(box.x, 32);
  EXPECT_EQ(box.y, -5);
  EXPECT_EQ(box.w, 20);
  EXPECT_EQ(box.h, 20);
}

TEST_F(RegistryTest, AFallingHeroStompsAndBounces) {
  TestEnemy enemy(110, 120);
  hero.airborne = true;
  hero.vy = -1;
  enemy.Collide();
  EXPECT_FALSE(enemy.active);
  EXPECT_EQ(world.enemiesKilled, 1);
  EXPECT_GT(hero.vy, 0);
  EXPECT_EQ(hero.health, 3);
}

TEST_F(RegistryTest, TouchingWhileStandingRisingOrAtTheTopHurts) {
  const int health = hero.health;
  struct Case {
    bool airborne;
    int vy;
  };
  for (Case c : {Case{false, 0}, Case{true, 0}, Case{true, 5}}) {
    Player fresh;
    fresh.x = 100;
    fresh.y = 100;
    fresh.airborne = c.airborne;
    fresh.vy = c.vy;
    thePlayer = &fresh;
    TestEnemy enemy(110, 120);
    enemy.Collide();
    EXPECT_TRUE(enemy.active) << c.airborne << " " << c.vy;
    EXPECT_EQ(fresh.health, health - 1) << c.airborne << " " << c.vy;
  }
  thePlayer = &hero;
}

TEST_F(RegistryTest, BoxesSharingOnlyAnEdgeTouchButACrossDoesNot) {
  TestEnemy edge(132, 100);  // the hero's box ends at x = 132
  hero.airborne = false;
  edge.Collide();
  EXPECT_EQ(hero.health, 2);

  Player crossing;
  crossing.x = 100;
  crossing.y = 90;
  crossing.w = 10;
  crossing.h = 40;
  thePlayer = &crossing;
  TestEnemy across(90, 100);
  across.w = 30;
  across.h = 10;
  across.Collide();
  EXPECT_EQ(crossing.health, 3);
  thePlayer = &hero;
}

TEST_F(RegistryTest, TheTankRunsEnemiesOverUnharmed) {
  hero.inTank = true;
  hero.w = 150;
  hero.h = 100;
  TestEnemy enemy(200, 150);
  enemy.Collide();
  EXPECT_FALSE(enemy.active);
  EXPECT_EQ(hero.health, 3);
}

TEST_F(RegistryTest, OneTankShotKillsEveryEnemyItCrossesAndFliesOn) {
  hero.x = 1000;
  hero.tankShot.active = true;
  hero.tankShot.x = 300;
  hero.tankShot.y = 300;
  TestEnemy enemies[3] = {TestEnemy(295, 295), TestEnemy(305, 300), TestEnemy(310, 310)};
  for (TestEnemy& enemy : enemies) enemy.Collide();
  for (TestEnemy& enemy : enemies) EXPECT_FALSE(enemy.active);
  EXPECT_EQ(world.enemiesKilled, 3);
  EXPECT_TRUE(hero.tankShot.active);
}

TEST_F(RegistryTest, ADeadOrMissingHeroIsLeftAlone) {
  TestEnemy enemy(110, 120);
  hero.dead = true;
  hero.airborne = true;
  hero.vy = -4;
  enemy.Collide();
  EXPECT_TRUE(enemy.active);
  thePlayer = nullptr;
  enemy.Collide();
  EXPECT_TRUE(enemy.active);
}

TEST_F(RegistryTest, EveryKickedShellOverlappingAnEnemyKillsItOnce) {
  int shellX = 500;
  int shellY = 500;
  int otherX = 505;
  int otherY = 505;
  int farX = 0;
  int farY = 0;
  kickedShells = {{&farX, &farY}, {&shellX, &shellY}, {&otherX, &otherY}};
  TestEnemy enemy(530, 510);
  enemy.CheckKickedShells();
  EXPECT_EQ(world.enemiesKilled, 2);

  TestEnemy clear(541, 510);
  shellX = 500;
  otherX = 500;
  clear.CheckKickedShells();
  EXPECT_TRUE(clear.active);
  shellX = 502;  // the shell moves on and now reaches it
  clear.CheckKickedShells();
  EXPECT_FALSE(clear.active);
}
