#include "enemies/round_world.h"

#include <cstdlib>
#include <string>

#include "enemies/surroundings.h"
#include "engine/rect.h"
#include "entities/player.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kLeft = 0;
const int kRight = 1;

const int kSoldierSize = 32;
const int kSoldierActive = 0;
const int kSoldierDying = 1;
const int kSoldierDead = 2;
const int kSoldierFrameTime = 3;
const int kSoldierStepFrames = 3;  // walking and alert pictures come in threes
const int kSoldierFirstDyingFrame = 6;
const int kSoldierFallenFrame = 9;  // held longer before the last picture
const int kSoldierFallenFrameTime = 50;
const int kSoldierDeadFrame = 10;
const int kSoldierHopSpeed = 10;
const int kSoldierSightHeight = 23;
const int kSoldierWalkSpeed = 2;
const int kSoldierChargeSpeed = 4;
const int kSoldierWallProbe = 16;   // a second wall probe below its top
const int kSoldierFloorProbe = 32;  // its feet
const int kAlertMarkX = 12;
const int kAlertMarkY = -21;

const int kNinjaSize = 32;
const int kNinjaActive = 0;
const int kNinjaDying = 1;
const int kNinjaGone = 2;
const int kNinjaFrameTime = 2;
const int kNinjaRunFrames = 3;
const int kNinjaFirstDyingFrame = 3;
const int kNinjaFallenFrame = 4;
const int kNinjaFallenFrameTime = 30;
const int kNinjaGoneFrame = 5;
const int kNinjaRunSpeed = 4;

const int kBomberWidth = 200;
const int kBomberHeight = 100;
const int kBomberFrames = 3;
const int kBomberSpeed = 3;
const int kBombHatchX = 92;
const int kBombHatchY = 88;

const int kBombWidth = 10;
const int kBombHeight = 15;
const int kBombFallSpeed = 2;
const int kBombFuseX = 5;  // the point of the bomb that sets it off on the ground
const int kBombFuseY = 8;
const Explosive::Blast kBombBlast = {35, 32, 80, 1, 6};

const int kBaronWidth = 51;
const int kBaronHeight = 59;
const int kBaronStanding = 0;
const int kBaronCharging = 1;
const int kBaronCrouching = 2;
const int kBaronRising = 3;
const int kBaronInAir = 4;
const int kBaronDying = 5;
const int kBaronDead = 6;
const int kBaronAsleep = 0;
const int kBaronCharge = 1;
const int kBaronHops = 2;
const int kBaronCrouchFrame = 2;
const int kBaronRiseFrame = 3;
const int kBaronFirstDyingFrame = 4;
const int kBaronDeadFrame = 9;
const int kBaronChargeSpeed = 5;
const int kBaronMaxHops = 5;
const int kBaronJumpSpeed = 15;
const int kBaronHopSpeedLeast = 2;
const int kBaronHopSpeedSpread = 8;
const int kBaronInvulnerableTime = 50;
const SDL_Rect kBaronHead = {9, 0, 31, 13};

Image soldierFrames[2][11];
Image alertImage;
Image ninjaFrames[2][6];
Image bomberFrames[3];
Image bombFrames[6];
Image baronFrames[2][10];

namespace {
// A record's direction may be any integer; anything but 0 faces right, so the frame tables are
// never indexed outside their two rows.
int Facing(int recorded) { return recorded == 0 ? kLeft : kRight; }

bool HeroFalling() { return thePlayer->airborne && thePlayer->vy < 0; }

// One step of a frame counter; true when the step's time is up.
bool StepDue(int& frameCounter, int framePeriod) {
  if (++frameCounter < framePeriod) return false;
  frameCounter = 0;
  return true;
}
}  // namespace


Soldier::Soldier(int x, int y, int direction) : direction(Facing(direction)) {
  this->x = x;
  this->y = y;
  w = kSoldierSize;
  h = kSoldierSize;
  typeName = "Soldier";
  snapToGround = true;
  framePeriod = kSoldierFrameTime;
  world.enemyCount += 1;
}

