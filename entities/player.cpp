#include "entities/player.h"

#include <algorithm>

#include "engine/progress.h"
#include "engine/rect.h"
#include "entities/player_tuning.h"
#include "world/world.h"

Player* thePlayer = nullptr;

namespace {
// What a fresh level and a lost life both clear: motion, animation, blinking and power-ups.
void ResetMotionAndEffects(Player& hero) {
  hero.alive = true;
  hero.facing = 0;
  hero.walkSpeed = kWalkSpeed;
  hero.airborne = false;
  hero.vy = 0;
  hero.gravityTick = 0;
  hero.gravityPeriod = 1;
  hero.frame = kStandingFrame;
  hero.frameCounter = 0;
  hero.frameDelay = kWalkFrameDelay;
  hero.animBackwards = 0;
  hero.inWater = false;
  hero.inSludge = false;
  hero.dead = false;
  hero.invulnerable = false;
  hero.invulnerableTimer = 0;
  hero.invulnerableFrames = kHitInvulnerableFrames;
  hero.blinkPhase = false;
  hero.noBlink = false;
  hero.effectActive = false;
  hero.effectType = 0;
  hero.effectElapsed = 0;
  hero.effectDuration = kEffectDuration;
  hero.inTank = false;
}
}  // namespace

Player::Player() {
  link.alive = &alive;
  link.x = &x;
  link.y = &y;
  link.inWater = &inWater;
  link.inSludge = &inSludge;
  link.dead = &dead;
  link.airborne = &airborne;
  link.vy = &vy;
  link.gravityPeriod = &gravityPeriod;
  link.checkpoints = &checkpoints;
}

void Player::StartLevel(int startX, int startY) {
  ResetMotionAndEffects(*this);
  x = startX;
  y = startY;
  w = kHeroSize;
  h = kHeroSize;
  jumpHoldCount = 0;
  health = kStartHealth;
  lifeCount = lives;
  levelMoney = 0;
  checkpoints.clear();
  // A shot still flying at the end of the last level would otherwise appear, and kill, in this one.
  tankShot.active = false;
  hat = ::hat;
  costume = ::costume;
}

void Player::Respawn() {
  ResetMotionAndEffects(*this);
  if (checkpoints.empty()) {
    x = world.startX;
    y = world.startY;
    return;
  }
  // max_element keeps the earliest of several checkpoints in the same column.
  const auto furthest = std::max_element(checkpoints.begin(), checkpoints.end(),
                                         [](const auto& a, const auto& b) { return a.first < b.first; });
  x = furthest->first;
  y = furthest->second;
}

void Player::SetEffect(int type) {
  effectActive = true;
  effectType = type;
  effectElapsed = 0;
  if (type == kSpeedUpEffect) {
    effectDuration = kEffectDuration;
    frameDelay = kSpeedUpFrameDelay;
    gravityPeriod = 0;
  } else if (type == kJetpackEffect) {
    effectDuration = kEffectDuration;
  } else {
    effectActive = false;
    effectType = 0;
  }
}

SDL_Rect Player::Rect() const {
  return MakeRect(x, y, w, h);
}
