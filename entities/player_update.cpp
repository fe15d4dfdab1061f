#include <algorithm>

#include "engine/engine.h"
#include "engine/save_data.h"
#include "entities/player.h"
#include "entities/player_tuning.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kMaxFallSpeed = 30;  // either way
const int kWaterWalkSpeed = 3;
const int kCostumeSpeedUpWalk = 12;
const int kWaterGravityPeriod = 2;
const int kScrollUpLine = 150;    // rising above this screen row pulls the camera up
const int kScrollDownLine = 350;  // falling below this one pulls it down
const int kFeelBelowFeet = 2;     // how far below his feet the hero feels a conveyor or a trap

bool SpeedUpRuns(const Player& hero) {
  return hero.effectActive && hero.effectType == kSpeedUpEffect;
}

void CountInvulnerability(Player& hero) {
  if (!hero.invulnerable) return;
  if (++hero.invulnerableTimer > hero.invulnerableFrames) {
    hero.invulnerable = false;
    hero.noBlink = false;
    hero.invulnerableTimer = 0;
  }
}

void CountEffect(Player& hero) {
  if (!hero.effectActive) return;
  if (hero.effectType == kJetpackEffect) {
    if (hero.effectElapsed >= hero.effectDuration) {
      hero.effectActive = false;
      hero.effectType = 0;
    }
    return;
  }
  if (++hero.effectElapsed > hero.effectDuration) {
    hero.effectActive = false;
    hero.effectType = 0;
    hero.frameDelay = kWalkFrameDelay;
    hero.gravityPeriod = 1;
  }
}

int WalkSpeedFor(const Player& hero) {
  int speed = hero.inWater ? kWaterWalkSpeed : kWalkSpeed;
  if (hero.costume == kAwesomeCostume) speed *= 2;
  if (SpeedUpRuns(hero)) speed = hero.costume == kAwesomeCostume ? kCostumeSpeedUpWalk : speed * 2;
  return speed;
}

// Each corner touches its tile, so a tile under two corners is touched twice; below the feet only
// the active tiles (conveyors, bomb traps) are felt.
void TouchTiles(Player& hero) {
  const int corners[4][2] = {
      {hero.x, hero.y}, {hero.x + hero.w, hero.y}, {hero.x, hero.y + hero.h}, {hero.x + hero.w, hero.y + hero.h}};
  for (const auto& corner : corners) TileAtPixel(corner[0], corner[1])->Touch(hero.link);
  const int feetY = hero.y + hero.h + kFeelBelowFeet;
  for (int footX : {hero.x, hero.x + hero.w}) {
    Tile* tile = TileAtPixel(footX, feetY);
    if (tile->IsActive()) tile->Touch(hero.link);
  }
}

bool SolidAtEither(int leftX, int rightX, int py) {
  return IsSolidAt(leftX, py) || IsSolidAt(rightX, py);
}

void FollowWithCamera(const Player& hero) {
  if (hero.vy > 0 && hero.y - world.cameraY < kScrollUpLine) {
    ScrollUp(hero.vy);
  } else if (hero.vy < 0 && hero.y - world.cameraY > kScrollDownLine) {
    ScrollDown(-hero.vy);
  }
}

// Rests the hero's feet on the last free pixel row above the ground.
void LandOnGround(Player& hero) {
  hero.airborne = false;
  while (SolidAtEither(hero.x, hero.x + hero.w, hero.y + hero.h)) --hero.y;
}

void GravityStep(Player& hero) {
  if (++hero.gravityTick <= hero.gravityPeriod) return;
  hero.y -= hero.vy;
  hero.vy = std::clamp(hero.vy - 1, -kMaxFallSpeed, kMaxFallSpeed);
  if (!hero.dead) {
    FollowWithCamera(hero);
    hero.frame = kAirFrame;
    if (hero.vy >= 1 && SolidAtEither(hero.x, hero.x + hero.w, hero.y)) hero.vy = 0;
    if (hero.vy < 0 && SolidAtEither(hero.x, hero.x + hero.w, hero.y + hero.h)) LandOnGround(hero);
  }
  hero.gravityTick = 0;
}

void UpdateDeathFall(Player& hero) {
  GravityStep(hero);
  hero.frame = kDeadFrame;
  if (hero.y - world.cameraY <= kScreenHeight) return;
  hero.alive = false;
  hero.dead = false;
  hero.airborne = false;
  hero.gravityPeriod = 1;
  hero.health = kStartHealth;
  hero.lifeCount -= 1;
  hero.levelMoney = 0;
}

void ApplyGravity(Player& hero) {
  if (!hero.airborne && !hero.inSludge && !SolidAtEither(hero.x, hero.x + hero.w, hero.y + hero.h + 1)) {
    hero.airborne = true;
    hero.vy = -1;
  }
  if (hero.airborne) GravityStep(hero);
}
}  // namespace

void Player::Update() {
  if (dead) {
    UpdateDeathFall(*this);
    return;
  }
  tankShot.Update();
  CountInvulnerability(*this);
  if (inTank) {
    // The tank keeps the hero out of the tiles' reach and out of gravity's.
    frame = kTankFrame;
    return;
  }
  CountEffect(*this);
  walkSpeed = WalkSpeedFor(*this);
  inWater = false;
  inSludge = false;
  TouchTiles(*this);
  gravityPeriod = inWater && !SpeedUpRuns(*this) ? kWaterGravityPeriod : 1;
  if (inSludge) {
    y += 1;
    vy = std::max(vy, 0);
  }
  frameCounter = std::min(frameCounter + 1, frameDelay);
  ApplyGravity(*this);
  // Below the level every cell is empty, so nothing would ever stop or kill him: he would fall
  // out of view for good and the level could only be left with Escape. A pit is a death.
  if (!dead && y >= LevelPixelHeight()) Die();
}