void Soldier::Kill() {
  if (state != kSoldierActive) return;
  active = false;
  state = kSoldierDying;
  frame = kSoldierFirstDyingFrame;
  frameCounter = 0;
  hopSpeed = 0;
  world.enemiesKilled += 1;
}

void Soldier::Update() {
  Animate();
  if (airborne) Hop();
  if (!active) return;
  CheckKickedShells();
  Collide();
  if (!active) return;
  Look();
  if (!airborne) Walk();
}

void Soldier::Collide() {
  TouchPlayer();
  if (!active || alert != 0 || !thePlayer) return;
  if (!RectsOverlap(sightRect, thePlayer->Rect())) return;
  alert = 1;
  airborne = true;
  hopSpeed = kSoldierHopSpeed;
  frame = kSoldierStepFrames;
}

void Soldier::Hop() {
  y -= hopSpeed;
  hopSpeed -= 1;
  if (hopSpeed >= 0 || !SolidUnderFeet(*this, 0)) return;
  airborne = false;
  LiftOutOfFloor(*this);
}

// Only forwards: a hero behind the soldier is not seen.
void Soldier::Look() { sightRect = ForwardSight(direction == kLeft ? x : x + w, y, kSoldierSightHeight, direction == kLeft); }

// A charging soldier keeps its direction, even away from the hero, until a wall or ledge.
void Soldier::Walk() {
  const int speed = alert == 1 ? kSoldierChargeSpeed : kSoldierWalkSpeed;
  const int step = direction == kLeft ? -speed : speed;
  x += step;
  const int front = direction == kLeft ? x : x + kSoldierSize;
  if (IsSolidAt(front, y) || IsSolidAt(front, y + kSoldierWallProbe) || !IsSolidAt(front, y + kSoldierFloorProbe)) {
    x -= step;
    direction = direction == kLeft ? kRight : kLeft;
    alert = 0;
  }
}

void Soldier::Animate() {
  if (state == kSoldierDead) {
    frame = kSoldierDeadFrame;
    return;
  }
  if (!StepDue(frameCounter, framePeriod)) return;
  if (state == kSoldierActive) {
    const int first = kSoldierStepFrames * alert;
    frame = frame + 1 >= first && frame + 1 < first + kSoldierStepFrames ? frame + 1 : first;
    return;
  }
  frame += 1;
  if (frame == kSoldierFallenFrame) framePeriod = kSoldierFallenFrameTime;
  if (frame >= kSoldierDeadFrame) state = kSoldierDead;
}

void Soldier::Draw() {
  soldierFrames[direction][frame].Draw(x - world.cameraX, y - world.cameraY);
  if (active && airborne) alertImage.Draw(x + kAlertMarkX - world.cameraX, y + kAlertMarkY - world.cameraY);
}

void Soldier::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }


Ninja::Ninja(int x, int y, int direction) : direction(Facing(direction)), homeX(x), homeY(y) {
  this->x = x;
  this->y = y;
  w = kNinjaSize;
  h = kNinjaSize;
  typeName = "Ninja";
  snapToGround = true;
  framePeriod = kNinjaFrameTime;
  world.enemyCount += 1;
}

void Ninja::Kill() {
  if (state != kNinjaActive) return;
  active = false;
  state = kNinjaDying;
  frame = kNinjaFirstDyingFrame;
  frameCounter = 0;
  world.enemiesKilled += 1;
}

void Ninja::Update() {
  Animate();
  Fall();
  WatchView();
  if (!active) return;
  CheckKickedShells();
  Collide();
  if (active && running) Run();
}

// It runs off ledges; a post placed over a pit holds it below the level, not falling for ever.
void Ninja::Fall() {
  if (!falling && !SolidUnderFeet(*this, 0)) {
    falling = true;
    fallSpeed = -1;
  }
  if (!falling || LostBelowLevel(*this)) return;
  y -= fallSpeed;
  fallSpeed -= 1;
  if (!SolidUnderFeet(*this, 0)) return;
  falling = false;
  LiftOutOfFloor(*this);
}

