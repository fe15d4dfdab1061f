#include "screens/ending.h"

#include <SDL/SDL.h>

#include <string>

#include "engine/engine.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "input/gamepad.h"
#include "input/input.h"

namespace {
// Slows a held key down to a page at a time.
const Uint32 kPageTurnDelayMs = 100;

bool TurnHeld() { return IsKeyDown(SDLK_RETURN) || PadStart(); }
}  // namespace

void Ending::Init() {
  for (int i = 0; i < kPageCount; ++i) pages[i].Load("gfx/Ending/" + std::to_string(i) + ".png");
  // Every showing starts at the first picture, also a second one in the same run.
  page = 0;
  heldOnEntry = TurnHeld();
}

void Ending::HandleEvents() {
  // The Enter that closed the last level's results is often still down when the ending begins
  // and would turn the first picture away unseen; like the title menu, it counts once let go.
  if (!TurnHeld()) {
    heldOnEntry = false;
    return;
  }
  if (heldOnEntry) return;
  ++page;
  if (page >= kPageCount) {
    page = kPageCount - 1;
    SignalStateChange("TitleScreen");
    gameCompleted = true;
  }
  SDL_Delay(kPageTurnDelayMs);
}

void Ending::Render() {
  pages[page].Draw(0, 0);
  FlipScreen();
}

void Ending::Cleanup() {
  for (Image& picture : pages) picture.Free();
}
