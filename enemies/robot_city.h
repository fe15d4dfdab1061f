#pragma once
#include <SDL/SDL.h>

#include <ostream>

#include "enemies/explosive.h"
#include "enemies/laser_shot.h"
#include "engine/image.h"
#include "entities/enemy.h"

// A patrolling robot. When it sees the hero it stops, turns to him and fires a laser bolt every
// 50 frames, until 100 frames have passed without seeing him.
// Frames 0..3 facing and alert, 4..7 destruction, 8 wreck.
class RobotGuard : public MortalEnemy, public RightFirst {
 public:
  static constexpr const char* kTypeName = "RobotGuard";
  int alert = 0;
  Direction direction = kRight;  // facing and walking
  SDL_Rect sightRect = {0, 0, 1, 1};
  int alertTimer = 0;  // frames since the hero was last in sight
  int alertTime = 100;
  LaserShot shots[5];
  int fireCounter = 0;
  int fireInterval = 50;

  RobotGuard(int x, int y, int direction);
  // Counted once, even when two shells cross it in the same frame.
  void Kill() override;
  void Update() override;
  // Drawn dead or alive; its bolts only while it stands.
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override;
  // The usual contact rule, then the look along the sight computed in the previous frame.
  void Collide() override;

 private:
  void Look();
  void Move();
  void Fire();
  void CalmDown();
};

// A homing missile: it steers at the hero one pixel a frame on each axis, bursts on him, on a
// wall or after 250 frames, and vanishes quietly once wholly out of view.
class Missile : public Explosive {
 public:
  int dx = 0;  // -1, 0 or 1 once steered
  int dy = 0;
  int lifeCounter = 0;
  int lifeTime = 0;  // set at launch

  Missile();
  void Launch(int px, int py);

 protected:
  int FlightFrame() const override;
  // A blast drifts on after the hero too; only a flying missile ages, hits walls and leaves the view.
  void Move() override;

 private:
  void Steer();
  void FlyOn();
};

// A hovering launcher that sends a homing missile every 300 frames, at most three at once.
// Frames 0..1 hovering, 2..5 destruction, 6 wreck.
class MissileBot : public MortalEnemy {
 public:
  static constexpr const char* kTypeName = "MissileBot";
  Missile missiles[3];
  int fireCounter = 0;
  int fireInterval = 300;

  MissileBot(int x, int y);
  // Counted once, even when two shells cross it in the same frame; its missiles fly on.
  void Kill() override;
  void Update() override;
  void Draw() override;
  void Animate() override;

 private:
  void CountToLaunch();
};

// The giant robot of Robot City. Nothing hurts it; once the hero is within a screen in front of
// it, it walks right until its floor ends, and its touch kills at once.
class Overlord : public Enemy {
 public:
  static constexpr const char* kTypeName = "Overlord";
  bool moving = false;

  Overlord(int x, int y);
  void Update() override;
  void Draw() override;
  void Animate() override;
  // Head, torso and base: touching any of them ends the hero's life whatever his health.
  void Collide() override;

  SDL_Rect HeadBox() const;
  SDL_Rect TorsoBox() const;
  SDL_Rect BaseBox() const;

 private:
  bool FloorEndsAhead() const;
};

extern Image robotGuardFrames[9];
extern Image missileFrames[13];
extern Image missileBotFrames[7];
extern Image overlordImage;

// Loads the steel and conveyor tiles and the enemy pictures. False only when the Overlord's
// picture fails: any other missing picture just stays blank.
bool LoadRobotCityGraphics();
void FreeRobotCityGraphics();
