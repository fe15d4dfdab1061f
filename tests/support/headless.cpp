#include "support/headless.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/engine.h"

namespace fs = boost::filesystem;

void StartHeadless() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (screen) return;
  SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
  screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, 32, SDL_SWSURFACE);
  if (!TTF_WasInit()) TTF_Init();
}

std::string EnterGameDir() {
  const fs::path game(TUMBO_GAME_DIR);
  const fs::path folder = fs::temp_directory_path() / fs::unique_path("tumbo-test-%%%%-%%%%-%%%%");
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

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}
