#include "level/entity_names.h"

#include <algorithm>

std::vector<std::string> entityNames;

namespace {
const char* const kPaletteOrder[] = {
    "CircleMan", "Money",  "OneUp",      "DrVim",      "EnergyDrink", "JetPack", "UFRO",     "SmallBlorp",
    "MediumBlorp", "LargeBlorp", "Smashy", "Pirate", "Delete",     "Tank",    "RobotGuard", "MissileBot",
    "Overlord",  "Soldier", "Ninja",     "Bomber",     "Baron",       "Flag"};
const char* const kNotAType = "Delete";
}  // namespace

void InitEntityNames() {
  entityNames.assign(std::begin(kPaletteOrder), std::end(kPaletteOrder));
}

bool IsEntityName(const std::string& word) {
  if (word == kNotAType) return false;
  return std::find(std::begin(kPaletteOrder), std::end(kPaletteOrder), word) != std::end(kPaletteOrder);
}
