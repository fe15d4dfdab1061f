// The set pieces of the Robot City and Round World levels that a route passes too quickly to
// prove: the Overlord's floor ends before the flag, so a chase can always be escaped; the final
// Baron cannot leave his arena, so his level can always be finished; and every guard and soldier
// stands on its floor and patrols instead of turning on the spot.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "enemies/robot_city.h"
#include "enemies/round_world.h"
#include "entities/flag.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "support/level_watch.h"
#include "support/route_player.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kTile = 32;
const int kRobotCity2 = 7;
const int kRoundWorld2 = 9;

template <typename T>
T* First() {
  for (GameObject* object : entityList) {
    if (T* found = dynamic_cast<T*>(object)) return found;
  }
  return nullptr;
}

// Stands the hero on the floor whose top pixel row is floorTop; enemies' hurts pass him by,
// the Overlord's touch does not.
void StandHero(Player& hero, int x, int floorTop) {
  hero.x = x;
  hero.y = floorTop - hero.h - 1;
  hero.airborne = false;
  hero.vy = 0;
  hero.invulnerable = true;
  hero.invulnerableFrames = INT_MAX;
  SetCamera(hero.x - 304, hero.y - 224);
}

bool Solid(int col, int row) { return IsSolidAt(col * kTile, row * kTile); }
}  // namespace

TEST(BossLevelSetPieces, OverlordStopsWhereItsFloorEndsBeforeTheFlag) {
  RouteRun run;
  PlayTitleCard(run, kRobotCity2);
  Overlord* giant = First<Overlord>();
  Flag* flag = First<Flag>();
  ASSERT_NE(nullptr, giant);
  ASSERT_NE(nullptr, flag);
  Player& hero = run.Hero();
  StandHero(hero, giant->x + giant->w + 200, giant->y + giant->h);
  run.Frame(RouteKeys(), false);
  ASSERT_TRUE(giant->moving) << "a hero in front of the Overlord wakes it";

  // The hero waits just before the flagpole while the giant walks on.
  StandHero(hero, flag->x - 2 * kTile, flag->y + flag->h);
  const int kLongestChase = 6000;
  for (int i = 0; i < kLongestChase && giant->moving; ++i) run.Frame(RouteKeys(), false);
  EXPECT_FALSE(giant->moving) << "its floor never ends";
  EXPECT_LT(giant->x + giant->w, flag->x - 2 * kTile);
  EXPECT_FALSE(hero.dead);
  run.Finish();
}

TEST(BossLevelSetPieces, FinalBaronStaysInHisArena) {
  RouteRun run;
  PlayTitleCard(run, kRoundWorld2);
  Baron* baron = First<Baron>();
  ASSERT_NE(nullptr, baron);
  EXPECT_EQ(1, baron->final);
  const int floorTop = baron->y + baron->h;
  const int middleRow = (floorTop - 1) / kTile;  // the row his feet stand in
  int leftWall = baron->x / kTile;
  while (leftWall > 0 && !Solid(leftWall, middleRow)) --leftWall;
  int rightWall = (baron->x + baron->w) / kTile;
  while (rightWall < world.width - 1 && !Solid(rightWall, middleRow)) ++rightWall;
  ASSERT_TRUE(Solid(leftWall, middleRow) && Solid(rightWall, middleRow)) << "the arena has no walls";

  // A hero who only stands in the arena keeps the Baron charging and hopping from wall to wall.
  Player& hero = run.Hero();
  StandHero(hero, (leftWall + rightWall) / 2 * kTile, floorTop);
  int lowest = 0, leftmost = INT_MAX, rightmost = 0;
  const int kFightFrames = 3000;
  for (int i = 0; i < kFightFrames; ++i) {
    run.Frame(RouteKeys(), false);
    lowest = std::max(lowest, baron->y + baron->h);
    leftmost = std::min(leftmost, baron->x);
    rightmost = std::max(rightmost, baron->x + baron->w);
  }
  EXPECT_TRUE(baron->awake);
  EXPECT_TRUE(baron->active);
  EXPECT_LE(lowest, floorTop) << "he sank into or fell through the floor";
  EXPECT_GT(leftmost, leftWall * kTile) << "he got past the left wall";
  EXPECT_LT(rightmost, (rightWall + 1) * kTile) << "he got past the right wall";
  EXPECT_FALSE(world.levelComplete);
  run.Finish();
}

namespace {
// The direction of a guard or a soldier; -1 for anything else.
int WalkerDirection(GameObject* object) {
  if (RobotGuard* guard = dynamic_cast<RobotGuard*>(object)) return guard->direction;
  if (Soldier* soldier = dynamic_cast<Soldier*>(object)) return soldier->direction;
  return -1;
}

// Turns of each guard and soldier over a stretch of play.
int MostTurnsOfAnyWalker(int story) { return MostTurnsOfAny(story, 60, WalkerDirection); }
}  // namespace

TEST(BossLevelSetPieces, EveryGuardAndSoldierPatrolsInsteadOfTurningOnTheSpot) {
  const int kFewTurns = 6;
  for (int story = 6; story <= 9; ++story) EXPECT_LE(MostTurnsOfAnyWalker(story), kFewTurns) << "story " << story;
}
