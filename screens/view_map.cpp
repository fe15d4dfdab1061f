#include "screens/view_map.h"

#include "engine/engine.h"
#include "input/input.h"
#include "level/level_reader.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
const int kScrollStep = 4;
}  // namespace

void ViewMap::Init() { LoadWorld("Levels/TumboWorld.level"); }

// Each arrow on its own, so two held together move diagonally.
void ViewMap::HandleEvents() {
  if (IsKeyDown(SDLK_RIGHT)) ScrollRight(kScrollStep);
  if (IsKeyDown(SDLK_DOWN)) ScrollDown(kScrollStep);
  if (IsKeyDown(SDLK_LEFT)) ScrollLeft(kScrollStep);
  if (IsKeyDown(SDLK_UP)) ScrollUp(kScrollStep);
}

void ViewMap::Render() {
  DrawWorldBack();
  DrawWorldFront();
  FlipScreen();
}

void ViewMap::Cleanup() { FreeWorld(); }
