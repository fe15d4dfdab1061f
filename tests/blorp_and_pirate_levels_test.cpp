// The set pieces of the Blorp and Space Pirates story levels that a route does not prove: blorps
// stay in the pens and troughs they were put in, pirates pace instead of turning on the spot, and
// the tank of "Full Armored Tumbo Man" can be boarded and cannot be left before its drive ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "enemies/blorp.h"
#include "enemies/space_pirates.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "support/level_watch.h"
#include "support/route_player.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kTile = 32;
const int kBlorp1 = 2;
const int kBlorp2 = 3;
const int kSpacePirate1 = 4;
const int kSpacePirate2 = 5;

// Blorps only turn at walls; one placed where its hops carry it over a rim ends up in sludge or
// below the level, and the stretch it was meant to guard is empty.
int BlorpsLostWhileTheHeroWaits(int story) {
  RouteRun run;
  PlayTitleCard(run, story);
  const int kWaitFrames = 2000;
  for (int i = 0; i < kWaitFrames; ++i) run.Frame(RouteKeys(), false);
  int lost = 0;
  for (GameObject* object : entityList) {
    if (dynamic_cast<Blorp*>(object) && object->y > world.height * kTile) ++lost;
  }
  run.Finish();
  return lost;
}

struct PirateWatch {
  int pirates = 0;
  int mostTurns = 0;
  int leastTravel = 1 << 30;
};

// A pirate placed a pixel off its floor or against a wall turns back on every frame.
PirateWatch WatchPirates(int story) {
  RouteRun run;
  PlayTitleCard(run, story);
  std::vector<Pirate*> pirates;
  for (GameObject* object : entityList) {
    if (Pirate* pirate = dynamic_cast<Pirate*>(object)) pirates.push_back(pirate);
  }
  std::vector<int> turns(pirates.size(), 0), travel(pirates.size(), 0);
  std::vector<int> direction, x;
  for (Pirate* pirate : pirates) {
    direction.push_back(pirate->direction);
    x.push_back(pirate->x);
  }
  const int kWatchFrames = 60;
  for (int i = 0; i < kWatchFrames; ++i) {
    run.Frame(RouteKeys(), false);
    for (size_t n = 0; n < pirates.size(); ++n) {
      if (pirates[n]->direction != direction[n]) ++turns[n];
      travel[n] += std::abs(pirates[n]->x - x[n]);
      direction[n] = pirates[n]->direction;
      x[n] = pirates[n]->x;
    }
  }
  run.Finish();
  PirateWatch watch;
  watch.pirates = static_cast<int>(pirates.size());
  for (size_t n = 0; n < pirates.size(); ++n) {
    watch.mostTurns = std::max(watch.mostTurns, turns[n]);
    watch.leastTravel = std::min(watch.leastTravel, travel[n]);
  }
  return watch;
}

Tank* TankNearColumn(int column) {
  Tank* nearest = nullptr;
  for (GameObject* object : entityList) {
    Tank* tank = dynamic_cast<Tank*>(object);
    if (tank && (!nearest || std::abs(tank->x - column * kTile) < std::abs(nearest->x - column * kTile))) {
      nearest = tank;
    }
  }
  return nearest;
}

void Hold(RouteRun& run, const RouteKeys& keys, int frames) {
  for (int i = 0; i < frames; ++i) run.Frame(keys, false);
}
}  // namespace

TEST(BlorpLevels, EveryBlorpStaysOnTheGroundItWasPutOn) {
  EXPECT_EQ(0, BlorpsLostWhileTheHeroWaits(kBlorp1));
  EXPECT_EQ(0, BlorpsLostWhileTheHeroWaits(kBlorp2));
}

// The large blorp's pit early in "There's too many of them!" lies before any checkpoint, four
// cells deep: a hero who misses the jump over it must find a way out, not be hopped on until he
// dies. He lands in it, holds Right and taps Jump.
TEST(BlorpLevels, HeroWhoFallsIntoTheLargeBlorpPitGetsOut) {
  const int kPitColumn = 46;
  const int kPastThePitColumn = 52;
  const int kPitFloorRow = 19;
  // Short jumps: a full jump, Jump held, may just clear the rim, a tap must not be a trap.
  HeldKeys tap;
  tap.keys.right = true;
  tap.keys.up = true;
  tap.frames = 1;
  HeldKeys run;
  run.keys.right = true;
  run.frames = 30;
  const PlanOutcome outcome = PlayPlan(kBlorp2, kPitColumn, kPitFloorRow, {tap, run, tap, run, tap, run, tap, run});
  EXPECT_EQ(0, outcome.deaths);
  EXPECT_GE(outcome.lastColumn, kPastThePitColumn);
}

