#include "enemies/space_pirates.h"

#include <string>

#include "engine/rect.h"
#include "entities/player.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kPirateSize = 40;
const int kPirateActive = 0;
const int kPirateDying = 1;
const int kPirateDead = 2;
const int kPirateWalkFrames = 5;
const int kPirateWalkSpeed = 2;
const int kPirateFireInterval = 200;
const int kPirateFirstDyingFrame = 2;
const int kPirateDyingFrameTime = 2;
const int kPirateFallenFrame = 5;  // held longer before the last picture
const int kPirateFallenFrameTime = 30;
const int kPirateDeadFrame = 6;
const int kPirateGunY = 25;  // the bolt leaves the gun this far below the pirate's top
const int kPirateMuzzleLeft = 7;  // a small bolt's width: fired left, it starts just clear of the pirate

const int kTankWidth = 150;
const int kTankHeight = 100;
const int kTankEnemy = 0;
const int kTankDestroyed = 1;
const int kTankEmpty = 2;
const int kTankWreckFrameTime = 3;
const int kTankEmptyLeftFrame = 3;
const int kTankEmptyRightFrame = 4;
const int kTankFireInterval = 200;
const int kTankBarrelX = 13;
const int kTankBarrelY = 40;
// Where the hero comes out when he jumps out, from the tank's corner.
const int kTankExitRightX = 42;
const int kTankExitLeftX = 80;
const int kTankExitY = 4;
const SDL_Rect kHatch = {74, 9, 32, 21};
const SDL_Rect kTurret = {25, 31, 104, 24};
const SDL_Rect kTracks = {0, 57, 150, 34};
const SDL_Rect kBoardFacingLeft = {50, 31, 78, 40};
const SDL_Rect kBoardFacingRight = {20, 31, 78, 40};

const int kSmallBolt = 0;
const int kLargeBolt = 1;
const int kBoltLeft = 0;
const int kBoltRight = 1;

Image pirateFrames[2][7];
Image tankFrames[5];

namespace {
// A record's direction may be any integer; anything but 0 faces right, so the frame table is
// never indexed outside its two rows.
int Facing(int recorded) { return recorded == 0 ? 0 : 1; }

bool HeroFalling() { return thePlayer->airborne && thePlayer->vy < 0; }

SDL_Rect Offset(SDL_Rect box, int x, int y) { return MakeRect(x + box.x, y + box.y, box.w, box.h); }
}  // namespace


Pirate::Pirate(int x, int y, int direction) : direction(Facing(direction)) {
  this->x = x;
  this->y = y;
  w = kPirateSize;
  h = kPirateSize;
  typeName = "Pirate";
  snapToGround = true;
  framePeriod = kPirateWalkFrames;
  fireInterval = kPirateFireInterval;
  world.enemyCount += 1;
}

void Pirate::Kill() {
  if (state != kPirateActive) return;
  active = false;
  frame = kPirateFirstDyingFrame;
  state = kPirateDying;
  framePeriod = kPirateDyingFrameTime;
  // Restarted so the first dying picture shows its full time, whatever the walk had counted.
  frameCounter = 0;
  world.enemiesKilled += 1;
}

void Pirate::Update() {
  Animate();
  if (!active) return;
  Collide();
  CheckKickedShells();
  shot.Update();
  // Killed by this frame's contact: a dead pirate takes no step and fires nothing.
  if (!active) return;
  Walk();
  CountToNextShot();
}

// Turns back before a wall or a ledge rather than stepping into it.
void Pirate::Walk() {
  if (direction == 0) {
    x -= kPirateWalkSpeed;
    if (IsSolidAt(x, y + h / 2) || !IsSolidAt(x, y + h)) {
      x += kPirateWalkSpeed;
      direction = 1;
    }
  } else {
    x += kPirateWalkSpeed;
    if (IsSolidAt(x + w, y + h / 2) || !IsSolidAt(x + w, y + h)) {
      x -= kPirateWalkSpeed;
      direction = 0;
    }
  }
}

// The interval does not wait for the last bolt: one still in flight starts over from the gun.
void Pirate::CountToNextShot() {
  if (++fireCounter < fireInterval) return;
  if (direction == 0) {
    shot.Fire(x - kPirateMuzzleLeft, y + kPirateGunY, kBoltLeft, kSmallBolt);
  } else {
    shot.Fire(x + w, y + kPirateGunY, kBoltRight, kSmallBolt);
  }
  fireCounter = 0;
}

void Pirate::Animate() {
  if (state == kPirateActive) {
    if (++frameCounter < framePeriod) return;
    frameCounter = 0;
    frame = frame == 0 ? 1 : 0;
  } else if (state == kPirateDying) {
    if (++frameCounter < framePeriod) return;
    frameCounter = 0;
    frame += 1;
    if (frame == kPirateFallenFrame) framePeriod = kPirateFallenFrameTime;
    if (frame == kPirateDeadFrame) state = kPirateDead;
  } else {
    frame = kPirateDeadFrame;
  }
}

void Pirate::Collide() { TouchPlayer(); }

void Pirate::Draw() {
  pirateFrames[direction][frame].Draw(x - world.cameraX, y - world.cameraY);
  if (active) shot.Draw();
}

void Pirate::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }


Tank::Tank(int x, int y) {
  this->x = x;
  this->y = y;
  w = kTankWidth;
  h = kTankHeight;
  typeName = "Tank";
  snapToGround = true;
  framePeriod = kTankWreckFrameTime;
  fireInterval = kTankFireInterval;
  world.enemyCount += 1;
}

