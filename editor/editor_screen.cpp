#include "editor/editor_screen.h"

#include <cctype>

#include "editor/editor_draw.h"
#include "editor/editor_files.h"
#include "editor/editor_model.h"
#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/rect.h"
#include "engine/state_manager.h"
#include "input/input.h"
#include "level/level_file.h"
#include "level/object_types.h"
#include "world/world.h"

namespace {
const int kNameFontSize = 22;
// Small enough for the whole hint to fit the name field.
const int kHintFontSize = 16;
const int kHintY = 226;
const char* const kNameHint = "Type a name: letters and spaces";
const int kButtonSize = 20;
const int kButtonRowY = 362;
const int kNewButtonX = 498;
const int kSaveButtonX = 528;
const int kLoadButtonX = 558;
const int kHelpButtonX = 588;
const int kOkButtonX = 330;
const int kCancelButtonX = 287;
const int kDialogButtonY = 254;
const int kSaveDialogX = 170;
const int kSaveDialogY = 200;
const int kNameX = 173;
const int kNameY = 221;
const int kHelpX = 120;
const int kHelpY = 90;
const int kLevelDialogX = 120;
const int kLevelDialogY = 25;
const char* const kDefaultName = "NewLevel";

bool InMapView(int x, int y) { return 0 < x && x < kEditorViewSize && 0 < y && y < kEditorViewSize; }

bool MouseOn(const SDL_Rect& button) { return PointInRect(mouseX, mouseY, button); }

bool KeyDownEvent() { return inputEvent.type == SDL_KEYDOWN; }

// The input poll keeps the last event while the queue is empty; turned into a key-up it cannot
// act again next frame.
void MarkEventHandled() { inputEvent.type = SDL_KEYUP; }

// Exactly one of Caps Lock and the Shift keys gives capitals. Num Lock says nothing about case
// and is left out, or a player with it on could never type a capital.
bool TypesCapital(SDLMod modifiers) {
  const int relevant = modifiers & ~KMOD_NUM;
  return relevant == KMOD_CAPS || relevant == KMOD_LSHIFT || relevant == KMOD_RSHIFT;
}
}  // namespace

bool IsSafeLevelName(const std::string& name) {
  if (name.empty() || name.size() > LevelEditor::kMaxNameLength) return false;
  bool hasLetter = false;
  for (char c : name) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && c != ' ') return false;
    hasLetter = hasLetter || letter;
  }
  return hasLetter;
}

void LevelEditor::Init() {
  EditorReset();
  saveDialogImage.Load("gfx/Editor/save_dialog.png");
  newButtonImage.Load("gfx/Editor/editor_new.png");
  saveButtonImage.Load("gfx/Editor/editor_save.png");
  loadButtonImage.Load("gfx/Editor/editor_load.png");
  helpButtonImage.Load("gfx/Editor/editor_help.png");
  helpImage.Load("gfx/Editor/help.png");
  nameFont.Load("gfx/Fonts/Editor font.ttf", kNameFontSize);
  hintFont.Load("gfx/Fonts/Editor font.ttf", kHintFontSize);
  saveDialogOpen = false;
  nameRefused = false;
  helpOpen = false;
  keyLatch = false;
  leftHeldFromDialog = false;
  newButton = MakeRect(kNewButtonX, kButtonRowY, kButtonSize, kButtonSize);
  saveButton = MakeRect(kSaveButtonX, kButtonRowY, kButtonSize, kButtonSize);
  loadButton = MakeRect(kLoadButtonX, kButtonRowY, kButtonSize, kButtonSize);
  helpButton = MakeRect(kHelpButtonX, kButtonRowY, kButtonSize, kButtonSize);
  okButton = MakeRect(kOkButtonX, kDialogButtonY, kButtonSize, kButtonSize);
  cancelButton = MakeRect(kCancelButtonX, kDialogButtonY, kButtonSize, kButtonSize);
  dialog.Reset();
  dialog.FillCustomLevels();
  hasPath = false;
  PlayMusic(Piece::kTitle);
}

void LevelEditor::HandleEvents() {
  if (IsKeyDown(SDLK_ESCAPE)) SignalStateChange("TitleScreen");
  if (!mouseLeftDown) leftHeldFromDialog = false;
  if (dialog.IsOpen()) {
    dialog.HandleEvents();
    leftHeldFromDialog = !dialog.IsOpen() && mouseLeftDown;
    return;
  }
  if (saveDialogOpen) {
    HandleSaveDialog();
    return;
  }
  if (helpOpen) {
    if (IsKeyDown(SDLK_RETURN)) helpOpen = false;
    return;
  }
  // The click that closed a dialog must not also paint the cell under its button.
  if (mouseLeftDown && !leftHeldFromDialog && HandleLeftButton()) return;
  HandleRightClick();
  HandleScrolling();
  HandlePaletteKeys();
}

bool LevelEditor::HandleLeftButton() {
  if (InMapView(mouseX, mouseY)) {
    EditorSetCell((mouseX + world.cameraX) / kTileSize, (mouseY + world.cameraY) / kTileSize);
    return false;
  }
  return HandleButtons();
}

