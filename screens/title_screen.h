#pragma once
#include "editor/level_list_dialog.h"
#include "engine/font.h"
#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/parallax_background.h"

// The hub: a menu of seven entries over a scrolling background, and the level dialog opened over it.
class TitleScreen : public GameState {
 public:
  enum Entry { kNewGame, kLevelSelect, kCustomLevels, kLevelEditor, kShop, kOptions, kExit, kEntryCount };
  enum DialogPurpose { kNoPurpose, kStoryLevel, kCustomLevel };
  static constexpr int kMenuDelay = 20;
  static constexpr int kDialogDelay = 50;

  ParallaxBackground background;
  Image title;
  Image newGame;
  Image levelSelectOff;
  Image levelSelectOn;
  Image customLevels;
  Image levelEditor;
  Image exitEntry;
  Image options;
  Image shop;
  Image cursor;
  Font font;
  int selected = kNewGame;
  int keyCounter = 0;
  int keyDelay = kMenuDelay;
  int padCounter = 0;
  int padDelay = kMenuDelay;
  LevelListDialog dialog;
  int dialogTimer = 0;
  int dialogDelay = kDialogDelay;
  int dialogPurpose = kNoPurpose;
  // Enter was already down when the screen was entered and has not been let go since.
  bool enterHeldOnEntry = false;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override;
  void Cleanup() override;

  // Carries out the action of the selected entry.
  void Choose();

 private:
  void HandleDialog();
  void HandlePad();
  void HandleKeyboard();
  void MoveUp();
  void MoveDown();
  void OpenDialog(DialogPurpose purpose);
};
