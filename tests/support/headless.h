#pragma once
#include <string>

// Opens a 640x480 32-bit surface on SDL's dummy drivers and starts SDL_ttf, once per process.
// Tests draw at 32 bits because the dummy driver's desktop is 8-bit and paletted.
void StartHeadless();

// Makes a fresh working folder that sees the built game's gfx/, sfx/, music/ and Levels/ and
// changes into it, so log.txt, save.txt and custom levels written by a test never touch the real
// game folder.
std::string EnterGameDir();

// Whole text of a file, or empty when it cannot be read.
std::string ReadFile(const std::string& path);
