#include "world/world.h"

namespace {
// Only the window of cells around the camera is drawn, never the whole grid.
void DrawTilePass(int pass) {
  const int firstRow = world.cameraY / kTileSize;
  const int firstCol = world.cameraX / kTileSize;
  for (int row = firstRow; row < firstRow + kViewRows; ++row) {
    for (int col = firstCol; col < firstCol + kViewColumns; ++col) {
      Tile* tile = GetTile(col, row);
      if (tile->foreground == pass) tile->Draw(col * kTileSize, row * kTileSize);
    }
  }
}
}  // namespace

void DrawWorldBack() {
  world.background.Draw();
  DrawTilePass(0);
}

void DrawWorldFront() { DrawTilePass(1); }