void Ninja::WatchView() {
  if (!running) {
    if (!InView(*this)) return;
    running = true;
    direction = thePlayer && x < thePlayer->x ? kRight : kLeft;
  } else if (state != kNinjaGone) {
    if (!InView(*this)) Despawn();
  } else if (!InView(*this)) {
    Respawn();
  }
}

void Ninja::Run() {
  if (direction == kLeft) {
    x -= kNinjaRunSpeed;
    if (!IsSolidAt(x, y + h / 2)) return;
    x += kNinjaRunSpeed;
    direction = kRight;
  } else {
    x += kNinjaRunSpeed;
    if (!IsSolidAt(x + w, y + h / 2)) return;
    x -= kNinjaRunSpeed;
    direction = kLeft;
  }
}

// Sent home without counting a kill.
void Ninja::Despawn() {
  active = false;
  state = kNinjaGone;
  frame = kNinjaGoneFrame;
  x = homeX;
  y = homeY;
}

// Back at its post as a new enemy.
void Ninja::Respawn() {
  active = true;
  x = homeX;
  y = homeY;
  state = kNinjaActive;
  frame = 0;
  frameCounter = 0;
  framePeriod = kNinjaFrameTime;
  running = false;
  falling = false;
  fallSpeed = 0;
  world.enemyCount += 1;
}

void Ninja::Animate() {
  if (state == kNinjaGone) {
    frame = kNinjaGoneFrame;
    x = homeX;
    y = homeY;
    return;
  }
  if (!StepDue(frameCounter, framePeriod)) return;
  if (state == kNinjaActive) {
    frame = (frame + 1) % kNinjaRunFrames;
    return;
  }
  frame += 1;
  if (frame == kNinjaFallenFrame) framePeriod = kNinjaFallenFrameTime;
  if (frame >= kNinjaGoneFrame) state = kNinjaGone;
}

void Ninja::Collide() { TouchPlayer(); }

void Ninja::Draw() { ninjaFrames[direction][frame].Draw(x - world.cameraX, y - world.cameraY); }

void Ninja::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }


Bomb::Bomb() : Explosive("Bomb", kBombBlast, bombFrames) {}

void Bomb::Drop(int px, int py) { Start(px, py, kBombWidth, kBombHeight, 0); }

void Bomb::Move() {
  if (!Flying()) return;
  // Dropped into a pit, it is gone once nothing can ever see it; its bomber may drop it again.
  if (LostBelowLevel(*this)) {
    active = false;
    return;
  }
  y += kBombFallSpeed;
  if (IsSolidAt(x + kBombFuseX, y + kBombFuseY)) Kill();
}

int Bomb::FlightFrame() const { return 0; }


Bomber::Bomber(int x, int y) {
  this->x = x;
  this->y = y;
  w = kBomberWidth;
  h = kBomberHeight;
  typeName = "Bomber";
  snapToGround = false;
}

void Bomber::Kill() {
  active = false;
  flying = false;
}

void Bomber::Update() {
  if (active) Fly();
  for (Bomb& bomb : bombs) bomb.Update();
}

// Once it has entered the view it leaves it for good, wherever the hero goes.
void Bomber::Fly() {
  Animate();
  if (!flying && InView(*this)) flying = true;
  if (!flying) return;
  x -= kBomberSpeed;
  CountToDrop();
  if (!InView(*this)) Kill();
}

void Bomber::CountToDrop() {
  if (++dropCounter < dropInterval) return;
  dropCounter = 0;
  if (Bomb* bomb = FirstInactive(bombs)) bomb->Drop(x + kBombHatchX, y + kBombHatchY);
}

void Bomber::Animate() {
  if (StepDue(frameCounter, framePeriod)) frame = (frame + 1) % kBomberFrames;
}

void Bomber::Collide() {}

