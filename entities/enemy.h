#pragma once
#include <SDL/SDL.h>

#include "entities/game_object.h"

// What an enemy can sense around it: its line of sight, the view and the floor under its feet.

// A line of sight from an enemy's front edge, reaching forwards in 5-pixel steps up to the first
// wall met by its top or bottom edge, at most 295 pixels.
SDL_Rect ForwardSight(int frontX, int top, int height, bool facingLeft);

// The view rectangle (cameraX, cameraY, 640, 480) overlaps the object's box.
bool InView(const GameObject& object);
// The object's box lies wholly beside, above or below the view.
bool WhollyOutOfView(const GameObject& object);

// A solid point along the object's bottom edge moved down by `below`: its two corners, and with
// `middleToo` its middle as well.
bool SolidUnderFeet(const GameObject& object, int below, bool middleToo = false);
// Raises a landed object until its feet rest on the floor's surface instead of inside it.
void LiftOutOfFloor(GameObject& object, bool middleToo = false);

// Sunk so far below the level that nothing can bring it back into play. Things falling there are
// held, so their positions never run past what 32 bits hold.
bool LostBelowLevel(const GameObject& object);
