#include "engine/row_copy.h"

#include <algorithm>
#include <cstring>

bool SamePixelFormat(const SDL_PixelFormat* from, const SDL_PixelFormat* to) {
  if (from->BytesPerPixel != to->BytesPerPixel || from->Rmask != to->Rmask || from->Gmask != to->Gmask ||
      from->Bmask != to->Bmask) {
    return false;
  }
  if (!from->palette && !to->palette) return true;
  if (!from->palette || !to->palette || from->palette->ncolors != to->palette->ncolors) return false;
  return std::memcmp(from->palette->colors, to->palette->colors,
                     sizeof(SDL_Color) * static_cast<size_t>(to->palette->ncolors)) == 0;
}

namespace {
// Whether the picture's bytes can be copied straight onto the target.
bool SameFormat(const SDL_Surface* picture, const SDL_Surface* target) {
  if (!picture->pixels || SDL_MUSTLOCK(picture) || SDL_MUSTLOCK(target)) return false;
  return SamePixelFormat(picture->format, target->format);
}

// SDL_BlitSurface's clipping: the part cut to the picture, then the destination cut to the target's
// clip rectangle. Leaves the picture's rectangle to copy in from and the screen's in destination
// (0 by 0 when nothing is left); true when something is left.
bool ClipLikeSdl(const SDL_Surface* picture, const SDL_Rect* part, const SDL_Surface* target, SDL_Rect& from,
                 SDL_Rect& destination) {
  int srcX = 0, srcY = 0, w = picture->w, h = picture->h;
  int dstX = destination.x, dstY = destination.y;
  if (part) {
    srcX = part->x;
    srcY = part->y;
    w = part->w;
    h = part->h;
    if (srcX < 0) {
      w += srcX;
      dstX -= srcX;
      srcX = 0;
    }
    if (srcY < 0) {
      h += srcY;
      dstY -= srcY;
      srcY = 0;
    }
    w = std::min(w, picture->w - srcX);
    h = std::min(h, picture->h - srcY);
  }
  const SDL_Rect& clip = target->clip_rect;
  if (clip.x > dstX) {
    w -= clip.x - dstX;
    srcX += clip.x - dstX;
    dstX = clip.x;
  }
  if (clip.y > dstY) {
    h -= clip.y - dstY;
    srcY += clip.y - dstY;
    dstY = clip.y;
  }
  w -= std::max(0, dstX + w - clip.x - clip.w);
  h -= std::max(0, dstY + h - clip.y - clip.h);
  destination.x = static_cast<Sint16>(dstX);
  destination.y = static_cast<Sint16>(dstY);
  if (w <= 0 || h <= 0) {
    destination.w = destination.h = 0;
    return false;
  }
  from = {static_cast<Sint16>(srcX), static_cast<Sint16>(srcY), static_cast<Uint16>(w), static_cast<Uint16>(h)};
  destination.w = from.w;
  destination.h = from.h;
  return true;
}

const Uint8* PixelAt(const SDL_Surface* surface, int x, int y) {
  return static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
}

// A forward memcpy whose target lies a few bytes past its source, counted within a 4096-byte page,
// runs at a fraction of its speed: the processor takes each load for one that may depend on a store
// just made to an address with the same low 12 bits, and waits. The far background drawn one to
// seven pixels right of its column 0 met that on every row, and those frames cost four to six times
// the others. Such a run is copied in blocks from its end to its start instead, so no load follows
// a store to the bytes just past it.
const uintptr_t kAliasPage = 4096;
const uintptr_t kAliasReach = 64;  // how far past its source a target may lie and still stall
const size_t kBackwardBlock = 256;

void CopyBackwardInBlocks(Uint8* to, const Uint8* from, size_t count) {
  size_t done = count - count % kBackwardBlock;
  std::memcpy(to + done, from + done, count - done);
  while (done > 0) {
    done -= kBackwardBlock;
    std::memcpy(to + done, from + done, kBackwardBlock);
  }
}

// Short runs (a tile's row, most keyed stretches) are one memcpy whatever their addresses: a
// memcpy that short loads everything before it stores.
inline void CopyBytes(Uint8* to, const Uint8* from, size_t count) {
  const uintptr_t ahead = (reinterpret_cast<uintptr_t>(to) - reinterpret_cast<uintptr_t>(from)) % kAliasPage;
  if (count <= kBackwardBlock || ahead == 0 || ahead >= kAliasReach) {
    std::memcpy(to, from, count);
  } else {
    CopyBackwardInBlocks(to, from, count);
  }
}

Uint32 ReadPixel(const Uint8* at, int bytes) {
  Uint32 value = 0;
  std::memcpy(&value, at, static_cast<size_t>(bytes));  // the low bytes on a little-endian machine
  return value;
}
}  // namespace

