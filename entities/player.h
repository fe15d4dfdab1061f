#pragma once
#include <SDL/SDL.h>

#include <utility>
#include <vector>

#include "world/tile.h"

// The shot of the hero's tank: it bounces along the floor and kills every enemy it crosses.
class TankShot {
 public:
  bool active = false;
  int x = 0;
  int y = 0;
  int w = 12;
  int h = 12;
  int vy = 0;         // upward positive
  int direction = 0;  // 0 flies left, 1 flies right

  void Update();
  SDL_Rect Rect() const;
};

// Tumbo Man. One per play screen; thePlayer points at the one in use.
class Player {
 public:
  bool alive = true;
  int x = 0;
  int y = 0;
  int w = 32;
  int h = 32;
  int facing = 0;  // 0 right, 1 left
  int walkSpeed = 4;
  bool airborne = false;
  int vy = 0;  // upward positive, within -30..30
  int gravityTick = 0;
  int gravityPeriod = 1;
  int jumpHoldCount = 0;
  int frame = 1;  // 0-2 walking, 1 standing, 3 in the air, 4 dead, 5 in the tank
  int frameCounter = 0;
  int frameDelay = 5;
  int animBackwards = 0;
  bool inWater = false;
  bool inSludge = false;
  bool dead = false;
  int health = 3;
  int lifeCount = 2;
  int levelMoney = 0;
  bool invulnerable = false;
  int invulnerableTimer = 0;
  int invulnerableFrames = 60;
  bool blinkPhase = false;
  bool noBlink = false;
  bool effectActive = false;
  int effectType = 0;  // 0 speed-up, 1 jetpack
  int effectElapsed = 0;
  int effectDuration = 1000;
  bool inTank = false;
  std::vector<std::pair<int, int>> checkpoints;
  PlayerLink link;
  TankShot tankShot;
  int hat = 0;
  int costume = 0;

  Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Controls, called once per frame by the play screens.
  void MoveRight();
  void MoveLeft();
  void StopWalking();
  void Jump();
  void JumpHold();
  void JetpackBoost();
  void Fire();

  void Update();
  void StartLevel(int startX, int startY);
  void Respawn();
  void Hurt();
  void Bounce();
  void Die();
  void EnterTank();
  void LeaveTank();
  void Land();
  void SetPosition(int newX, int newY);
  void SetEffect(int type);

  void Draw();
  void DrawStatus();

  SDL_Rect Rect() const;
  // In the air and coming down: the only way to stomp anything.
  bool Falling() const { return airborne && vy < 0; }
};

extern Player* thePlayer;
