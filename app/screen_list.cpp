#include "app/screen_list.h"

#include "editor/editor_screen.h"
#include "engine/state_manager.h"
#include "screens/custom_level.h"
#include "screens/cut_scene.h"
#include "screens/ending.h"
#include "screens/game_over.h"
#include "screens/gamepad_setup.h"
#include "screens/level_select.h"
#include "screens/play_level.h"
#include "screens/shop.h"
#include "screens/title_screen.h"
#include "screens/view_map.h"

namespace {
ViewMap viewMapScreen;
PlayLevel playLevelScreen;
CustomLevel customLevelScreen;
LevelEditor levelEditorScreen;
TitleScreen titleScreen;
CutScene cutSceneScreen;
LevelSelect levelSelectScreen;
GameOver gameOverScreen;
GamepadSetup gamepadSetupScreen;
Shop shopScreen;
Ending endingScreen;
}  // namespace

void RegisterScreens() {
  stateManager.AddState(&viewMapScreen, "ViewMap");
  stateManager.AddState(&playLevelScreen, "PlayLevel");
  stateManager.AddState(&customLevelScreen, "CustomLevel");
  stateManager.AddState(&levelEditorScreen, "LevelEditor");
  stateManager.AddState(&titleScreen, "TitleScreen");
  stateManager.AddState(&cutSceneScreen, "CutScene");
  stateManager.AddState(&levelSelectScreen, "LevelSelect");
  stateManager.AddState(&gameOverScreen, "GameOver");
  stateManager.AddState(&gamepadSetupScreen, "GamepadSetup");
  stateManager.AddState(&shopScreen, "Shop");
  stateManager.AddState(&endingScreen, "Ending");
}
