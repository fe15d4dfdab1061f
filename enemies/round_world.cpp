#include "enemies/round_world.h"

#include <cstdlib>
#include <string>

#include "engine/frame_counter.h"
#include "engine/game_sounds.h"
#include "engine/rect.h"
#include "entities/enemy.h"
#include "entities/player.h"
#include "world/tile_images.h"
#include "world/world.h"

const int kSoldierSize = 32;
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
const int kAlertMarkX = 12;
const int kAlertMarkY = -21;

const int kNinjaSize = 32;
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


Soldier::Soldier(int x, int y, int direction)
    : MortalEnemy(x, y, kSoldierSize, kSoldierSize, kTypeName, kStandsOnFloor, kCounted),
      direction(Facing(direction)) {
  framePeriod = kSoldierFrameTime;
}

void Soldier::Kill() {
  if (StartDying(kSoldierFirstDyingFrame)) hopSpeed = 0;
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
void Soldier::Look() {
  const bool left = direction == kLeft;
  sightRect = ForwardSight(FrontX(left), y, kSoldierSightHeight, left);
}

// A charging soldier keeps its direction, even away from the hero, until a wall (met by its top
// or its middle) or a ledge.
void Soldier::Walk() {
  const int step = Step(direction, alert == 1 ? kSoldierChargeSpeed : kSoldierWalkSpeed);
  x += step;
  const bool left = direction == kLeft;
  if (!SolidAhead(left, {0, h / 2}) && !LedgeAhead(left)) return;
  x -= step;
  direction = Turned(direction);
  alert = 0;
}

void Soldier::Animate() {
  if (state == kDead) {
    frame = kSoldierDeadFrame;
  } else if (state == kDying) {
    StepDying(kSoldierDeadFrame, kSoldierFallenFrame, kSoldierFallenFrameTime);
  } else if (StepDue(frameCounter, framePeriod)) {
    const int first = kSoldierStepFrames * alert;
    frame = frame + 1 >= first && frame + 1 < first + kSoldierStepFrames ? frame + 1 : first;
  }
}

void Soldier::Draw() {
  soldierFrames[direction][frame].Draw(x - world.cameraX, y - world.cameraY);
  if (active && airborne) alertImage.Draw(x + kAlertMarkX - world.cameraX, y + kAlertMarkY - world.cameraY);
}

void Soldier::WriteLevelLine(std::ostream& out) { WriteRecord(out, {direction}); }


Ninja::Ninja(int x, int y, int direction)
    : MortalEnemy(x, y, kNinjaSize, kNinjaSize, kTypeName, kStandsOnFloor, kCounted),
      direction(Facing(direction)),
      homeX(x),
      homeY(y) {
  framePeriod = kNinjaFrameTime;
}

void Ninja::Kill() { StartDying(kNinjaFirstDyingFrame); }

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
  } else if (state != kGone) {
    if (!InView(*this)) Despawn();
  } else if (!InView(*this)) {
    Respawn();
  }
}

// It runs off ledges: only a wall turns it.
void Ninja::Run() {
  const int step = Step(direction, kNinjaRunSpeed);
  x += step;
  if (!SolidAhead(direction == kLeft, {h / 2})) return;
  x -= step;
  direction = Turned(direction);
}

// Sent home without counting a kill.
void Ninja::Despawn() {
  active = false;
  state = kGone;
  frame = kNinjaGoneFrame;
  x = homeX;
  y = homeY;
}

// Back at its post as a new enemy.
void Ninja::Respawn() {
  active = true;
  x = homeX;
  y = homeY;
  state = kLiving;
  frame = 0;
  frameCounter = 0;
  framePeriod = kNinjaFrameTime;
  running = false;
  falling = false;
  fallSpeed = 0;
  world.enemyCount += 1;
}

void Ninja::Animate() {
  if (state == kGone) {
    frame = kNinjaGoneFrame;
    x = homeX;
    y = homeY;
    return;
  }
  if (state == kDying) {
    StepDying(kNinjaGoneFrame, kNinjaFallenFrame, kNinjaFallenFrameTime);
  } else if (StepDue(frameCounter, framePeriod)) {
    frame = (frame + 1) % kNinjaRunFrames;
  }
}

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


Bomber::Bomber(int x, int y) : Enemy(x, y, kBomberWidth, kBomberHeight, kTypeName, kFloats, kNotCounted) {}

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


