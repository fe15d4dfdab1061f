#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "enemies/robot_city.h"
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
const int kGuardTop = kFloorTop - 45;
const int kHeroOnFloor = kFloorTop - 32;

class RobotCityTest : public EnemyTestWorld {
 protected:
  void SetUp() override {
    UseHero(7);
    PlaceHero(5000, kHeroOnFloor, false, 0);
    BuildFloor(std::string(60, '#'));
    world.cameraX = world.cameraY = 0;
  }
  static int ActiveShots(const RobotGuard& guard) {
    int count = 0;
    for (const LaserShot& shot : guard.shots) count += shot.active;
    return count;
  }
};
}  // namespace

TEST_F(RobotCityTest, AGuardFacingRightMissesAHeroOnItsFloorUntilHeJumps) {
  RobotGuard guard(100, kGuardTop, 0);
  PlaceHero(300, kHeroOnFloor, false, 0);
  for (int frame = 0; frame < 20; ++frame) guard.Update();
  EXPECT_EQ(guard.alert, 0);
  EXPECT_EQ(guard.x, 120) << "patrolling on, 1 pixel a frame";

  // Its feet inside the 10-pixel strip: a box crossing the strip without a corner in it is missed.
  PlaceHero(300, kGuardTop - 28, true, 5);
  guard.Update();
  guard.Update();
  EXPECT_EQ(guard.alert, 1);
  EXPECT_EQ(guard.frame, 2);
  const int x = guard.x;
  guard.Update();
  EXPECT_EQ(guard.x, x) << "an alert guard stands";
}

TEST_F(RobotCityTest, AGuardFacingLeftSeesAHeroOnItsFloorStopsAndShoots) {
  RobotGuard guard(400, kGuardTop, 1);
  EXPECT_EQ(guard.frame, 1);
  PlaceHero(200, kHeroOnFloor, false, 0);
  guard.Update();
  EXPECT_EQ(guard.alert, 0) << "the first look is taken after this frame's contact";
  EXPECT_EQ(guard.x, 399);
  guard.Update();
  EXPECT_EQ(guard.alert, 1);
  for (int frame = 0; frame < 48; ++frame) guard.Update();
  EXPECT_EQ(guard.frame, 3);
  EXPECT_EQ(ActiveShots(guard), 0);
  guard.Update();
  ASSERT_TRUE(guard.shots[0].active);
  EXPECT_EQ(guard.shots[0].x, 399);
  EXPECT_EQ(guard.shots[0].y, kGuardTop + 22);
  EXPECT_EQ(guard.shots[0].direction, 0);
  EXPECT_EQ(guard.shots[0].kind, 0);
  EXPECT_EQ(guard.x, 399);
  for (int frame = 0; frame < 40 && guard.shots[0].active; ++frame) guard.Update();
  EXPECT_FALSE(guard.shots[0].active);
  EXPECT_EQ(hero.health, 2);
  EXPECT_EQ(world.enemiesKilled, 0);
}

TEST_F(RobotCityTest, TheSightEndsAtTheFirstWallAndReachesAtMost295Pixels) {
  BuildHeroWorld({"..............................", "..............................",
                  "...........#..................", "...........#..................",
                  "##############################"});
  RobotGuard guard(100, 4 * kTileSize - 45, 1);
  guard.Update();
  EXPECT_EQ(guard.sightRect.x, 100 - 295);
  EXPECT_EQ(guard.sightRect.w, 295);
  EXPECT_EQ(guard.sightRect.h, 20);
  RobotGuard facingWall(420, 4 * kTileSize - 45, 1);
  facingWall.Update();
  EXPECT_EQ(facingWall.sightRect.x, 380) << "the first step whose tip is inside the wall ending at 383";
  EXPECT_EQ(facingWall.sightRect.w, 40);
  RobotGuard facingRight(170, 4 * kTileSize - 45, 0);
  facingRight.Update();
  EXPECT_EQ(facingRight.sightRect.x, 220);
  EXPECT_EQ(facingRight.sightRect.w, 135) << "the first step whose tip is inside the wall starting at 352";
  EXPECT_EQ(facingRight.sightRect.h, 10);
}

