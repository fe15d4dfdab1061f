#include <algorithm>

#include "engine/game_sounds.h"
#include "engine/rect.h"
#include "entities/player.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kShotSpeed = 5;
const int kShotMaxVy = 10;  // either way
const int kShotSize = 12;
const int kShotLaunchVy = -1;
// Where the shot leaves the tank's barrel, from the tank's top-left corner.
const int kBarrelLeftX = 13;
const int kBarrelRightX = 124;
const int kBarrelY = 40;
}  // namespace

void Player::Fire() {
  if (tankShot.active) return;
  tankShot.active = true;
  tankShot.direction = facing == 1 ? 0 : 1;
  tankShot.x = x + (facing == 1 ? kBarrelLeftX : kBarrelRightX);
  tankShot.y = y + kBarrelY;
  tankShot.w = kShotSize;
  tankShot.h = kShotSize;
  tankShot.vy = kShotLaunchVy;
  PlayEffect(Effect::kTankShot);
}

void TankShot::Update() {
  if (!active) return;
  y -= vy;
  if (direction == 1) {
    x += kShotSpeed;
    if (IsSolidAt(x + w, y)) active = false;
  } else {
    x -= kShotSpeed;
    if (IsSolidAt(x, y)) active = false;
  }
  vy = std::clamp(vy - 1, -kShotMaxVy, kShotMaxVy);
  if (IsSolidAt(x + w / 2, y + h)) vy = -vy;
  if (OutOfView(x, y, w, h)) active = false;
}

SDL_Rect TankShot::Rect() const {
  return MakeRect(x, y, w, h);
}