Baron::Baron(int x, int y, int direction, int final)
    : Enemy(x, y, kBaronWidth, kBaronHeight, kTypeName, kStandsOnFloor, kCounted), final(final) {
  (void)direction;
}

void Baron::Kill() {
  active = false;
  state = kDying;
  mode = kAsleep;
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
  if (mode == kHops && !airborne) StartJump();
}

// A charge ends at a wall met by his top or middle or at a ledge. Drifting in a hop, whichever way,
// he is held back by a wall at his left side's middle or top, or at his right side's middle or foot.
void Baron::ChargeOrDrift() {
  if (state == kCrouching || state == kRising) return;
  if (mode == kCharge) {
    const int step = Step(direction, kBaronChargeSpeed);
    x += step;
    const bool left = direction == kLeft;
    if (SolidAhead(left, {0, h / 2}) || LedgeAhead(left)) {
      x -= step;
      NextMode();
    }
  } else if (mode == kHops) {
    x += vx;
    if (SolidAhead(true, {h / 2, 0}) || SolidAhead(false, {h / 2, h})) x -= vx;
  }
}

void Baron::NextMode() {
  if (mode == kAsleep) {
    mode = kCharge;
    state = kCharging;
  } else if (mode == kCharge) {
    mode = kHops;
    hopCount = 0;
    hopTotal = rand() % kBaronMaxHops + 1;
  } else if (++hopCount >= hopTotal) {
    mode = kCharge;
    state = kCharging;
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
  if (airborne || state == kCrouching || state == kRising) return;
  state = kCrouching;
  vy = kBaronJumpSpeed;
  vx = Step(direction, rand() % kBaronHopSpeedSpread + kBaronHopSpeedLeast);
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

SDL_Rect Baron::HeadBox() const { return PartRect(kBaronHead); }

void Baron::Collide() {
  if (!thePlayer || thePlayer->dead) return;
  const SDL_Rect hero = thePlayer->Rect();
  if (!RectsOverlap(hero, EntityRect())) return;
  if (invulnerable || !thePlayer->Falling() || !RectsOverlap(hero, HeadBox())) {
    thePlayer->Hurt();
    return;
  }
  Hit();
  thePlayer->Bounce();
  if (airborne && vy > 0) vy = -1;
}

// Every blow on his head is a stomp, though only the last one kills him.
void Baron::Hit() {
  if (invulnerable) return;
  PlayEffect(Effect::kStomp);
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
    case kStanding: frame = 0; break;
    case kCharging: frame = 1; break;
    case kCrouching:
      if (StepDue(frameCounter, framePeriod) && ++frame > kBaronCrouchFrame) {
        frame = kBaronRiseFrame;
        state = kRising;
      }
      break;
    case kRising:
      if (StepDue(frameCounter, framePeriod) && --frame < kBaronRiseFrame) {
        frame = kBaronCrouchFrame;
        airborne = true;
        state = kInAir;
      }
      break;
    case kInAir: frame = 0; break;
    case kDying:
      if (StepDue(frameCounter, framePeriod) && ++frame >= kBaronDeadFrame) {
        state = kDead;
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


bool LoadRoundWorldGraphics() {
  bool loaded = LoadNumbered(dirtImages, "gfx/Tiles/RoundWorld/Dirt/", kOpaque);
  loaded = deepDirtImage.Load("gfx/Tiles/RoundWorld/Dirt/deep.png") && loaded;
  LoadNumberedTable(soldierFrames, "gfx/Entities/RoundWorld/Soldier/");
  loaded = LoadKeyed(alertImage, "gfx/Entities/RoundWorld/Soldier/alert.png") && loaded;
  LoadNumberedTable(ninjaFrames, "gfx/Entities/RoundWorld/Ninja/");
  LoadNumbered(bomberFrames, "gfx/Entities/RoundWorld/Bomber/");
  LoadNumbered(bombFrames, "gfx/Entities/RoundWorld/Bomb/");
  LoadNumberedTable(baronFrames, "gfx/Entities/RoundWorld/Baron/");
  return loaded;
}

void FreeRoundWorldGraphics() {
  FreeImages(dirtImages);
  deepDirtImage.Free();
  FreeImages(soldierFrames);
  alertImage.Free();
  FreeImages(ninjaFrames);
  FreeImages(bomberFrames);
  FreeImages(bombFrames);
  FreeImages(baronFrames);
}
