#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "enemies/round_world.h"
#include "enemy_art.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "hero_test_world.h"
#include "level/object_types.h"
#include "support/enemy_test_world.h"
#include "support/level_records.h"
#include "world/tile_images.h"

namespace fs = boost::filesystem;

namespace {
const int kFloorTop = kFloorRow * kTileSize;
const int kOnFloor = kFloorTop - 32;  // a soldier, a ninja or the hero standing on the floor
const int kBaronOnFloor = kFloorTop - 59;
const int kFarAway = 5000;

class RoundWorldTest : public EnemyTestWorld {
 protected:
  void SetUp() override {
    UseHero(11);
    PlaceHero(kFarAway, kOnFloor, false, 0);
    BuildFloor(std::string(60, '#'));
    world.cameraX = world.cameraY = 0;
    world.levelComplete = false;
  }
  void TearDown() override {
    EnemyTestWorld::TearDown();
    world.levelComplete = false;
  }
  // A falling hero whose feet are just inside the Baron's head box.
  void DropHeroOnHead(const Baron& baron) { PlaceHero(baron.x + 10, baron.y - 28, true, -4); }
};
}  // namespace

TEST_F(RoundWorldTest, ASoldierDoesNotSeeBehindItButHopsAndChargesAtAHeroAhead) {
  Soldier soldier(400, kOnFloor, 0);
  PlaceHero(500, kOnFloor, false, 0);
  for (int frame = 0; frame < 10; ++frame) soldier.Update();
  EXPECT_EQ(soldier.alert, 0);
  EXPECT_EQ(soldier.x, 380) << "walking on at 2 pixels a frame";

  PlaceHero(200, kOnFloor, false, 0);
  soldier.Update();
  ASSERT_EQ(soldier.alert, 1);
  EXPECT_TRUE(soldier.airborne);
  EXPECT_EQ(soldier.frame, 3);
  const int x = soldier.x;
  int highest = soldier.y;
  int hopFrames = 0;
  while (soldier.airborne && hopFrames < 40) {
    soldier.Update();
    highest = std::min(highest, soldier.y);
    ++hopFrames;
    if (soldier.airborne) {
      EXPECT_EQ(soldier.x, x) << "a hop goes straight up";
    }
  }
  EXPECT_EQ(hopFrames, 21);
  EXPECT_EQ(highest, kOnFloor - 55);
  EXPECT_EQ(soldier.y, kOnFloor) << "back on the floor's surface";
  EXPECT_EQ(soldier.x, x - 4) << "landed and charging at double speed";
  soldier.Update();
  EXPECT_EQ(soldier.x, x - 8);
}

TEST_F(RoundWorldTest, AChargingSoldierKeepsItsDirectionAndCalmsAtAWallOrALedge) {
  BuildFloor(std::string(20, '#') + std::string(40, '.'), ".." + std::string(1, '#') + std::string(57, '.'));
  Soldier soldier(300, kOnFloor, 0);
  PlaceHero(150, kOnFloor, false, 0);
  soldier.Update();
  soldier.Update();
  ASSERT_EQ(soldier.alert, 1);
  PlaceHero(kFarAway, kOnFloor, false, 0);  // now far behind it
  int turnedAt = -1;
  for (int frame = 0; frame < 120 && turnedAt < 0; ++frame) {
    soldier.Update();
    if (soldier.direction == 1) turnedAt = soldier.x;
  }
  EXPECT_EQ(turnedAt, 98) << "stepped back from the wall at 64..95";
  EXPECT_EQ(soldier.alert, 0);
  soldier.Update();
  EXPECT_EQ(soldier.x, 100) << "walking calmly back";

  soldier.x = 20 * kTileSize - 40;
  soldier.direction = Soldier::kRight;
  soldier.alert = 1;
  for (int frame = 0; frame < 5; ++frame) soldier.Update();
  EXPECT_EQ(soldier.direction, 0) << "turned at the ledge";
  EXPECT_EQ(soldier.alert, 0);
  EXPECT_LE(soldier.x + 32, 20 * kTileSize - 1);
}

