#include "enemies/blorp.h"

#include <cstdlib>
#include <string>

#include "engine/rect.h"
#include "entities/player.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kBlorpAirborne = 0;
const int kBlorpSquashing = 1;
const int kBlorpRecovering = 2;
const int kBlorpFrameTime = 3;
const int kBlorpSquashedFrame = 3;  // the flattest picture, where squashing turns into recovering
const int kBlorpHopSpeed = 3;
const int kBlorpWallProbe = 6;  // how far below its top a blorp feels a wall in mid-air
// A blorp that hops into a pit stops a screen below the level: falling on, its speed and position
// would overflow minutes later, and long before that its 16-bit collision box and drawing
// position would wrap around back into the level.
const int kBlorpLostDepth = 480;
const int kChildDrop = 8;  // children appear this far below their parent's top

const int kSmallBlorpSize = 20;
const int kSmallBlorpTakeOff = 7;

const int kMediumBlorpSize = 35;
const int kMediumBlorpTakeOff = 10;
const int kMediumSplitLeft = 20;
const int kMediumSplitWidth = 55;

const int kLargeBlorpSize = 50;
const int kLargeBlorpTakeOff = 10;
const int kLargeSplitLeft = 35;
const int kLargeSplitWidth = 85;

const int kSmashySize = 60;
const int kSmashyDropSpeed = 5;
const int kSmashyRiseSpeed = 2;
const int kSmashyWaitFrames = 100;
const int kSmashyZoneDepth = 500;  // how far below it the hero sets it off
const int kSmashyIdleFrame = 0;
const int kSmashyCrushFrame = 1;
// Same reason as the blorps: a crusher dropped into a pit would wrap its box back into the level.
const int kSmashyLostDepth = 480;

Image smallBlorpFrames[2][4];
Image mediumBlorpFrames[2][4];
Image largeBlorpFrames[2][4];
Image smashyFrames[2];

namespace {
// A record's direction may be any integer; anything but 0 moves right, so the frame table is
// never indexed outside its two rows.
int Facing(int recorded) { return recorded == 0 ? 0 : 1; }

int LevelBottom() { return world.height * kTileSize; }
}  // namespace


Blorp::Blorp(int size, const char* name, int takeOffSpeed, Image (&frames)[2][4])
    : size(size), name(name), takeOffSpeed(takeOffSpeed), frames(frames) {
  active = false;
  w = size;
  h = size;
  typeName = name;
  snapToGround = true;
}

Blorp::Blorp(int x, int y, int direction, int size, const char* name, int takeOffSpeed, Image (&frames)[2][4])
    : Blorp(size, name, takeOffSpeed, frames) {
  active = true;
  this->x = x;
  this->y = y;
  this->direction = Facing(direction);
  world.enemyCount += 1;
}

void Blorp::Kill() {
  if (!active) return;
  Entity::Kill();
}

void Blorp::Spawn(int px, int py) {
  active = true;
  x = px;
  y = py;
  w = size;
  h = size;
  state = kBlorpAirborne;
  frame = 0;
  frameCounter = 0;
  framePeriod = kBlorpFrameTime;
  typeName = name;
  snapToGround = true;
  direction = rand() % 2;
  jumping = true;
  jumpSpeed = 0;
  if (thePlayer) {
    while (RectsOverlap(thePlayer->Rect(), EntityRect())) y += 1;
  }
  world.enemyCount += 1;
}

void Blorp::Update() {
  UpdateChildren();
  if (!active) return;
  Animate();
  CheckKickedShells();
  // A shell has just killed it: a dead blorp must not hurt or bounce the hero.
  if (!active) return;
  Collide();
  if (active && jumping) Hop();
}

void Blorp::Hop() {
  if (y > LevelBottom() + kBlorpLostDepth) return;
  y -= jumpSpeed;
  jumpSpeed -= 1;
  MoveSideways();
  LandIfOnGround();
}

