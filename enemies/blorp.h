#pragma once
#include <SDL/SDL.h>

#include <ostream>

#include "engine/image.h"
#include "entities/enemy.h"

// A hopping jelly. Landed, it squashes and recovers, then jumps again in its direction; it only
// moves while in the air. The three sizes differ only in box, take-off speed and pictures.
class Blorp : public Enemy, public LeftFirst {
 public:
  // Squashing after a landing, then recovering before the next jump.
  enum State : int { kAirborne = 0, kSquashing = 1, kRecovering = 2 };

  State state = kSquashing;
  int frame = 0;  // column of the frame table
  int frameCounter = 0;
  int framePeriod = 3;
  Direction direction = kLeft;
  bool jumping = false;
  int jumpSpeed = 0;  // upward positive

  // Counted once, even when two shells cross it in the same frame.
  void Kill() override;
  void Update() override;
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override;
  // Brings an embedded child to life at (px, py): falling, in a random direction, and pushed
  // down out of the hero who has just stomped its parent.
  void Spawn(int px, int py);

 protected:
  // An unspawned child: inactive and not yet counted as an enemy.
  Blorp(int size, const char* name, int takeOffSpeed, Image (&frames)[2][4]);
  // Placed by a level record and counted.
  Blorp(int x, int y, int direction, int size, const char* name, int takeOffSpeed, Image (&frames)[2][4]);
  virtual void UpdateChildren() {}
  virtual void DrawChildren() {}

 private:
  int takeOffSpeed;
  Image (*frames)[4];

  void Hop();
  void MoveSideways();
  void LandIfOnGround();
};

class SmallBlorp : public Blorp {
 public:
  static constexpr const char* kTypeName = "SmallBlorp";
  SmallBlorp();
  SmallBlorp(int x, int y, int direction);
};

// A blorp that splits into three of the next smaller size when killed. The children are
// embedded, so they live and die with it.
template <class Child>
class SplittingBlorp : public Blorp {
 public:
  Child children[3];

  // Dies and releases its children, spread at random below where it stood.
  void Kill() override;

 protected:
  SplittingBlorp(int size, const char* name, int takeOffSpeed, Image (&frames)[2][4], int spreadLeft, int spreadWidth);
  SplittingBlorp(int x, int y, int direction, int size, const char* name, int takeOffSpeed, Image (&frames)[2][4],
                 int spreadLeft, int spreadWidth);
  void UpdateChildren() override;
  void DrawChildren() override;

 private:
  int spreadLeft;   // how far left of the parent's x the leftmost child may appear
  int spreadWidth;  // the number of x positions the children are chosen from
};

class MediumBlorp : public SplittingBlorp<SmallBlorp> {
 public:
  static constexpr const char* kTypeName = "MediumBlorp";
  MediumBlorp();
  MediumBlorp(int x, int y, int direction);
};

class LargeBlorp : public SplittingBlorp<MediumBlorp> {
 public:
  static constexpr const char* kTypeName = "LargeBlorp";
  LargeBlorp(int x, int y, int direction);
};

// An invulnerable crusher. It drops when the hero passes below it, waits on the floor and rises
// back; its touch hurts from every side.
class Smashy : public Enemy {
 public:
  static constexpr const char* kTypeName = "Smashy";
  int frame = 0;  // 0 idle or rising, 1 dropping or waiting
  bool falling = false;
  bool resting = false;  // landed, waiting or rising
  int waitCounter = 0;
  int waitTime = 100;
  int homeY = 0;
  SDL_Rect triggerZone;  // taken at construction; it does not follow the crusher

  Smashy(int x, int y);
  void Update() override;
  void Draw() override;
  void Animate() override;
  // Its own crush rule instead of the stomp rule: nothing can kill it.
  void Collide() override;

 private:
  void Drop();
  void WaitOrRise();
};

extern Image smallBlorpFrames[2][4];  // [direction][frame]
extern Image mediumBlorpFrames[2][4];
extern Image largeBlorpFrames[2][4];
extern Image smashyFrames[2];

// Loads the jelly and sludge tiles and the enemy frames; false at the first picture that fails.
bool LoadBlorpGraphics();
void FreeBlorpGraphics();
