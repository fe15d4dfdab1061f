#include "engine/engine.h"
#include "engine/frame_counter.h"
#include "world/camera.h"
#include "world/tile_images.h"
#include "world/tiles.h"
#include "world/world.h"

namespace {
// The belt treats the hero as a 32-pixel box and tests only his top and his middle.
const int kBeltHeroWidth = 32;
const int kBeltHeroMiddle = 16;
}  // namespace

ConveyorTile::ConveyorTile(int beltDirection) : direction(beltDirection) { solid = true; }

void ConveyorTile::Reset() {
  frame = 0;
  counter = 0;
}

void ConveyorTile::Update() {
  if (StepDue(counter, framePeriod)) frame = 1 - frame;
}

void ConveyorTile::Touch(PlayerLink& link) {
  int& x = *link.x;
  const int y = *link.y;
  if (direction == 1) {
    ++x;
    const int rightEdge = LevelPixelWidth();
    if (x + kBeltHeroWidth > rightEdge) {
      x = rightEdge - kBeltHeroWidth;
    } else if (IsSolidAt(x + kBeltHeroWidth, y) || IsSolidAt(x + kBeltHeroWidth, y + kBeltHeroMiddle)) {
      --x;
    } else if (x - world.cameraX > kScreenMiddleX) {
      // The camera follows the carried hero once he passes the middle of the screen.
      ScrollRight(1);
    }
    return;
  }
  --x;
  if (x < 0) {
    x = 0;
  } else if (IsSolidAt(x, y) || IsSolidAt(x, y + kBeltHeroMiddle)) {
    ++x;
  } else if (x - world.cameraX < kScreenMiddleX) {
    ScrollLeft(1);
  }
}

void ConveyorTile::Draw(int worldX, int worldY) {
  DrawTileImage(conveyorImages[direction][frame], worldX, worldY);
}