// A wall in mid-air turns it back to where it was before the step.
void Blorp::MoveSideways() {
  if (direction == 0) {
    x -= kBlorpHopSpeed;
    if (IsSolidAt(x, y) || IsSolidAt(x, y + kBlorpWallProbe)) {
      x += kBlorpHopSpeed;
      direction = 1;
    }
  } else {
    x += kBlorpHopSpeed;
    if (IsSolidAt(x + w, y) || IsSolidAt(x + w, y + kBlorpWallProbe)) {
      x -= kBlorpHopSpeed;
      direction = 0;
    }
  }
}

bool Blorp::FeetOnGround() const { return IsSolidAt(x, y + h) || IsSolidAt(x + w, y + h); }

void Blorp::LandIfOnGround() {
  if (!FeetOnGround()) return;
  jumping = false;
  state = kBlorpSquashing;
  while (FeetOnGround()) y -= 1;
}

void Blorp::Animate() {
  if (state == kBlorpAirborne) {
    frame = 0;
  } else if (state == kBlorpSquashing) {
    if (++frameCounter < framePeriod) return;
    frameCounter = 0;
    if (++frame == kBlorpSquashedFrame) state = kBlorpRecovering;
  } else {
    if (++frameCounter < framePeriod) return;
    frameCounter = 0;
    if (--frame == 0) {
      state = kBlorpAirborne;
      jumping = true;
      jumpSpeed = takeOffSpeed;
    }
  }
}

void Blorp::Collide() { TouchPlayer(); }

void Blorp::Draw() {
  if (active) frames[direction][frame].Draw(x - world.cameraX, y - world.cameraY);
  DrawChildren();
}

void Blorp::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }


template <class Child>
SplittingBlorp<Child>::SplittingBlorp(int size, const char* name, int takeOffSpeed, Image (&frames)[2][4],
                                      int spreadLeft, int spreadWidth)
    : Blorp(size, name, takeOffSpeed, frames), spreadLeft(spreadLeft), spreadWidth(spreadWidth) {}

template <class Child>
SplittingBlorp<Child>::SplittingBlorp(int x, int y, int direction, int size, const char* name, int takeOffSpeed,
                                      Image (&frames)[2][4], int spreadLeft, int spreadWidth)
    : Blorp(x, y, direction, size, name, takeOffSpeed, frames), spreadLeft(spreadLeft), spreadWidth(spreadWidth) {}

template <class Child>
void SplittingBlorp<Child>::Kill() {
  // A second kill in the same frame would spawn the children again and count them twice.
  if (!active) return;
  active = false;
  for (Child& child : children) child.Spawn(x - spreadLeft + rand() % spreadWidth, y + kChildDrop);
  world.enemiesKilled += 1;
}

template <class Child>
void SplittingBlorp<Child>::UpdateChildren() {
  for (Child& child : children) child.Update();
}

template <class Child>
void SplittingBlorp<Child>::DrawChildren() {
  for (Child& child : children) child.Draw();
}

template class SplittingBlorp<SmallBlorp>;
template class SplittingBlorp<MediumBlorp>;


SmallBlorp::SmallBlorp() : Blorp(kSmallBlorpSize, "SmallBlorp", kSmallBlorpTakeOff, smallBlorpFrames) {}

SmallBlorp::SmallBlorp(int x, int y, int direction)
    : Blorp(x, y, direction, kSmallBlorpSize, "SmallBlorp", kSmallBlorpTakeOff, smallBlorpFrames) {}

MediumBlorp::MediumBlorp()
    : SplittingBlorp(kMediumBlorpSize, "MediumBlorp", kMediumBlorpTakeOff, mediumBlorpFrames, kMediumSplitLeft,
                     kMediumSplitWidth) {}

MediumBlorp::MediumBlorp(int x, int y, int direction)
    : SplittingBlorp(x, y, direction, kMediumBlorpSize, "MediumBlorp", kMediumBlorpTakeOff, mediumBlorpFrames,
                     kMediumSplitLeft, kMediumSplitWidth) {}

LargeBlorp::LargeBlorp(int x, int y, int direction)
    : SplittingBlorp(x, y, direction, kLargeBlorpSize, "LargeBlorp", kLargeBlorpTakeOff, largeBlorpFrames,
                     kLargeSplitLeft, kLargeSplitWidth) {}


