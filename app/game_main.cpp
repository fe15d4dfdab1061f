#include "app/game_main.h"

#include <iostream>

#include "app/screen_list.h"
#include "app/startup_loading.h"
#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/progress.h"
#include "engine/save_data.h"
#include "engine/state_manager.h"
#include "input/gamepad.h"
#include "input/input.h"

namespace {
const char* kTitle = "The Adventures of Tumbo Man";
const Uint32 kFrameIntervalMs = 11;

void CallCurrent(void (GameState::*operation)()) {
  GameState* state = stateManager.CurrentState();
  if (state) (state->*operation)();
}

// M turns all sound off and on, on every screen. A screen that reads letters itself (the editor:
// m picks its theme and names are typed there) keeps plain m for that; Ctrl+M works there too.
void HandleSoundKey() {
  if (inputEvent.type != SDL_KEYDOWN || inputEvent.key.keysym.sym != SDLK_m) return;
  const GameState* state = stateManager.CurrentState();
  if (!(inputEvent.key.keysym.mod & KMOD_CTRL) && state && state->ReadsLetters()) return;
  ToggleSound();
  // The poll keeps the last event while no new one comes: handled, it must not toggle again.
  inputEvent.type = SDL_KEYUP;
}
}  // namespace

bool RunFrame() {
  // Sleeps away most of the wait instead of spinning through it; the gate still decides alone
  // when the frame starts.
  RestBeforeFrameGate(kFrameIntervalMs);
  if (!FrameGate(kFrameIntervalMs)) return false;
  stateManager.ApplyPendingChange();
  PollInput();
  if (QuitRequested()) GameRunning = false;
  HandleSoundKey();
  CallCurrent(&GameState::HandleEvents);
  CallCurrent(&GameState::Logic);
  CallCurrent(&GameState::Render);
  return true;
}

int GameMain(bool fullscreen) {
  if (!EngineInit(kTitle, kScreenWidth, kScreenHeight, fullscreen)) {
    std::cerr << "Tumbo Man could not start: " << engineFailure
              << " initialisation failed (see log.txt for details)" << std::endl;
    return 1;
  }
  DetectGamepad();
  stateManager.pending = false;
  // A picture or font that fails names itself on stderr (ReportFault); the game goes on without it.
  LoadAllGraphics();
  // An effect that cannot be loaded is logged and stays silent; the game goes on.
  LoadSoundEffects();
  InitStoryAndSave();
  ReadSoundSetting();
  RegisterScreens();
  stateManager.SetState("TitleScreen");
  GameRunning = true;

  while (GameRunning) RunFrame();

  WriteSaveFile();
  // A switch asked for in the last frame is not carried out, and the screen left frees everything
  // (a level hands its background pictures on only to a level that follows).
  stateManager.pending = false;
  CallCurrent(&GameState::Cleanup);
  FreeAllGraphics();
  FreeGameSounds();
  SaveGamepadConfigs();
  return 0;
}
