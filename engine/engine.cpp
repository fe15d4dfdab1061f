#include "engine/engine.h"

#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <ctime>

#include "engine/exit_handlers.h"
#include "engine/sound_system.h"

SDL_Surface* screen = nullptr;
bool fullscreenMode = false;
bool GameRunning = false;
std::string engineFailure;

namespace {
const char* kLogPath = "log.txt";
const int kSoundChannels = 100;

void CloseLogHandler() {
  Log("Cleaning up...");
  CloseLog();
}

void QuitSdlHandler() { SDL_Quit(); }

void QuitTtfHandler() { TTF_Quit(); }

void ReleaseScreenAndSoundHandler() {
  // SDL owns the video surface; it is released by SDL_Quit, so only our pointer goes.
  screen = nullptr;
  ReleaseSound();
}

bool Fail(const std::string& step, const std::string& logLine) {
  engineFailure = step;
  Log(logLine);
  return false;
}

SDL_Surface* OpenVideo(int width, int height, bool fullscreen) {
  if (fullscreen) return SDL_SetVideoMode(width, height, 32, SDL_FULLSCREEN | SDL_DOUBLEBUF);
  return SDL_SetVideoMode(width, height, 0, SDL_DOUBLEBUF | SDL_ANYFORMAT);
}

VideoOpener videoOpener = OpenVideo;
}  // namespace

void SetVideoOpener(VideoOpener opener) {
  videoOpener = opener ? opener : OpenVideo;
}

bool EngineInit(std::string title, int width, int height, bool fullscreen) {
  engineFailure.clear();
  OpenLog(kLogPath);
  RegisterExitHandler(CloseLogHandler);

  if (SDL_Init(SDL_INIT_EVERYTHING) == -1) return Fail("SDL", "Error: Failed to Initialize SDL!");
  RegisterExitHandler(QuitSdlHandler);
  Log("SDL Initialized...");

  if (TTF_Init() == -1) return Fail("SDL_ttf", "Error: Failed to Initialize SDL_ttf!");
  RegisterExitHandler(QuitTtfHandler);
  Log("SDL_ttf Initialized...");

  if (!InitSound(kSoundChannels)) {
    engineFailure = "sound";
    return false;
  }

  screen = videoOpener(width, height, fullscreen);
  fullscreenMode = fullscreen;
  if (!screen) return Fail("video", "Error: Failed to Initialize Video!");
  Log("Video component initialized...");
  Log("Game Engine Initialized.");

  std::srand(static_cast<unsigned>(std::time(nullptr)));
  SDL_WM_SetCaption(title.c_str(), "");
  RegisterExitHandler(ReleaseScreenAndSoundHandler);
  return true;
}

void FlipScreen() {
  if (screen) SDL_Flip(screen);
}

void ClearScreen() {
  if (!screen) return;
  SDL_Rect all = MakeRect(0, 0, screen->w, screen->h);
  SDL_FillRect(screen, &all, SDL_MapRGB(screen->format, 0, 0, 0));
}