Smashy::Smashy(int x, int y) : homeY(y) {
  this->x = x;
  this->y = y;
  w = kSmashySize;
  h = kSmashySize;
  typeName = "Smashy";
  snapToGround = false;
  waitTime = kSmashyWaitFrames;
  triggerZone = MakeRect(x, y + kSmashySize, kSmashySize, kSmashyZoneDepth);
}

void Smashy::Update() {
  Animate();
  Collide();
  if (falling) {
    Drop();
  } else if (resting) {
    WaitOrRise();
  }
}

bool Smashy::OnFloor() const {
  return IsSolidAt(x, y + h) || IsSolidAt(x + w / 2, y + h) || IsSolidAt(x + w, y + h);
}

void Smashy::Drop() {
  if (y > LevelBottom() + kSmashyLostDepth) return;
  y += kSmashyDropSpeed;
  if (!OnFloor()) return;
  falling = false;
  resting = true;
  waitCounter = 0;
  while (OnFloor()) y -= 1;
}

void Smashy::WaitOrRise() {
  if (waitCounter < waitTime) {
    waitCounter += 1;
    return;
  }
  y -= kSmashyRiseSpeed;
  if (y <= homeY) {
    y = homeY;
    resting = false;
  }
}

void Smashy::Collide() {
  if (!thePlayer || thePlayer->dead) return;
  const SDL_Rect hero = thePlayer->Rect();
  if (RectsOverlap(hero, EntityRect())) thePlayer->Hurt();
  if (!falling && !resting && RectsOverlap(triggerZone, hero)) falling = true;
}

void Smashy::Animate() {
  const bool crushing = falling || (resting && waitCounter < waitTime);
  frame = crushing ? kSmashyCrushFrame : kSmashyIdleFrame;
}

void Smashy::Draw() { smashyFrames[frame].Draw(x - world.cameraX, y - world.cameraY); }

void Smashy::WriteLevelLine(std::ostream& out) { WriteRecord(out); }


namespace {
bool LoadBlorpFrames(Image (&frames)[2][4], const std::string& folder) {
  for (int direction = 0; direction < 2; ++direction) {
    for (int frame = 0; frame < 4; ++frame) {
      const std::string file = std::to_string(direction) + "-" + std::to_string(frame) + ".png";
      if (!LoadKeyed(frames[direction][frame], folder + file)) return false;
    }
  }
  return true;
}

void FreeBlorpFrames(Image (&frames)[2][4]) {
  for (auto& row : frames) {
    for (Image& frame : row) frame.Free();
  }
}
}  // namespace

bool LoadBlorpGraphics() {
  for (int index = 0; index < 4; ++index) {
    if (!LoadKeyed(jellyImages[index], "gfx/Tiles/Blorp/Jelly/" + std::to_string(index) + ".png")) return false;
  }
  if (!jellyInnerImage.Load("gfx/Tiles/Blorp/Jelly/inner.png")) return false;
  if (!sludgeImage.Load("gfx/Tiles/Blorp/Sludge/0.png")) return false;
  if (!LoadBlorpFrames(smallBlorpFrames, "gfx/Entities/Blorp/Small_blorp/")) return false;
  if (!LoadBlorpFrames(mediumBlorpFrames, "gfx/Entities/Blorp/Medium_blorp/")) return false;
  if (!LoadBlorpFrames(largeBlorpFrames, "gfx/Entities/Blorp/Large_blorp/")) return false;
  for (int index = 0; index < 2; ++index) {
    if (!smashyFrames[index].Load("gfx/Entities/Blorp/Smashy/" + std::to_string(index) + ".png")) return false;
  }
  return true;
}

void FreeBlorpGraphics() {
  for (Image& jelly : jellyImages) jelly.Free();
  jellyInnerImage.Free();
  sludgeImage.Free();
  FreeBlorpFrames(smallBlorpFrames);
  FreeBlorpFrames(mediumBlorpFrames);
  FreeBlorpFrames(largeBlorpFrames);
  for (Image& frame : smashyFrames) frame.Free();
}
