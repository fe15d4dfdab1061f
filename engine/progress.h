#pragma once
#include <string>
#include <vector>

// The player's progress, program-wide. The saved values reach "save.txt" at exit.
const int kStoryLevelCount = 10;
const int kStartingLives = 2;

extern int currentLevel;
extern std::string currentLevelFile;
extern std::vector<std::string> storyLevelFiles;
extern std::vector<std::string> storyLevelTitles;
extern int lives;

extern bool gameCompleted;
extern int money;
extern int hat;
extern int costume;
extern std::vector<bool> ownedItems;
