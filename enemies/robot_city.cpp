#include "enemies/robot_city.h"

#include <string>

#include "engine/engine.h"
#include "engine/frame_counter.h"
#include "engine/rect.h"
#include "entities/enemy.h"
#include "entities/player.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kGuardWidth = 50;
const int kGuardHeight = 45;
const int kGuardWreckFrameTime = 3;
const int kGuardFirstWreckFrame = 4;
const int kGuardDeadFrame = 8;
const int kGuardAlertFrames = 2;  // the alert pictures follow the two calm ones
const int kGuardPatrolSpeed = 1;
const int kGuardRightSightHeight = 10;
const int kGuardLeftSightHeight = 20;
const int kGuardMuzzleRightX = 44;
const int kGuardMuzzleY = 22;

const int kMissileSize = 20;
const int kMissileLaunchFrame = 6;
const int kMissileLaunchDx = -2;
const int kMissileLifeTime = 250;
const int kMissileBand = 32;  // the hero's width: inside this band the missile keeps its column
const Explosive::Blast kMissileBlast = {40, 40, 100, 8, 12};

const int kMissileBotWidth = 30;
const int kMissileBotHeight = 45;
const int kMissileBotFrameTime = 2;
const int kMissileBotFirstWreckFrame = 2;
const int kMissileBotDeadFrame = 6;
const int kMissileBotLaunchX = -20;
const int kMissileBotLaunchY = 15;

const int kOverlordWidth = 500;
const int kOverlordHeight = 480;
const int kOverlordSpeed = 2;
const SDL_Rect kOverlordHead = {160, 0, 143, 98};
const SDL_Rect kOverlordTorso = {31, 98, 429, 286};
const SDL_Rect kOverlordBase = {0, 384, 500, 96};

Image robotGuardFrames[9];
Image missileFrames[13];
Image missileBotFrames[7];
Image overlordImage;

namespace {

// -1, 0 or 1: the step that brings `position` into the band [target, target + band).
int StepTowards(int position, int target, int band) {
  if (position < target) return 1;
  if (position >= target + band) return -1;
  return 0;
}
}  // namespace


RobotGuard::RobotGuard(int x, int y, int direction)
    : MortalEnemy(x, y, kGuardWidth, kGuardHeight, kTypeName, kStandsOnFloor, kCounted),
      direction(Facing(direction)) {
  frame = this->direction;
  framePeriod = kGuardWreckFrameTime;
}

void RobotGuard::Kill() { StartDying(kGuardFirstWreckFrame); }

void RobotGuard::Update() {
  Animate();
  if (!active) return;
  for (LaserShot& shot : shots) shot.Update();
  CheckKickedShells();
  Collide();
  // Destroyed by this frame's contact: a wreck neither walks nor fires.
  if (!active) return;
  Look();
  Move();
  if (alert == 1) Fire();
  CalmDown();
}

void RobotGuard::Collide() {
  TouchPlayer();
  if (!thePlayer || !active) return;
  if (RectsOverlap(sightRect, thePlayer->Rect())) {
    alert = 1;
    alertTimer = 0;
  }
}

// Facing right the sight is only 10 pixels tall at the guard's top, so it misses a hero
// standing on its own floor; facing left it is 20 tall and does not.
void RobotGuard::Look() {
  if (direction == kRight) {
    sightRect = ForwardSight(x + w, y, kGuardRightSightHeight, false);
  } else {
    sightRect = ForwardSight(x, y, kGuardLeftSightHeight, true);
  }
}

// An alert guard stands and faces the hero; a calm one turns at walls and ledges.
void RobotGuard::Move() {
  int speed = kGuardPatrolSpeed;
  if (alert == 1) {
    direction = thePlayer && thePlayer->x < x ? kLeft : kRight;
    speed = 0;
  }
  const int step = Step(direction, speed);
  x += step;
  if (!WallOrLedgeAhead(direction == kLeft)) return;
  x -= step;
  if (alert == 0) direction = Turned(direction);
}

// The interval runs on even with all five bolts in flight; that shot is simply lost.
void RobotGuard::Fire() {
  if (++fireCounter < fireInterval) return;
  fireCounter = 0;
  LaserShot* shot = FirstInactive(shots);
  if (!shot) return;
  if (direction == kRight) {
    shot->Fire(x + kGuardMuzzleRightX, y + kGuardMuzzleY, LaserShot::kRight, LaserShot::kSmall);
  } else {
    shot->Fire(x, y + kGuardMuzzleY, LaserShot::kLeft, LaserShot::kSmall);
  }
}

void RobotGuard::CalmDown() {
  if (++alertTimer < alertTime) return;
  alert = 0;
  alertTimer = 0;
}

void RobotGuard::Animate() {
  if (state == kLiving) {
    frame = direction + kGuardAlertFrames * alert;
  } else if (state == kDying) {
    StepDying(kGuardDeadFrame);
  } else {
    frame = kGuardDeadFrame;
  }
}

void RobotGuard::Draw() {
  robotGuardFrames[frame].Draw(x - world.cameraX, y - world.cameraY);
  if (!active) return;
  for (LaserShot& shot : shots) shot.Draw();
}

void RobotGuard::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }


