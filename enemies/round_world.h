#pragma once
#include <SDL/SDL.h>

#include <ostream>

#include "enemies/explosive.h"
#include "engine/image.h"
#include "entities/enemy.h"

// A patrolling soldier. Seeing the hero ahead, it hops in surprise and charges on at double speed
// in the same direction until a wall or a ledge calms it down.
// Frames 0..2 walking, 3..5 alert, 6..10 dying.
class Soldier : public MortalEnemy, public LeftFirst {
 public:
  static constexpr const char* kTypeName = "Soldier";
  Direction direction = kLeft;
  int alert = 0;
  bool airborne = false;  // in its surprise hop
  int hopSpeed = 0;       // upward positive
  SDL_Rect sightRect = {0, 0, 1, 1};

  Soldier(int x, int y, int direction);
  // Counted once, even when two shells cross it in the same frame; a soldier killed in mid-hop
  // still drops to the floor.
  void Kill() override;
  void Update() override;
  // Drawn dead or alive; the alert mark over its head during the hop.
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override;
  // The usual contact rule, then the look along the sight computed in the previous frame.
  void Collide() override;

 private:
  void Hop();
  void Look();
  void Walk();
};

// Waits unseen at its post until it comes into view, then runs at the hero. Out of view, or
// killed, it goes back to its post and returns as a new enemy once the post is out of view.
// Frames 0..2 running, 3..4 dying, 5 gone.
class Ninja : public MortalEnemy, public LeftFirst {
 public:
  static constexpr const char* kTypeName = "Ninja";
  // A ninja's death is not for good: gone, it waits at its post to return.
  static constexpr LifeState kGone = kDead;

  Direction direction = kLeft;
  bool running = false;
  int homeX = 0;
  int homeY = 0;
  bool falling = false;
  int fallSpeed = 0;  // upward positive

  Ninja(int x, int y, int direction);
  // Counted once per life, even when two shells cross it in the same frame.
  void Kill() override;
  void Update() override;
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override;

 private:
  void Fall();
  void WatchView();
  void Run();
  void Despawn();
  void Respawn();
};

// A bomb dropped by a Bomber: it falls 2 pixels a frame and bursts on the ground or the hero.
class Bomb : public Explosive {
 public:
  Bomb();
  void Drop(int px, int py);

 protected:
  int FlightFrame() const override;
  void Move() override;
};

// A flying enemy nothing can harm. Once in view it crosses it leftwards, dropping a bomb every 40
// frames, and is gone for good when it has left the view.
class Bomber : public Enemy {
 public:
  static constexpr const char* kTypeName = "Bomber";
  int frame = 0;
  int frameCounter = 0;
  int framePeriod = 2;
  bool flying = false;
  Bomb bombs[3];
  int dropCounter = 0;
  int dropInterval = 40;

  Bomber(int x, int y);
  // Leaves for good; nothing is counted.
  void Kill() override;
  void Update() override;
  // The bomber while it flies; its bombs as long as they fall or burst.
  void Draw() override;
  void Animate() override;
  // It never touches the hero: only its bombs do.
  void Collide() override;

 private:
  void Fly();
  void CountToDrop();
};

// The boss of Round World. Woken by the view, he charges until a wall or ledge, then hops a few
// times at random, and so on. Five stomps on his head kill him; a final Baron's death completes
// the level.
class Baron : public Enemy, public LeftFirst {
 public:
  static constexpr const char* kTypeName = "Baron";
  enum State : int { kStanding = 0, kCharging = 1, kCrouching = 2, kRising = 3, kInAir = 4, kDying = 5, kDead = 6 };
  // What he does between landings: nothing before the view wakes him, then charges and hops in turn.
  enum Mode : int { kAsleep = 0, kCharge = 1, kHops = 2 };

  State state = kStanding;
  int frame = 0;
  int frameCounter = 0;
  int framePeriod = 3;
  Direction direction = kLeft;
  bool awake = false;
  Mode mode = kAsleep;
  int hopCount = 0;
  int hopTotal = 0;
  bool airborne = false;
  int vx = 0;
  int vy = 0;  // upward positive
  int gravityCounter = 0;
  int gravityPeriod = 2;
  int health = 5;
  bool invulnerable = false;
  int invulTimer = 0;
  int invulTime = 50;
  bool blink = false;  // flicker phase: hidden while set
  int final = 0;

  // The record's direction is not kept: a Baron always starts facing left.
  Baron(int x, int y, int direction, int final);
  // Dies without counting a kill.
  void Kill() override;
  void Update() override;
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override;
  // His own stomp rule: only a falling hero landing on his head box hurts him.
  void Collide() override;

  SDL_Rect HeadBox() const;

 private:
  void Behave();
  void ChargeOrDrift();
  void NextMode();
  void StartJump();
  void JumpStep();
  void Hit();
  void Flicker();
  void FaceHero();
};

extern Image soldierFrames[2][11];  // [direction][frame]
extern Image alertImage;
extern Image ninjaFrames[2][6];
extern Image bomberFrames[3];
extern Image bombFrames[6];
extern Image baronFrames[2][10];

// Loads the dirt tiles and the enemy pictures. False only when a dirt tile or the alert mark
// fails: any other missing picture just stays blank.
bool LoadRoundWorldGraphics();
void FreeRoundWorldGraphics();
