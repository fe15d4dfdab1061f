#include "enemies/blorp.h"

#include <cstdlib>
#include <string>

#include "engine/frame_counter.h"
#include "engine/rect.h"
#include "entities/player.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kBlorpFrameTime = 3;
const int kBlorpSquashedFrame = 3;  // the flattest picture, where squashing turns into recovering
const int kBlorpHopSpeed = 3;
const int kBlorpWallProbe = 6;  // how far below its top a blorp feels a wall in mid-air
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

Image smallBlorpFrames[2][4];
Image mediumBlorpFrames[2][4];
Image largeBlorpFrames[2][4];
Image smashyFrames[2];


Blorp::Blorp(int size, const char* name, int takeOffSpeed, Image (&frames)[2][4])
    : Enemy(0, 0, size, size, name, kStandsOnFloor, kNotCounted), takeOffSpeed(takeOffSpeed), frames(frames) {
  active = false;
}

Blorp::Blorp(int x, int y, int direction, int size, const char* name, int takeOffSpeed, Image (&frames)[2][4])
    : Enemy(x, y, size, size, name, kStandsOnFloor, kCounted),
      direction(Facing(direction)),
      takeOffSpeed(takeOffSpeed),
      frames(frames) {}

void Blorp::Kill() {
  if (!active) return;
  Entity::Kill();
}

void Blorp::Spawn(int px, int py) {
  active = true;
  x = px;
  y = py;
  state = kAirborne;
  frame = 0;
  frameCounter = 0;
  framePeriod = kBlorpFrameTime;
  direction = Direction(rand() % 2);
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

// A blorp that hops into a pit stops below the level.
void Blorp::Hop() {
  if (LostBelowLevel(*this)) return;
  y -= jumpSpeed;
  jumpSpeed -= 1;
  MoveSideways();
  LandIfOnGround();
}

// A wall in mid-air turns it back to where it was before the step.
void Blorp::MoveSideways() {
  const int step = Step(direction, kBlorpHopSpeed);
  x += step;
  if (!SolidAhead(direction == kLeft, {0, kBlorpWallProbe})) return;
  x -= step;
  direction = Turned(direction);
}

void Blorp::LandIfOnGround() {
  if (!SolidUnderFeet(*this, 0)) return;
  jumping = false;
  state = kSquashing;
  LiftClearOfFloor(*this);
}

void Blorp::Animate() {
  if (state == kAirborne) {
    frame = 0;
  } else if (state == kSquashing) {
    if (StepDue(frameCounter, framePeriod) && ++frame == kBlorpSquashedFrame) state = kRecovering;
  } else if (StepDue(frameCounter, framePeriod)) {
    if (--frame == 0) {
      state = kAirborne;
      jumping = true;
      jumpSpeed = takeOffSpeed;
    }
  }
}

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


SmallBlorp::SmallBlorp() : Blorp(kSmallBlorpSize, kTypeName, kSmallBlorpTakeOff, smallBlorpFrames) {}

SmallBlorp::SmallBlorp(int x, int y, int direction)
    : Blorp(x, y, direction, kSmallBlorpSize, kTypeName, kSmallBlorpTakeOff, smallBlorpFrames) {}

MediumBlorp::MediumBlorp()
    : SplittingBlorp(kMediumBlorpSize, kTypeName, kMediumBlorpTakeOff, mediumBlorpFrames, kMediumSplitLeft,
                     kMediumSplitWidth) {}

MediumBlorp::MediumBlorp(int x, int y, int direction)
    : SplittingBlorp(x, y, direction, kMediumBlorpSize, kTypeName, kMediumBlorpTakeOff, mediumBlorpFrames,
                     kMediumSplitLeft, kMediumSplitWidth) {}

LargeBlorp::LargeBlorp(int x, int y, int direction)
    : SplittingBlorp(x, y, direction, kLargeBlorpSize, kTypeName, kLargeBlorpTakeOff, largeBlorpFrames,
                     kLargeSplitLeft, kLargeSplitWidth) {}


Smashy::Smashy(int x, int y)
    : Enemy(x, y, kSmashySize, kSmashySize, kTypeName, kFloats, kNotCounted), homeY(y) {
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

// A crusher dropped into a pit stops below the level.
void Smashy::Drop() {
  if (LostBelowLevel(*this)) return;
  y += kSmashyDropSpeed;
  if (!SolidUnderFeet(*this, 0, true)) return;
  falling = false;
  resting = true;
  waitCounter = 0;
  LiftClearOfFloor(*this, true);
  PlayNearView(Effect::kCrusher, *this);
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


// Every picture of this world is needed: loading gives up at the first that fails.
bool LoadBlorpGraphics() {
  return LoadNumbered(jellyImages, "gfx/Tiles/Blorp/Jelly/", kKeyed, kStop) &&
         jellyInnerImage.Load("gfx/Tiles/Blorp/Jelly/inner.png") &&
         sludgeImage.Load("gfx/Tiles/Blorp/Sludge/0.png") &&
         LoadNumberedTable(smallBlorpFrames, "gfx/Entities/Blorp/Small_blorp/", kStop) &&
         LoadNumberedTable(mediumBlorpFrames, "gfx/Entities/Blorp/Medium_blorp/", kStop) &&
         LoadNumberedTable(largeBlorpFrames, "gfx/Entities/Blorp/Large_blorp/", kStop) &&
         LoadNumbered(smashyFrames, "gfx/Entities/Blorp/Smashy/", kOpaque, kStop);
}

void FreeBlorpGraphics() {
  FreeImages(jellyImages);
  jellyInnerImage.Free();
  sludgeImage.Free();
  FreeImages(smallBlorpFrames);
  FreeImages(mediumBlorpFrames);
  FreeImages(largeBlorpFrames);
  FreeImages(smashyFrames);
}
