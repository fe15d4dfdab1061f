#pragma once
#include <SDL/SDL.h>

#include <ostream>

#include "enemies/laser_shot.h"
#include "engine/image.h"
#include "entities/enemy.h"

// Paces its platform and fires a small laser bolt every 200 frames.
// Frames 0..1 walking, 2..6 dying.
class Pirate : public MortalEnemy, public LeftFirst {
 public:
  static constexpr const char* kTypeName = "Pirate";
  Direction direction = kLeft;
  LaserShot shot;
  int fireCounter = 0;
  int fireInterval = 200;

  Pirate(int x, int y, int direction);
  // Counted once, even when two shells cross it in the same frame.
  void Kill() override;
  void Update() override;
  // Drawn dead or alive; its bolt only while it lives.
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override;

 private:
  void Walk();
  void CountToNextShot();
};

// A stationary enemy tank that lobs large bouncing bolts. Stomped on its hatch or shot by the
// hero's own tank, it is left empty for the hero to board, drive and jump out of.
class Tank : public Enemy {
 public:
  static constexpr const char* kTypeName = "Tank";
  // An enemy tank; then wrecked by a stomp or a shot; then empty, for the hero to drive.
  enum State : int { kHostile = 0, kBeingDestroyed = 1, kEmpty = 2 };

  State state = kHostile;
  int frame = 0;  // 0 enemy, 1..2 destruction, 3 empty facing left, 4 empty facing right
  int frameCounter = 0;
  int framePeriod = 3;
  bool occupied = false;  // the hero is driving it
  LaserShot shot;
  int fireCounter = 0;
  int fireInterval = 200;

  Tank(int x, int y);
  void Kill() override;
  void Update() override;
  // Hidden while the hero drives it: the hero draws the tank then.
  void Draw() override;
  // The enemy tank's own rule: the hero's tank shot, its own bolt, and three boxes of which only
  // the hatch can be stomped.
  void TouchPlayer() override;
  void Animate() override;
  // Fights as an enemy; empty, it is boarded and left behind.
  void Collide() override;

  SDL_Rect HatchBox() const;
  SDL_Rect TurretBox() const;
  SDL_Rect TracksBox() const;
  SDL_Rect BoardBox() const;

 private:
  void CountToNextShot();
  void TryBoarding();
  void LeaveBehind();
};

extern Image pirateFrames[2][7];  // [direction][frame]
extern Image tankFrames[5];

// Loads the ship floor and bomb trap tiles and the enemy frames and bolts. False only when the
// ship floor or a bolt picture fails: any other missing picture just stays blank.
bool LoadSpacePiratesGraphics();
void FreeSpacePiratesGraphics();
