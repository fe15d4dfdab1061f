#include "world/world.h"

#include <new>

#include "engine/log.h"
#include "world/tiles.h"

World world;

namespace {
// Far beyond what the editor can make (1000 x 500), small enough that a broken size in a level
// file is refused instead of exhausting memory.
const long long kMaxLevelCells = 2000000;
const int kMaxLevelColumns = 20000;
const int kMaxLevelRows = 10000;

void ReleaseGrid() {
  if (world.grid) {
    for (int row = 0; row < world.height; ++row) {
      if (!world.grid[row]) continue;
      for (int col = 0; col < world.width; ++col) {
        Tile* tile = world.grid[row][col];
        if (tile != SharedEmptyTile()) delete tile;
      }
      delete[] world.grid[row];
    }
    delete[] world.grid;
  }
  world.grid = nullptr;
  world.width = 0;
  world.height = 0;
  world.activeTiles.clear();
}
}  // namespace

bool IsAcceptableGridSize(int columns, int rows) {
  if (columns < 0 || rows < 0) return false;
  if (columns > kMaxLevelColumns || rows > kMaxLevelRows) return false;
  return static_cast<long long>(columns) * rows <= kMaxLevelCells;
}

// Replaces any grid already there, so sizing twice never leaks the first one.
void SizeGrid(int width, int height) {
  ReleaseGrid();
  world.emptyTile = SharedEmptyTile();
  world.cameraX = 0;
  world.cameraY = 0;
  if (!IsAcceptableGridSize(width, height)) {
    Log("Error: refused a level grid of " + std::to_string(width) + " x " + std::to_string(height));
    return;
  }
  Tile*** rows = new (std::nothrow) Tile**[height]();
  if (!rows) {
    Log("Error: no memory for a level grid of " + std::to_string(width) + " x " + std::to_string(height));
    return;
  }
  world.grid = rows;
  world.height = height;
  world.width = width;
  for (int row = 0; row < height; ++row) {
    world.grid[row] = new (std::nothrow) Tile*[width]();
    if (!world.grid[row]) {
      Log("Error: no memory for a level grid of " + std::to_string(width) + " x " + std::to_string(height));
      ReleaseGrid();
      return;
    }
  }
}

int LevelPixelWidth() { return world.width * kTileSize; }
int LevelPixelHeight() { return world.height * kTileSize; }

Tile* GetTile(int col, int row) {
  if (col < 0 || row < 0 || col >= world.width || row >= world.height || !world.grid) return SharedEmptyTile();
  Tile* tile = world.grid[row][col];
  return tile ? tile : SharedEmptyTile();
}

Tile* TileAtPixel(int px, int py) { return GetTile(px / kTileSize, py / kTileSize); }

bool IsSolidAt(int px, int py) { return TileAtPixel(px, py)->solid; }

void UpdateActiveTiles() {
  for (const auto& cell : world.activeTiles) GetTile(cell.first, cell.second)->Update();
}

void ResetActiveTiles() {
  for (const auto& cell : world.activeTiles) GetTile(cell.first, cell.second)->Reset();
}

void FreeWorld(BackgroundAtFree background) {
  if (background == BackgroundAtFree::kFree) world.background.Free();
  ReleaseGrid();
  world.emptyTile = nullptr;
}