TEST_F(RoundWorldTest, ASoldierKilledInItsHopDropsToTheFloorAndDiesThroughItsFrames) {
  Soldier soldier(400, kOnFloor, 0);
  PlaceHero(250, kOnFloor, false, 0);
  soldier.Update();
  soldier.Update();
  ASSERT_TRUE(soldier.airborne);
  for (int frame = 0; frame < 5; ++frame) soldier.Update();
  ASSERT_LT(soldier.y, kOnFloor - 30);
  soldier.Kill();
  soldier.Kill();
  EXPECT_EQ(world.enemiesKilled, 1);
  std::vector<int> frames;
  for (int frame = 0; frame < 70; ++frame) {
    soldier.Update();
    frames.push_back(soldier.frame);
  }
  EXPECT_EQ(soldier.y, kOnFloor);
  EXPECT_FALSE(soldier.airborne);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 6), 2);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 7), 3);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 8), 3);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 9), 50);
  EXPECT_EQ(frames.back(), 10);
  EXPECT_EQ(soldier.state, 2);
}

TEST_F(RoundWorldTest, ANinjaWaitsUnseenThenRunsAtTheHero) {
  Ninja ninja(1000, kOnFloor, 0);
  PlaceHero(1400, kOnFloor, false, 0);
  for (int frame = 0; frame < 10; ++frame) ninja.Update();
  EXPECT_FALSE(ninja.running);
  EXPECT_EQ(ninja.x, 1000);
  world.cameraX = 500;
  ninja.Update();
  EXPECT_TRUE(ninja.running);
  EXPECT_EQ(ninja.direction, 1) << "the hero is to its right";
  EXPECT_EQ(ninja.x, 1004);
  EXPECT_EQ(world.enemyCount, 1);
}

TEST_F(RoundWorldTest, ANinjaRunsOffLedgesLandsAndTurnsAtWalls) {
  std::vector<std::string> rows(10, std::string(30, '.'));
  rows[6] = std::string(10, '#') + std::string(20, '.');
  rows[9] = std::string(30, '#');
  rows[8] = std::string(20, '.') + "#" + std::string(9, '.');
  BuildHeroWorld(rows);
  Ninja ninja(200, 6 * kTileSize - 32, 1);
  PlaceHero(600, kOnFloor, false, 0);
  int turnedAt = -1;
  for (int frame = 0; frame < 200 && turnedAt < 0; ++frame) {
    ninja.Update();
    if (ninja.direction == 0) turnedAt = ninja.x;
  }
  EXPECT_EQ(ninja.y, kOnFloor) << "fallen to the lower floor";
  EXPECT_EQ(turnedAt, 20 * kTileSize - 32 - 4) << "stepped back from the wall";
}

TEST_F(RoundWorldTest, AKilledNinjaCountsOnceAndReturnsEachTimeItsPostLeavesTheView) {
  Ninja ninja(500, kOnFloor, 0);
  PlaceHero(100, kOnFloor, false, 0);
  ninja.Update();
  ASSERT_TRUE(ninja.running);
  ninja.Kill();
  ninja.Kill();
  EXPECT_EQ(world.enemiesKilled, 1);
  for (int frame = 0; frame < 100; ++frame) ninja.Update();
  EXPECT_EQ(ninja.state, 2);
  EXPECT_EQ(ninja.frame, 5);
  EXPECT_EQ(ninja.x, 500) << "gone, at its post";
  EXPECT_FALSE(ninja.active) << "its post is in view";
  EXPECT_EQ(world.enemyCount, 1);

  world.cameraX = 2000;
  ninja.Update();
  EXPECT_TRUE(ninja.active);
  EXPECT_FALSE(ninja.running);
  EXPECT_EQ(world.enemyCount, 2);

  // Seen again, it runs; scrolled out of view it is sent home and returns once more.
  world.cameraX = 0;
  ninja.Update();
  EXPECT_TRUE(ninja.running);
  EXPECT_EQ(ninja.x, 496);
  world.cameraX = 2000;
  ninja.Update();
  EXPECT_EQ(ninja.state, 2);
  EXPECT_EQ(ninja.x, 500);
  ninja.Update();
  EXPECT_TRUE(ninja.active);
  EXPECT_EQ(world.enemyCount, 3);
  EXPECT_EQ(world.enemiesKilled, 1);
}

