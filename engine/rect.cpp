#include "engine/rect.h"

bool PointInRect(int x, int y, SDL_Rect r) {
  return r.x <= x && x <= r.x + r.w && r.y <= y && y <= r.y + r.h;
}

namespace {
bool AnyCornerIn(SDL_Rect corners, SDL_Rect target) {
  const int right = corners.x + corners.w;
  const int bottom = corners.y + corners.h;
  return PointInRect(corners.x, corners.y, target) || PointInRect(right, corners.y, target) ||
         PointInRect(corners.x, bottom, target) || PointInRect(right, bottom, target);
}
}  // namespace

bool RectsOverlap(SDL_Rect a, SDL_Rect b) {
  return AnyCornerIn(a, b) || AnyCornerIn(b, a);
}

SDL_Rect MakeRect(int x, int y, int w, int h) {
  SDL_Rect r;
  r.x = static_cast<Sint16>(x);
  r.y = static_cast<Sint16>(y);
  r.w = static_cast<Uint16>(w);
  r.h = static_cast<Uint16>(h);
  return r;
}
