// The set pieces of the Tumbo World levels that a route may skip: each level's UFRO shell has to
// reach the walkers below it and end in the spikes, not slide back at the hero, and each level's
// extra life has to be within reach of a spring ride, though not on the way a hurried player takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "enemies/tumbo_world.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "support/level_watch.h"
#include "support/route_player.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kTile = 32;
const int kShellFrames = 900;

UFRO* SaucerNearColumn(int column) {
  UFRO* nearest = nullptr;
  for (GameObject* object : entityList) {
    UFRO* saucer = dynamic_cast<UFRO*>(object);
    if (saucer && (!nearest || std::abs(saucer->x - column * kTile) < std::abs(nearest->x - column * kTile))) {
      nearest = saucer;
    }
  }
  return nearest;
}

struct ShellResult {
  int killed = 0;
  int walkersLeft = 0;
  bool heroHurt = false;
  bool shellInPit = false;  // resting on the level's bottom row, under the spikes
};

// Drops the hero onto the saucer just left of its centre, so the landed shell is kicked to the
// right, and then keeps his hands off the keys.
ShellResult StompAndKick(int story, int saucerColumn) {
  RouteRun run;
  PlayTitleCard(run, story);
  UFRO* saucer = SaucerNearColumn(saucerColumn);
  ShellResult result;
  if (!saucer) return result;
  Player& hero = run.Hero();
  hero.x = saucer->x - 20;
  hero.y = saucer->y - hero.h - 1;
  hero.airborne = true;
  hero.vy = -1;
  SetCamera(hero.x - 304, hero.y - 224);
  const int killedBefore = world.enemiesKilled;
  for (int i = 0; i < kShellFrames; ++i) run.Frame(RouteKeys(), false);
  result.killed = world.enemiesKilled - killedBefore;
  for (GameObject* object : entityList) {
    if (dynamic_cast<CircleMan*>(object) && object->active && std::abs(object->x - saucer->x) < 20 * kTile) {
      ++result.walkersLeft;
    }
  }
  result.heroHurt = run.outcome.hurts > 0 || run.outcome.deaths > 0;
  result.shellInPit = saucer->y + saucer->h >= (world.height - 1) * kTile;
  run.Finish();
  return result;
}

// After the title card, puts the hero on the ground a few cells left of a spring.
void StandBeforeSpring(RouteRun& run, int story, int springColumn) {
  PlayTitleCard(run, story);
  Player& hero = run.Hero();
  const int groundTop = 17 * kTile;
  hero.x = (springColumn - 4) * kTile;
  hero.y = groundTop - hero.h - 1;
  SetCamera(hero.x - 304, hero.y - 224);
}

// Walks into the spring; from the launch on, the hero holds Right only in the frames the plan says.
bool SpringRideFindsExtraLife(int story, int springColumn, bool (*holdRight)(int framesSinceLaunch)) {
  RouteRun run;
  StandBeforeSpring(run, story, springColumn);
  const Player& hero = run.Hero();
  const int livesBefore = hero.lifeCount;
  RouteKeys right;
  right.right = true;
  int launchedAt = -1;
  const int kRideFrames = 400;
  for (int i = 0; i < kRideFrames && hero.lifeCount == livesBefore; ++i) {
    if (launchedAt < 0 && hero.airborne && hero.vy > 20) launchedAt = i;
    const bool hold = launchedAt < 0 || holdRight(i - launchedAt);
    run.Frame(hold ? right : RouteKeys(), false);
  }
  const bool found = hero.lifeCount > livesBefore;
  run.Finish();
  return found;
}

int planFrames = 0;
bool AlwaysRight(int) { return true; }
bool RightForPlanFramesOnly(int since) { return since < planFrames; }

bool SomePlanFindsExtraLife(int story, int springColumn, bool (*holdRight)(int), int longestPlan) {
  for (planFrames = 0; planFrames <= longestPlan; planFrames += 4) {
    if (SpringRideFindsExtraLife(story, springColumn, holdRight)) return true;
  }
  return false;
}
}  // namespace

TEST(StoryLevelSetPieces, FirstLevelShellClearsTheThreeWalkersBelowIt) {
  const ShellResult result = StompAndKick(0, 200);
  EXPECT_EQ(1 + 3, result.killed);
  EXPECT_EQ(0, result.walkersLeft);
  EXPECT_FALSE(result.heroHurt);
  EXPECT_TRUE(result.shellInPit);
}

TEST(StoryLevelSetPieces, SecondLevelShellClearsTheRowOfFourWalkers) {
  const ShellResult result = StompAndKick(1, 97);
  EXPECT_EQ(1 + 4, result.killed);
  EXPECT_EQ(0, result.walkersLeft);
  EXPECT_FALSE(result.heroHurt);
  EXPECT_TRUE(result.shellInPit);
}

TEST(StoryLevelSetPieces, FirstLevelExtraLifeIsUpTheSpringForAPlayerWhoStopsSteering) {
  EXPECT_FALSE(SpringRideFindsExtraLife(0, 117, AlwaysRight));
  EXPECT_TRUE(SomePlanFindsExtraLife(0, 117, RightForPlanFramesOnly, 60));
}

TEST(StoryLevelSetPieces, SecondLevelExtraLifeLedgeIsWithinASpringRide) {
  EXPECT_TRUE(SpringRideFindsExtraLife(1, 197, AlwaysRight));
}

namespace {
// The direction of a walker or a saucer; -1 for anything else.
int EnemyDirection(GameObject* object) {
  if (CircleMan* walker = dynamic_cast<CircleMan*>(object)) return walker->direction;
  if (UFRO* saucer = dynamic_cast<UFRO*>(object)) return saucer->direction;
  return -1;
}

// Turns of each enemy over a stretch of play.
int MostTurnsOfAnyEnemy(int story) { return MostTurnsOfAny(story, 60, EnemyDirection); }
}  // namespace

TEST(StoryLevelSetPieces, EveryEnemyPatrolsInsteadOfTurningOnTheSpot) {
  const int kFewTurns = 6;
  EXPECT_LE(MostTurnsOfAnyEnemy(0), kFewTurns);
  EXPECT_LE(MostTurnsOfAnyEnemy(1), kFewTurns);
}
