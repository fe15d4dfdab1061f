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
ScreenFlipper screenFlipper = SDL_Flip;

struct OptionalPart {
  Uint32 flag;
  const char* name;
};
const OptionalPart kOptionalParts[] = {
    {SDL_INIT_AUDIO, "audio"}, {SDL_INIT_JOYSTICK, "joystick"}, {SDL_INIT_CDROM, "CD-ROM"}};

// A part that does not start is logged once; the game goes on without it.
void StartOptionalPart(const OptionalPart& part) {
  if (SDL_InitSubSystem(part.flag) == 0) return;
  Log(std::string("Error: Failed to Initialize SDL ") + part.name + ", going on without it: " + SDL_GetError());
}
}  // namespace

void SetVideoOpener(VideoOpener opener) {
  videoOpener = opener ? opener : OpenVideo;
}

bool EngineInit(std::string title, int width, int height, bool fullscreen) {
  engineFailure.clear();
  OpenLog(kLogPath);
  RegisterExitHandler(CloseLogHandler);

  // Only video and the timer are needed to play. Audio, joystick and CD-ROM start one by one: the
  // SDL 1.2 layer over SDL2 fails a combined start as a whole when no audio driver opens, and a
  // machine without sound or gamepad support must still play, silent or keyboard-only.
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) == -1) return Fail("SDL", "Error: Failed to Initialize SDL!");
  RegisterExitHandler(QuitSdlHandler);
  Log("SDL Initialized...");
  for (const OptionalPart& part : kOptionalParts) StartOptionalPart(part);

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

void SetScreenFlipper(ScreenFlipper flipper) {
  screenFlipper = flipper ? flipper : SDL_Flip;
}

void FlipScreen() {
  if (screen) screenFlipper(screen);
}

void ClearScreen() {
  if (!screen) return;
  SDL_Rect all = MakeRect(0, 0, screen->w, screen->h);
  SDL_FillRect(screen, &all, SDL_MapRGB(screen->format, 0, 0, 0));
}
