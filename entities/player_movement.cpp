#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/save_data.h"
#include "entities/player.h"
#include "entities/player_tuning.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kTankSpeed = 3;
// Points of the tank's leading edge, measured down from its top, that a wall stops.
const int kTankWallHeights[] = {70, 40, 10};
const int kJumpSpeed = 5;
const int kWaterJumpSpeed = 10;
const int kSludgeJumpSpeed = 3;
const int kCostumeJumpSpeed = 13;
const int kJumpHoldBoost = 2;
const int kJumpHoldFrames = 6;
const int kSludgeSwimSpeed = 6;
const int kJetpackLaunchSpeed = 30;
const int kJetpackFuelPerLaunch = 100;
const int kLastWalkFrame = 2;

void WalkAnimationStep(Player& hero) {
  if (hero.airborne || hero.frameCounter < hero.frameDelay) return;
  if (hero.animBackwards == 0) {
    // >= rather than ==: a hero who lands still shows the air frame 3 and walks on from there.
    if (++hero.frame >= kLastWalkFrame) {
      hero.frame = kLastWalkFrame;
      hero.animBackwards = 1;
    }
  } else if (--hero.frame < 1) {
    hero.frame = 0;
    hero.animBackwards = 0;
  }
  hero.frameCounter = 0;
}

// The tank refuses to roll over a gap and stops at walls; the level's edges are gaps too.
bool TankBlocked(const Player& hero, int leadingEdge) {
  if (TileAtPixel(leadingEdge, hero.y + hero.h + 1)->IsEmpty()) return true;
  for (int height : kTankWallHeights) {
    if (IsSolidAt(leadingEdge, hero.y + height)) return true;
  }
  return false;
}

void DriveTank(Player& hero, int facing) {
  const int step = facing == 0 ? kTankSpeed : -kTankSpeed;
  hero.facing = facing;
  hero.x += step;
  if (TankBlocked(hero, facing == 0 ? hero.x + hero.w : hero.x)) hero.x -= step;
  if (hero.x - world.cameraX > kScreenMiddleX) {
    ScrollRight(kTankSpeed);
  } else if (hero.x - world.cameraX < kScreenMiddleX) {
    ScrollLeft(kTankSpeed);
  }
}

bool WallAhead(const Player& hero, int edgeX) {
  return IsSolidAt(edgeX, hero.y) || IsSolidAt(edgeX, hero.y + hero.h / 2);
}
}  // namespace

void Player::MoveRight() {
  if (inTank) {
    DriveTank(*this, 0);
    return;
  }
  WalkAnimationStep(*this);
  facing = 0;
  x += walkSpeed;
  const int levelRight = LevelPixelWidth();
  if (x + w > levelRight) {
    x = levelRight - w;
  } else if (WallAhead(*this, x + w)) {
    x -= walkSpeed;
  } else if (x - world.cameraX > kScreenMiddleX) {
    ScrollRight(walkSpeed);
  }
}

void Player::MoveLeft() {
  if (inTank) {
    DriveTank(*this, 1);
    return;
  }
  WalkAnimationStep(*this);
  facing = 1;
  x -= walkSpeed;
  if (x < 0) {
    x = 0;
  } else if (WallAhead(*this, x)) {
    x += walkSpeed;
  } else if (x - world.cameraX < kScreenMiddleX) {
    ScrollLeft(walkSpeed);
  }
}

void Player::StopWalking() {
  frame = airborne ? kAirFrame : kStandingFrame;
}

void Player::Jump() {
  if (dead || airborne) return;
  frame = kAirFrame;
  airborne = true;
  if (costume == kAwesomeCostume) {
    vy = kCostumeJumpSpeed;
  } else if (inWater) {
    vy = kWaterJumpSpeed;
  } else if (inSludge) {
    vy = kSludgeJumpSpeed;
  } else {
    vy = kJumpSpeed;
  }
  jumpHoldCount = 0;
  // The second look's leap and the push out of water carry him well above a plain jump.
  PlayEffect(vy > kJumpSpeed ? Effect::kBigJump : Effect::kJump);
}

void Player::JumpHold() {
  if (dead) return;
  if (inSludge) {
    vy = kSludgeSwimSpeed;
    return;
  }
  if (vy <= 0) return;
  if (++jumpHoldCount <= kJumpHoldFrames) vy += kJumpHoldBoost;
}

void Player::JetpackBoost() {
  if (dead || airborne || !effectActive || effectType != kJetpackEffect) return;
  frame = kAirFrame;
  airborne = true;
  effectElapsed += kJetpackFuelPerLaunch;
  vy = kJetpackLaunchSpeed;
  SetJetpackSound(true);
}