void Bomber::Draw() {
  if (active) bomberFrames[frame].Draw(x - world.cameraX, y - world.cameraY);
  for (Bomb& bomb : bombs) bomb.Draw();
}

void Bomber::WriteLevelLine(std::ostream& out) { WriteRecord(out); }


Baron::Baron(int x, int y, int direction, int final) : final(final) {
  (void)direction;
  this->x = x;
  this->y = y;
  w = kBaronWidth;
  h = kBaronHeight;
  typeName = "Baron";
  snapToGround = true;
  world.enemyCount += 1;
}

void Baron::Kill() {
  active = false;
  state = kBaronDying;
  mode = kBaronAsleep;
  frame = kBaronFirstDyingFrame;
  frameCounter = 0;
}

void Baron::Update() {
  Animate();
  if (!active) return;
  if (!awake && InView(*this)) {
    awake = true;
    NextMode();
  }
  if (!awake) return;
  // The flicker phase advances once per frame, between one drawing and the next.
  if (invulnerable) blink = !blink;
  Collide();
  if (!active) return;
  Behave();
  if (invulnerable && ++invulTimer >= invulTime) {
    invulnerable = false;
    invulTimer = 0;
    blink = false;
  }
}

// Fallen into a pit, he stays a screen below the level instead of falling for ever.
void Baron::Behave() {
  if (LostBelowLevel(*this)) return;
  ChargeOrDrift();
  if (airborne) JumpStep();
  if (mode == kBaronHops && !airborne) StartJump();
}

void Baron::ChargeOrDrift() {
  if (state == kBaronCrouching || state == kBaronRising) return;
  if (mode == kBaronCharge) {
    const int step = direction == kLeft ? -kBaronChargeSpeed : kBaronChargeSpeed;
    x += step;
    const int front = direction == kLeft ? x : x + w;
    if (!IsSolidAt(front, y + h) || IsSolidAt(front, y + h / 2) || IsSolidAt(front, y)) {
      x -= step;
      NextMode();
    }
  } else if (mode == kBaronHops) {
    x += vx;
    if (IsSolidAt(x, y + h / 2) || IsSolidAt(x, y) || IsSolidAt(x + w, y + h / 2) || IsSolidAt(x + w, y + h)) x -= vx;
  }
}

void Baron::NextMode() {
  if (mode == kBaronAsleep) {
    mode = kBaronCharge;
    state = kBaronCharging;
  } else if (mode == kBaronCharge) {
    mode = kBaronHops;
    hopCount = 0;
    hopTotal = rand() % kBaronMaxHops + 1;
  } else if (++hopCount >= hopTotal) {
    mode = kBaronCharge;
    state = kBaronCharging;
  }
  FaceHero();
}

void Baron::FaceHero() {
  if (!thePlayer) return;
  if (thePlayer->x < x) direction = kLeft;
  if (thePlayer->x > x) direction = kRight;
}

// A crouch first: he leaves the ground when the crouch has been shown.
void Baron::StartJump() {
  if (airborne || state == kBaronCrouching || state == kBaronRising) return;
  state = kBaronCrouching;
  vy = kBaronJumpSpeed;
  const int speed = rand() % kBaronHopSpeedSpread + kBaronHopSpeedLeast;
  vx = direction == kLeft ? -speed : speed;
  gravityCounter = 0;
  frame = kBaronCrouchFrame;
  frameCounter = 0;
}

void Baron::JumpStep() {
  if (!StepDue(gravityCounter, gravityPeriod)) return;
  y -= vy;
  vy -= 1;
  if (vy >= 0 || !SolidUnderFeet(*this, 0, true)) return;
  airborne = false;
  NextMode();
  LiftOutOfFloor(*this, true);
}

SDL_Rect Baron::HeadBox() const { return MakeRect(x + kBaronHead.x, y + kBaronHead.y, kBaronHead.w, kBaronHead.h); }

