#pragma once
#include <ostream>

#include "engine/image.h"
#include "entities/enemy.h"

// A laser bolt, owned by the enemy that fires it. Not an enemy itself: it is never counted and
// never killed, only ended.
class LaserShot : public Entity, public LeftFirst {
 public:
  // A small bolt flies straight; a large one falls and bounces.
  enum Kind : int { kSmall = 0, kLarge = 1 };

  Direction direction = kLeft;
  Kind kind = kSmall;
  int vy = 0;  // upward positive

  LaserShot();
  // Starts the bolt at (px, py); a bolt still in flight simply starts over.
  void Fire(int px, int py, Direction direction, Kind kind);
  // Ends the bolt.
  void Kill() override;
  void Update() override;
  void Draw() override;
  // Bolts are not part of the level file.
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override;
  // The hit: hurts a hero on foot, not one in a tank, and ends the bolt either way.
  void Collide() override;

 private:
  void Fly();
  void Bounce();
};

extern Image laserShotImages[2];  // [kind]