TEST_F(RobotCityTest, APatrollingGuardStepsBackAndTurnsAtWallsAndLedges) {
  BuildHeroWorld({"..........", "..........", "..........", "#.........", "#.........", "#######..."});
  RobotGuard guard(40, 5 * kTileSize - 45, 1);
  std::vector<int> turns;
  int leftmost = guard.x;
  int rightmost = guard.x;
  for (int frame = 0; frame < 400; ++frame) {
    const int direction = guard.direction;
    guard.Update();
    if (guard.direction != direction) turns.push_back(guard.x);
    leftmost = std::min(leftmost, guard.x);
    rightmost = std::max(rightmost, guard.x);
  }
  EXPECT_EQ(leftmost, kTileSize) << "stepped back out of the wall";
  EXPECT_EQ(rightmost + 50, 7 * kTileSize - 1) << "its front stops on the last floor pixel";
  ASSERT_GE(turns.size(), 2u);
  EXPECT_EQ(guard.y, 5 * kTileSize - 45);
}

TEST_F(RobotCityTest, AnAlertGuardAtALedgeStaysPutFacingTheHeroThenCalmsDown) {
  BuildHeroWorld({"....................", "....................", "....................", "....................",
                  ".....########......."});
  const int top = 4 * kTileSize - 45;
  RobotGuard guard(13 * kTileSize - 51, top, 0);  // its front on the last floor pixel
  PlaceHero(guard.x + 120, top - 28, true, 5);
  guard.Update();
  guard.Update();
  ASSERT_EQ(guard.alert, 1);
  const int x = guard.x;
  PlaceHero(guard.x - 200, 1000, false, 0);  // behind it, out of sight
  for (int frame = 0; frame < 60; ++frame) guard.Update();
  EXPECT_EQ(guard.x, x);
  EXPECT_EQ(guard.direction, 1) << "turned to the hero";
  EXPECT_EQ(guard.frame, 3);
  PlaceHero(guard.x + 300, 1000, false, 0);
  guard.Update();
  EXPECT_EQ(guard.direction, 0);
  EXPECT_EQ(guard.x, x) << "facing the drop, it still does not move or turn";
  for (int frame = 0; frame < 38; ++frame) guard.Update();
  EXPECT_EQ(guard.alert, 0) << "100 frames after the hero was last seen";
  guard.Update();
  EXPECT_EQ(guard.x, x);
  EXPECT_EQ(guard.direction, 1) << "calm again, it turns back from the ledge";
  guard.Update();
  EXPECT_EQ(guard.x, x - 1);
}

TEST_F(RobotCityTest, WithFiveBoltsInFlightNoSixthIsFiredButTheCounterRestarts) {
  RobotGuard guard(100, kGuardTop, 0);
  for (int index = 0; index < 5; ++index) guard.shots[index].Fire(600 + 10 * index, 100, LaserShot::kLeft, LaserShot::kSmall);
  for (int frame = 0; frame < 50; ++frame) {
    guard.alert = 1;
    guard.alertTimer = 0;
    guard.Update();
  }
  EXPECT_EQ(guard.fireCounter, 0);
  for (int index = 0; index < 5; ++index) EXPECT_EQ(guard.shots[index].x, 600 + 10 * index - 250) << index;

  guard.shots[2].Kill();
  for (int frame = 0; frame < 49; ++frame) {
    guard.alert = 1;
    guard.alertTimer = 0;
    guard.Update();
  }
  EXPECT_FALSE(guard.shots[2].active) << "the counter started over at the lost shot";
  guard.Update();
  ASSERT_TRUE(guard.shots[2].active);
  EXPECT_EQ(guard.shots[2].x, guard.x + 44);
  EXPECT_EQ(guard.shots[2].direction, 1);
  EXPECT_EQ(ActiveShots(guard), 5);
}

