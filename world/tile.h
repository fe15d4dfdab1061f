#pragma once
#include <utility>
#include <vector>

const int kTileSize = 32;

// The hero's own state as tiles see it: tiles change the hero only through these pointers.
struct PlayerLink {
  bool* alive = nullptr;
  int* x = nullptr;
  int* y = nullptr;
  bool* inWater = nullptr;
  bool* inSludge = nullptr;
  bool* dead = nullptr;
  bool* airborne = nullptr;
  int* vy = nullptr;  // upward positive
  int* gravityPeriod = nullptr;
  std::vector<std::pair<int, int>>* checkpoints = nullptr;
};

// One 32x32 cell of the level.
class Tile {
 public:
  bool solid = false;
  int foreground = 0;  // 0: drawn behind the moving things, 1: drawn over them

  virtual ~Tile() = default;
  // True for tiles that change every frame; they are updated each frame and reset on a restart.
  virtual bool IsActive() { return false; }
  // True only for the shared empty tile (and so for every cell outside the grid).
  virtual bool IsEmpty() { return false; }
  // Back to the start state when the level restarts after a death.
  virtual void Reset() {}
  // The hero touches the tile.
  virtual void Touch(PlayerLink& link) { (void)link; }
  // Per-frame change of an active tile.
  virtual void Update() {}
  // Draws the tile whose cell's top-left corner is at world pixel (worldX, worldY).
  virtual void Draw(int worldX, int worldY) = 0;
};

// Makes the tile for a level code at cell (col, row); the shared empty tile for 0 and unknown codes.
Tile* CreateTile(int code, int col, int row);
