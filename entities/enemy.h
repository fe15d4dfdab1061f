#pragma once
#include <SDL/SDL.h>

#include <initializer_list>

#include "engine/game_sounds.h"
#include "entities/game_object.h"

// What the enemies share: their base class, the two ways a level record counts directions, and
// what an enemy (or a shot it fires) can sense around it.

// Which way an enemy faces or moves, as its level record stores it: 0 or 1. The worlds count it
// two ways, and saved levels keep both: Tumbo World and Robot City count right as 0; Blorp, Space
// Pirates, Round World and the laser bolts count left as 0. A class takes its world's order as a
// base, so its code reads kLeft and kRight whichever it is.
template <int RightValue>
struct FacingOrder {
  enum Direction : int { kRight = RightValue, kLeft = 1 - RightValue };

  // A record may hold any integer; anything but 0 counts as 1, so the tables of pictures with a
  // row per direction are never indexed outside their two rows.
  static Direction Facing(int recorded) { return recorded == 0 ? Direction(0) : Direction(1); }
  static Direction Turned(Direction direction) { return direction == kLeft ? kRight : kLeft; }
  // One step of `speed` pixels along x in the direction.
  static int Step(Direction direction, int speed) { return direction == kLeft ? -speed : speed; }
};
using RightFirst = FacingOrder<0>;
using LeftFirst = FacingOrder<1>;

// Every enemy a level file places.
class Enemy : public Entity {
 public:
  // Most enemies' contact is the usual rule alone.
  void Collide() override { TouchPlayer(); }
  // Most records hold only the name and the position.
  void WriteLevelLine(std::ostream& out) override { WriteRecord(out); }

 protected:
  // Whether it adds one to the level's enemy count when made.
  enum Counting { kNotCounted, kCounted };

  Enemy(int x, int y, int width, int height, const char* typeName, Footing footing, Counting counting);

  // The x of its front edge, facing left or right.
  int FrontX(bool facingLeft) const { return facingLeft ? x : x + w; }
  // Something solid at its front edge at any of the given heights below its top.
  bool SolidAhead(bool facingLeft, std::initializer_list<int> heights) const;
  // No floor under its front edge.
  bool LedgeAhead(bool facingLeft) const;
  // What turns a walker: a wall at its middle height or the end of its floor.
  bool WallOrLedgeAhead(bool facingLeft) const { return SolidAhead(facingLeft, {h / 2}) || LedgeAhead(facingLeft); }
};

// An enemy that can be killed and then dies picture by picture: living, dying, dead.
class MortalEnemy : public Enemy {
 public:
  enum LifeState : int { kLiving = 0, kDying = 1, kDead = 2 };

  LifeState state = kLiving;
  int frame = 0;  // the picture shown
  int frameCounter = 0;
  int framePeriod = 3;  // frames per picture

 protected:
  using Enemy::Enemy;
  // The usual death, taken once: inactive, dying from `firstFrame` with its counter started
  // again, and counted as killed. False when it was no longer living, so two shells crossing it
  // in one frame never count it twice.
  bool StartDying(int firstFrame);
  // One frame of dying: the next picture every framePeriod frames, dead at `deadFrame`. A
  // `slowFrame` before it, if given, stays `slowTime` frames.
  void StepDying(int deadFrame, int slowFrame = -1, int slowTime = 0);
};

// A line of sight from an enemy's front edge, reaching forwards in 5-pixel steps up to the first
// wall met by its top or bottom edge, at most 295 pixels.
SDL_Rect ForwardSight(int frontX, int top, int height, bool facingLeft);

// The view rectangle (cameraX, cameraY, 640, 480) overlaps the object's box.
bool InView(const GameObject& object);
// The object's box lies wholly beside, above or below the view.
bool OutOfView(const GameObject& object);
// Plays the effect when the object is in view or just beside it: guns and crushers all over a level
// would otherwise drown what happens on screen.
void PlayNearView(Effect effect, const GameObject& object);

// A solid point along the object's bottom edge moved down by `below`: its two corners, and with
// `middleToo` its middle as well.
bool SolidUnderFeet(const GameObject& object, int below, bool middleToo = false);
// Raises a landed object until its feet rest on the floor's surface instead of inside it.
void LiftOutOfFloor(GameObject& object, bool middleToo = false);
// Raises a landed object until no floor is left at its feet: it ends a pixel above the surface.
void LiftClearOfFloor(GameObject& object, bool middleToo = false);

// Sunk a screen below the level, where nothing can bring it back into play. Things falling there
// are held, so their positions never run past what 32 bits hold, nor their 16-bit collision boxes
// and drawing positions wrap around into the level again.
bool LostBelowLevel(const GameObject& object);
