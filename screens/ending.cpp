#include "screens/ending.h"

#include <SDL/SDL.h>

#include <string>

#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "input/gamepad.h"
#include "input/input.h"

namespace {
// A short stop after each turn, as the pictures have always had.
const Uint32 kPageTurnDelayMs = 100;

bool TurnHeld() { return IsKeyDown(SDLK_RETURN) || PadStart(); }
}  // namespace

void Ending::Init() {
  for (int i = 0; i < kPageCount; ++i) pages[i].Load("gfx/Ending/" + std::to_string(i) + ".png");
  // Every showing starts at the first picture, also a second one in the same run.
  page = 0;
  // The Enter that closed the last level's results is often still down when the ending begins
  // and would turn the first picture away unseen; like the title menu, it counts once let go.
  turnHeld = TurnHeld();
  PlayMusic(Piece::kEnding);
}

void Ending::HandleEvents() {
  // One press turns one page. Turning on every frame the key was down (slowed only by the stop
  // after a turn) let an ordinary press skip the last pages and drop the player on the title.
  if (!FreshPress(TurnHeld(), turnHeld)) return;
  PlayEffect(Effect::kMenuMove);
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