// True when the button ends this frame's handling.
bool LevelEditor::HandleButtons() {
  if (MouseOn(newButton)) {
    EditorClear();
    EditorReset();
    hasPath = false;
  } else if (MouseOn(saveButton)) {
    if (hasPath) {
      SaveLevel(editPath);
    } else {
      saveDialogOpen = true;
      saveName = kDefaultName;
      nameRefused = false;
    }
    return true;
  } else if (MouseOn(loadButton)) {
    dialog.FillCustomLevels();
    dialog.Open(kLevelDialogX, kLevelDialogY);
  } else if (MouseOn(helpButton)) {
    helpOpen = true;
    return true;
  }
  return false;
}

void LevelEditor::HandleRightClick() {
  if (!mouseRightClicked || !InMapView(mouseX, mouseY) || entityNames.empty()) return;
  PlaceEntity(entityNames[selectedEntity], mouseX + world.cameraX, mouseY + world.cameraY);
  // The press stays the current event until the next one arrives, and the poll would report it
  // again every frame: a held click stacked copies that then act as one enemy. Turned into its
  // release, one press places exactly one object.
  inputEvent.type = SDL_MOUSEBUTTONUP;
}

void LevelEditor::HandleScrolling() {
  if (IsKeyDown(SDLK_a)) EditorScrollLeft();
  if (IsKeyDown(SDLK_w)) EditorScrollUp();
  if (IsKeyDown(SDLK_d)) EditorScrollRight();
  if (IsKeyDown(SDLK_s)) EditorScrollDown();
}

void LevelEditor::HandlePaletteKeys() {
  if (!KeyDownEvent() || keyLatch) return;
  void (*action)() = nullptr;
  switch (inputEvent.key.keysym.sym) {
    case SDLK_LEFT: action = PrevTile; break;
    case SDLK_RIGHT: action = NextTile; break;
    case SDLK_UP: action = NextEntity; break;
    case SDLK_DOWN: action = PrevEntity; break;
    case SDLK_m: action = NextTheme; break;
    case SDLK_n: action = PrevTheme; break;
    default: return;
  }
  keyLatch = true;
  action();
  MarkEventHandled();
  keyLatch = false;
}

void LevelEditor::HandleSaveDialog() {
  if (KeyDownEvent() && !keyLatch) {
    nameRefused = false;
    TypeKey(inputEvent.key.keysym);
    MarkEventHandled();
    keyLatch = false;
  }
  if (!mouseLeftDown) return;
  if (MouseOn(okButton)) {
    // The name is typed as letters and blanks only; checked again here since nothing else may
    // ever reach the file name. A refused name says why in the dialog instead of leaving the
    // player to wonder why OK did nothing.
    if (!IsSafeLevelName(saveName)) {
      nameRefused = true;
      return;
    }
    // A save that failed keeps the dialog up, so the player sees the level is not on disk.
    if (!SaveLevel(kCustomLevelFolder + saveName + kLevelExtension)) return;
    saveDialogOpen = false;
    leftHeldFromDialog = true;
  } else if (MouseOn(cancelButton)) {
    saveDialogOpen = false;
    leftHeldFromDialog = true;
  }
}

void LevelEditor::TypeKey(const SDL_keysym& key) {
  if (key.sym >= SDLK_a && key.sym <= SDLK_z) {
    keyLatch = true;
    if (saveName.size() >= kMaxNameLength) return;
    const char letter = static_cast<char>('a' + (key.sym - SDLK_a));
    saveName += TypesCapital(key.mod) ? static_cast<char>(std::toupper(letter)) : letter;
  } else if (key.sym == SDLK_BACKSPACE) {
    keyLatch = true;
    if (!saveName.empty()) saveName.pop_back();
  } else if (key.sym == SDLK_SPACE && saveName.size() < kMaxNameLength) {
    saveName += ' ';
  }
}

void LevelEditor::Logic() {
  if (dialog.HasChosen()) LoadChosenLevel(dialog.TakeChosenPath());
}

// Only a level read in full becomes the file that Save writes back to; otherwise Save asks for a
// name, so a file the editor could not read is never replaced by what little it understood.
void LevelEditor::LoadChosenLevel(const std::string& path) {
  EditorClear();
  hasPath = EditorLoadLevel(path);
  editPath = hasPath ? path : "";
}

void LevelEditor::Render() {
  EditorDraw();
  newButtonImage.Draw(newButton.x, newButton.y);
  saveButtonImage.Draw(saveButton.x, saveButton.y);
  loadButtonImage.Draw(loadButton.x, loadButton.y);
  helpButtonImage.Draw(helpButton.x, helpButton.y);
  if (saveDialogOpen) {
    saveDialogImage.Draw(kSaveDialogX, kSaveDialogY);
    nameFont.Draw(saveName, kNameX, kNameY, 255, 255, 255);
    // A refused name is empty or blanks only, so the hint has the field to itself.
    if (nameRefused) hintFont.Draw(kNameHint, kNameX, kHintY, 255, 200, 64);
  }
  if (helpOpen) helpImage.Draw(kHelpX, kHelpY);
  dialog.Draw();
  FlipScreen();
}

void LevelEditor::Cleanup() {
  EditorClear();
  saveDialogImage.Free();
  newButtonImage.Free();
  saveButtonImage.Free();
  loadButtonImage.Free();
  helpButtonImage.Free();
  helpImage.Free();
  nameFont.Free();
  hintFont.Free();
}
