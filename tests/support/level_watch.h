#pragma once
// Watching a story level played through the real play screen with no keys held, or with a
// short plan of held keys from a chosen spot.
#include <vector>

#include "support/route_player.h"

class GameObject;

// Starts the story level and plays through its title card.
void PlayTitleCard(RouteRun& run, int story);

// The most times any one entity of the story level turned around over `frames` frames after the
// title card. `direction` gives an entity's direction, or -1 for an entity not watched. An enemy
// placed a pixel off its floor or inside a wall turns back on every frame and stands still.
int MostTurnsOfAny(int story, int frames, int (*direction)(GameObject*));

// Keys held for a number of frames.
struct HeldKeys {
  RouteKeys keys;
  int frames = 0;
};

// Where a hero ends up who is put on the floor whose top is floorRow, in the given column, after
// the title card, and then holds each stretch of keys in turn.
struct PlanOutcome {
  int money = 0;
  int lives = 0;
  int deaths = 0;
  int deepestFloorRow = 0;  // the lowest floor he stood on
  int lastFloorRow = 0;     // the floor under him at the end
  int lastColumn = 0;
};
PlanOutcome PlayPlan(int story, int column, int floorRow, const std::vector<HeldKeys>& plan);
