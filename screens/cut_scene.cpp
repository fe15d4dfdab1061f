#include "screens/cut_scene.h"

#include <SDL/SDL.h>

#include <string>

#include "engine/engine.h"
#include "input/input.h"

namespace {
// A short stop after each turn, as the pictures have always had.
const Uint32 kPageTurnDelayMs = 100;
}  // namespace

void CutScene::Init() {
  for (int i = 0; i < kPageCount; ++i) pages[i].Load("gfx/Story/l1_s" + std::to_string(i + 1) + ".png");
  // Every showing starts at the first picture.
  page = 0;
  rightHeld = IsKeyDown(SDLK_RIGHT);
  leftHeld = IsKeyDown(SDLK_LEFT);
}

// One press turns one page, as in the ending: a held arrow used to page on every frame.
void CutScene::HandleEvents() {
  if (FreshPress(IsKeyDown(SDLK_RIGHT), rightHeld) && page < kPageCount - 1) {
    SDL_Delay(kPageTurnDelayMs);
    ++page;
  }
  if (FreshPress(IsKeyDown(SDLK_LEFT), leftHeld) && page > 0) {
    SDL_Delay(kPageTurnDelayMs);
    --page;
  }
}

void CutScene::Render() {
  pages[page].Draw(0, 0);
  FlipScreen();
}

void CutScene::Cleanup() {
  for (Image& picture : pages) picture.Free();
}
