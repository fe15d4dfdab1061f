#include "enemies/space_pirates.h"

#include <string>

#include "engine/frame_counter.h"
#include "engine/rect.h"
#include "entities/player.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kPirateSize = 40;
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

Image pirateFrames[2][7];
Image tankFrames[5];


Pirate::Pirate(int x, int y, int direction)
    : MortalEnemy(x, y, kPirateSize, kPirateSize, kTypeName, kStandsOnFloor, kCounted),
      direction(Facing(direction)) {
  framePeriod = kPirateWalkFrames;
  fireInterval = kPirateFireInterval;
}

// The first dying picture shows its full time, whatever the walk had counted.
void Pirate::Kill() {
  if (StartDying(kPirateFirstDyingFrame)) framePeriod = kPirateDyingFrameTime;
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
  const int step = Step(direction, kPirateWalkSpeed);
  x += step;
  if (!WallOrLedgeAhead(direction == kLeft)) return;
  x -= step;
  direction = Turned(direction);
}

// The interval does not wait for the last bolt: one still in flight starts over from the gun.
// Pirate and bolt count directions alike, so the bolt flies the way the pirate faces.
void Pirate::CountToNextShot() {
  if (++fireCounter < fireInterval) return;
  shot.Fire(direction == kLeft ? x - kPirateMuzzleLeft : x + w, y + kPirateGunY, direction, LaserShot::kSmall);
  fireCounter = 0;
}

void Pirate::Animate() {
  if (state == kLiving) {
    if (StepDue(frameCounter, framePeriod)) frame = frame == 0 ? 1 : 0;
  } else if (state == kDying) {
    StepDying(kPirateDeadFrame, kPirateFallenFrame, kPirateFallenFrameTime);
  } else {
    frame = kPirateDeadFrame;
  }
}

void Pirate::Draw() {
  pirateFrames[direction][frame].Draw(x - world.cameraX, y - world.cameraY);
  if (active) shot.Draw();
}

void Pirate::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }


Tank::Tank(int x, int y) : Enemy(x, y, kTankWidth, kTankHeight, kTypeName, kStandsOnFloor, kCounted) {
  framePeriod = kTankWreckFrameTime;
  fireInterval = kTankFireInterval;
}

void Tank::Kill() {
  if (!active) return;
  active = false;
  state = kBeingDestroyed;
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
  shot.Fire(x + kTankBarrelX, y + kTankBarrelY, LaserShot::kLeft, LaserShot::kLarge);
  fireCounter = 0;
}

SDL_Rect Tank::HatchBox() const { return PartRect(kHatch); }
SDL_Rect Tank::TurretBox() const { return PartRect(kTurret); }
SDL_Rect Tank::TracksBox() const { return PartRect(kTracks); }

SDL_Rect Tank::BoardBox() const {
  return PartRect(frame == kTankEmptyRightFrame ? kBoardFacingRight : kBoardFacingLeft);
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
  if (RectsOverlap(hero, HatchBox()) && thePlayer->Falling()) {
    Kill();
    thePlayer->Bounce();
  } else if (RectsOverlap(hero, HatchBox()) || RectsOverlap(hero, TurretBox()) || RectsOverlap(hero, TracksBox())) {
    thePlayer->Hurt();
  }
}

// Only a hero dropping onto it climbs in; walking into it does nothing.
void Tank::TryBoarding() {
  if (state != kEmpty || !thePlayer->Falling() || !RectsOverlap(thePlayer->Rect(), BoardBox())) return;
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
  if (state == kHostile) {
    frame = 0;
  } else if (state == kBeingDestroyed) {
    if (StepDue(frameCounter, framePeriod) && ++frame == kTankEmptyLeftFrame) state = kEmpty;
  }
}

void Tank::Draw() {
  if (!occupied) tankFrames[frame].Draw(x - world.cameraX, y - world.cameraY);
  if (active) shot.Draw();
}


bool LoadSpacePiratesGraphics() {
  if (!shipFloorImage.Load("gfx/Tiles/SpacePirate/ship_floor.png")) return false;
  if (!hullImage.Load("gfx/Tiles/SpacePirate/hull.png")) return false;
  LoadNumberedTable(pirateFrames, "gfx/Entities/SpacePirate/Pirate/");
  if (!LoadKeyed(laserShotImages[LaserShot::kSmall], "gfx/Entities/SpacePirate/Laser Shot/small.png")) return false;
  if (!LoadKeyed(laserShotImages[LaserShot::kLarge], "gfx/Entities/SpacePirate/Laser Shot/large.png")) return false;
  LoadNumbered(bombTrapImages, "gfx/Tiles/SpacePirate/Bomb trap/");
  LoadNumbered(tankFrames, "gfx/Entities/SpacePirate/Tank/");
  return true;
}

void FreeSpacePiratesGraphics() {
  shipFloorImage.Free();
  hullImage.Free();
  FreeImages(pirateFrames);
  FreeImages(laserShotImages);
  FreeImages(bombTrapImages);
  FreeImages(tankFrames);
}
