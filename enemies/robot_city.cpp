#include "enemies/robot_city.h"

#include <string>

#include "enemies/surroundings.h"
#include "engine/engine.h"
#include "engine/rect.h"
#include "entities/player.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kGuardWidth = 50;
const int kGuardHeight = 45;
const int kGuardActive = 0;
const int kGuardDying = 1;
const int kGuardDead = 2;
const int kGuardFirstWreckFrame = 4;
const int kGuardDeadFrame = 8;
const int kGuardAlertFrames = 2;  // the alert pictures follow the two calm ones
const int kGuardPatrolSpeed = 1;
const int kGuardRightSightHeight = 10;
const int kGuardLeftSightHeight = 20;
const int kGuardMuzzleRightX = 44;
const int kGuardMuzzleY = 22;
const int kGuardRight = 0;
const int kGuardLeft = 1;

const int kMissileSize = 20;
const int kMissileLaunchFrame = 6;
const int kMissileLaunchDx = -2;
const int kMissileLifeTime = 250;
const int kMissileBand = 32;  // the hero's width: inside this band the missile keeps its column
const Explosive::Blast kMissileBlast = {40, 40, 100, 8, 12};

const int kMissileBotWidth = 30;
const int kMissileBotHeight = 45;
const int kMissileBotActive = 0;
const int kMissileBotDying = 1;
const int kMissileBotDead = 2;
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

const int kSmallBolt = 0;
const int kBoltLeft = 0;
const int kBoltRight = 1;

Image robotGuardFrames[9];
Image missileFrames[13];
Image missileBotFrames[7];
Image overlordImage;

namespace {
// A record's direction may be any integer; anything but 0 faces left, so the frame numbers
// always stay within the guard's pictures.
int Facing(int recorded) { return recorded == 0 ? 0 : 1; }

SDL_Rect Offset(SDL_Rect box, int x, int y) { return MakeRect(x + box.x, y + box.y, box.w, box.h); }

// -1, 0 or 1: the step that brings `position` into the band [target, target + band).
int StepTowards(int position, int target, int band) {
  if (position < target) return 1;
  if (position >= target + band) return -1;
  return 0;
}
}  // namespace


RobotGuard::RobotGuard(int x, int y, int direction) : direction(Facing(direction)) {
  this->x = x;
  this->y = y;
  w = kGuardWidth;
  h = kGuardHeight;
  typeName = "RobotGuard";
  snapToGround = true;
  frame = this->direction;
  world.enemyCount += 1;
}

void RobotGuard::Kill() {
  if (state != kGuardActive) return;
  active = false;
  state = kGuardDying;
  frame = kGuardFirstWreckFrame;
  frameCounter = 0;
  world.enemiesKilled += 1;
}

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
  if (direction == kGuardRight) {
    sightRect = ForwardSight(x + w, y, kGuardRightSightHeight, false);
  } else {
    sightRect = ForwardSight(x, y, kGuardLeftSightHeight, true);
  }
}

// An alert guard stands and faces the hero; a calm one turns at walls and ledges.
void RobotGuard::Move() {
  int step = kGuardPatrolSpeed;
  if (alert == 1) {
    direction = thePlayer && thePlayer->x < x ? kGuardLeft : kGuardRight;
    step = 0;
  }
  if (direction == kGuardRight) {
    x += step;
    if (IsSolidAt(x + w, y + h) && !IsSolidAt(x + w, y + h / 2)) return;
    x -= step;
    if (alert == 0) direction = kGuardLeft;
  } else {
    x -= step;
    if (IsSolidAt(x, y + h) && !IsSolidAt(x, y + h / 2)) return;
    x += step;
    if (alert == 0) direction = kGuardRight;
  }
}

// The interval runs on even with all five bolts in flight; that shot is simply lost.
void RobotGuard::Fire() {
  if (++fireCounter < fireInterval) return;
  fireCounter = 0;
  LaserShot* shot = FirstInactive(shots);
  if (!shot) return;
  if (direction == kGuardRight) {
    shot->Fire(x + kGuardMuzzleRightX, y + kGuardMuzzleY, kBoltRight, kSmallBolt);
  } else {
    shot->Fire(x, y + kGuardMuzzleY, kBoltLeft, kSmallBolt);
  }
}

void RobotGuard::CalmDown() {
  if (++alertTimer < alertTime) return;
  alert = 0;
  alertTimer = 0;
}