void Baron::Collide() {
  if (!thePlayer || thePlayer->dead) return;
  const SDL_Rect hero = thePlayer->Rect();
  if (!RectsOverlap(hero, EntityRect())) return;
  if (invulnerable || !HeroFalling() || !RectsOverlap(hero, HeadBox())) {
    thePlayer->Hurt();
    return;
  }
  Hit();
  thePlayer->Bounce();
  if (airborne && vy > 0) vy = -1;
}

void Baron::Hit() {
  if (invulnerable) return;
  if (--health < 1) {
    Kill();
    return;
  }
  invulnerable = true;
  invulTimer = 0;
  invulTime = kBaronInvulnerableTime;
  blink = true;
}

void Baron::Animate() {
  switch (state) {
    case kBaronStanding: frame = 0; break;
    case kBaronCharging: frame = 1; break;
    case kBaronCrouching:
      if (StepDue(frameCounter, framePeriod) && ++frame > kBaronCrouchFrame) {
        frame = kBaronRiseFrame;
        state = kBaronRising;
      }
      break;
    case kBaronRising:
      if (StepDue(frameCounter, framePeriod) && --frame < kBaronRiseFrame) {
        frame = kBaronCrouchFrame;
        airborne = true;
        state = kBaronInAir;
      }
      break;
    case kBaronInAir: frame = 0; break;
    case kBaronDying:
      if (StepDue(frameCounter, framePeriod) && ++frame >= kBaronDeadFrame) {
        state = kBaronDead;
        if (final == 1) world.levelComplete = true;
      }
      break;
    default: frame = kBaronDeadFrame;
  }
}

// Hidden every other frame while he cannot be hurt.
void Baron::Draw() {
  if (invulnerable && blink) return;
  baronFrames[direction][frame].Draw(x - world.cameraX, y - world.cameraY);
}

void Baron::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction, final}); }


namespace {
void LoadFrames(Image* frames, int count, const std::string& prefix) {
  for (int index = 0; index < count; ++index) LoadKeyed(frames[index], prefix + std::to_string(index) + ".png");
}

template <int Rows, int Columns>
void LoadFrameTable(Image (&table)[Rows][Columns], const std::string& folder) {
  for (int row = 0; row < Rows; ++row) LoadFrames(table[row], Columns, folder + std::to_string(row) + "-");
}

template <int Count>
void FreeFrames(Image (&frames)[Count]) {
  for (Image& image : frames) image.Free();
}

template <int Rows, int Columns>
void FreeFrameTable(Image (&table)[Rows][Columns]) {
  for (auto& row : table) FreeFrames(row);
}
}  // namespace

bool LoadRoundWorldGraphics() {
  bool loaded = dirtImages[0].Load("gfx/Tiles/RoundWorld/Dirt/0.png");
  loaded = dirtImages[1].Load("gfx/Tiles/RoundWorld/Dirt/1.png") && loaded;
  loaded = deepDirtImage.Load("gfx/Tiles/RoundWorld/Dirt/deep.png") && loaded;
  LoadFrameTable(soldierFrames, "gfx/Entities/RoundWorld/Soldier/");
  loaded = LoadKeyed(alertImage, "gfx/Entities/RoundWorld/Soldier/alert.png") && loaded;
  LoadFrameTable(ninjaFrames, "gfx/Entities/RoundWorld/Ninja/");
  LoadFrames(bomberFrames, 3, "gfx/Entities/RoundWorld/Bomber/");
  LoadFrames(bombFrames, 6, "gfx/Entities/RoundWorld/Bomb/");
  LoadFrameTable(baronFrames, "gfx/Entities/RoundWorld/Baron/");
  return loaded;
}

void FreeRoundWorldGraphics() {
  FreeFrames(dirtImages);
  deepDirtImage.Free();
  FreeFrameTable(soldierFrames);
  alertImage.Free();
  FreeFrameTable(ninjaFrames);
  FreeFrames(bomberFrames);
  FreeFrames(bombFrames);
  FreeFrameTable(baronFrames);
}
