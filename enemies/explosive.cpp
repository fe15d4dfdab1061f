#include "enemies/explosive.h"

#include "engine/frame_counter.h"
#include "engine/rect.h"
#include "entities/enemy.h"
#include "entities/player.h"
#include "world/world.h"

const int kBlastFrameTime = 2;

Explosive::Explosive(const char* name, const Blast& blast, Image* frames)
    : Entity(0, 0, 0, 0, name, kFloats), blast(blast), frames(frames) {
  active = false;
}

void Explosive::Start(int px, int py, int width, int height, int flightFrame) {
  active = true;
  x = px;
  y = py;
  w = width;
  h = height;
  frame = flightFrame;
  frameCounter = 0;
  framePeriod = kBlastFrameTime;
  state = kFlying;
}

void Explosive::Kill() {
  if (!Flying()) return;
  state = kBursting;
  x -= blast.left;
  y -= blast.up;
  w = blast.size;
  h = blast.size;
  frame = blast.firstFrame;
  frameCounter = 0;
  PlayNearView(Effect::kExplosion, *this);
}

void Explosive::Update() {
  if (!active) return;
  Animate();
  Collide();
  Move();
}

void Explosive::Animate() {
  if (state == kFlying) {
    frame = FlightFrame();
    return;
  }
  if (StepDue(frameCounter, framePeriod) && ++frame >= blast.endFrame) active = false;
}

void Explosive::Collide() {
  if (!thePlayer || thePlayer->dead) return;
  if (!RectsOverlap(thePlayer->Rect(), EntityRect())) return;
  thePlayer->Hurt();
  Kill();
}

void Explosive::Draw() {
  if (active) frames[frame].Draw(x - world.cameraX, y - world.cameraY);
}

void Explosive::WriteLevelLine(std::ostream& out) { (void)out; }
