#include "enemies/tumbo_world.h"

#include <string>

#include "engine/frame_counter.h"
#include "engine/game_sounds.h"
#include "engine/rect.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kCircleManSize = 25;
const int kCircleManSpeed = 3;
const int kCircleManStepFrames = 3;
const int kCircleManDyingFrames = 30;
const int kCircleManSquashedFrame = 2;
const int kCircleManFlatFrame = 3;

const int kUfroWidth = 40;
const int kUfroHeight = 30;
const int kUfroFrameTime = 3;
const int kUfroFlySpeed = 2;
const int kShellFallSpeed = 4;
const int kShellSlideSpeed = 4;
const int kShellKickPush = 5;

Image circleManFrames[2][4];
Image ufroFrames[2];

namespace {
int ToggledFrame(int frame) { return frame == 0 ? 1 : 0; }
}  // namespace

CircleMan::CircleMan(int x, int y, int direction)
    : MortalEnemy(x, y, kCircleManSize, kCircleManSize, kTypeName, kStandsOnFloor, kCounted),
      direction(Facing(direction)) {
  framePeriod = kCircleManStepFrames;
}

// The squashed frame shows for the full dying time, whatever the walk had counted.
void CircleMan::Kill() {
  if (StartDying(kCircleManSquashedFrame)) framePeriod = kCircleManDyingFrames;
}

void CircleMan::Update() {
  if (active) {
    Collide();
    CheckKickedShells();
    Walk();
  }
  Animate();
}

// The step comes before the test, so the walker may stand a step past a ledge or inside a
// wall's first pixels for one frame before it turns.
void CircleMan::Walk() {
  x += Step(direction, kCircleManSpeed);
  if (WallOrLedgeAhead(direction == kLeft)) direction = Turned(direction);
}

void CircleMan::Animate() {
  if (state == kLiving) {
    if (StepDue(frameCounter, framePeriod)) frame = ToggledFrame(frame);
  } else if (state == kDying) {
    if (StepDue(frameCounter, framePeriod)) state = kDead;
  } else {
    frame = kCircleManFlatFrame;
  }
}

void CircleMan::Draw() { circleManFrames[direction][frame].Draw(x - world.cameraX, y - world.cameraY); }

void CircleMan::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }

UFRO::UFRO(int x, int y, int direction)
    : Enemy(x, y, kUfroWidth, kUfroHeight, kTypeName, kFloats, kCounted), direction(Facing(direction)) {
  framePeriod = kUfroFrameTime;
}

void UFRO::Kill() {
  if (stomped) return;
  stomped = true;
  animating = 0;
  world.enemiesKilled += 1;
}

void UFRO::Update() {
  if (!active) return;
  Animate();
  Collide();
  if (!stomped) {
    Patrol();
    return;
  }
  // A shell knocked into a pit stops below the level.
  if (LostBelowLevel(*this)) return;
  Fall();
  if (kicked) Slide();
}

void UFRO::Patrol() {
  x += Step(direction, kUfroFlySpeed);
  if (SolidAhead(direction == kLeft, {0, h / 2, h})) direction = Turned(direction);
}

void UFRO::Fall() {
  if (SolidUnderFeet(*this, 0, true)) {
    landed = true;
  } else {
    y += kShellFallSpeed;
  }
}

void UFRO::Slide() {
  x += Step(direction, kShellSlideSpeed);
  if (SolidAhead(direction == kLeft, {0, h / 2})) direction = Turned(direction);
}

void UFRO::TouchPlayer() {
  if (!thePlayer || thePlayer->dead) return;
  if (!stomped) {
    Entity::TouchPlayer();
    return;
  }
  // A falling shell neither hurts nor can be kicked.
  if (!landed) return;
  if (!RectsOverlap(thePlayer->Rect(), EntityRect())) {
    if (kicked) playerClear = true;
    return;
  }
  if (!kicked) {
    Kick();
  } else if (playerClear) {
    thePlayer->Hurt();
  }
}

// The shell is pushed away from the hero's side at once, so it leaves his box soon.
void UFRO::Kick() {
  PlayEffect(Effect::kShellKick);
  kicked = true;
  animating = 1;
  kickedShells.push_back({&x, &y});
  const SDL_Rect hero = thePlayer->Rect();
  direction = x + w / 2 < hero.x + hero.w / 2 ? kLeft : kRight;
  x += Step(direction, kShellKickPush);
  if (thePlayer->airborne) thePlayer->Bounce();
}

void UFRO::Animate() {
  if (animating == 1 && StepDue(frameCounter, framePeriod)) frame = ToggledFrame(frame);
}

void UFRO::Draw() {
  if (active) ufroFrames[frame].Draw(x - world.cameraX, y - world.cameraY);
}

void UFRO::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }

bool LoadTumboWorldGraphics() {
  if (!grassImage.Load("gfx/Tiles/TumboWorld/grass.png")) return false;
  if (!brickImage.Load("gfx/Tiles/TumboWorld/brick.png")) return false;
  if (!earthImage.Load("gfx/Tiles/TumboWorld/earth.png")) return false;
  LoadNumberedTable(circleManFrames, "gfx/Entities/TumboWorld/CircleMan/");
  LoadNumbered(ufroFrames, "gfx/Entities/TumboWorld/UFRO/");
  return true;
}

void FreeTumboWorldGraphics() {
  grassImage.Free();
  brickImage.Free();
  earthImage.Free();
  FreeImages(circleManFrames);
  FreeImages(ufroFrames);
}
