#pragma once
// The rounds of a long session that must not make the game grow: entering and leaving a level,
// and loading levels in the editor. Shared by the memory bench and the leak test, so both measure
// the same thing. The screens must be registered and the pictures loaded.
#include "editor/editor_files.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "world/world.h"

// Frames played in each level before leaving it: enough for its objects to move and draw.
const int kFramesPerLevelVisit = 20;

inline void RunScreenFrames(int frames) {
  for (int i = 0; i < frames; ++i) {
    stateManager.ApplyPendingChange();
    GameState* state = stateManager.CurrentState();
    state->HandleEvents();
    state->Logic();
    state->Render();
  }
}

// Each round plays the next story level a little and goes back to the title screen. Returns how
// many rounds found their level loaded.
inline int EnterAndLeaveLevels(int rounds) {
  int loaded = 0;
  for (int round = 0; round < rounds; ++round) {
    currentLevel = round % static_cast<int>(storyLevelFiles.size());
    currentLevelFile = storyLevelFiles[currentLevel];
    stateManager.SignalStateChange("PlayLevel");
    RunScreenFrames(kFramesPerLevelVisit);
    loaded += world.levelPath == currentLevelFile && world.width > 0 ? 1 : 0;
    stateManager.SignalStateChange("TitleScreen");
    RunScreenFrames(1);
  }
  return loaded;
}

// Opens the editor and loads the story levels into it in turn, drawing each once. Returns how
// many loaded.
inline int LoadLevelsInTheEditor(int rounds) {
  stateManager.SignalStateChange("LevelEditor");
  RunScreenFrames(1);
  int loaded = 0;
  for (int round = 0; round < rounds; ++round) {
    loaded += EditorLoadLevel(storyLevelFiles[round % storyLevelFiles.size()]) ? 1 : 0;
    RunScreenFrames(1);
  }
  stateManager.SignalStateChange("TitleScreen");
  RunScreenFrames(1);
  return loaded;
}
