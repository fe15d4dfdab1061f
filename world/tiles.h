#pragma once
#include "world/tile.h"

class Image;

// The level codes of the tile kinds.
enum TileCode {
  kCodeEmpty = 0,
  kCodeGrass = 1,
  kCodeSpikes = 2,
  kCodeWater = 3,
  kCodeSpring = 4,
  kCodeBrick = 5,
  kCodeCheckpoint = 6,
  kCodeJelly = 7,
  kCodeSludge = 8,
  kCodeShipFloor = 9,
  kCodeBombTrap = 10,
  kCodeSteel = 11,
  kCodeConveyorLeft = 12,
  kCodeConveyorRight = 13,
  kCodeDirt = 14,
  kCodeDirtSecond = 15,
  kCodeStart = 16,
};

// Nothing: every empty cell and every lookup outside the grid share one of these.
class EmptyTile : public Tile {
 public:
  bool IsEmpty() override { return true; }
  void Draw(int worldX, int worldY) override;
};

// The one EmptyTile of the program; it is never deleted, so no lookup can see a released one.
Tile* SharedEmptyTile();

// A tile drawn with one fixed picture: grass, brick and ship floor. Ground that stacks has a second,
// inner picture for cells under ground of its own kind.
class PlainTile : public Tile {
 public:
  PlainTile(Image* picture, bool isSolid, Image* innerPicture = nullptr);
  void Draw(int worldX, int worldY) override;

 private:
  Image* picture;
  Image* innerPicture;
};

class GrassTile : public PlainTile {
 public:
  GrassTile();
};

class BrickTile : public PlainTile {
 public:
  BrickTile();
};

class ShipFloorTile : public PlainTile {
 public:
  ShipFloorTile();
};

class SpikesTile : public Tile {
 public:
  void Touch(PlayerLink& link) override;
  void Draw(int worldX, int worldY) override;
};

class WaterTile : public Tile {
 public:
  WaterTile();
  void Touch(PlayerLink& link) override;
  void Draw(int worldX, int worldY) override;
};

class SpringTile : public Tile {
 public:
  bool springing = false;
  int counter = 0;
  int springFrames = 3;

  void Touch(PlayerLink& link) override;
  void Draw(int worldX, int worldY) override;
};

class CheckpointTile : public Tile {
 public:
  bool on = false;
  int x = 0;
  int y = 0;

  CheckpointTile(int worldX, int worldY);
  void Touch(PlayerLink& link) override;
  void Draw(int worldX, int worldY) override;
};

class JellyTile : public Tile {
 public:
  int variant = 0;

  JellyTile();
  void Draw(int worldX, int worldY) override;
};

class SludgeTile : public Tile {
 public:
  int x = 0;
  int y = 0;

  SludgeTile(int worldX, int worldY);
  void Touch(PlayerLink& link) override;
  void Draw(int worldX, int worldY) override;
};

// A floor plate that ticks after the hero steps on it and then blows open.
class BombTrapTile : public Tile {
 public:
  int x = 0;
  int y = 0;
  int frame = 0;
  int state = 0;  // 0 armed, 1 ticking, 2 blowing, 3 open
  int frameCounter = 0;
  int framePeriod = 30;

  BombTrapTile(int worldX, int worldY);
  bool IsActive() override { return true; }
  void Reset() override;
  void Touch(PlayerLink& link) override;
  void Update() override;
  void Draw(int worldX, int worldY) override;
};

class SteelTile : public Tile {
 public:
  int variant = 0;

  SteelTile();
  void Draw(int worldX, int worldY) override;
};

// A belt that carries the hero one pixel a frame.
class ConveyorTile : public Tile {
 public:
  int direction = 0;  // 0 to the left, 1 to the right
  int frame = 0;
  int counter = 0;
  int framePeriod = 8;

  explicit ConveyorTile(int beltDirection);
  bool IsActive() override { return true; }
  void Reset() override;
  void Touch(PlayerLink& link) override;
  void Update() override;
  void Draw(int worldX, int worldY) override;
};

class DirtTile : public Tile {
 public:
  int variant = 0;

  explicit DirtTile(int look);
  void Draw(int worldX, int worldY) override;
};

// Marks where the hero starts; making one moves the World's start position here.
class StartTile : public Tile {
 public:
  void Draw(int worldX, int worldY) override;
};

// Blits a tile picture at its world position minus the camera.
void DrawTileImage(Image& picture, int worldX, int worldY);

// True when the cell above the one at (worldX, worldY) holds a tile of the same kind as this one.
bool SameKindAbove(Tile& tile, int worldX, int worldY);

// Ground draws its surface picture under open sky and its inner picture under ground of its own kind.
void DrawGroundImage(Tile& tile, Image& surface, Image& inner, int worldX, int worldY);

// What spikes and deep sludge do to the hero: he starts his death fall.
void StartDeathFall(PlayerLink& link);