TEST_F(RobotCityTest, AStompedGuardIsCountedOnceAndItsBoltsVanish) {
  RobotGuard guard(300, kGuardTop, 1);
  guard.shots[0].Fire(100, 100, LaserShot::kLeft, LaserShot::kSmall);
  PlaceHero(310, kGuardTop - 28, true, -4);
  guard.Update();
  EXPECT_FALSE(guard.active);
  EXPECT_GT(hero.vy, 0) << "bounced";
  guard.Kill();
  EXPECT_EQ(world.enemiesKilled, 1);
  std::vector<int> frames;
  for (int frame = 0; frame < 14; ++frame) {
    guard.Update();
    frames.push_back(guard.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8}));
  EXPECT_EQ(guard.state, 2);
  EXPECT_EQ(guard.shots[0].x, 95) << "a wreck's bolts stop after the frame of the stomp";
}

TEST_F(RobotCityTest, AMissileStepsOnlyOnAxesWhereItIsOutsideTheHerosBand) {
  PlaceHero(300, 200, false, 0);
  const struct {
    int x, y, dx, dy, frame;
  } cases[] = {
      {300, 100, 0, 1, 4},   // exactly at his x: straight down
      {331, 100, 0, 1, 4},   // the band is 32 wide
      {332, 100, -1, 1, 5},  // just past it
      {260, 210, 1, 0, 2},   // left of him, inside the band on y
      {250, 260, 1, -1, 1},
      {400, 150, -1, 1, 5},
  };
  for (const auto& c : cases) {
    Missile missile;
    missile.Launch(c.x, c.y);
    EXPECT_EQ(missile.frame, 6);
    missile.Update();
    EXPECT_EQ(missile.x, c.x + c.dx) << c.x << "," << c.y;
    EXPECT_EQ(missile.y, c.y + c.dy) << c.x << "," << c.y;
    missile.Update();
    EXPECT_EQ(missile.frame, c.frame) << c.x << "," << c.y;
  }
}

TEST_F(RobotCityTest, AMissileBurstsOnTheHeroAndItsBlastHurtsWhileDriftingForEightFrames) {
  PlaceHero(300, 200, false, 0);
  Missile missile;
  missile.Launch(280, 190);
  missile.Update();
  EXPECT_EQ(hero.health, 2);
  EXPECT_EQ(missile.state, 1);
  EXPECT_EQ(missile.w, 100);
  EXPECT_EQ(missile.frame, 8);
  EXPECT_EQ(missile.x, 280 - 40 + 1) << "burst where it was, then drifted towards the hero";
  EXPECT_EQ(missile.y, 190 - 40 + 1);

  missile.Update();
  EXPECT_EQ(hero.health, 2) << "the hero's invulnerability protects him";
  hero.invulnerable = false;
  missile.Update();
  EXPECT_EQ(hero.health, 1) << "the blast still hurts";
  EXPECT_EQ(missile.x, 280 - 40 + 3);
  int frames = 3;
  while (missile.active && frames < 20) {
    missile.Update();
    ++frames;
  }
  EXPECT_EQ(frames, 9) << "the burst's own frame, then eight frames of blast";
  EXPECT_EQ(world.enemiesKilled, 0);
}

TEST_F(RobotCityTest, AMissileWhoseLifeEndsInsideAWallBurstsOnce) {
  BuildHeroWorld({"..........", "..........", "....####..", "....####..", "....####..", "##########"});
  PlaceHero(0, 0, false, 0);
  Missile missile;
  missile.Launch(160, 80);
  missile.Update();
  EXPECT_EQ(missile.state, 1) << "flown into the wall";
  EXPECT_EQ(missile.x, 159 - 40);

  missile.Launch(170, 90);
  missile.lifeCounter = 249;
  missile.Update();
  ASSERT_EQ(missile.state, 1);
  EXPECT_EQ(missile.lifeCounter, 0);
  EXPECT_EQ(missile.x, 169 - 40);
  EXPECT_EQ(missile.y, 89 - 40);
  missile.Update();
  EXPECT_EQ(missile.x, 168 - 40) << "only the drift: no second burst";
  EXPECT_EQ(missile.w, 100);
}

