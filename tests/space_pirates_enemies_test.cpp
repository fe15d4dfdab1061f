#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <memory>
#include <sstream>
#include <string>

#include "enemies/laser_shot.h"
#include "enemies/space_pirates.h"
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
const int kTankX = 300;

int RestingY(int height) { return kFloorTop - height; }

class SpacePiratesTest : public EnemyTestWorld {
 protected:
  void SetUp() override {
    UseHero(3);
    hero.x = 5000;
    BuildFloor(std::string(60, '#'));
    world.cameraX = world.cameraY = 0;
  }
  // An enemy tank, destroyed and left standing empty.
  void Wreck(Tank& tank) {
    tank.Kill();
    for (int frame = 0; frame < 9; ++frame) tank.Update();
    ASSERT_EQ(tank.state, 2);
    ASSERT_EQ(tank.frame, 3);
  }
};
}  // namespace

TEST_F(SpacePiratesTest, APirateFiresEveryTwoHundredFramesRestartingABoltStillInFlight) {
  Pirate pirate(200, RestingY(40), 1);
  for (int frame = 0; frame < 199; ++frame) pirate.Update();
  EXPECT_FALSE(pirate.shot.active);
  pirate.Update();
  ASSERT_TRUE(pirate.shot.active);
  EXPECT_EQ(pirate.shot.x, pirate.x + 40);
  EXPECT_EQ(pirate.shot.y, pirate.y + 25);
  EXPECT_EQ(pirate.shot.direction, 1);
  EXPECT_EQ(pirate.shot.w, 7);

  // The view follows the bolt so that nothing but the next shot can end it.
  for (int frame = 0; frame < 199; ++frame) {
    world.cameraX = pirate.shot.x - 320;
    pirate.Update();
  }
  ASSERT_TRUE(pirate.shot.active);
  EXPECT_GT(pirate.shot.x, pirate.x + 500);
  world.cameraX = pirate.shot.x - 320;
  pirate.Update();
  EXPECT_EQ(pirate.shot.x, pirate.x + 40);
}

TEST_F(SpacePiratesTest, APirateBoltHurtsTheHeroWithoutCountingAKill) {
  Pirate pirate(600, RestingY(40), 0);
  pirate.fireCounter = 199;
  pirate.Update();
  ASSERT_TRUE(pirate.shot.active);
  EXPECT_EQ(pirate.shot.x, pirate.x - 7);
  EXPECT_EQ(pirate.shot.direction, 0);
  PlaceHero(pirate.x - 100, RestingY(32), false, 0);
  for (int frame = 0; frame < 25 && pirate.shot.active; ++frame) pirate.Update();
  EXPECT_FALSE(pirate.shot.active);
  EXPECT_EQ(hero.health, 2);
  EXPECT_EQ(world.enemiesKilled, 0);
  EXPECT_EQ(world.enemyCount, 1);
}

TEST_F(SpacePiratesTest, ASmallBoltVanishesOnAHeroInATankButHurtsOneOnFoot) {
  LaserShot shot;
  EXPECT_FALSE(shot.active);
  hero.EnterTank();
  PlaceHero(100, RestingY(100), false, 0);
  shot.Fire(hero.x + hero.w + 12, hero.y + 30, LaserShot::kLeft, LaserShot::kSmall);
  for (int frame = 0; frame < 5 && shot.active; ++frame) shot.Update();
  EXPECT_FALSE(shot.active);
  EXPECT_EQ(hero.health, 3);

  hero.LeaveTank();
  PlaceHero(100, RestingY(32), false, 0);
  shot.Fire(hero.x + hero.w + 12, hero.y + 10, LaserShot::kLeft, LaserShot::kSmall);
  for (int frame = 0; frame < 5 && shot.active; ++frame) shot.Update();
  EXPECT_FALSE(shot.active);
  EXPECT_EQ(hero.health, 2);
}

TEST_F(SpacePiratesTest, BoltsEndAtWallsAndOutsideTheViewAndLargeOnesBounceOffFloors) {
  BuildHeroWorld({"..........#..", "..........#..", ".............", "#############"});
  LaserShot shot;
  shot.Fire(300, 40, LaserShot::kRight, LaserShot::kSmall);
  shot.Update();
  EXPECT_EQ(shot.x, 305);
  EXPECT_EQ(shot.y, 40);
  shot.Update();
  shot.Update();
  EXPECT_FALSE(shot.active) << "its front reached the wall at x 320";
  EXPECT_EQ(shot.x, 315);

  shot.Fire(10, 40, LaserShot::kLeft, LaserShot::kSmall);
  for (int frame = 0; frame < 3; ++frame) shot.Update();
  EXPECT_TRUE(shot.active);
  shot.Update();
  EXPECT_FALSE(shot.active) << "wholly left of the view";

  shot.Fire(200, 60, LaserShot::kLeft, LaserShot::kLarge);
  EXPECT_EQ(shot.w, 12);
  int lowest = 0;
  bool rising = false;
  for (int frame = 0; frame < 25 && shot.active; ++frame) {
    const int before = shot.y;
    shot.Update();
    lowest = std::max(lowest, shot.y + shot.h);
    rising = rising || shot.y < before;
  }
  EXPECT_TRUE(rising) << "bounced";
  EXPECT_LT(lowest, 3 * kTileSize + 12);
}

