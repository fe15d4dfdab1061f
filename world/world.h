#pragma once
#include <string>
#include <utility>
#include <vector>

#include "engine/parallax_background.h"
#include "world/tile.h"

// The drawn window of cells around the camera.
const int kViewColumns = 21;
const int kViewRows = 16;

// The one loaded level: tile grid, camera, background, start position and level counters.
class World {
 public:
  std::string levelPath;
  long entityStreamPos = 0;  // where the entity records begin in the level file
  int width = 0;             // columns
  int height = 0;            // rows
  Tile*** grid = nullptr;    // grid[row][col]; empty cells share emptyTile
  Tile* emptyTile = nullptr;
  int cameraX = 0;
  int cameraY = 0;
  int startX = 20;
  int startY = 100;
  std::vector<std::pair<int, int>> activeTiles;  // (col, row) of tiles that update every frame
  ParallaxBackground background;
  int enemyCount = 0;
  int enemiesKilled = 0;
  int itemCount = 0;
  int itemsGrabbed = 0;
  bool levelComplete = false;
};

extern World world;

// False for sizes no level can sensibly have (negative, or far beyond the editor's largest).
bool IsAcceptableGridSize(int columns, int rows);
// Replaces any previous grid; an unacceptable size leaves a 0 x 0 grid.
void SizeGrid(int width, int height);
// The level's size in pixels.
int LevelPixelWidth();
int LevelPixelHeight();
Tile* GetTile(int col, int row);
// The tile under a world pixel; the shared empty tile outside the grid.
Tile* TileAtPixel(int px, int py);
bool IsSolidAt(int px, int py);
void UpdateActiveTiles();
void ResetActiveTiles();
void DrawWorldBack();
void DrawWorldFront();
// What freeing the world does with its background pictures: a level that hands over to the next
// keeps them, for that level to use if its world is the same (see ParallaxBackground::Load).
enum class BackgroundAtFree { kFree, kKeep };
void FreeWorld(BackgroundAtFree background = BackgroundAtFree::kFree);
