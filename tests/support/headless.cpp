#include "support/headless.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "engine/engine.h"

namespace fs = boost::filesystem;

void StartHeadless(int depth) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // An earlier test may have shut SDL down or run the game, whose screen has the desktop's depth:
  // only a live screen of our size and the depth asked for is kept.
  SDL_Surface* live = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetVideoSurface() : nullptr;
  if (live && live == screen && live->w == kScreenWidth && live->h == kScreenHeight &&
      live->format->BitsPerPixel == depth) {
    return;
  }
  SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
  screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, depth, SDL_SWSURFACE);
  if (!TTF_WasInit()) TTF_Init();
}

// Every game folder a test made, taken away when the test program ends: tests may still be
// standing in the last one, and one folder per test would otherwise pile up in /tmp.
static std::vector<fs::path>& MadeGameDirs() {
  static std::vector<fs::path> made;
  return made;
}

static void RemoveMadeGameDirs() {
  boost::system::error_code ignored;
  fs::current_path(fs::temp_directory_path(), ignored);
  for (const fs::path& folder : MadeGameDirs()) fs::remove_all(folder, ignored);
}

std::string EnterGameDir() {
  const fs::path game(TUMBO_GAME_DIR);
  const fs::path folder = fs::temp_directory_path() / fs::unique_path("tumbo-test-%%%%-%%%%-%%%%");
  if (MadeGameDirs().empty()) std::atexit(RemoveMadeGameDirs);
  MadeGameDirs().push_back(folder);
  fs::create_directories(folder / "Levels" / "Custom");
  for (const char* data : {"gfx", "sfx", "music"}) {
    if (fs::exists(game / data)) fs::create_directory_symlink(game / data, folder / data);
  }
  if (fs::exists(game / "Levels")) {
    for (fs::directory_iterator it(game / "Levels"); it != fs::directory_iterator(); ++it) {
      if (fs::is_regular_file(it->path())) fs::copy_file(it->path(), folder / "Levels" / it->path().filename());
    }
  }
  fs::current_path(folder);
  return folder.string();
}

Uint32 CheckedPixel(SDL_Surface* surface, int x, int y) {
  if (!surface || surface->format->BytesPerPixel != 4) {
    ADD_FAILURE() << "pixels read from a surface that is not 32-bit";
    return 0;
  }
  SDL_LockSurface(surface);
  const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
  const Uint32 pixel = reinterpret_cast<const Uint32*>(row)[x];
  SDL_UnlockSurface(surface);
  return pixel;
}

Uint32 CheckedScreenPixel(int x, int y) { return CheckedPixel(screen, x, y); }

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}
