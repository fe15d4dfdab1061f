// A level file as the game plays it: loaded into the World, played and drawn for a few frames with
// the hero steered, then its objects read again as after a lost life.
#include <SDL/SDL.h>

#include "engine/progress.h"
#include "entities/registry.h"
#include "fuzz_support.h"
#include "level/level_reader.h"
#include "screens/custom_level.h"
#include "world/world.h"

namespace {
const char* const kLevelPath = "Levels/Custom/fuzz.level";
const int kPlayedFrames = 12;
const int kFramesPerDrawing = 4;
const SDLKey kSteeringKeys[] = {SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_SPACE};

CustomLevel playScreen;

// The keys held through the frames come from one byte of the input, so the fuzzer steers the hero too.
void HoldKeys(uint8_t steering) {
  Uint8* keys = SDL_GetKeyState(nullptr);
  for (int i = 0; i < 4; ++i) keys[kSteeringKeys[i]] = (steering >> i) & 1;
}

void Frame(bool drawn) {
  playScreen.HandleEvents();
  playScreen.Logic();
  if (drawn) playScreen.Render();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartFuzzing(kWholeGame);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TakeInput(kLevelPath, data, size);
  currentLevelFile = kLevelPath;
  playScreen.Init();
  playScreen.showingTitleCard = false;
  HoldKeys(size > 0 ? data[size - 1] : 0);
  for (int frame = 0; frame < kPlayedFrames; ++frame) Frame(frame % kFramesPerDrawing == 0);
  ClearEntities();
  ResetActiveTiles();
  ReloadEntities();
  Frame(true);
  HoldKeys(0);
  playScreen.Cleanup();
  return 0;
}
