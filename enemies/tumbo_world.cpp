#include "enemies/tumbo_world.h"

#include <string>

#include "engine/rect.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kCircleManSize = 25;
const int kCircleManSpeed = 3;
const int kCircleManStepFrames = 3;
const int kCircleManDyingFrames = 30;
const int kCircleManWalking = 0;
const int kCircleManDying = 1;
const int kCircleManDead = 2;
const int kCircleManSquashedFrame = 2;
const int kCircleManFlatFrame = 3;

const int kUfroWidth = 40;
const int kUfroHeight = 30;
const int kUfroFrameTime = 3;
const int kUfroFlySpeed = 2;
const int kShellFallSpeed = 4;
const int kShellSlideSpeed = 4;
const int kShellKickPush = 5;
// A shell knocked into a pit stops a screen below the level; left falling, its position would
// wrap around the 16-bit boxes of the collision test minutes later and hit things in the level.
const int kShellLostDepth = 480;

Image circleManFrames[2][4];
Image ufroFrames[2];

namespace {
// A record's facing may be any integer; anything but 0 faces left, so the walk code and the
// frame table always see 0 or 1.
int Facing(int recorded) { return recorded == 0 ? 0 : 1; }

int ToggledFrame(int frame) { return frame == 0 ? 1 : 0; }
}  // namespace

CircleMan::CircleMan(int x, int y, int direction) : direction(Facing(direction)) {
  this->x = x;
  this->y = y;
  w = kCircleManSize;
  h = kCircleManSize;
  typeName = "CircleMan";
  snapToGround = true;
  framePeriod = kCircleManStepFrames;
  world.enemyCount += 1;
}

void CircleMan::Kill() {
  // Two shells crossing it in one frame would otherwise count one CircleMan as two kills.
  if (state != kCircleManWalking) return;
  active = false;
  frame = kCircleManSquashedFrame;
  state = kCircleManDying;
  framePeriod = kCircleManDyingFrames;
  // Restarted so the squashed frame shows for the full dying time, whatever the walk had counted.
  frameCounter = 0;
  world.enemiesKilled += 1;
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
  if (direction == 0) {
    x += kCircleManSpeed;
    if (!IsSolidAt(x + w, y + h) || IsSolidAt(x + w, y + h / 2)) direction = 1;
  } else {
    x -= kCircleManSpeed;
    if (!IsSolidAt(x, y + h) || IsSolidAt(x, y + h / 2)) direction = 0;
  }
}

void CircleMan::Animate() {
  if (state == kCircleManWalking) {
    if (++frameCounter >= framePeriod) {
      frame = ToggledFrame(frame);
      frameCounter = 0;
    }
  } else if (state == kCircleManDying) {
    if (++frameCounter >= framePeriod) {
      state = kCircleManDead;
      frameCounter = 0;
    }
  } else {
    frame = kCircleManFlatFrame;
  }
}

void CircleMan::Collide() { TouchPlayer(); }

void CircleMan::Draw() { circleManFrames[direction][frame].Draw(x - world.cameraX, y - world.cameraY); }

void CircleMan::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }

UFRO::UFRO(int x, int y, int direction) : direction(Facing(direction)) {
  this->x = x;
  this->y = y;
  w = kUfroWidth;
  h = kUfroHeight;
  typeName = "UFRO";
  snapToGround = false;
  framePeriod = kUfroFrameTime;
  world.enemyCount += 1;
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
  if (y > world.height * kTileSize + kShellLostDepth) return;
  Fall();
  if (kicked) Slide();
}

void UFRO::Patrol() {
  if (direction == 0) {
    x += kUfroFlySpeed;
    if (IsSolidAt(x + w, y) || IsSolidAt(x + w, y + h / 2) || IsSolidAt(x + w, y + h)) direction = 1;
  } else {
    x -= kUfroFlySpeed;
    if (IsSolidAt(x, y) || IsSolidAt(x, y + h / 2) || IsSolidAt(x, y + h)) direction = 0;
  }
}

void UFRO::Fall() {
  if (IsSolidAt(x, y + h) || IsSolidAt(x + w / 2, y + h) || IsSolidAt(x + w, y + h)) {
    landed = true;
  } else {
    y += kShellFallSpeed;
  }
}

void UFRO::Slide() {
  if (direction == 0) {
    x += kShellSlideSpeed;
    if (IsSolidAt(x + w, y) || IsSolidAt(x + w, y + h / 2)) direction = 1;
  } else {
    x -= kShellSlideSpeed;
    if (IsSolidAt(x, y) || IsSolidAt(x, y + h / 2)) direction = 0;
  }
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
  kicked = true;
  animating = 1;
  kickedShells.push_back({&x, &y});
  const SDL_Rect hero = thePlayer->Rect();
  if (x + w / 2 < hero.x + hero.w / 2) {
    direction = 1;
    x -= kShellKickPush;
  } else {
    direction = 0;
    x += kShellKickPush;
  }
  if (thePlayer->airborne) thePlayer->Bounce();
}

void UFRO::Animate() {
  if (animating != 1) return;
  if (++frameCounter >= framePeriod) {
    frame = ToggledFrame(frame);
    frameCounter = 0;
  }
}

void UFRO::Collide() { TouchPlayer(); }

void UFRO::Draw() {
  if (active) ufroFrames[frame].Draw(x - world.cameraX, y - world.cameraY);
}

void UFRO::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }

bool LoadTumboWorldGraphics() {
  if (!grassImage.Load("gfx/Tiles/TumboWorld/grass.png")) return false;
  if (!brickImage.Load("gfx/Tiles/TumboWorld/brick.png")) return false;
  if (!earthImage.Load("gfx/Tiles/TumboWorld/earth.png")) return false;
  for (int direction = 0; direction < 2; ++direction) {
    for (int frame = 0; frame < 4; ++frame) {
      LoadKeyed(circleManFrames[direction][frame], "gfx/Entities/TumboWorld/CircleMan/" + std::to_string(direction) +
                                                       "-" + std::to_string(frame) + ".png");
    }
  }
  for (int index = 0; index < 2; ++index) {
    LoadKeyed(ufroFrames[index], "gfx/Entities/TumboWorld/UFRO/" + std::to_string(index) + ".png");
  }
  return true;
}

void FreeTumboWorldGraphics() {
  grassImage.Free();
  brickImage.Free();
  earthImage.Free();
  for (auto& row : circleManFrames) {
    for (Image& frame : row) frame.Free();
  }
  for (Image& frame : ufroFrames) frame.Free();
}