void Tank::Kill() {
  if (!active) return;
  active = false;
  state = kTankDestroyed;
  world.enemiesKilled += 1;
}

void Tank::Update() {
  Animate();
  Collide();
  if (!active) return;
  shot.Update();
  CountToNextShot();
}

// One frame longer than a pirate's interval: the counter must pass it, not reach it.
void Tank::CountToNextShot() {
  if (++fireCounter <= fireInterval) return;
  shot.Fire(x + kTankBarrelX, y + kTankBarrelY, kBoltLeft, kLargeBolt);
  fireCounter = 0;
}

SDL_Rect Tank::HatchBox() const { return Offset(kHatch, x, y); }
SDL_Rect Tank::TurretBox() const { return Offset(kTurret, x, y); }
SDL_Rect Tank::TracksBox() const { return Offset(kTracks, x, y); }

SDL_Rect Tank::BoardBox() const {
  return Offset(frame == kTankEmptyRightFrame ? kBoardFacingRight : kBoardFacingLeft, x, y);
}

void Tank::Collide() {
  if (!thePlayer || thePlayer->dead) return;
  if (active) {
    TouchPlayer();
  } else if (!thePlayer->inTank) {
    TryBoarding();
  } else if (occupied && thePlayer->airborne) {
    LeaveBehind();
  }
}

void Tank::TouchPlayer() {
  if (!thePlayer || thePlayer->dead) return;
  if (thePlayer->tankShot.active && RectsOverlap(thePlayer->tankShot.Rect(), EntityRect())) {
    Kill();
    return;
  }
  const SDL_Rect hero = thePlayer->Rect();
  // Unlike a pirate's bolt, the tank's own bolt gets through to a hero driving a tank.
  if (shot.active && RectsOverlap(shot.EntityRect(), hero)) thePlayer->Hurt();
  if (RectsOverlap(hero, HatchBox()) && HeroFalling()) {
    Kill();
    thePlayer->Bounce();
  } else if (RectsOverlap(hero, HatchBox()) || RectsOverlap(hero, TurretBox()) || RectsOverlap(hero, TracksBox())) {
    thePlayer->Hurt();
  }
}

// Only a hero dropping onto it climbs in; walking into it does nothing.
void Tank::TryBoarding() {
  if (state != kTankEmpty || !HeroFalling() || !RectsOverlap(thePlayer->Rect(), BoardBox())) return;
  thePlayer->Land();
  thePlayer->EnterTank();
  thePlayer->SetPosition(x, y);
  occupied = true;
}

// The tank stays where the hero drove it, facing the way he last drove.
void Tank::LeaveBehind() {
  x = thePlayer->x;
  y = thePlayer->y;
  if (thePlayer->facing == 0) {
    thePlayer->SetPosition(x + kTankExitRightX, y + kTankExitY);
    frame = kTankEmptyRightFrame;
  } else {
    thePlayer->SetPosition(x + kTankExitLeftX, y + kTankExitY);
    frame = kTankEmptyLeftFrame;
  }
  thePlayer->LeaveTank();
  occupied = false;
}

void Tank::Animate() {
  if (state == kTankEnemy) {
    frame = 0;
  } else if (state == kTankDestroyed) {
    if (++frameCounter < framePeriod) return;
    frameCounter = 0;
    if (++frame == kTankEmptyLeftFrame) state = kTankEmpty;
  }
}

void Tank::Draw() {
  if (!occupied) tankFrames[frame].Draw(x - world.cameraX, y - world.cameraY);
  if (active) shot.Draw();
}

void Tank::WriteLevelLine(std::ostream& out) { WriteRecord(out); }


bool LoadSpacePiratesGraphics() {
  if (!shipFloorImage.Load("gfx/Tiles/SpacePirate/ship_floor.png")) return false;
  if (!hullImage.Load("gfx/Tiles/SpacePirate/hull.png")) return false;
  for (int direction = 0; direction < 2; ++direction) {
    for (int frame = 0; frame < 7; ++frame) {
      LoadKeyed(pirateFrames[direction][frame], "gfx/Entities/SpacePirate/Pirate/" + std::to_string(direction) + "-" +
                                                    std::to_string(frame) + ".png");
    }
  }
  if (!LoadKeyed(laserShotImages[kSmallBolt], "gfx/Entities/SpacePirate/Laser Shot/small.png")) return false;
  if (!LoadKeyed(laserShotImages[kLargeBolt], "gfx/Entities/SpacePirate/Laser Shot/large.png")) return false;
  for (int index = 0; index < 9; ++index) {
    LoadKeyed(bombTrapImages[index], "gfx/Tiles/SpacePirate/Bomb trap/" + std::to_string(index) + ".png");
  }
  for (int index = 0; index < 5; ++index) {
    LoadKeyed(tankFrames[index], "gfx/Entities/SpacePirate/Tank/" + std::to_string(index) + ".png");
  }
  return true;
}

void FreeSpacePiratesGraphics() {
  shipFloorImage.Free();
  hullImage.Free();
  for (auto& row : pirateFrames) {
    for (Image& frame : row) frame.Free();
  }
  for (Image& image : laserShotImages) image.Free();
  for (Image& image : bombTrapImages) image.Free();
  for (Image& frame : tankFrames) frame.Free();
}
