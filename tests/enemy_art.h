#pragma once
// Helpers for the enemy modules' picture tests.
#include <SDL/SDL.h>

#include <boost/filesystem.hpp>
#include <initializer_list>

#include "engine/engine.h"
#include "support/headless.h"

inline void BlankScreen() { SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0)); }

// Pixels of the box that something has drawn over the blanked screen.
inline int DrawnPixels(int left, int top, int width, int height) {
  const Uint32 black = SDL_MapRGB(screen->format, 0, 0, 0);
  int drawn = 0;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) drawn += CheckedScreenPixel(x, y) != black;
  }
  return drawn;
}

// Enters a fresh game folder whose gfx/ holds copies of only the pictures directly in the given
// art folders. Returns the full art folder, from which a test can put pictures back.
inline boost::filesystem::path EnterGameDirWithArt(std::initializer_list<const char*> folders) {
  namespace fs = boost::filesystem;
  StartHeadless();
  const fs::path art = fs::path(EnterGameDir()) / "gfx";
  const fs::path source = fs::read_symlink(art);
  fs::remove(art);
  for (const char* folder : folders) {
    fs::create_directories(art / folder);
    for (fs::directory_iterator it(source / folder); it != fs::directory_iterator(); ++it) {
      if (fs::is_regular_file(it->path())) fs::copy_file(it->path(), art / folder / it->path().filename());
    }
  }
  return source;
}
