#include "engine/progress.h"

#include "engine/save_data.h"
#include "level/entity_names.h"
#include "world/world.h"

int currentLevel = 0;
std::string currentLevelFile;
std::vector<std::string> storyLevelFiles;
std::vector<std::string> storyLevelTitles;
int lives = kStartingLives;

bool gameCompleted = false;
int money = 0;
int hat = 0;
int costume = 0;
std::vector<bool> ownedItems;

bool InitStoryAndSave() {
  storyLevelFiles = {"Levels/TumboWorld1.level", "Levels/TumboWorld2.level", "Levels/Blorp1.level",
                     "Levels/Blorp2.level",      "Levels/SpacePirate1.level", "Levels/SpacePirate2.level",
                     "Levels/RobotCity1.level",  "Levels/RobotCity2.level",   "Levels/RoundWorld1.level",
                     "Levels/RoundWorld2.level"};
  storyLevelTitles = {"They came from Outer Space!", "For Great Justice!",     "Attack of the Jelly Monsters",
                      "There's too many of them!",   "Pirates...in space!",    "Full Armored Tumbo Man",
                      "The Machines!",               "Giant Robot Attack!",    "The Round Menace",
                      "The Showdown"};
  InitEntityNames();
  currentLevel = 0;
  world.levelComplete = false;
  lives = kStartingLives;
  ReadSaveFile();
  return true;
}
