#include "enemies/laser_shot.h"

#include <algorithm>

#include "engine/rect.h"
#include "entities/player.h"
#include "world/camera.h"
#include "world/world.h"

const int kSmallShotSize = 7;
const int kLargeShotSize = 12;
const int kShotSpeed = 5;
const int kLargeShotLaunchVy = -1;
const int kLargeShotMaxVy = 10;  // either way

Image laserShotImages[2];

LaserShot::LaserShot() : Entity(0, 0, kSmallShotSize, kSmallShotSize, "LaserShot", kFloats) { Kill(); }

void LaserShot::Fire(int px, int py, Direction direction, Kind kind) {
  active = true;
  x = px;
  y = py;
  this->direction = direction;
  this->kind = kind;
  const bool large = kind == kLarge;
  vy = large ? kLargeShotLaunchVy : 0;
  w = large ? kLargeShotSize : kSmallShotSize;
  h = w;
  // The large bolt is the enemy tank's cannon.
  PlayNearView(large ? Effect::kTankShot : Effect::kLaser, *this);
}

void LaserShot::Kill() { active = false; }

void LaserShot::Update() {
  if (!active) return;
  Collide();
  if (!active) return;
  Fly();
  if (!active) return;
  if (kind == kLarge) Bounce();
  if (OutOfView(x, y, w, h)) Kill();
}

void LaserShot::Fly() {
  y -= vy;
  x += Step(direction, kShotSpeed);
  if (IsSolidAt(direction == kLeft ? x : x + w, y)) Kill();
}

void LaserShot::Bounce() {
  vy = std::clamp(vy - 1, -kLargeShotMaxVy, kLargeShotMaxVy);
  if (IsSolidAt(x + w / 2, y + h)) vy = -vy;
}

void LaserShot::Collide() {
  if (!thePlayer || thePlayer->dead) return;
  if (!RectsOverlap(thePlayer->Rect(), EntityRect())) return;
  if (!thePlayer->inTank) thePlayer->Hurt();
  Kill();
}

void LaserShot::Draw() {
  if (active) laserShotImages[kind].Draw(x - world.cameraX, y - world.cameraY);
}

void LaserShot::WriteLevelLine(std::ostream& out) { (void)out; }

void LaserShot::Animate() {}
