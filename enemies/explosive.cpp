#include "enemies/explosive.h"

#include "engine/rect.h"
#include "entities/player.h"
#include "world/world.h"

const int kExplosiveFlying = 0;
const int kExplosiveBursting = 1;
const int kBlastFrameTime = 2;

Explosive::Explosive(const char* name, const Blast& blast, Image* frames) : blast(blast), frames(frames) {
  typeName = name;
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
  state = kExplosiveFlying;
}

void Explosive::Kill() {
  if (!Flying()) return;
  state = kExplosiveBursting;
  x -= blast.left;
  y -= blast.up;
  w = blast.size;
  h = blast.size;
  frame = blast.firstFrame;
  frameCounter = 0;
}

void Explosive::Update() {
  if (!active) return;
  Animate();
  Collide();
  Move();
}

void Explosive::Animate() {
  if (state == kExplosiveFlying) {
    frame = FlightFrame();
    return;
  }
  if (++frameCounter < framePeriod) return;
  frameCounter = 0;
  if (++frame >= blast.endFrame) active = false;
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