TEST_F(SpacePiratesTest, APirateTurnsBackBeforeLedgesAndWalls) {
  BuildHeroWorld({"..........", "..........", "..........", "..........", ".........#", "....######"});
  Pirate pirate(200, 5 * kTileSize - 40, 0);
  int leftmost = pirate.x;
  int rightmost = pirate.x + pirate.w;
  for (int frame = 0; frame < 300; ++frame) {
    pirate.Update();
    leftmost = std::min(leftmost, pirate.x);
    rightmost = std::max(rightmost, pirate.x + pirate.w);
  }
  EXPECT_EQ(leftmost, 4 * kTileSize);
  EXPECT_EQ(rightmost, 9 * kTileSize - 2);
  EXPECT_EQ(pirate.y, 5 * kTileSize - 40);
}

TEST_F(SpacePiratesTest, AStompedPirateDiesThroughItsFramesCountedOnceAndItsBoltStops) {
  Pirate pirate(600, RestingY(40), 0);
  pirate.fireCounter = 199;
  pirate.Update();
  const int boltX = pirate.shot.x;
  PlaceHero(pirate.x + 4, pirate.y - 28, true, -4);
  std::vector<int> frames;
  for (int frame = 0; frame < 40; ++frame) {
    pirate.Update();
    frames.push_back(pirate.frame);
  }
  pirate.Kill();
  EXPECT_EQ(world.enemiesKilled, 1);
  EXPECT_GT(hero.vy, 0);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 2), 2);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 3), 2);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 4), 2);
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 5), 30);
  EXPECT_EQ(frames.back(), 6);
  EXPECT_EQ(pirate.state, 2);
  EXPECT_EQ(pirate.shot.x, boltX - 5) << "the bolt moves on in the frame of the stomp, then stops";
}

TEST_F(SpacePiratesTest, TheEnemyTankLobsALargeBoltEvery201FramesThatHurtsEvenInATank) {
  Tank tank(kTankX, RestingY(100));
  for (int frame = 0; frame < 200; ++frame) tank.Update();
  EXPECT_FALSE(tank.shot.active);
  tank.Update();
  ASSERT_TRUE(tank.shot.active);
  EXPECT_EQ(tank.shot.x, kTankX + 13);
  EXPECT_EQ(tank.shot.y, tank.y + 40);
  EXPECT_EQ(tank.shot.kind, 1);
  EXPECT_EQ(tank.shot.direction, 0);
  while (tank.shot.x > kTankX - 40) tank.Update();

  hero.EnterTank();
  PlaceHero(tank.shot.x - 140, tank.shot.y - 40, false, 0);
  ASSERT_LT(hero.x + hero.w, kTankX) << "clear of the tank's own boxes";
  tank.Update();
  EXPECT_EQ(hero.health, 2);
  EXPECT_TRUE(tank.active);
}

TEST_F(SpacePiratesTest, OnlyTheHatchCanBeStompedAndOnlyFromAbove) {
  Tank tank(kTankX, RestingY(100));
  const int hatchX = kTankX + 74;
  const int aboveHatch = tank.y + 9 - 32 + 5;
  struct Touch {
    int x, y;
    bool airborne;
    int vy;
    int health;
  };
  const Touch touches[] = {
      {hatchX - 33, aboveHatch, true, -5, 3},        // just left of the hatch: nothing
      {hatchX + 33, aboveHatch, true, -5, 3},        // just right of it: nothing
      {kTankX + 30, tank.y + 8, true, -5, 2},        // falling onto the turret
      {kTankX - 31, RestingY(32), false, 0, 2},      // walking into the tracks
      {hatchX, aboveHatch, true, 3, 2},              // rising through the hatch
  };
  for (const Touch& touch : touches) {
    PlaceHero(touch.x, touch.y, touch.airborne, touch.vy);
    tank.Update();
    EXPECT_EQ(hero.health, touch.health) << touch.x << "," << touch.y;
    EXPECT_TRUE(tank.active);
  }
  PlaceHero(hatchX + 32, aboveHatch, true, -5);
  tank.Update();
  EXPECT_FALSE(tank.active);
  EXPECT_EQ(hero.health, 3);
  EXPECT_GT(hero.vy, 0);
  EXPECT_EQ(world.enemiesKilled, 1);
}

TEST_F(SpacePiratesTest, TheHerosTankShotWrecksAnEnemyTank) {
  Tank tank(kTankX, RestingY(100));
  hero.tankShot.active = true;
  hero.tankShot.x = kTankX + 2;
  hero.tankShot.y = tank.y + 50;
  tank.Update();
  EXPECT_FALSE(tank.active);
  EXPECT_EQ(tank.state, 1);
  EXPECT_TRUE(hero.tankShot.active);
  std::vector<int> frames;
  for (int frame = 0; frame < 10; ++frame) {
    tank.Update();
    frames.push_back(tank.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2, 3, 3}));
  EXPECT_EQ(world.enemiesKilled, 1);
}