TEST_F(RobotCityTest, AMissileLeavingTheViewVanishesWithoutABlast) {
  PlaceHero(-500, 200, false, 0);
  Missile missile;
  missile.Launch(-19, 200);
  missile.Update();
  EXPECT_TRUE(missile.active);
  missile.Update();
  EXPECT_FALSE(missile.active) << "its right edge is now left of the view";
  EXPECT_EQ(missile.state, 0);
}

TEST_F(RobotCityTest, AMissileBotLaunchesEvery300FramesAtMostThreeAndItsMissilesOutliveIt) {
  BuildHeroWorld(std::vector<std::string>(15, std::string(40, '.')));
  world.cameraX = 0;
  PlaceHero(100, 100, false, 0);
  hero.invulnerable = true;
  MissileBot bot(600, 300);
  for (int frame = 0; frame < 299; ++frame) bot.Update();
  EXPECT_FALSE(bot.missiles[0].active);
  bot.Update();
  ASSERT_TRUE(bot.missiles[0].active);
  EXPECT_EQ(bot.missiles[0].x, 580 - 1) << "launched, then steered in the same frame";
  EXPECT_EQ(bot.missiles[0].y, 315 - 1);
  bot.Kill();
  bot.Kill();
  EXPECT_EQ(world.enemiesKilled, 1);
  std::vector<int> frames;
  for (int frame = 0; frame < 10; ++frame) {
    bot.Update();
    frames.push_back(bot.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 3, 4, 4, 5, 5, 6, 6, 6}));
  EXPECT_TRUE(bot.missiles[0].active) << "still homing after its launcher fell";
  EXPECT_LT(bot.missiles[0].x, 580);
}

TEST_F(RobotCityTest, AMissileBotHoldsNoMoreThanThreeMissiles) {
  MissileBot bot(600, 100);
  for (Missile& missile : bot.missiles) missile.Launch(400, 100);
  bot.fireCounter = 299;
  PlaceHero(420, 300, false, 0);
  bot.Update();
  EXPECT_EQ(bot.fireCounter, 0);
  for (Missile& missile : bot.missiles) EXPECT_EQ(missile.x, 401) << "none launched again";
}

TEST_F(RobotCityTest, TheOverlordWalksOnceTheHeroIsInFrontAndStopsWhereItsFloorEnds) {
  std::vector<std::string> rows(16, std::string(60, '.'));
  rows[15] = std::string(30, '#') + std::string(30, '.');
  BuildHeroWorld(rows);
  Overlord overlord(0, 0);
  PlaceHero(1200, 100, true, 5);
  for (int frame = 0; frame < 10; ++frame) overlord.Update();
  EXPECT_FALSE(overlord.moving) << "a screen's width ahead is not yet in front of it";
  EXPECT_EQ(overlord.x, 0);
  hero.x = 1100;
  for (int frame = 0; frame < 300; ++frame) overlord.Update();
  EXPECT_FALSE(overlord.moving);
  EXPECT_EQ(overlord.x + overlord.w, 30 * kTileSize) << "its front edge over the first empty floor cell";
  EXPECT_EQ(overlord.y, 0) << "it never falls";
  EXPECT_FALSE(hero.dead);
  EXPECT_EQ(world.enemyCount, 0);
}

TEST_F(RobotCityTest, TouchingAnyOfTheOverlordsBoxesKillsAtOnceWhateverTheHealth) {
  std::vector<std::string> rows(16, std::string(40, '.'));
  rows[15] = std::string(40, '#');
  BuildHeroWorld(rows);
  Overlord overlord(0, 0);
  const struct {
    int x, y;
    bool dies;
  } touches[] = {
      {5, 5, false},      // the corner beside the head is empty
      {150, 60, true},    // head
      {460, 200, true},   // torso's edge
      {470, 340, false},  // the corner beside the torso, above the base
      {480, 400, true},   // base
  };
  for (const auto& touch : touches) {
    PlaceHero(touch.x, touch.y, false, 0);
    hero.invulnerable = true;
    overlord.Update();
    EXPECT_EQ(hero.dead, touch.dies) << touch.x << "," << touch.y;
  }
  EXPECT_EQ(world.enemiesKilled, 0);
}

