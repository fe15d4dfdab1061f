#include "screens/play_level.h"

#include <SDL/SDL.h>

#include "engine/progress.h"
#include "engine/state_manager.h"
#include "world/world.h"

namespace {
const int kLastLevel = kStoryLevelCount - 1;
// Lets the Enter that left the last results panel go before the ending reads it.
const Uint32 kEndingDelayMs = 100;
}  // namespace

void PlayLevel::Init() {
  LevelScreen::Init();
  displayedMoney = money;
}

void PlayLevel::LeaveResults() {
  ++currentLevel;
  if (currentLevel > kLastLevel) {
    currentLevel = kLastLevel;
    SignalStateChange("Ending");
    world.levelComplete = false;
    SDL_Delay(kEndingDelayMs);
    return;
  }
  if (currentLevel < static_cast<int>(storyLevelFiles.size())) currentLevelFile = storyLevelFiles[currentLevel];
  SignalStateChange("PlayLevel");
  world.levelComplete = false;
}

void PlayLevel::FinishLevel() {
  money += player.levelMoney;
}

void PlayLevel::ResultsLogic() {
  if (displayedMoney < money) ++displayedMoney;
}

std::string PlayLevel::LevelHeading() const {
  return "Level " + std::to_string(currentLevel + 1) + ":";
}

std::string PlayLevel::LevelTitle() const {
  if (currentLevel < 0 || currentLevel >= static_cast<int>(storyLevelTitles.size())) return "";
  return storyLevelTitles[currentLevel];
}

void PlayLevel::DrawTitleCard() {
  panelImage.Draw(0, 0);
  DrawYellow(titleFont, "The Adventures of", 70, 70);
  DrawYellow(titleFont, "Tumbo Man", 150, 110);
  DrawYellow(textFont, LevelHeading(), 250, 210);
  DrawCentred(LevelTitle(), 250);
}

void PlayLevel::DrawResults() {
  panelImage.Draw(0, 0);
  DrawYellow(textFont, LevelHeading(), 250, 10);
  DrawCentred(LevelTitle(), 50);
  DrawYellow(textFont, "Completed!", 230, 90);
  DrawLevelStatistics();
  DrawYellow(textFont, "Money: " + std::to_string(displayedMoney), 20, 330);
  DrawYellow(textFont, "Press Enter to Continue", 100, 400);
}
