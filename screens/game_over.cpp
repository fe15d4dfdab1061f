#include "screens/game_over.h"

#include <cstdlib>
#include <string>

#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "input/gamepad.h"
#include "input/input.h"

namespace {
const int kPictureCount = 3;
const int kPictureX = 213;
const int kPictureY = 67;
const int kFontSize = 18;
const int kYesX = 165;
const int kNoX = 220;
const int kChoiceY = 444;
// Long enough for the key that chose "No" to be let go before the title menu reads it.
const Uint32 kLeaveDelayMs = 200;

void DrawChoice(Font& font, const char* text, int x, bool selected) {
  if (selected) {
    font.Draw(text, x, kChoiceY, 255, 255, 0);
  } else {
    font.Draw(text, x, kChoiceY, 255, 255, 255);
  }
}
}  // namespace

void GameOver::Init() {
  background.Load("gfx/Game Over/game_over.png");
  LoadKeyed(picture, "gfx/Game Over/" + std::to_string(rand() % kPictureCount) + ".png");
  font.Load("gfx/Fonts/Editor Font.ttf", kFontSize);
  selected = kYes;
  // Held silent, and kept loaded for a retry of the same world.
  StopMusic();
}

void GameOver::HandleEvents() {
  if ((IsKeyDown(SDLK_RIGHT) || PadRight()) && selected == kYes) {
    selected = kNo;
    PlayEffect(Effect::kMenuMove);
  } else if ((IsKeyDown(SDLK_LEFT) || PadLeft()) && selected == kNo) {
    selected = kYes;
    PlayEffect(Effect::kMenuMove);
  }
  if (IsKeyDown(SDLK_RETURN) || PadStart() || PadJump()) Confirm();
}

void GameOver::Confirm() {
  PlayEffect(Effect::kMenuChoose);
  if (selected == kNo) {
    SignalStateChange("TitleScreen");
    SDL_Delay(kLeaveDelayMs);
    return;
  }
  // The retry is always the story level, also after a game over in a custom level.
  if (currentLevel >= 0 && currentLevel < static_cast<int>(storyLevelFiles.size())) {
    currentLevelFile = storyLevelFiles[currentLevel];
  }
  SignalStateChange("PlayLevel");
}

void GameOver::Render() {
  background.Draw(0, 0);
  picture.Draw(kPictureX, kPictureY);
  DrawChoice(font, "Yes", kYesX, selected == kYes);
  DrawChoice(font, "No", kNoX, selected == kNo);
  FlipScreen();
}

void GameOver::Cleanup() {
  background.Free();
  picture.Free();
  font.Free();
}
