#pragma once
#include <SDL/SDL.h>

#include <string>

#include "editor/level_list_dialog.h"
#include "engine/font.h"
#include "engine/game_state.h"
#include "engine/image.h"

// The level editor: paints and places with the mouse, picks from the palettes with the keyboard,
// and saves under a typed name or loads a custom level through the level dialog.
class LevelEditor : public GameState {
 public:
  static constexpr size_t kMaxNameLength = 20;

  bool keyLatch = false;
  Image saveDialogImage;
  Image newButtonImage;
  Image saveButtonImage;
  Image loadButtonImage;
  Image helpButtonImage;
  Image helpImage;
  Font nameFont;
  Font hintFont;
  SDL_Rect newButton = {0, 0, 0, 0};
  SDL_Rect saveButton = {0, 0, 0, 0};
  SDL_Rect loadButton = {0, 0, 0, 0};
  SDL_Rect helpButton = {0, 0, 0, 0};
  SDL_Rect okButton = {0, 0, 0, 0};
  SDL_Rect cancelButton = {0, 0, 0, 0};
  bool saveDialogOpen = false;
  std::string saveName;
  // OK was clicked on a name that cannot be saved; the dialog shows how to name a level until
  // the next key.
  bool nameRefused = false;
  bool helpOpen = false;
  LevelListDialog dialog;
  bool hasPath = false;
  std::string editPath;
  // The left button closed a dialog and has not been let go since.
  bool leftHeldFromDialog = false;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override;
  void Cleanup() override;
  // m picks the next theme and names are typed in the save dialog.
  bool ReadsLetters() const override { return true; }

 private:
  bool HandleLeftButton();
  bool HandleButtons();
  void HandleRightClick();
  void HandleScrolling();
  void HandlePaletteKeys();
  void HandleSaveDialog();
  void TypeKey(const SDL_keysym& key);
  void LoadChosenLevel(const std::string& path);
};

// Letters and blanks only, not empty and at most 20 long: a name that cannot reach outside the
// custom level folder or hide its file.
bool IsSafeLevelName(const std::string& name);