TEST_F(RoundWorldTest, ABomberCrossesTheViewLeftDroppingBombsAndIsGoneForGood) {
  Bomber bomber(700, 20);
  for (int frame = 0; frame < 10; ++frame) bomber.Update();
  EXPECT_FALSE(bomber.flying);
  EXPECT_EQ(bomber.x, 700);
  world.cameraX = 200;
  bomber.Update();
  EXPECT_TRUE(bomber.flying);
  EXPECT_EQ(bomber.x, 697);
  for (int frame = 0; frame < 38; ++frame) bomber.Update();
  EXPECT_FALSE(bomber.bombs[0].active);
  bomber.Update();
  ASSERT_TRUE(bomber.bombs[0].active);
  EXPECT_EQ(bomber.bombs[0].x, bomber.x + 92);
  EXPECT_EQ(bomber.bombs[0].y, 20 + 88 + 2) << "dropped, then fallen once";

  PlaceHero(bomber.x + 20, 40, true, 0);
  int frames = 40;
  while (bomber.active && frames < 400) {
    bomber.Update();
    ++frames;
  }
  EXPECT_FALSE(bomber.active);
  EXPECT_EQ(hero.health, 3) << "the bomber itself never hurts";
  EXPECT_LT(bomber.x + 200, world.cameraX);
  int falling = 0;
  for (const Bomb& bomb : bomber.bombs) falling += bomb.active;
  EXPECT_GT(falling, 0) << "bombs already dropped fall on";

  world.cameraX = bomber.x;
  for (int frame = 0; frame < 300; ++frame) bomber.Update();
  EXPECT_FALSE(bomber.active) << "it does not come back";
  for (const Bomb& bomb : bomber.bombs) EXPECT_FALSE(bomb.active);
  EXPECT_EQ(world.enemyCount, 0);
  EXPECT_EQ(world.enemiesKilled, 0);
}

TEST_F(RoundWorldTest, ABombFallsAndBurstsOnTheFloorOrOnTheHero) {
  Bomb bomb;
  bomb.Drop(300, 100);
  int frames = 0;
  while (bomb.state == 0 && frames < 200) {
    bomb.Update();
    ++frames;
  }
  EXPECT_EQ(frames, 90) << "its fuse point reached the floor at 288";
  EXPECT_EQ(bomb.x, 300 - 35);
  EXPECT_EQ(bomb.y, 280 - 32);
  EXPECT_EQ(bomb.w, 80);
  EXPECT_EQ(bomb.frame, 1);
  PlaceHero(300, kOnFloor, false, 0);
  std::vector<int> blast;
  while (bomb.active && blast.size() < 20) {
    bomb.Update();
    blast.push_back(bomb.frame);
  }
  EXPECT_EQ(blast, (std::vector<int>{1, 2, 2, 3, 3, 4, 4, 5, 5, 6}));
  EXPECT_EQ(hero.health, 2);

  PlaceHero(300, 150, true, 3);
  bomb.Drop(310, 100);
  for (int frame = 0; frame < 30 && bomb.state == 0; ++frame) bomb.Update();
  EXPECT_EQ(bomb.state, 1) << "burst on the hero in mid-air";
  EXPECT_EQ(hero.health, 2);
}

TEST_F(RoundWorldTest, ABombDroppedIntoAPitEndsBelowTheLevel) {
  BuildFloor(std::string(60, '.'));
  Bomb bomb;
  bomb.Drop(300, 100);
  int frames = 0;
  while (bomb.active && frames < 10000) {
    bomb.Update();
    ++frames;
  }
  EXPECT_FALSE(bomb.active);
  EXPECT_EQ(bomb.state, 0) << "quietly, without a blast";
  EXPECT_LE(bomb.y, 10 * kTileSize + 480 + 2);
}

TEST_F(RoundWorldTest, TouchingABaronAnywhereButFallingOnHisHeadHurts) {
  Baron baron(300, kBaronOnFloor, 1, 0);
  const struct {
    int x, y;
    bool airborne;
    int vy;
  } touches[] = {
      {270, kOnFloor, false, 0},                // from the side
      {310, kBaronOnFloor + 30, true, 5},       // jumping into him from below
      {345, kBaronOnFloor - 12, true, -4},      // landing on his shoulder, off the head box
      {310, kBaronOnFloor - 28, true, 0},       // at the top of a jump over his head
  };
  for (const auto& touch : touches) {
    PlaceHero(touch.x, touch.y, touch.airborne, touch.vy);
    baron.Collide();
    EXPECT_EQ(hero.health, 2) << touch.x << "," << touch.y;
    EXPECT_EQ(baron.health, 5);
  }
  DropHeroOnHead(baron);
  baron.Collide();
  EXPECT_EQ(hero.health, 3);
  EXPECT_EQ(hero.vy, 8) << "bounced";
  EXPECT_EQ(baron.health, 4);
  EXPECT_TRUE(baron.invulnerable);

  DropHeroOnHead(baron);
  baron.Collide();
  EXPECT_EQ(hero.health, 2) << "a flickering Baron cannot be stomped";
  EXPECT_EQ(baron.health, 4);
}

