#pragma once
// Pixel reading for the hero's drawing tests on the 32-bit headless screen.
#include <SDL/SDL.h>

#include <vector>

#include "engine/engine.h"
#include "support/headless.h"

// Locks the surface, so colour-keyed pictures kept RLE-encoded by SDL read as plain pixels too.
inline Uint32 PixelAt(SDL_Surface* surface, int x, int y) { return CheckedPixel(surface, x, y); }

inline void ClearToBlack() {
  SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
}

inline std::vector<Uint32> Region(int x, int y, int w, int h) {
  std::vector<Uint32> pixels;
  for (int row = y; row < y + h; ++row) {
    for (int col = x; col < x + w; ++col) pixels.push_back(PixelAt(screen, col, row));
  }
  return pixels;
}

inline bool RegionBlank(int x, int y, int w, int h) {
  for (Uint32 pixel : Region(x, y, w, h)) {
    if (pixel != SDL_MapRGB(screen->format, 0, 0, 0)) return false;
  }
  return true;
}
