#include "fuzz_support.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/startup_loading.h"
#include "engine/engine.h"
#include "engine/log.h"

namespace fs = boost::filesystem;

namespace {
fs::path fuzzFolder;

void RemoveFuzzFolder() {
  boost::system::error_code error;
  fs::current_path(fs::temp_directory_path(), error);
  fs::remove_all(fuzzFolder, error);
}

// As the game does on leaving: what start-up loaded is freed, so the leak check at the end of a
// fuzz run sees only what the inputs left behind.
void StopFuzzGame() {
  FreeAllGraphics();
  TTF_Quit();
  SDL_Quit();
}

void EnterFuzzFolder() {
  fuzzFolder = fs::temp_directory_path() / fs::unique_path("tumbo-fuzz-%%%%-%%%%-%%%%");
  fs::create_directories(fuzzFolder / "Levels" / "Custom");
  const fs::path game(TUMBO_GAME_DIR);
  fs::create_directory_symlink(game / "gfx", fuzzFolder / "gfx");
  fs::current_path(fuzzFolder);
  std::atexit(RemoveFuzzFolder);
  OpenLog("log.txt");
}

void StartFuzzGame() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::srand(1);
  if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0) FuzzFinding("SDL does not start headless");
  screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, 32, SDL_SWSURFACE);
  if (!screen) FuzzFinding("no video surface");
  if (!LoadAllGraphics()) FuzzFinding("the game's art did not load from " TUMBO_GAME_DIR);
  InitStoryAndSave();
  std::atexit(StopFuzzGame);
}
}  // namespace

void StartFuzzing(FuzzStart start) {
  EnterFuzzFolder();
  if (start == kWholeGame) StartFuzzGame();
}

void TakeInput(const std::string& path, const uint8_t* data, size_t size) {
  OpenLog("log.txt");
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
}

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void FuzzFinding(const std::string& what) {
  std::cerr << "fuzz finding: " << what << std::endl;
  std::abort();
}