void RobotGuard::Animate() {
  if (state == kGuardActive) {
    frame = direction + kGuardAlertFrames * alert;
  } else if (state == kGuardDying) {
    if (++frameCounter < framePeriod) return;
    frameCounter = 0;
    if (++frame >= kGuardDeadFrame) state = kGuardDead;
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
  if (Flying() && WhollyOutOfView(*this)) active = false;
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


MissileBot::MissileBot(int x, int y) {
  this->x = x;
  this->y = y;
  w = kMissileBotWidth;
  h = kMissileBotHeight;
  typeName = "MissileBot";
  snapToGround = false;
  world.enemyCount += 1;
}

void MissileBot::Kill() {
  if (state != kMissileBotActive) return;
  active = false;
  frame = kMissileBotFirstWreckFrame;
  state = kMissileBotDying;
  frameCounter = 0;
  world.enemiesKilled += 1;
}

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
  if (state == kMissileBotDead) {
    frame = kMissileBotDeadFrame;
    return;
  }
  if (++frameCounter < framePeriod) return;
  frameCounter = 0;
  if (state == kMissileBotActive) {
    frame = frame == 0 ? 1 : 0;
  } else if (++frame >= kMissileBotDeadFrame) {
    state = kMissileBotDead;
  }
}

void MissileBot::Collide() { TouchPlayer(); }

void MissileBot::Draw() {
  missileBotFrames[frame].Draw(x - world.cameraX, y - world.cameraY);
  for (Missile& missile : missiles) missile.Draw();
}

void MissileBot::WriteLevelLine(std::ostream& out) { WriteRecord(out); }


Overlord::Overlord(int x, int y) {
  this->x = x;
  this->y = y;
  w = kOverlordWidth;
  h = kOverlordHeight;
  typeName = "Overlord";
  snapToGround = true;
}

void Overlord::Update() {
  Collide();
  if (!moving && thePlayer && RectsOverlap(MakeRect(x + w, y, kScreenWidth, kScreenHeight), thePlayer->Rect())) {
    moving = true;
  }
  if (moving && FloorEndsAhead()) moving = false;
  if (moving) x += kOverlordSpeed;
}

bool Overlord::FloorEndsAhead() const { return GetTile((x + w) / kTileSize, (y + h) / kTileSize)->IsEmpty(); }

SDL_Rect Overlord::HeadBox() const { return Offset(kOverlordHead, x, y); }
SDL_Rect Overlord::TorsoBox() const { return Offset(kOverlordTorso, x, y); }
SDL_Rect Overlord::BaseBox() const { return Offset(kOverlordBase, x, y); }

void Overlord::Collide() {
  if (!thePlayer || thePlayer->dead) return;
  const SDL_Rect hero = thePlayer->Rect();
  if (RectsOverlap(hero, HeadBox()) || RectsOverlap(hero, TorsoBox()) || RectsOverlap(hero, BaseBox())) thePlayer->Die();
}

void Overlord::Animate() {}

void Overlord::Draw() { overlordImage.Draw(x - world.cameraX, y - world.cameraY); }

void Overlord::WriteLevelLine(std::ostream& out) { WriteRecord(out); }


namespace {
void LoadNumbered(Image* images, int count, const std::string& folder) {
  for (int index = 0; index < count; ++index) LoadKeyed(images[index], folder + std::to_string(index) + ".png");
}

void FreeAll(Image* images, int count) {
  for (int index = 0; index < count; ++index) images[index].Free();
}
}  // namespace

bool LoadRobotCityGraphics() {
  LoadNumbered(steelImages, 4, "gfx/Tiles/RobotCity/steel/");
  steelInnerImage.Load("gfx/Tiles/RobotCity/steel/inner.png");
  for (int direction = 0; direction < 2; ++direction) {
    LoadNumbered(conveyorImages[direction], 2, "gfx/Tiles/RobotCity/conveyor/" + std::to_string(direction) + "-");
  }
  LoadNumbered(robotGuardFrames, 9, "gfx/Entities/RobotCity/Robot Guard/");
  LoadNumbered(missileFrames, 13, "gfx/Entities/RobotCity/Missile/");
  LoadNumbered(missileBotFrames, 7, "gfx/Entities/RobotCity/Missile Bot/");
  return LoadKeyed(overlordImage, "gfx/Entities/RobotCity/Overlord/robot_overlord.png");
}

void FreeRobotCityGraphics() {
  FreeAll(steelImages, 4);
  steelInnerImage.Free();
  for (auto& row : conveyorImages) FreeAll(row, 2);
  FreeAll(robotGuardFrames, 9);
  FreeAll(missileFrames, 13);
  FreeAll(missileBotFrames, 7);
  overlordImage.Free();
}
