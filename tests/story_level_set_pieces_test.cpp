// The set pieces of the Tumbo World levels that a route may skip: each level's UFRO shell has to
// reach the walkers below it and end in the spikes, not slide back at the hero, and the hidden
// rewards have to be found by a curious player, missed by a hurried one, and left again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "enemies/tumbo_world.h"
#include "entities/player.h"
#include "entities/player_tuning.h"
#include "entities/registry.h"
#include "support/level_watch.h"
#include "support/route_player.h"
#include "world/camera.h"
#include "world/tiles.h"
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
  bool shellInPit = false;  // lying in the spikes at the bottom of a pit
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
  const Tile* under = GetTile((saucer->x + saucer->w / 2) / kTile, (saucer->y + saucer->h / 2) / kTile);
  result.shellInPit = dynamic_cast<const SpikesTile*>(under) || saucer->y + saucer->h >= (world.height - 1) * kTile;
  run.Finish();
  return result;
}

// After the title card, puts the hero on the floor whose top is the given row.
void StandOn(RouteRun& run, int story, int column, int floorRow) {
  PlayTitleCard(run, story);
  Player& hero = run.Hero();
  hero.x = column * kTile;
  hero.y = floorRow * kTile - hero.h - 1;
  SetCamera(hero.x - 304, hero.y - 224);
}

// Launches the hero up from where he stands, by walking into the spring a few cells on or with a
// jetpack; from the launch on he holds Right only in the frames the plan says.
bool LaunchFindsExtraLife(RouteRun& run, bool jetpack, bool (*holdRight)(int framesSinceLaunch)) {
  Player& hero = run.Hero();
  if (jetpack) hero.SetEffect(kJetpackEffect);
  const int livesBefore = hero.lifeCount;
  int launchedAt = -1;
  const int kRideFrames = 400;
  for (int i = 0; i < kRideFrames && hero.lifeCount == livesBefore; ++i) {
    if (launchedAt < 0 && hero.airborne && hero.vy > 20) launchedAt = i;
    RouteKeys keys;
    keys.right = launchedAt < 0 ? !jetpack : holdRight(i - launchedAt);
    keys.space = jetpack && launchedAt < 0;
    run.Frame(keys, false);
  }
  const bool found = hero.lifeCount > livesBefore;
  run.Finish();
  return found;
}

int planFrames = 0;
bool AlwaysRight(int) { return true; }
bool RightForPlanFramesOnly(int since) { return since < planFrames; }
}  // namespace

TEST(StoryLevelSetPieces, FirstLevelShellClearsTheWalkersBelowIt) {
  const ShellResult result = StompAndKick(0, 464);
  EXPECT_EQ(1 + 2, result.killed);
  EXPECT_EQ(0, result.walkersLeft);
  EXPECT_FALSE(result.heroHurt);
  EXPECT_TRUE(result.shellInPit);
}

TEST(StoryLevelSetPieces, SecondLevelShellClearsTheThreeWalkersBelowIt) {
  const ShellResult result = StompAndKick(1, 223);
  EXPECT_EQ(1 + 3, result.killed);
  EXPECT_EQ(0, result.walkersLeft);
  EXPECT_FALSE(result.heroHurt);
  EXPECT_TRUE(result.shellInPit);
}

// The first saucers of the first two levels fly between two pillars at the same height, so they
// look alike: a hero walking the floor between the pillars must pass under either unhurt.
TEST(StoryLevelSetPieces, FirstSaucersOfBothLevelsCanBeWalkedUnder) {
  struct Pen {
    int story, firstColumn, lastColumn;
  };
  const int kFloorRow = 16;
  for (const Pen& pen : {Pen{0, 455, 473}, Pen{1, 43, 56}}) {
    RouteRun run;
    StandOn(run, pen.story, pen.firstColumn, kFloorRow);
    Player& hero = run.Hero();
    RouteKeys walk;
    walk.right = true;
    const int kWalkFrames = 200;
    for (int i = 0; i < kWalkFrames && hero.x < pen.lastColumn * kTile; ++i) run.Frame(walk, false);
    EXPECT_GE(hero.x, pen.lastColumn * kTile) << "story level " << pen.story;
    EXPECT_EQ(0, run.outcome.hurts + run.outcome.deaths) << "story level " << pen.story;
    run.Finish();
  }
}

