#pragma once
#include <string>

// "save.txt": gameCompleted, money, hat, costume, then one owned flag per shop article, one
// decimal integer per line, no line break after the last.
const char* const kSaveFile = "save.txt";
// Articles in the shop, and the hats and looks the hero can be drawn with.
const int kShopArticleCount = 8;
const int kHatCount = 7;
// The hero's looks as "save.txt" numbers them: his own, and the second look the shop sells.
enum Costume : int { kTumboManCostume = 0, kAwesomeCostume = 1 };
const int kCostumeCount = 2;

void ReadSaveFile(const std::string& path = kSaveFile);
// At start-up: whether a save can be written beside path. When it cannot (a read-only game
// folder), the player is told once that progress cannot be saved, and the game plays on.
bool CheckSaveFolder(const std::string& path = kSaveFile);
// Replaces the file whole (ReplaceFile), so a failed write never leaves a cut-short save behind.
// Returns false, and says so in the log unless CheckSaveFolder already has, when the file could
// not be written.
bool WriteSaveFile(const std::string& path = kSaveFile);
