#include "screens/title_screen.h"

#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "input/gamepad.h"
#include "input/input.h"
#include "world/world.h"

namespace {
const int kScrollSpeed = 6;
const int kFontSize = 14;
const int kTitleX = 120;
const int kTitleY = 40;
const int kEntryX = 270;
const int kFirstEntryY = 200;
const int kEntrySpacing = 20;
const int kCursorX = 250;
const int kFirstCursorY = 205;
const int kCreditX = 150;
const int kCreditY = 430;
const int kDialogX = 120;
const int kDialogY = 25;

int EntryY(int entry) { return kFirstEntryY + kEntrySpacing * entry; }

void ChooseScreen(const char* key) {
  PlayEffect(Effect::kMenuChoose);
  SignalStateChange(key);
}
}  // namespace

void TitleScreen::Init() {
  background.Load("gfx/Backgrounds/Title/layer3.png", "gfx/Backgrounds/Title/layer2.png",
                  "gfx/Backgrounds/Title/layer1.png");
  LoadKeyed(title, "gfx/Title/title.png");
  LoadKeyed(newGame, "gfx/Title/new_game.png");
  LoadKeyed(levelSelectOff, "gfx/Title/level_select_off.png");
  LoadKeyed(levelSelectOn, "gfx/Title/level_select_on.png");
  LoadKeyed(customLevels, "gfx/Title/custom_levels.png");
  LoadKeyed(levelEditor, "gfx/Title/level_editor.png");
  LoadKeyed(exitEntry, "gfx/Title/exit.png");
  LoadKeyed(options, "gfx/Title/options.png");
  LoadKeyed(shop, "gfx/Title/tumbo_shop.png");
  cursor.Load("gfx/Title/select.png");
  font.Load("gfx/Fonts/Tumbo font.ttf", kFontSize);
  selected = kNewGame;
  keyCounter = 0;
  keyDelay = kMenuDelay;
  padCounter = 0;
  padDelay = kMenuDelay;
  currentLevel = 0;
  world.levelComplete = false;
  dialog.Reset();
  dialogTimer = 0;
  dialogDelay = kDialogDelay;
  dialogPurpose = kNoPurpose;
  enterHeldOnEntry = IsKeyDown(SDLK_RETURN);
  PlayMusic(Piece::kTitle);
}

void TitleScreen::HandleEvents() {
  if (dialog.IsOpen()) {
    HandleDialog();
    return;
  }
  HandlePad();
  HandleKeyboard();
}

// The key that opened the dialog is still down for a while; the dialog must not see it at once.
void TitleScreen::HandleDialog() {
  if (dialogTimer < dialogDelay) ++dialogTimer;
  if (dialogTimer >= dialogDelay) dialog.HandleEvents();
}

void TitleScreen::HandlePad() {
  if (padCounter < padDelay) ++padCounter;
  if (padCounter < padDelay) return;
  if (PadUp()) {
    MoveUp();
    padCounter = 0;
  } else if (PadDown()) {
    MoveDown();
    padCounter = 0;
  } else if (PadStart() || PadJump()) {
    Choose();
    padCounter = 0;
  }
}

// Reacts to the current key-press event, which stays current while the key is held and no newer
// event arrives; the counter turns that into one step per delay.
void TitleScreen::HandleKeyboard() {
  if (keyCounter < keyDelay) ++keyCounter;
  if (!IsKeyDown(SDLK_RETURN)) enterHeldOnEntry = false;
  if (inputEvent.type != SDL_KEYDOWN) return;
  const SDLKey key = inputEvent.key.keysym.sym;
  if (key == SDLK_RETURN) {
    // The Enter that left the previous screen is often still down, and its press is still the
    // current event; the short wait the other screens make is not enough to stop it starting a
    // new game at once, so a held Enter counts only after it has been let go.
    if (!enterHeldOnEntry) Choose();
    return;
  }
  if (keyCounter < keyDelay) return;
  if (key == SDLK_UP) {
    MoveUp();
    keyCounter = 0;
  } else if (key == SDLK_DOWN) {
    MoveDown();
    keyCounter = 0;
  }
}

void TitleScreen::MoveUp() {
  if (selected == 0) return;
  --selected;
  PlayEffect(Effect::kMenuMove);
}

void TitleScreen::MoveDown() {
  if (selected == kEntryCount - 1) return;
  ++selected;
  PlayEffect(Effect::kMenuMove);
}

void TitleScreen::OpenDialog(DialogPurpose purpose) {
  if (purpose == kStoryLevel) {
    dialog.FillStoryLevels();
  } else {
    dialog.FillCustomLevels();
  }
  dialog.Open(kDialogX, kDialogY);
  dialogTimer = 0;
  dialogPurpose = purpose;
  PlayEffect(Effect::kMenuChoose);
}

// An entry that cannot be chosen yet (Level Select before the game is won, Options without a pad)
// does nothing, and stays silent too.
void TitleScreen::Choose() {
  switch (selected) {
    case kNewGame:
      currentLevel = 0;
      if (!storyLevelFiles.empty()) currentLevelFile = storyLevelFiles[currentLevel];
      lives = kStartingLives;
      ChooseScreen("PlayLevel");
      break;
    case kLevelSelect:
      if (gameCompleted) OpenDialog(kStoryLevel);
      break;
    case kCustomLevels:
      OpenDialog(kCustomLevel);
      break;
    case kLevelEditor:
      ChooseScreen("LevelEditor");
      break;
    case kShop:
      ChooseScreen("Shop");
      break;
    case kOptions:
      if (SDL_NumJoysticks() > 0) ChooseScreen("GamepadSetup");
      break;
    case kExit:
      GameRunning = false;
      break;
  }
}

void TitleScreen::Logic() {
  background.ScrollRight(kScrollSpeed);
  if (!dialog.HasChosen()) return;
  currentLevelFile = dialog.TakeChosenPath();
  if (dialogPurpose == kStoryLevel) {
    currentLevel = dialog.selection;
    SignalStateChange("PlayLevel");
  } else if (dialogPurpose == kCustomLevel) {
    SignalStateChange("CustomLevel");
  }
}

void TitleScreen::Render() {
  background.Draw();
  title.Draw(kTitleX, kTitleY);
  newGame.Draw(kEntryX, EntryY(kNewGame));
  (gameCompleted ? levelSelectOn : levelSelectOff).Draw(kEntryX, EntryY(kLevelSelect));
  customLevels.Draw(kEntryX, EntryY(kCustomLevels));
  levelEditor.Draw(kEntryX, EntryY(kLevelEditor));
  shop.Draw(kEntryX, EntryY(kShop));
  options.Draw(kEntryX, EntryY(kOptions));
  exitEntry.Draw(kEntryX, EntryY(kExit));
  cursor.Draw(kCursorX, kFirstCursorY + kEntrySpacing * selected);
  font.Draw("Created by Orrin Vale", kCreditX, kCreditY, 255, 255, 255);
  dialog.Draw();
  FlipScreen();
}

void TitleScreen::Cleanup() {
  background.Free();
  title.Free();
  newGame.Free();
  levelSelectOff.Free();
  levelSelectOn.Free();
  customLevels.Free();
  levelEditor.Free();
  exitEntry.Free();
  options.Free();
  shop.Free();
  cursor.Free();
  font.Free();
}