TEST_F(RobotCityTest, RecordsWriteTheirFieldsAndReadBackTheSame) {
  const std::string records = "RobotGuard 10 20 1\nMissileBot 30 -40\nOverlord 50 60\n";
  std::vector<bool> drops;
  const std::string again =
      ReadRecordsBack(records, [&drops](const std::string&, const GameObject& read) { drops.push_back(read.snapToGround); });
  EXPECT_EQ(again, records);
  EXPECT_EQ(drops, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(world.enemyCount, 2);

  // Deleted through the base with missiles and bolts in flight, as the registry does.
  std::unique_ptr<GameObject> bot(new MissileBot(0, 0));
  static_cast<MissileBot*>(bot.get())->missiles[1].Launch(10, 10);
  std::unique_ptr<GameObject> guard(new RobotGuard(0, 0, 0));
  static_cast<RobotGuard*>(guard.get())->shots[4].Fire(10, 10, LaserShot::kRight, LaserShot::kSmall);
}

TEST_F(RobotCityTest, AWreckedGuardIsDrawnWithoutItsBoltsAndAMissileOnlyWhileActive) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(LoadSpacePiratesGraphics());
  ASSERT_TRUE(LoadRobotCityGraphics());
  RobotGuard guard(100, 100, 0);
  guard.shots[0].Fire(300, 300, LaserShot::kLeft, LaserShot::kSmall);
  BlankScreen();
  guard.Draw();
  EXPECT_GT(DrawnPixels(100, 100, 50, 45), 0);
  EXPECT_GT(DrawnPixels(300, 300, 7, 7), 0);
  guard.Kill();
  BlankScreen();
  guard.Draw();
  EXPECT_GT(DrawnPixels(100, 100, 50, 45), 0);
  EXPECT_EQ(DrawnPixels(300, 300, 7, 7), 0);

  Missile missile;
  missile.Launch(400, 300);
  missile.Draw();
  EXPECT_GT(DrawnPixels(400, 300, 20, 20), 0);
  missile.active = false;
  BlankScreen();
  missile.Draw();
  EXPECT_EQ(DrawnPixels(400, 300, 20, 20), 0);
  FreeRobotCityGraphics();
  FreeSpacePiratesGraphics();
}

TEST_F(RobotCityTest, GraphicsFailOnlyForTheOverlordAndKeyEveryPicture) {
  EnterGameDirWithArt({"Tiles/RobotCity/steel", "Tiles/RobotCity/conveyor", "Entities/RobotCity/Robot Guard",
                       "Entities/RobotCity/Missile", "Entities/RobotCity/Missile Bot", "Entities/RobotCity/Overlord"});
  const char* overlord = "gfx/Entities/RobotCity/Overlord/robot_overlord.png";
  fs::rename(overlord, "overlord.png");
  EXPECT_FALSE(LoadRobotCityGraphics());
  EXPECT_TRUE(robotGuardFrames[8].IsLoaded()) << "everything before it is loaded";
  FreeRobotCityGraphics();
  fs::rename("overlord.png", overlord);
  fs::remove("gfx/Entities/RobotCity/Missile/12.png");
  fs::remove("gfx/Tiles/RobotCity/steel/3.png");
  EXPECT_TRUE(LoadRobotCityGraphics()) << "other missing pictures only stay blank";
  EXPECT_FALSE(missileFrames[12].IsLoaded());
  EXPECT_FALSE(steelImages[3].IsLoaded());
  EXPECT_TRUE(steelImages[0].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(conveyorImages[1][1].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(missileBotFrames[6].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(overlordImage.surface->flags & SDL_SRCCOLORKEY);
  FreeRobotCityGraphics();
  EXPECT_FALSE(overlordImage.IsLoaded());
  EXPECT_FALSE(conveyorImages[0][0].IsLoaded());
}