namespace {
struct CellarVisit {
  int deepestFloorRow = 0;  // under the stretch from the hole to the cellar's way out
  int lastFloorRow = 0;
  int lastColumn = 0;
  int money = 0;
};

// Walks the hero at a hole in the ground from a few cells before it; once he is over it he lets
// go of the keys for a while, if told to, and then holds Right and Up to find his way out.
CellarVisit WalkOverHole(int story, int holeColumn, int exitColumn, int floorRow, int stopFrames) {
  RouteRun run;
  PlayTitleCard(run, story);
  Player& hero = run.Hero();
  hero.x = (holeColumn - 3) * kTile;
  hero.y = floorRow * kTile - hero.h - 1;
  SetCamera(hero.x - 304, hero.y - 224);
  RouteKeys walk;
  walk.right = true;
  RouteKeys climb = walk;
  climb.up = true;
  CellarVisit visit;
  visit.deepestFloorRow = floorRow;
  const int kWalkFrames = 500;
  const bool curious = stopFrames > 0;
  for (int i = 0; i < kWalkFrames; ++i) {
    const bool stopped = hero.x >= holeColumn * kTile && stopFrames-- > 0;
    run.Frame(stopped ? RouteKeys() : curious && stopFrames < 0 ? climb : walk, false);
    if (!hero.airborne && hero.x < exitColumn * kTile) {
      visit.deepestFloorRow = std::max(visit.deepestFloorRow, (hero.y + hero.h + 1) / kTile);
    }
  }
  visit.lastFloorRow = (hero.y + hero.h + 1) / kTile;
  visit.lastColumn = hero.x / kTile;
  visit.money = hero.levelMoney;
  run.Finish();
  return visit;
}
}  // namespace

// Ground with a hole two cells wide over a cellar of coins: a running hero skips over it, one
// who stops drops in, and the cellar lets him out again through a ditch further on.
TEST(StoryLevelSetPieces, FirstLevelCellarIsFoundByStoppingAndLeftThroughItsDitch) {
  const int kHoleColumn = 584;
  const int kDitchColumn = 598;
  const int kFloorRow = 16;
  const CellarVisit hurried = WalkOverHole(0, kHoleColumn, kDitchColumn, kFloorRow, 0);
  EXPECT_EQ(kFloorRow, hurried.deepestFloorRow);
  const CellarVisit curious = WalkOverHole(0, kHoleColumn, kDitchColumn, kFloorRow, 40);
  EXPECT_GT(curious.deepestFloorRow, kFloorRow);
  EXPECT_GT(curious.money, hurried.money + 5);
  EXPECT_LE(curious.lastFloorRow, kFloorRow) << "still below the ground at column " << curious.lastColumn;
  EXPECT_GT(curious.lastColumn, kDitchColumn + 4);
}

// The spring at the foot of the cliff throws a hurried hero onto its top, past the ledge high
// above; the jetpack, steered, reaches the extra life on it.
TEST(StoryLevelSetPieces, SecondLevelExtraLifeOverTheCliffWantsTheJetpack) {
  const int kSpringColumn = 383;
  const int kGroundRow = 16;
  const int kCliffTopRow = 6;
  const int kUnderTheLedge = 395;
  RouteRun springRide;
  StandOn(springRide, 1, kSpringColumn - 4, kGroundRow);
  EXPECT_FALSE(LaunchFindsExtraLife(springRide, false, AlwaysRight));
  bool found = false;
  for (planFrames = 0; planFrames <= 80 && !found; planFrames += 4) {
    RouteRun jetpackRide;
    StandOn(jetpackRide, 1, kUnderTheLedge, kCliffTopRow);
    found = LaunchFindsExtraLife(jetpackRide, true, RightForPlanFramesOnly);
  }
  EXPECT_TRUE(found);
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