TEST(PirateLevels, EveryPiratePacesInsteadOfTurningOnTheSpot) {
  for (int story : {kSpacePirate1, kSpacePirate2}) {
    const PirateWatch watch = WatchPirates(story);
    EXPECT_GT(watch.pirates, 5) << "story level " << story;
    EXPECT_LE(watch.mostTurns, 2) << "story level " << story;
    EXPECT_GE(watch.leastTravel, 60) << "story level " << story;
  }
}

// On the high way along the deck of "Full Armored Tumbo Man" the hero jumps from a short gantry
// to a long one whose far part lies beyond the view's edge. The pirate pacing the long gantry
// must keep to that far part, and its bolts too, so where he lands, which he can see, is clear.
TEST(PirateLevels, GantryPirateKeepsClearOfWhereTheHeroLands) {
  const int kJumpColumn = 52;
  const int kGantryTop = 9 * kTile;
  const int kPirateColumn = 66;
  RouteRun run;
  PlayTitleCard(run, kSpacePirate2);
  Pirate* pirate = nullptr;
  for (GameObject* object : entityList) {
    Pirate* found = dynamic_cast<Pirate*>(object);
    if (found && std::abs(found->x / kTile - kPirateColumn) <= 1 && found->y < kGantryTop) pirate = found;
  }
  ASSERT_NE(nullptr, pirate);
  Player& hero = run.Hero();
  hero.x = kJumpColumn * kTile;
  hero.y = kGantryTop - hero.h - 1;
  hero.invulnerable = true;
  hero.invulnerableFrames = 1 << 30;
  SetCamera(hero.x - 304, hero.y - 224);
  const int viewRight = world.cameraX + 640;
  int leftmost = 1 << 30;
  const int kWatchFrames = 1500;
  for (int i = 0; i < kWatchFrames; ++i) {
    run.Frame(RouteKeys(), false);
    leftmost = std::min(leftmost, pirate->x);
    if (pirate->shot.active) leftmost = std::min(leftmost, pirate->shot.x);
  }
  EXPECT_GE(leftmost, viewRight);
  run.Finish();
}

// The hangar tank stands below the end of a raised deck, and a spike bed under a low roof follows
// it: a hero who stomps the hatch and lets go of the keys must end up driving, a jump in the
// tunnel must drop him back into the tank instead of onto the spikes, and the tank must roll all
// the way to the wall at the end of the bed.
TEST(PirateLevels, HangarTankCanBeBoardedAndKeepsItsDriverUntilTheWall) {
  const int kHangarTankColumn = 147;
  const int kDriveWallColumn = 210;
  RouteRun run;
  PlayTitleCard(run, kSpacePirate2);
  Tank* tank = TankNearColumn(kHangarTankColumn);
  ASSERT_NE(nullptr, tank);
  Player& hero = run.Hero();
  hero.x = tank->x + 74;
  hero.y = tank->y - hero.h - 4;
  hero.airborne = true;
  hero.vy = -1;
  SetCamera(hero.x - 304, hero.y - 224);
  Hold(run, RouteKeys(), 80);
  ASSERT_TRUE(hero.inTank);
  EXPECT_TRUE(tank->occupied);

  RouteKeys drive;
  drive.right = true;
  drive.space = true;
  Hold(run, drive, 150);
  RouteKeys jump = drive;
  jump.up = true;
  Hold(run, jump, 12);
  Hold(run, drive, 60);
  EXPECT_TRUE(hero.inTank) << "the jump left the tank at x " << hero.x;
  EXPECT_FALSE(hero.dead);

  Hold(run, drive, 700);
  EXPECT_TRUE(hero.inTank);
  EXPECT_FALSE(hero.dead);
  EXPECT_GE(hero.x + hero.w, kDriveWallColumn * kTile - 4);
  run.Finish();
}
