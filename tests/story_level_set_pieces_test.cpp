// The set pieces of the Tumbo World levels that a route may skip: each level's UFRO shell has to
// reach the walkers below it and end in the spikes, not slide back at the hero, and each level's
// extra life has to be within reach of a spring ride, though not on the way a hurried player takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "enemies/tumbo_world.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "screens/level_screen.h"
#include "support/route_player.h"
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
  run.Start(story);
  while (run.frame < LevelScreen::kTitleCardFrames) run.Frame(RouteKeys(), false);
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
  run.Start(story);
  while (run.frame < LevelScreen::kTitleCardFrames) run.Frame(RouteKeys(), false);
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
// Turns of each enemy over a stretch of play: an enemy placed a pixel off its floor or inside a
// wall turns back on every frame and stands still.
int MostTurnsOfAnyEnemy(int story) {
  RouteRun run;
  run.Start(story);
  while (run.frame < LevelScreen::kTitleCardFrames) run.Frame(RouteKeys(), false);
  const int kWatchFrames = 60;
  std::vector<int> lastDirection(entityList.size(), -1);
  std::vector<int> turns(entityList.size(), 0);
  for (int i = 0; i < kWatchFrames; ++i) {
    run.Frame(RouteKeys(), false);
    for (size_t n = 0; n < entityList.size(); ++n) {
      int direction = -1;
      if (CircleMan* walker = dynamic_cast<CircleMan*>(entityList[n])) direction = walker->direction;
      if (UFRO* saucer = dynamic_cast<UFRO*>(entityList[n])) direction = saucer->direction;
      if (direction < 0) continue;
      if (lastDirection[n] >= 0 && direction != lastDirection[n]) ++turns[n];
      lastDirection[n] = direction;
    }
  }
  run.Finish();
  int most = 0;
  for (int count : turns) most = std::max(most, count);
  return most;
}
}  // namespace

TEST(StoryLevelSetPieces, EveryEnemyPatrolsInsteadOfTurningOnTheSpot) {
  const int kFewTurns = 6;
  EXPECT_LE(MostTurnsOfAnyEnemy(0), kFewTurns);
  EXPECT_LE(MostTurnsOfAnyEnemy(1), kFewTurns);
}