TEST_F(SpacePiratesTest, AnEmptyTankIsBoardedOnlyByAHeroFallingOntoItsBoardBox) {
  Tank tank(kTankX, RestingY(100));
  Wreck(tank);
  const struct {
    int x, y;
    bool airborne;
    int vy;
  } misses[] = {{kTankX + 40, RestingY(32), false, 0}, {kTankX + 60, tank.y + 20, true, 4}, {kTankX, tank.y + 20, true, -4}};
  for (const auto& miss : misses) {
    PlaceHero(miss.x, miss.y, miss.airborne, miss.vy);
    tank.Update();
    EXPECT_FALSE(hero.inTank) << miss.x << "," << miss.y;
  }
  PlaceHero(kTankX + 60, tank.y + 20, true, -4);
  tank.Update();
  EXPECT_TRUE(hero.inTank);
  EXPECT_TRUE(tank.occupied);
  EXPECT_FALSE(hero.airborne);
  EXPECT_EQ(hero.x, kTankX);
  EXPECT_EQ(hero.y, tank.y);
  EXPECT_EQ(hero.w, 150);
}

TEST_F(SpacePiratesTest, ATankIsLeftWhereTheHeroJumpsOutAndCanBeBoardedAgain) {
  Tank tank(kTankX, RestingY(100));
  Wreck(tank);
  PlaceHero(kTankX + 60, tank.y + 20, true, -4);
  tank.Update();
  ASSERT_TRUE(hero.inTank);

  hero.x += 200;  // driven to the right
  hero.facing = 0;
  hero.airborne = true;
  hero.vy = 10;
  tank.Update();
  EXPECT_FALSE(hero.inTank);
  EXPECT_FALSE(tank.occupied);
  EXPECT_EQ(tank.x, kTankX + 200);
  EXPECT_EQ(tank.frame, 4);
  EXPECT_EQ(hero.x, tank.x + 42);
  EXPECT_EQ(hero.y, tank.y + 4);
  EXPECT_EQ(hero.w, 32);

  // Facing right, the board box starts 20 pixels in, where the facing-left box would miss him.
  PlaceHero(tank.x, tank.y + 20, true, -4);
  tank.Update();
  ASSERT_TRUE(hero.inTank);
  hero.facing = 1;
  hero.airborne = true;
  tank.Update();
  EXPECT_EQ(tank.frame, 3);
  EXPECT_EQ(hero.x, tank.x + 80);
}

TEST_F(SpacePiratesTest, RecordsWriteTheirFieldsAndReadBackTheSame) {
  const std::string records = "Pirate 10 20 1\nTank 30 -40\n";
  const std::string again =
      ReadRecordsBack(records, [](const std::string&, const GameObject& read) { EXPECT_TRUE(read.snapToGround); });
  EXPECT_EQ(again, records);
  EXPECT_EQ(world.enemyCount, 2);
}

TEST_F(SpacePiratesTest, ADrivenTankAndADeadPiratesBoltAreNotDrawn) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(LoadSpacePiratesGraphics());
  Tank tank(100, 50);
  tank.occupied = true;
  Pirate pirate(400, 300, 0);
  pirate.shot.Fire(300, 300, LaserShot::kLeft, LaserShot::kSmall);
  pirate.Kill();
  BlankScreen();
  tank.Draw();
  pirate.Draw();
  EXPECT_EQ(DrawnPixels(100, 50, 150, 100), 0);
  EXPECT_EQ(DrawnPixels(300, 300, 7, 7), 0);
  EXPECT_GT(DrawnPixels(400, 300, 40, 40), 0);
  tank.occupied = false;
  tank.Draw();
  EXPECT_GT(DrawnPixels(100, 50, 150, 100), 0);
  FreeSpacePiratesGraphics();
}

TEST_F(SpacePiratesTest, GraphicsFailOnlyForTheShipFloorOrABolt) {
  EnterGameDirWithArt({"Tiles/SpacePirate", "Tiles/SpacePirate/Bomb trap", "Entities/SpacePirate/Pirate",
                       "Entities/SpacePirate/Laser Shot", "Entities/SpacePirate/Tank"});
  const char* large = "gfx/Entities/SpacePirate/Laser Shot/large.png";
  fs::rename(large, "large.png");
  EXPECT_FALSE(LoadSpacePiratesGraphics());
  fs::rename("large.png", large);
  fs::remove("gfx/Entities/SpacePirate/Tank/4.png");
  EXPECT_TRUE(LoadSpacePiratesGraphics()) << "a missing tank frame only stays blank";
  EXPECT_FALSE(tankFrames[4].IsLoaded());
  EXPECT_FALSE(shipFloorImage.surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(bombTrapImages[8].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(pirateFrames[1][6].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(laserShotImages[1].surface->flags & SDL_SRCCOLORKEY);
  FreeSpacePiratesGraphics();
  EXPECT_FALSE(shipFloorImage.IsLoaded());
  EXPECT_FALSE(laserShotImages[0].IsLoaded());
}