TEST_F(RoundWorldTest, AStompMakesTheBaronFlickerForFiftyFrames) {
  Baron baron(300, kBaronOnFloor, 0, 0);
  baron.Update();
  ASSERT_TRUE(baron.awake);
  DropHeroOnHead(baron);
  baron.Collide();
  PlaceHero(kFarAway, kOnFloor, false, 0);
  ASSERT_TRUE(baron.blink) << "hidden in the frame of the stomp";
  std::vector<bool> hidden;
  for (int frame = 0; frame < 50; ++frame) {
    baron.Update();
    hidden.push_back(baron.invulnerable && baron.blink);
  }
  EXPECT_FALSE(baron.invulnerable);
  EXPECT_FALSE(hidden[0]);
  EXPECT_TRUE(hidden[1]);
  EXPECT_FALSE(hidden[2]);
  EXPECT_EQ(std::count(hidden.begin(), hidden.end(), true), 24);
}

TEST_F(RoundWorldTest, AFinalBaronCompletesTheLevelFifteenFramesAfterTheFifthStomp) {
  for (int final = 0; final <= 1; ++final) {
    world.levelComplete = false;
    Baron baron(300, kBaronOnFloor, 1, final);
    for (int stomp = 0; stomp < 5; ++stomp) {
      baron.invulnerable = false;  // the flicker of the last stomp is over
      DropHeroOnHead(baron);
      baron.Collide();
    }
    EXPECT_FALSE(baron.active);
    EXPECT_EQ(baron.state, 5);
    EXPECT_EQ(baron.frame, 4);
    for (int frame = 0; frame < 14; ++frame) baron.Update();
    EXPECT_FALSE(world.levelComplete);
    baron.Update();
    EXPECT_EQ(world.levelComplete, final == 1) << final;
    EXPECT_EQ(baron.state, 6);
    EXPECT_EQ(baron.frame, 9);
  }
  EXPECT_EQ(world.enemiesKilled, 0);
  EXPECT_EQ(world.enemyCount, 2);
}

TEST_F(RoundWorldTest, ABaronWakesInViewChargesToAWallAndThenHopsASeriesInPlace) {
  std::vector<std::string> rows(10, std::string(5, '.') + "#" + std::string(54, '.'));
  rows[kFloorRow] = std::string(60, '#');
  BuildHeroWorld(rows);
  Baron baron(1000, kBaronOnFloor, 1, 0);
  PlaceHero(100, kOnFloor, false, 0);
  for (int frame = 0; frame < 5; ++frame) baron.Update();
  EXPECT_FALSE(baron.awake);
  world.cameraX = 500;
  baron.Update();
  EXPECT_TRUE(baron.awake);
  EXPECT_EQ(baron.mode, 1);
  EXPECT_EQ(baron.direction, 0) << "facing the hero";
  EXPECT_EQ(baron.x, 995);
  int frames = 0;
  while (baron.mode == 1 && frames < 400) {
    baron.Update();
    ++frames;
  }
  ASSERT_EQ(baron.mode, 2);
  EXPECT_EQ(baron.x, 6 * kTileSize + 3) << "stepped back from the wall";
  EXPECT_GE(baron.hopTotal, 1);
  EXPECT_LE(baron.hopTotal, 5);
  EXPECT_EQ(baron.state, 2);
  EXPECT_EQ(baron.frame, 2);

  const int hops = baron.hopTotal;
  int landings = 0;
  int highest = baron.y;
  bool wasAirborne = false;
  for (frames = 0; frames < 2000 && baron.mode == 2; ++frames) {
    baron.Update();
    highest = std::min(highest, baron.y);
    if (wasAirborne && !baron.airborne) ++landings;
    wasAirborne = baron.airborne;
    EXPECT_GE(baron.x, 6 * kTileSize) << "every hop drifts into the wall and is held there";
    EXPECT_LE(baron.x, 6 * kTileSize + 3);
  }
  EXPECT_EQ(landings, hops);
  EXPECT_EQ(baron.mode, 1);
  EXPECT_EQ(baron.state, 1);
  EXPECT_EQ(baron.y, kBaronOnFloor);
  EXPECT_EQ(highest, kBaronOnFloor - 120) << "15 + 14 + ... + 1";
}

TEST_F(RoundWorldTest, ABaronFallingOutOfTheLevelIsHeldBelowIt) {
  BuildFloor(std::string(60, '.'));
  Baron baron(300, 100, 0, 0);
  PlaceHero(kFarAway, kOnFloor, false, 0);
  baron.Update();
  baron.mode = Baron::kHops;
  baron.airborne = true;
  baron.state = Baron::kInAir;
  for (int frame = 0; frame < 5000; ++frame) baron.Update();
  const int y = baron.y;
  const int vy = baron.vy;
  EXPECT_GT(y, 10 * kTileSize + 480);
  EXPECT_LT(y, 10 * kTileSize + 480 + 200);
  for (int frame = 0; frame < 100; ++frame) baron.Update();
  EXPECT_EQ(baron.y, y);
  EXPECT_EQ(baron.vy, vy);
}

