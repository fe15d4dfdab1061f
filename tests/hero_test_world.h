#pragma once
// Small levels for the hero's tests, drawn as text: one character per 32x32 cell.
//   '.' empty   '#' grass   '~' water   's' sludge   '^' spikes   'o' spring
//   'c' checkpoint   '<' '>' conveyor belts to the left and to the right
#include <string>
#include <vector>

#include "entities/player.h"
#include "world/tile.h"
#include "world/world.h"

inline int HeroTestTileCode(char cell) {
  switch (cell) {
    case '#': return 1;
    case '^': return 2;
    case '~': return 3;
    case 'o': return 4;
    case 'c': return 6;
    case 's': return 8;
    case '<': return 12;
    case '>': return 13;
    default: return 0;
  }
}

inline void BuildHeroWorld(const std::vector<std::string>& rows) {
  SizeGrid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int row = 0; row < world.height; ++row) {
    for (int col = 0; col < world.width; ++col) world.grid[row][col] = CreateTile(HeroTestTileCode(rows[row][col]), col, row);
  }
}

// A hero standing with his feet on the last free row above the cell row `floorRow`.
inline void StandHeroOn(Player& hero, int x, int floorRow) {
  hero.StartLevel(x, floorRow * kTileSize - 1 - 32);
}

inline void RunUpdates(Player& hero, int count) {
  for (int i = 0; i < count; ++i) hero.Update();
}
