#include "route_timing.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <vector>

#include "bench_clock.h"
#include "bench_routes.h"
#include "engine/engine.h"
#include "engine/image.h"
#include "screens/level_screen.h"

namespace {
const int kBenchDepth = 32;
// Enough copies for a steady median of the memcpy floor.
const int kFloorRepeats = 301;

double flipMicros = 0;

int TimedFlip(SDL_Surface* surface) {
  const double start = ThreadCpuMicros();
  const int result = SDL_Flip(surface);
  flipMicros += ThreadCpuMicros() - start;
  return result;
}

// Microseconds per frame, one sample per frame played.
struct LevelCosts {
  std::vector<double> events, logic, render, flip, frame, pixels;
  double firstPlayFrame = 0;
};

void PlayTimedFrame(RouteRun& run, const Route& route, LevelCosts& costs) {
  LevelScreen& screen = run.Screen();
  const bool titleCardBefore = screen.showingTitleCard;
  run.BeginFrame(KeysAt(route, run.frame));
  flipMicros = 0;
  const Uint64 pixelsBefore = pixelsDrawn;
  const double start = ThreadCpuMicros();
  screen.HandleEvents();
  const double afterEvents = ThreadCpuMicros();
  screen.Logic();
  const double afterLogic = ThreadCpuMicros();
  screen.Render();
  const double end = ThreadCpuMicros();
  run.EndFrame();
  costs.events.push_back(afterEvents - start);
  costs.logic.push_back(afterLogic - afterEvents);
  costs.render.push_back(end - afterLogic - flipMicros);
  costs.flip.push_back(flipMicros);
  costs.frame.push_back(end - start);
  costs.pixels.push_back(static_cast<double>(pixelsDrawn - pixelsBefore));
  if (titleCardBefore && !screen.showingTitleCard) costs.firstPlayFrame = end - start;
}

// The CPU time of copying the given number of bytes with memcpy, from pictures' worth of fresh
// source into a screen-sized target, as a frame's drawing does.
double MemcpyFloorMicros(size_t bytes, size_t screenBytes) {
  static std::vector<char> source, target;
  if (source.size() < bytes) source.assign(bytes, 1);
  if (target.size() < screenBytes) target.assign(screenBytes, 2);
  std::vector<double> samples;
  for (int i = 0; i < kFloorRepeats; ++i) {
    const double start = ThreadCpuMicros();
    for (size_t done = 0; done < bytes; done += screenBytes) {
      std::memcpy(target.data(), source.data() + done, std::min(screenBytes, bytes - done));
    }
    samples.push_back(ThreadCpuMicros() - start);
  }
  return Median(samples);
}

// Every frame's CPU time, one line per level, for the parent's per-frame medians over its runs.
void WriteFrameCosts(const std::string& level, const std::vector<double>& frames) {
  const char* path = std::getenv(kFrameCostsFile);
  if (!path) return;
  std::ofstream file(path, std::ios::app);
  file << level;
  for (double micros : frames) file << ' ' << micros;
  file << '\n';
}

void PrintQuantiles(const char* name, const std::vector<double>& samples) {
  std::cout << " " << name << "_med " << Median(samples) << " " << name << "_p99 " << Quantile(samples, 0.99);
}

bool TimeLevel(const NamedRoute& named) {
  RouteRun run;
  run.Start(named.route.story, kBenchDepth);
  LevelCosts costs;
  const RouteOptions limits;
  while (run.frame < limits.frameLimit && !run.Completed()) PlayTimedFrame(run, named.route, costs);
  const bool sameStats = run.outcome.completed && SameStats(run.outcome.stats, named.route.expected);
  run.Finish();
  const int bytesPerPixel = kBenchDepth / 8;
  const double pixels = Median(costs.pixels);
  const double floor = MemcpyFloorMicros(static_cast<size_t>(pixels) * bytesPerPixel,
                                         static_cast<size_t>(kScreenWidth) * kScreenHeight * bytesPerPixel);
  WriteFrameCosts(named.level, costs.frame);
  std::cout << "level " << named.level << " frames " << run.frame << " stats " << (sameStats ? "kept" : "CHANGED");
  PrintQuantiles("events", costs.events);
  PrintQuantiles("logic", costs.logic);
  PrintQuantiles("render", costs.render);
  PrintQuantiles("flip", costs.flip);
  PrintQuantiles("frame", costs.frame);
  const auto worst = std::max_element(costs.frame.begin(), costs.frame.end());
  std::cout << " frame_max " << Quantile(costs.frame, 1.0) << " worst_at " << (worst - costs.frame.begin())
            << " first_play " << costs.firstPlayFrame << " pixels "
            << pixels << " floor " << floor << " ratio " << Median(costs.render) / floor << std::endl;
  return sameStats;
}
}  // namespace

int TimeRoutes(const std::string& onlyLevel) {
  SetScreenFlipper(TimedFlip);
  bool allKept = true;
  for (const NamedRoute& named : StoryRoutes()) {
    if (onlyLevel.empty() || named.level == onlyLevel) allKept = TimeLevel(named) && allKept;
  }
  SetScreenFlipper(nullptr);
  return allKept ? 0 : 1;
}