Missile::Missile() : Explosive("Missile", kMissileBlast, missileFrames) {}

void Missile::Launch(int px, int py) {
  Start(px, py, kMissileSize, kMissileSize, kMissileLaunchFrame);
  dx = kMissileLaunchDx;
  dy = 0;
  lifeCounter = 0;
  lifeTime = kMissileLifeTime;
}

void Missile::Move() {
  Steer();
  if (Flying()) FlyOn();
}

void Missile::Steer() {
  if (thePlayer) {
    dx = StepTowards(x, thePlayer->x, kMissileBand);
    dy = StepTowards(y, thePlayer->y, kMissileBand);
  }
  x += dx;
  y += dy;
}

void Missile::FlyOn() {
  if (++lifeCounter >= lifeTime) {
    Kill();
    lifeCounter = 0;
  } else if (IsSolidAt(x, y) || IsSolidAt(x + w, y) || IsSolidAt(x, y + h) || IsSolidAt(x + w, y + h)) {
    Kill();
  }
  if (Flying() && OutOfView(*this)) active = false;
}

// Clockwise from straight up; a pair that is no heading shows it pointing down.
int Missile::FlightFrame() const {
  static const int kHeadings[3][3] = {
      // dx = -1, 0, 1
      {7, 0, 1},  // dy = -1
      {6, 4, 2},  // dy = 0
      {5, 4, 3},  // dy = 1
  };
  if (dx < -1 || dx > 1 || dy < -1 || dy > 1) return 4;
  return kHeadings[dy + 1][dx + 1];
}


MissileBot::MissileBot(int x, int y)
    : MortalEnemy(x, y, kMissileBotWidth, kMissileBotHeight, kTypeName, kFloats, kCounted) {
  framePeriod = kMissileBotFrameTime;
}

void MissileBot::Kill() { StartDying(kMissileBotFirstWreckFrame); }

void MissileBot::Update() {
  Animate();
  if (active) {
    Collide();
    CheckKickedShells();
    if (active) CountToLaunch();
  }
  for (Missile& missile : missiles) missile.Update();
}

void MissileBot::CountToLaunch() {
  if (++fireCounter < fireInterval) return;
  fireCounter = 0;
  if (Missile* missile = FirstInactive(missiles)) missile->Launch(x + kMissileBotLaunchX, y + kMissileBotLaunchY);
}

void MissileBot::Animate() {
  if (state == kDead) {
    frame = kMissileBotDeadFrame;
  } else if (state == kDying) {
    StepDying(kMissileBotDeadFrame);
  } else if (StepDue(frameCounter, framePeriod)) {
    frame = frame == 0 ? 1 : 0;
  }
}

void MissileBot::Draw() {
  missileBotFrames[frame].Draw(x - world.cameraX, y - world.cameraY);
  for (Missile& missile : missiles) missile.Draw();
}


Overlord::Overlord(int x, int y)
    : Enemy(x, y, kOverlordWidth, kOverlordHeight, kTypeName, kStandsOnFloor, kNotCounted) {}

void Overlord::Update() {
  Collide();
  if (!moving && thePlayer && RectsOverlap(MakeRect(x + w, y, kScreenWidth, kScreenHeight), thePlayer->Rect())) {
    moving = true;
  }
  if (moving && FloorEndsAhead()) moving = false;
  if (moving) x += kOverlordSpeed;
}

bool Overlord::FloorEndsAhead() const { return GetTile((x + w) / kTileSize, (y + h) / kTileSize)->IsEmpty(); }

SDL_Rect Overlord::HeadBox() const { return PartRect(kOverlordHead); }
SDL_Rect Overlord::TorsoBox() const { return PartRect(kOverlordTorso); }
SDL_Rect Overlord::BaseBox() const { return PartRect(kOverlordBase); }

void Overlord::Collide() {
  if (!thePlayer || thePlayer->dead) return;
  const SDL_Rect hero = thePlayer->Rect();
  if (RectsOverlap(hero, HeadBox()) || RectsOverlap(hero, TorsoBox()) || RectsOverlap(hero, BaseBox())) thePlayer->Die();
}

void Overlord::Animate() {}

void Overlord::Draw() { overlordImage.Draw(x - world.cameraX, y - world.cameraY); }


bool LoadRobotCityGraphics() {
  LoadNumbered(steelImages, "gfx/Tiles/RobotCity/steel/");
  steelInnerImage.Load("gfx/Tiles/RobotCity/steel/inner.png");
  LoadNumberedTable(conveyorImages, "gfx/Tiles/RobotCity/conveyor/");
  LoadNumbered(robotGuardFrames, "gfx/Entities/RobotCity/Robot Guard/");
  LoadNumbered(missileFrames, "gfx/Entities/RobotCity/Missile/");
  LoadNumbered(missileBotFrames, "gfx/Entities/RobotCity/Missile Bot/");
  return LoadKeyed(overlordImage, "gfx/Entities/RobotCity/Overlord/robot_overlord.png");
}

void FreeRobotCityGraphics() {
  FreeImages(steelImages);
  steelInnerImage.Free();
  FreeImages(conveyorImages);
  FreeImages(robotGuardFrames);
  FreeImages(missileFrames);
  FreeImages(missileBotFrames);
  overlordImage.Free();
}
