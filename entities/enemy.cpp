#include "entities/enemy.h"

#include "engine/engine.h"
#include "engine/frame_counter.h"
#include "engine/rect.h"
#include "world/camera.h"
#include "world/world.h"

const int kSightStep = 5;
const int kSightReach = 300;  // exclusive: the longest sight is 295 pixels
// One screen under the bottom row: the camera never shows it, so nothing there is seen again.
const int kLostDepth = kScreenHeight;
// How far beside the view a sound is still heard: about where a crusher's slam is a warning.
const int kHearingMargin = 96;

Enemy::Enemy(int x, int y, int width, int height, const char* typeName, Footing footing, Counting counting)
    : Entity(x, y, width, height, typeName, footing) {
  if (counting == kCounted) world.enemyCount += 1;
}

bool Enemy::SolidAhead(bool facingLeft, std::initializer_list<int> heights) const {
  for (int height : heights) {
    if (IsSolidAt(FrontX(facingLeft), y + height)) return true;
  }
  return false;
}

bool Enemy::LedgeAhead(bool facingLeft) const { return !IsSolidAt(FrontX(facingLeft), y + h); }

bool MortalEnemy::StartDying(int firstFrame) {
  if (state != kLiving) return false;
  active = false;
  state = kDying;
  frame = firstFrame;
  frameCounter = 0;
  world.enemiesKilled += 1;
  return true;
}

void MortalEnemy::StepDying(int deadFrame, int slowFrame, int slowTime) {
  if (!StepDue(frameCounter, framePeriod)) return;
  frame += 1;
  if (frame == slowFrame) framePeriod = slowTime;
  if (frame >= deadFrame) state = kDead;
}

SDL_Rect ForwardSight(int frontX, int top, int height, bool facingLeft) {
  SDL_Rect sight = MakeRect(frontX, top, 0, height);
  for (int reach = 0; reach < kSightReach; reach += kSightStep) {
    const int edge = facingLeft ? frontX - reach : frontX + reach;
    sight = MakeRect(facingLeft ? edge : frontX, top, reach, height);
    if (IsSolidAt(edge, top) || IsSolidAt(edge, top + height)) break;
  }
  return sight;
}

bool InView(const GameObject& object) {
  return RectsOverlap(object.EntityRect(), MakeRect(world.cameraX, world.cameraY, kScreenWidth, kScreenHeight));
}

bool OutOfView(const GameObject& object) { return OutOfView(object.x, object.y, object.w, object.h); }

void PlayNearView(Effect effect, const GameObject& object) {
  const int margin = kHearingMargin;
  if (!OutOfView(object.x - margin, object.y - margin, object.w + 2 * margin, object.h + 2 * margin)) {
    PlayEffect(effect);
  }
}

bool SolidUnderFeet(const GameObject& object, int below, bool middleToo) {
  const int feet = object.y + object.h + below;
  return IsSolidAt(object.x, feet) || IsSolidAt(object.x + object.w, feet) ||
         (middleToo && IsSolidAt(object.x + object.w / 2, feet));
}

void LiftOutOfFloor(GameObject& object, bool middleToo) {
  while (SolidUnderFeet(object, -1, middleToo)) object.y -= 1;
}

void LiftClearOfFloor(GameObject& object, bool middleToo) {
  while (SolidUnderFeet(object, 0, middleToo)) object.y -= 1;
}

bool LostBelowLevel(const GameObject& object) { return object.y > LevelPixelHeight() + kLostDepth; }
