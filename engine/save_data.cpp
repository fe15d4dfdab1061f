#include "engine/save_data.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "engine/log.h"
#include "engine/progress.h"
#include "engine/replace_file.h"

namespace {
// Positions of the two articles owned from the start: "No Hat" and the hero's own look.
const int kFreeHatArticle = 0;
const int kFreeLookArticle = 6;
const long kMaxMoney = 999999999;
// What a save writes first, beside the save, before it takes the save's place.
const char* const kPartialSuffix = ".tmp";

// Set once the player has been told that this folder takes no save.
bool saveRefusalTold = false;

// One whole line as a decimal integer; false for anything else (letters, blanks, overflow).
bool ParseLine(const std::string& line, long& value) {
  std::istringstream in(line);
  if (!(in >> value)) return false;
  in >> std::ws;
  return in.eof();
}

void ResetProgress() {
  gameCompleted = false;
  money = 0;
  hat = 0;
  costume = 0;
  ownedItems.clear();
}

// Keeps a value that the game can use; false when it had to be changed.
bool Clamp(long value, long low, long high, int& target, int fallback) {
  if (value < low || value > high) {
    target = fallback;
    return false;
  }
  target = static_cast<int>(value);
  return true;
}
}  // namespace

void ReadSaveFile(const std::string& path) {
  Log("Reading Save Data");
  std::ifstream file(path);
  if (!file) {
    Log("No save data found.");
    ResetProgress();
    return;
  }
  ResetProgress();
  // A line that is not a number counts as 0 among the first four values and ends the owned flags.
  std::vector<long> values;
  std::string line;
  bool damaged = false;
  while (std::getline(file, line)) {
    long value = 0;
    if (!ParseLine(line, value)) {
      damaged = true;
      if (values.size() >= 4) break;
    }
    values.push_back(value);
  }
  if (values.size() < 4) {
    damaged = true;
    values.resize(4, 0);
  }

  gameCompleted = values[0] != 0;
  damaged |= !Clamp(values[1], 0, kMaxMoney, money, 0);
  damaged |= !Clamp(values[2], 0, kHatCount - 1, hat, 0);
  damaged |= !Clamp(values[3], 0, kCostumeCount - 1, costume, 0);
  for (size_t i = 4; i < values.size() && ownedItems.size() < kShopArticleCount; ++i) {
    ownedItems.push_back(values[i] != 0);
  }
  if (!ownedItems.empty() && ownedItems.size() < kShopArticleCount) {
    damaged = true;
    ownedItems.resize(kShopArticleCount, false);
    ownedItems[kFreeHatArticle] = true;
    ownedItems[kFreeLookArticle] = true;
  }
  if (damaged) Log("Save data was damaged; what could be read was kept.");
  Log("Save Data Loaded.");
}

// Departure: a game folder the player cannot write in went unmentioned, and a whole session's
// progress was lost without a word. Said once here; the failed save at exit then stays quiet.
bool CheckSaveFolder(const std::string& path) {
  const std::string probe = path + kPartialSuffix;
  // Appending creates nothing new where the probe already stands, and truncates nothing.
  saveRefusalTold = !std::ofstream(probe, std::ios::out | std::ios::app);
  if (saveRefusalTold) {
    LogOrTell("Error: progress cannot be saved: " + path + " cannot be written in this folder (" +
              std::strerror(errno) + ")");
    return false;
  }
  std::remove(probe.c_str());
  return true;
}

bool WriteSaveFile(const std::string& path) {
  if (ownedItems.empty()) {
    ownedItems.assign(kShopArticleCount, false);
    ownedItems[kFreeHatArticle] = true;
    ownedItems[kFreeLookArticle] = true;
  }
  std::ostringstream text;
  text << (gameCompleted ? 1 : 0) << '\n' << money << '\n' << hat << '\n' << costume << '\n';
  for (size_t i = 0; i < ownedItems.size(); ++i) {
    if (i > 0) text << '\n';
    text << (ownedItems[i] ? 1 : 0);
  }
  if (ReplaceFile(path, text.str(), kPartialSuffix)) return true;
  if (saveRefusalTold) return false;
  // A failed save once went unsaid: the player would learn of lost progress only at the next start.
  LogOrTell("Error: could not write " + path + "; the save from before stays");
  return false;
}
