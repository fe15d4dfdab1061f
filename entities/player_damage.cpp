#include "engine/game_sounds.h"
#include "entities/player.h"
#include "entities/player_tuning.h"

namespace {
const int kBounceSpeed = 8;
const int kBounceInvulnerableFrames = 20;
const int kJumpHoldFramesUsed = 6;  // a bounce cannot be raised by holding the jump key
const int kDeathHopSpeed = 10;
const int kTankWidth = 150;
const int kTankHeight = 100;
}  // namespace

void Player::Hurt() {
  // A falling corpse cannot be hurt again: health would drop below zero and the hop restart.
  if (invulnerable || dead) return;
  if (--health > 0) {
    invulnerable = true;
    invulnerableFrames = kHitInvulnerableFrames;
    PlayEffect(Effect::kHurt);
  } else {
    Die();
  }
}

void Player::Bounce() {
  vy = kBounceSpeed;
  invulnerable = true;
  noBlink = true;
  invulnerableFrames = kBounceInvulnerableFrames;
  jumpHoldCount = kJumpHoldFramesUsed;
}

void Player::Die() {
  LeaveTank();
  dead = true;
  airborne = true;
  vy = kDeathHopSpeed;
}

void Player::EnterTank() {
  inTank = true;
  w = kTankWidth;
  h = kTankHeight;
  frame = kTankFrame;
}

void Player::LeaveTank() {
  inTank = false;
  w = kHeroSize;
  h = kHeroSize;
  frame = kAirFrame;
}

void Player::Land() {
  airborne = false;
}

void Player::SetPosition(int newX, int newY) {
  x = newX;
  y = newY;
}
