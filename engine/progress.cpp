#include "engine/progress.h"

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
