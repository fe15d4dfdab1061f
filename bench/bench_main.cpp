// The speed benchmark: `make bench`. See the README's "Benchmark" section for what it prints.
#include <SDL/SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "bench_report.h"
#include "game_timing.h"
#include "route_timing.h"

namespace {
const double kGameSeconds = 10;
const int kDefaultRuns = 3;

std::string Arg(int argc, char** argv, int index) { return index < argc ? argv[index] : ""; }

int Usage() {
  std::cerr << "usage: tumbo_bench [--runs N]        both libraries, everything, side by side\n"
               "       tumbo_bench --routes [LEVEL]   (one library) the story levels' frame costs\n"
               "       tumbo_bench --game title|level [--busy-wait]   (one library) the real game\n";
  return 2;
}

// Which SDL 1.2 this process runs on; the layer over SDL2 reports a patch level of 50 or more.
int PrintLibrary() {
  const SDL_version* linked = SDL_Linked_Version();
  std::cout << "sdl " << int(linked->major) << "." << int(linked->minor) << "." << int(linked->patch) << std::endl;
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::string mode = Arg(argc, argv, 1);
  if (mode == "--library") return PrintLibrary();
  if (mode == "--routes") return TimeRoutes(Arg(argc, argv, 2));
  if (mode == "--game") {
    const std::string phase = Arg(argc, argv, 2);
    if (phase != "title" && phase != "level") return Usage();
    const FrameWait wait = Arg(argc, argv, 3) == "--busy-wait" ? FrameWait::kBusyWait : FrameWait::kSleepThenSpin;
    return TimeGame(phase == "title" ? GamePhase::kTitle : GamePhase::kLevel, wait, kGameSeconds);
  }
  int runs = kDefaultRuns;
  if (mode == "--runs") {
    runs = std::atoi(Arg(argc, argv, 2).c_str());
    if (runs < 1) return Usage();
  } else if (!mode.empty()) {
    return Usage();
  }
  return RunBenchmark(runs);
}