bool CopyOpaqueRows(SDL_Surface* picture, SDL_Rect* part, SDL_Surface* target, SDL_Rect& destination) {
  if (picture->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)) return false;
  if (!SameFormat(picture, target)) return false;
  SDL_Rect from;
  if (!ClipLikeSdl(picture, part, target, from, destination)) return true;
  const int bytes = picture->format->BytesPerPixel;
  const Uint8* source = PixelAt(picture, from.x, from.y);
  Uint8* copy = const_cast<Uint8*>(PixelAt(target, destination.x, destination.y));
  for (int row = 0; row < from.h; ++row, source += picture->pitch, copy += target->pitch) {
    CopyBytes(copy, source, static_cast<size_t>(from.w) * bytes);
  }
  return true;
}

bool FindKeyedSpans(const SDL_Surface* picture, KeyedSpans& found) {
  if (!(picture->flags & SDL_SRCCOLORKEY) || (picture->flags & SDL_SRCALPHA) || !picture->pixels) return false;
  const int bytes = picture->format->BytesPerPixel;
  // SDL compares a pixel with the key leaving out its alpha bits, and only the bytes a pixel has.
  const Uint32 sizeMask = bytes == 4 ? 0xFFFFFFFFu : (1u << (8 * bytes)) - 1;
  const Uint32 compared = ~picture->format->Amask & sizeMask;
  const Uint32 key = picture->format->colorkey & compared;
  found.rowStart.assign(1, 0);
  found.spans.clear();
  for (int y = 0; y < picture->h; ++y) {
    const Uint8* row = PixelAt(picture, 0, y);
    int x = 0;
    while (x < picture->w) {
      while (x < picture->w && (ReadPixel(row + x * bytes, bytes) & compared) == key) ++x;
      const int first = x;
      while (x < picture->w && (ReadPixel(row + x * bytes, bytes) & compared) != key) ++x;
      if (x > first) {
        found.spans.push_back(static_cast<Uint16>(first));
        found.spans.push_back(static_cast<Uint16>(x - first));
      }
    }
    found.rowStart.push_back(found.spans.size());
  }
  return true;
}

bool CopyKeyedSpans(SDL_Surface* picture, const KeyedSpans& spans, SDL_Rect* part, SDL_Surface* target,
                    SDL_Rect& destination) {
  if (!(picture->flags & SDL_SRCCOLORKEY) || (picture->flags & SDL_SRCALPHA)) return false;
  if (spans.rowStart.size() != static_cast<size_t>(picture->h) + 1 || !SameFormat(picture, target)) return false;
  SDL_Rect from;
  if (!ClipLikeSdl(picture, part, target, from, destination)) return true;
  const int bytes = picture->format->BytesPerPixel;
  const int left = from.x, right = from.x + from.w;
  for (int row = 0; row < from.h; ++row) {
    const int y = from.y + row;
    const Uint8* source = PixelAt(picture, 0, y);
    Uint8* copy = const_cast<Uint8*>(PixelAt(target, destination.x, destination.y + row));
    for (size_t i = spans.rowStart[y]; i < spans.rowStart[y + 1]; i += 2) {
      const int first = std::max<int>(spans.spans[i], left);
      const int end = std::min<int>(spans.spans[i] + spans.spans[i + 1], right);
      if (first >= end) continue;
      CopyBytes(copy + (first - left) * bytes, source + first * bytes, static_cast<size_t>(end - first) * bytes);
    }
  }
  return true;
}
