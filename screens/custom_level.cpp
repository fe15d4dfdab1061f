#include "screens/custom_level.h"

#include <SDL/SDL.h>

#include "engine/progress.h"
#include "engine/state_manager.h"
#include "level/level_file.h"
#include "world/world.h"

namespace {
// Lets the Enter that left the results panel go before the title menu reads it.
const Uint32 kLeaveDelayMs = 100;
}  // namespace

std::string CustomLevelName(const std::string& path) {
  // A path shorter than the folder is kept whole rather than cut past its end.
  const size_t folderLength = std::string(kCustomLevelFolder).size();
  std::string name = path.size() >= folderLength ? path.substr(folderLength) : path;
  const size_t extension = name.find(kLevelExtension);
  if (extension != std::string::npos) name.erase(extension);
  return name;
}

void CustomLevel::Init() {
  LevelScreen::Init();
  levelName = CustomLevelName(currentLevelFile);
}

void CustomLevel::LeaveResults() {
  SignalStateChange("TitleScreen");
  world.levelComplete = false;
  SDL_Delay(kLeaveDelayMs);
}

void CustomLevel::DrawTitleCard() {
  panelImage.Draw(0, 0);
  DrawYellow(titleFont, "The Adventures of", 70, 70);
  DrawYellow(titleFont, "Tumbo Man", 150, 110);
  DrawYellow(textFont, "Custom Level:", 200, 210);
  DrawCentred(levelName, 250);
}

void CustomLevel::DrawResults() {
  panelImage.Draw(0, 0);
  DrawYellow(textFont, "Custom Level", 200, 10);
  DrawCentred(levelName, 50);
  DrawYellow(textFont, "Completed!", 230, 90);
  DrawLevelStatistics();
  DrawYellow(textFont, "Press Enter to Continue", 100, 400);
}