TEST_F(RoundWorldTest, RecordsWriteTheirFieldsAndTheBaronForgetsHisDirection) {
  std::vector<bool> drops;
  const std::string again = ReadRecordsBack("Soldier 1 2 1\nNinja 3 4 0\nBomber 5 6\nBaron 10 20 1 1\n",
                                            [&drops](const std::string&, const GameObject& read) {
                                              drops.push_back(read.snapToGround);
                                            });
  EXPECT_EQ(again, "Soldier 1 2 1\nNinja 3 4 0\nBomber 5 6\nBaron 10 20 0 1\n");
  EXPECT_EQ(drops, (std::vector<bool>{true, true, false, true}));
  EXPECT_EQ(world.enemyCount, 3);

  // Deleted through the base with bombs falling, as the registry does.
  std::unique_ptr<GameObject> bomber(new Bomber(0, 0));
  static_cast<Bomber*>(bomber.get())->bombs[2].Drop(10, 10);
}

TEST_F(RoundWorldTest, TheAlertMarkShowsOnlyDuringTheHopAndAGoneBomberLeavesItsBombsDrawn) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(LoadRoundWorldGraphics());
  Soldier soldier(100, 100, 1);
  BlankScreen();
  soldier.Draw();
  EXPECT_GT(DrawnPixels(100, 100, 32, 32), 0);
  EXPECT_EQ(DrawnPixels(100, 79, 32, 20), 0);
  soldier.airborne = true;
  soldier.Draw();
  EXPECT_GT(DrawnPixels(100, 79, 32, 20), 0);

  Bomber bomber(300, 200);
  bomber.bombs[0].Drop(500, 400);
  bomber.Kill();
  BlankScreen();
  bomber.Draw();
  EXPECT_EQ(DrawnPixels(300, 200, 200, 100), 0);
  EXPECT_GT(DrawnPixels(500, 400, 10, 15), 0);

  Baron baron(50, 300, 0, 0);
  baron.invulnerable = true;
  baron.blink = true;
  BlankScreen();
  baron.Draw();
  EXPECT_EQ(DrawnPixels(50, 300, 51, 59), 0);
  baron.blink = false;
  baron.Draw();
  EXPECT_GT(DrawnPixels(50, 300, 51, 59), 0);
  FreeRoundWorldGraphics();
}

TEST_F(RoundWorldTest, GraphicsFailOnlyForADirtTileOrTheAlertMark) {
  const fs::path art = EnterGameDirWithArt({"Tiles/RoundWorld/Dirt", "Entities/RoundWorld/Soldier",
                                            "Entities/RoundWorld/Ninja", "Entities/RoundWorld/Bomber",
                                            "Entities/RoundWorld/Bomb", "Entities/RoundWorld/Baron"});
  fs::remove("gfx/Tiles/RoundWorld/Dirt/1.png");
  EXPECT_FALSE(LoadRoundWorldGraphics());
  FreeRoundWorldGraphics();
  fs::copy_file(art / "Tiles/RoundWorld/Dirt/1.png", "gfx/Tiles/RoundWorld/Dirt/1.png");
  fs::remove("gfx/Entities/RoundWorld/Soldier/alert.png");
  EXPECT_FALSE(LoadRoundWorldGraphics());
  EXPECT_TRUE(baronFrames[1][9].IsLoaded()) << "the rest is still loaded";
  FreeRoundWorldGraphics();
  fs::copy_file(art / "Entities/RoundWorld/Soldier/alert.png", "gfx/Entities/RoundWorld/Soldier/alert.png");
  fs::remove("gfx/Entities/RoundWorld/Baron/0-9.png");
  fs::remove("gfx/Entities/RoundWorld/Bomb/5.png");
  EXPECT_TRUE(LoadRoundWorldGraphics()) << "other missing pictures only stay blank";
  EXPECT_FALSE(baronFrames[0][9].IsLoaded());
  EXPECT_FALSE(dirtImages[0].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(alertImage.surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(soldierFrames[1][10].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(ninjaFrames[0][5].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(bomberFrames[2].surface->flags & SDL_SRCCOLORKEY);
  FreeRoundWorldGraphics();
  EXPECT_FALSE(dirtImages[1].IsLoaded());
  EXPECT_FALSE(baronFrames[1][0].IsLoaded());
}
