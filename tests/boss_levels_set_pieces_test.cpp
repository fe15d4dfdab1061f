// The set pieces of the Robot City and Round World levels that a route passes too quickly to
// prove: the Overlord's floor ends before the flag, so a chase can always be escaped; the final
// Baron cannot leave his arena, so his level can always be finished; every guard and soldier
// stands on its floor and patrols instead of turning on the spot; and each hidden reward is found
// by a curious player, missed by a hurried one, and left again.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "enemies/robot_city.h"
#include "enemies/round_world.h"
#include "engine/engine.h"
#include "engine/progress.h"
#include "entities/flag.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "support/level_watch.h"
#include "support/route_player.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kTile = 32;
const int kRobotCity1 = 6;
const int kRobotCity2 = 7;
const int kRoundWorld1 = 8;
const int kRoundWorld2 = 9;

template <typename T>
T* First() {
  for (GameObject* object : entityList) {
    if (T* found = dynamic_cast<T*>(object)) return found;
  }
  return nullptr;
}

// The first one standing in the given columns.
template <typename T>
T* FirstInColumns(int firstColumn, int lastColumn) {
  for (GameObject* object : entityList) {
    T* found = dynamic_cast<T*>(object);
    if (found && found->x / kTile >= firstColumn && found->x / kTile <= lastColumn) return found;
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

// Stretches of a plan: walking right, walking left, standing, and walking right while jumping.
HeldKeys Walk(int frames) {
  HeldKeys held;
  held.keys.right = true;
  held.frames = frames;
  return held;
}
HeldKeys Back(int frames) {
  HeldKeys held;
  held.keys.left = true;
  held.frames = frames;
  return held;
}
HeldKeys Wait(int frames) {
  HeldKeys held;
  held.frames = frames;
  return held;
}
HeldKeys Hop(int frames) {
  HeldKeys held = Walk(frames);
  held.keys.up = true;
  return held;
}
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

namespace {
// A running hero skips a narrow hole in the street and lands in the ditch further on, beside the
// cellar's coins but facing away from them; one who stops over the hole drops in at its other end,
// takes them and climbs out through the ditch.
void ExpectCellarFoundByStopping(int story, int beforeTheHole, int streetRow, int ditchEnd, int coins) {
  const PlanOutcome hurried = PlayPlan(story, beforeTheHole, streetRow, {Walk(150)});
  const PlanOutcome curious = PlayPlan(story, beforeTheHole, streetRow, {Walk(28), Wait(40), Hop(200)});
  EXPECT_EQ(streetRow + 3, curious.deepestFloorRow) << "the hero never got into the cellar";
  EXPECT_GE(curious.money, hurried.money + coins);
  EXPECT_LE(curious.lastFloorRow, streetRow) << "still in the cellar at column " << curious.lastColumn;
  EXPECT_GT(curious.lastColumn, ditchEnd);
}
}  // namespace

// The first fast belt of "The Machines!" leads to a spike pit before any checkpoint. A running
// hero who lets go of the keys a moment after the pit comes on screen must come to rest short of
// it: a belt that runs into the pit's rim would carry him in whatever he does.
TEST(BossLevelSetPieces, RobotCityFirstFastBeltLetsTheHeroStopBeforeItsPit) {
  const int kBeltColumn = 54;
  const int kPitColumn = 66;
  const int kStreetTop = 16 * kTile;
  const int kReactionFrames = 25;
  RouteRun run;
  PlayTitleCard(run, kRobotCity1);
  Player& hero = run.Hero();
  StandHero(hero, kBeltColumn * kTile, kStreetTop);
  hero.invulnerable = false;
  RouteKeys right;
  right.right = true;
  const int kRunFrames = 200;
  for (int i = 0; i < kRunFrames && world.cameraX + kScreenWidth <= kPitColumn * kTile; ++i) run.Frame(right, false);
  ASSERT_GT(world.cameraX + kScreenWidth, kPitColumn * kTile) << "the pit never came on screen";
  for (int i = 0; i < kReactionFrames; ++i) run.Frame(right, false);
  for (int i = 0; i < kRunFrames; ++i) run.Frame(RouteKeys(), false);
  EXPECT_EQ(0, run.outcome.deaths);
  EXPECT_LE(hero.x + hero.w, kPitColumn * kTile);
  run.Finish();
}

// The guard on the first shelf of "The Machines!" faces the way the hero runs. A hero who has
// passed under the shelf and jumps on the street ahead of it (over the bolts of the next guard,
// say) is in its eyes, out of his own sight: its bolts must end at the shelf, not in his back.
TEST(BossLevelSetPieces, RobotCityShelfGuardCannotShootPastItsShelf) {
  const int kShelfStartColumn = 99;
  const int kShelfEndColumn = 106;
  const int kStreetTop = 16 * kTile;
  RouteRun run;
  PlayTitleCard(run, kRobotCity1);
  RobotGuard* guard = FirstInColumns<RobotGuard>(kShelfStartColumn, kShelfEndColumn);
  ASSERT_NE(nullptr, guard);
  Player& hero = run.Hero();
  StandHero(hero, (kShelfEndColumn + 3) * kTile, kStreetTop);
  RouteKeys hop;
  hop.up = true;
  int farthestBolt = 0;
  const int kHopFrames = 400;
  for (int i = 0; i < kHopFrames; ++i) {
    run.Frame(hop, false);
    for (const LaserShot& shot : guard->shots) {
      if (shot.active) farthestBolt = std::max(farthestBolt, shot.x + shot.w);
    }
  }
  EXPECT_LE(farthestBolt, (kShelfEndColumn + 1) * kTile);
  run.Finish();
}

// The ninja on the ledge over the street of "The Round Menace" runs at the hero once it comes
// into view and drops off the ledge's end. A hero walking the street must see it land in front of
// him: had it to run the ledge first, it dropped onto the street behind him, just after he walked
// under it.
TEST(BossLevelSetPieces, RoundWorldLedgeNinjaLandsInFrontOfTheHero) {
  const int kStartColumn = 136;
  const int kLedgeColumn = 152;
  const int kLedgeEndColumn = 159;
  const int kStreetTop = 16 * kTile;
  RouteRun run;
  PlayTitleCard(run, kRoundWorld1);
  Ninja* ninja = FirstInColumns<Ninja>(kLedgeColumn, kLedgeEndColumn);
  ASSERT_NE(nullptr, ninja);
  Player& hero = run.Hero();
  StandHero(hero, kStartColumn * kTile, kStreetTop);
  RouteKeys walk;
  walk.right = true;
  const int kWalkFrames = 300;
  for (int i = 0; i < kWalkFrames && ninja->y + ninja->h < kStreetTop - 1; ++i) run.Frame(walk, false);
  ASSERT_GE(ninja->y + ninja->h, kStreetTop - 1) << "it never reached the street";
  EXPECT_GT(ninja->x, hero.x + hero.w);
  run.Finish();
}

TEST(BossLevelSetPieces, RobotCityCellarsAreFoundByStoppingAndLeftThroughTheirDitches) {
  ExpectCellarFoundByStopping(kRobotCity1, 267, 16, 283, 7);
  ExpectCellarFoundByStopping(kRobotCity2, 229, 20, 245, 8);
}

namespace {
// The spring before a cliff throws a hurried hero onto its top; one who steers left at the top of
// the flight lands on the stash high to the left, and walks along it.
void ExpectStashOverTheSpringWantsASteer(int story, int beforeTheSpring, int cliffRow, int stashRow, int coins) {
  const int kStreetRow = 16;
  const PlanOutcome hurried = PlayPlan(story, beforeTheSpring, kStreetRow, {Walk(200)});
  EXPECT_EQ(cliffRow, hurried.lastFloorRow);
  const PlanOutcome curious =
      PlayPlan(story, beforeTheSpring, kStreetRow, {Walk(24), Wait(40), Back(30), Wait(80), Back(40)});
  EXPECT_EQ(stashRow, curious.lastFloorRow);
  EXPECT_GE(curious.money, coins);
}
}  // namespace

// In Robot City the extra life waits on the cliff top, where the hurried hero lands.
TEST(BossLevelSetPieces, StashesOverTheSpringsWantASteer) {
  ExpectStashOverTheSpringWantsASteer(kRobotCity1, 484, 4, 3, 7);
  EXPECT_EQ(kStartingLives + 1, PlayPlan(kRobotCity1, 484, 16, {Walk(200)}).lives);
  ExpectStashOverTheSpringWantsASteer(kRoundWorld1, 534, 6, 3, 6);
}

// In the yard a hurried hero walks the girders and drops from one to the next; a careful jump from
// the side of the fourth lands on the short girder over it, with its stash.
TEST(BossLevelSetPieces, RobotCityStashOverTheYardWantsAJumpFromItsSide) {
  const int kFourthGirderRow = 11;
  const int kStashRow = 8;
  const int kFourthGirder = 228;
  const PlanOutcome hurried = PlayPlan(kRobotCity2, kFourthGirder, kFourthGirderRow, {Walk(200)});
  EXPECT_NE(kStashRow, hurried.lastFloorRow);
  const PlanOutcome curious =
      PlayPlan(kRobotCity2, kFourthGirder, kFourthGirderRow, {Hop(14), Walk(30), Wait(40), Walk(24)});
  EXPECT_EQ(kStashRow, curious.lastFloorRow);
  EXPECT_GE(curious.money, 4);
}

// A hurried hero runs over the hill; one who stops over the narrow hole in its top drops into the
// cave under it, takes its coins, and the spring at its far end throws him back out past the cliff.
TEST(BossLevelSetPieces, RoundWorldCaveUnderTheHillIsFoundByStoppingAndLeftByItsSpring) {
  const int kHillTopRow = 8;
  const int kCaveRow = 16;
  const int kBeforeTheHole = 469;
  const int kCliff = 507;
  const PlanOutcome hurried = PlayPlan(kRoundWorld1, kBeforeTheHole, kHillTopRow, {Walk(200)});
  EXPECT_EQ(kHillTopRow, hurried.deepestFloorRow);
  const PlanOutcome curious = PlayPlan(kRoundWorld1, kBeforeTheHole, kHillTopRow, {Walk(28), Wait(40), Walk(400)});
  EXPECT_EQ(kCaveRow, curious.deepestFloorRow);
  EXPECT_GE(curious.money, hurried.money + 15);
  EXPECT_GT(curious.lastColumn, kCliff) << "still under the hill";
  EXPECT_EQ(0, curious.deaths);
}

// The last level's two stashes: a rock high over the mesa, for a full jump from beside it, and a
// hollow under the lake's far bank, for a dive; the hero swims out of the hollow and up the bank.
TEST(BossLevelSetPieces, RoundWorldLastStashesWantAFullJumpAndADive) {
  const int kMesaRow = 6;
  const int kRockRow = 2;
  const int kBesideTheRock = 513;
  EXPECT_EQ(kMesaRow, PlayPlan(kRoundWorld2, kBesideTheRock, kMesaRow, {Walk(90)}).lastFloorRow);
  const PlanOutcome jumper = PlayPlan(kRoundWorld2, kBesideTheRock, kMesaRow, {Hop(24), Walk(30), Wait(60)});
  EXPECT_EQ(kRockRow, jumper.lastFloorRow);
  EXPECT_GE(jumper.money, 5);

  const int kLakeBedRow = 19;
  const int kBankRow = 16;
  const int kBank = 555;
  const PlanOutcome diver = PlayPlan(kRoundWorld2, 546, kLakeBedRow, {Walk(150), Back(70), Hop(150)});
  EXPECT_GE(diver.money, 5);
  EXPECT_LE(diver.lastFloorRow, kBankRow) << "still in the lake at column " << diver.lastColumn;
  EXPECT_GT(diver.lastColumn, kBank);
}
