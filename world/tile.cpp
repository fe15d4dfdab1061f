#include "world/tiles.h"
#include "world/tile_images.h"
#include "world/world.h"

namespace {
Tile* MakeStartTile(int worldX, int worldY) {
  // Row-major reading makes the last marker in the file the one that counts.
  world.startX = worldX;
  world.startY = worldY;
  return new StartTile();
}
}  // namespace

Tile* CreateTile(int code, int col, int row) {
  const int worldX = col * kTileSize;
  const int worldY = row * kTileSize;
  switch (code) {
    case kCodeGrass: return new GrassTile();
    case kCodeSpikes: return new SpikesTile();
    case kCodeWater: return new WaterTile();
    case kCodeSpring: return new SpringTile();
    case kCodeBrick: return new BrickTile();
    case kCodeCheckpoint: return new CheckpointTile(worldX, worldY);
    case kCodeJelly: return new JellyTile();
    case kCodeSludge: return new SludgeTile(worldX, worldY);
    case kCodeShipFloor: return new ShipFloorTile();
    case kCodeBombTrap: return new BombTrapTile(worldX, worldY);
    case kCodeSteel: return new SteelTile();
    case kCodeConveyorLeft: return new ConveyorTile(0);
    case kCodeConveyorRight: return new ConveyorTile(1);
    case kCodeDirt: return new DirtTile(0);
    case kCodeDirtSecond: return new DirtTile(1);
    case kCodeStart: return MakeStartTile(worldX, worldY);
    default: return SharedEmptyTile();
  }
}
