#include "world/camera.h"

#include "engine/engine.h"
#include "world/world.h"

void ScrollRight(int dx) {
  world.cameraX += dx;
  if (world.cameraX + kScreenWidth >= LevelPixelWidth()) {
    world.cameraX = LevelPixelWidth() - kScreenWidth;
    return;
  }
  world.background.ScrollRight(dx);
}

void ScrollLeft(int dx) {
  world.cameraX -= dx;
  if (world.cameraX < 0) {
    world.cameraX = 0;
    return;
  }
  world.background.ScrollLeft(dx);
}

void ScrollDown(int dy) {
  world.cameraY += dy;
  if (world.cameraY + kScreenHeight >= LevelPixelHeight()) world.cameraY = LevelPixelHeight() - kScreenHeight;
}

void ScrollUp(int dy) {
  world.cameraY -= dy;
  if (world.cameraY < 0) world.cameraY = 0;
}

// A level smaller than the screen ends up with a negative camera when asked for x >= 0: the
// level is then drawn against the screen's right (or bottom) edge.
void SetCamera(int x, int y) {
  world.cameraX = x;
  if (world.cameraX < 0) {
    world.cameraX = 0;
  } else if (world.cameraX + kScreenWidth > LevelPixelWidth()) {
    world.cameraX = LevelPixelWidth() - kScreenWidth;
  }
  world.cameraY = y;
  if (world.cameraY < 0) {
    world.cameraY = 0;
  } else if (world.cameraY + kScreenHeight > LevelPixelHeight()) {
    world.cameraY = LevelPixelHeight() - kScreenHeight;
  }
}

bool OutOfView(int x, int y, int w, int h) {
  return x + w < world.cameraX || x > world.cameraX + kScreenWidth || y + h < world.cameraY ||
         y > world.cameraY + kScreenHeight;
}
