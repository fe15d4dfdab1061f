#include "game_timing.h"

#include <boost/filesystem.hpp>
#include <iostream>
#include <vector>

#include "app/game_main.h"
#include "bench_clock.h"
#include "bench_routes.h"
#include "engine/engine.h"
#include "engine/frame_gate.h"
#include "engine/state_manager.h"
#include "screens/level_screen.h"
#include "support/headless.h"

namespace {
// A frame is late when it starts more than this after the previous one (the gate's aim is 12).
const double kLateFrameMicros = 13000;
// On the SDL tick counter, the gate's own clock, a frame is late when it starts later than the
// 12th tick after the previous one. The wall clock and the tick counter of a virtual machine
// drift against each other by a millisecond about once a second, and back (frames 12 ticks apart
// measured 13.0 and 10.9 ms), the same whether the loop sleeps or spins; only on the ticks does a
// frame the rest slept past show apart from that.
const Uint32 kLateFrameTicks = 12;

struct GameWatch {
  GamePhase phase = GamePhase::kTitle;
  double seconds = 0;
  Route route;
  bool enterPressed = false;
  int playFrames = 0;  // frames of the level screen so far, its title card included
  bool measuring = false;
  bool done = false;
  double startWall = 0, startCpu = 0, endWall = 0, endCpu = 0, lastFlip = 0;
  std::vector<double> intervals;
  Uint32 lastTick = 0;  // the last tick the gate read: when the frame being drawn began
  Uint32 lastStart = 0;
  int lateOnTicks = 0;
  std::string screenAtEnd;
};
GameWatch watch;

void PushKey(SDLKey key) {
  SDL_Event press = {};
  press.type = SDL_KEYDOWN;
  press.key.state = SDL_PRESSED;
  press.key.keysym.sym = key;
  SDL_PushEvent(&press);
}

void PushQuit() {
  SDL_Event quit = {};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
}

// Leads the game from the title into the first level and steers the hero along its route.
// True once the phase to be measured has begun.
bool Steer() {
  if (watch.phase == GamePhase::kTitle) return stateManager.currentKey == "TitleScreen";
  if (stateManager.currentKey == "TitleScreen" && !watch.enterPressed) {
    PushKey(SDLK_RETURN);  // "New Game" is the entry the menu starts on
    watch.enterPressed = true;
  }
  if (stateManager.currentKey != "PlayLevel") return false;
  HoldKeys(KeysAt(watch.route, ++watch.playFrames));
  return watch.playFrames >= LevelScreen::kTitleCardFrames;
}

Uint32 WatchedTicks() {
  watch.lastTick = SDL_GetTicks();
  return watch.lastTick;
}

void Watch(double now) {
  if (watch.measuring) {
    watch.intervals.push_back(now - watch.lastFlip);
    watch.lateOnTicks += watch.lastTick - watch.lastStart > kLateFrameTicks;
  }
  watch.lastFlip = now;
  watch.lastStart = watch.lastTick;
  if (watch.done) return;
  const bool inPhase = Steer();
  if (!watch.measuring && inPhase) {
    watch.measuring = true;
    watch.startWall = now;
    watch.startCpu = ProcessCpuMicros();
  } else if (watch.measuring && now - watch.startWall >= watch.seconds * 1e6) {
    watch.measuring = false;
    watch.done = true;
    watch.endWall = now;
    watch.endCpu = ProcessCpuMicros();
    watch.screenAtEnd = stateManager.currentKey;
    PushQuit();
  }
}

int WatchedFlip(SDL_Surface* surface) {
  const int result = SDL_Flip(surface);
  Watch(WallMicros());
  return result;
}

void NoSleep(Uint32) {}

// The windowed game as a desktop of 24 or 32 bits opens it. Not the full-screen build: on the dummy
// driver the layer over SDL2 scales every full-screen frame to the made-up desktop in software,
// work a real desktop hands to its graphics card, and that would swamp what the game itself costs.
SDL_Surface* OpenWindowAt32Bits(int width, int height, bool) {
  return SDL_SetVideoMode(width, height, 32, SDL_DOUBLEBUF);
}
}  // namespace

int TimeGame(GamePhase phase, FrameWait wait, double seconds) {
  watch.phase = phase;
  watch.seconds = seconds;
  const std::vector<NamedRoute> routes = StoryRoutes();
  if (!routes.empty()) watch.route = routes.front().route;
  const std::string folder = EnterGameDir();
  SetScreenFlipper(WatchedFlip);
  SetTickSource(WatchedTicks);
  if (wait == FrameWait::kBusyWait) SetSleeper(NoSleep);
  SetVideoOpener(OpenWindowAt32Bits);
  const int status = GameMain(false);
  SetTickSource(nullptr);
  boost::filesystem::current_path(boost::filesystem::temp_directory_path());
  boost::filesystem::remove_all(folder);
  if (status != 0 || !watch.done) {
    std::cerr << "the game ended before the measurement was over\n";
    return 1;
  }
  int late = 0;
  for (double interval : watch.intervals) late += interval > kLateFrameMicros;
  const double wall = watch.endWall - watch.startWall;
  std::cout << "game " << (phase == GamePhase::kTitle ? "title" : "level") << " wait "
            << (wait == FrameWait::kBusyWait ? "busy" : "sleep") << " cpu_share " << (watch.endCpu - watch.startCpu) / wall
            << " interval_med_ms " << Median(watch.intervals) / 1000 << " late " << late << " late_ticks " << watch.lateOnTicks << " frames "
            << watch.intervals.size() << " screen " << watch.screenAtEnd << std::endl;
  return 0;
}
