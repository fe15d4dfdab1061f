#pragma once
#include <SDL/SDL.h>

// Edges are inclusive: the far corner (r.x + r.w, r.y + r.h) lies inside.
bool PointInRect(int x, int y, SDL_Rect r);

// True when a corner of either rectangle lies in the other. Two rectangles crossing like a
// plus sign, with no corner inside the other, do not overlap: every collision in the game
// relies on exactly this rule.
bool RectsOverlap(SDL_Rect a, SDL_Rect b);

SDL_Rect MakeRect(int x, int y, int w, int h);
