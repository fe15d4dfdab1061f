#pragma once
#include <SDL/SDL.h>

#include <string>

// Opens a 640x480 32-bit surface on SDL's dummy drivers and starts SDL_ttf, once per process.
// Tests draw at 32 bits because the dummy driver's desktop is 8-bit and paletted; a check that
// draws at every depth the game can meet asks for another.
void StartHeadless(int depth = 32);

// Makes a fresh working folder that sees the built game's gfx/, sfx/, music/ and Levels/ and
// changes into it, so log.txt, save.txt and custom levels written by a test never touch the real
// game folder.
std::string EnterGameDir();

// The pixel at (x, y) of a 32-bit surface, read under the surface's lock. Any other depth fails the
// calling test and reads 0: a screen left behind at the desktop's depth must not be read past its rows.
Uint32 CheckedPixel(SDL_Surface* surface, int x, int y);
Uint32 CheckedScreenPixel(int x, int y);

// SDL_Delay and the millisecond tick counter may each come out a millisecond short, so a test that
// checks a wait allows this much less.
const Uint32 kTickSlackMs = 2;

// Whole text of a file, or empty when it cannot be read.
std::string ReadFile(const std::string& path);
