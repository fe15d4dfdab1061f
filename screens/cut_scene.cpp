#include "screens/cut_scene.h"

#include <SDL/SDL.h>

#include <string>

#include "engine/engine.h"
#include "input/input.h"

namespace {
// Slows a held arrow down to a page at a time.
const Uint32 kPageTurnDelayMs = 100;
}  // namespace

void CutScene::Init() {
  for (int i = 0; i < kPageCount; ++i) pages[i].Load("gfx/Story/l1_s" + std::to_string(i + 1) + ".png");
  // Every showing starts at the first picture.
  page = 0;
}

void CutScene::HandleEvents() {
  if (IsKeyDown(SDLK_RIGHT) && page < kPageCount - 1) {
    SDL_Delay(kPageTurnDelayMs);
    ++page;
  }
  if (IsKeyDown(SDLK_LEFT) && page > 0) {
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
