#include "support/level_watch.h"

#include <algorithm>
#include <vector>

#include "entities/player.h"
#include "entities/registry.h"
#include "screens/level_screen.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kTile = 32;

int FloorRow(const Player& hero) { return (hero.y + hero.h + 1) / kTile; }
}  // namespace

void PlayTitleCard(RouteRun& run, int story) {
  run.Start(story);
  while (run.frame < LevelScreen::kTitleCardFrames) run.Frame(RouteKeys(), false);
}

int MostTurnsOfAny(int story, int frames, int (*direction)(GameObject*)) {
  RouteRun run;
  PlayTitleCard(run, story);
  std::vector<int> lastDirection(entityList.size(), -1);
  std::vector<int> turns(entityList.size(), 0);
  for (int i = 0; i < frames; ++i) {
    run.Frame(RouteKeys(), false);
    for (size_t n = 0; n < entityList.size(); ++n) {
      const int now = direction(entityList[n]);
      if (now < 0) continue;
      if (lastDirection[n] >= 0 && now != lastDirection[n]) ++turns[n];
      lastDirection[n] = now;
    }
  }
  run.Finish();
  int most = 0;
  for (int count : turns) most = std::max(most, count);
  return most;
}

PlanOutcome PlayPlan(int story, int column, int floorRow, const std::vector<HeldKeys>& plan) {
  RouteRun run;
  PlayTitleCard(run, story);
  Player& hero = run.Hero();
  hero.x = column * kTile;
  hero.y = floorRow * kTile - hero.h - 1;
  SetCamera(hero.x - 304, hero.y - 224);
  PlanOutcome outcome;
  outcome.deepestFloorRow = floorRow;
  for (const HeldKeys& stretch : plan) {
    for (int i = 0; i < stretch.frames; ++i) {
      run.Frame(stretch.keys, false);
      if (!hero.airborne && !hero.dead) outcome.deepestFloorRow = std::max(outcome.deepestFloorRow, FloorRow(hero));
    }
  }
  outcome.money = hero.levelMoney;
  outcome.lives = hero.lifeCount;
  outcome.deaths = run.outcome.deaths;
  outcome.lastFloorRow = FloorRow(hero);
  outcome.lastColumn = hero.x / kTile;
  run.Finish();
  return outcome;
}
