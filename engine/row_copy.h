#pragma once
#include <SDL/SDL.h>

#include <vector>

// Drawing pictures in the screen's own pixel format with plain memory copies. SDL 1.2's blitters
// are far from the memory's speed: its copy of opaque pictures moves 8 bytes a step and slows down
// further when a row does not start on an 8-byte boundary (the far background at an odd scroll
// offset), and under the SDL 1.2 layer over SDL2 its keyed (RLE) path is slower than a plain copy.
// A memcpy per row, or per opaque stretch of a keyed row, is as fast as copying gets under both.
// Both copiers clip and fill in the destination exactly as SDL_BlitSurface does, and answer false,
// with nothing done, for a picture they would not draw as SDL does (see-through, locked, or in
// another pixel format or palette); the caller then leaves it to SDL.

// Whether pixels in one format mean the same colours in the other: the same layout, and at 8 bits
// the very same palette.
bool SamePixelFormat(const SDL_PixelFormat* from, const SDL_PixelFormat* to);

// Copies the picture (or its part) onto the target with its corner at the destination's.
bool CopyOpaqueRows(SDL_Surface* picture, SDL_Rect* part, SDL_Surface* target, SDL_Rect& destination);

// Where a colour-keyed picture is not its key colour: per row, stretches of first column and length.
struct KeyedSpans {
  std::vector<size_t> rowStart;  // index of each row's first stretch in spans; one more entry at the end
  std::vector<Uint16> spans;     // pairs: first column, length
};
// The stretches of a picture keyed with SDL_SRCCOLORKEY; false for one that is not keyed.
bool FindKeyedSpans(const SDL_Surface* picture, KeyedSpans& found);
// Copies the picture's stretches that fall inside the part, as SDL's keyed blit draws it.
bool CopyKeyedSpans(SDL_Surface* picture, const KeyedSpans& spans, SDL_Rect* part, SDL_Surface* target,
                    SDL_Rect& destination);
