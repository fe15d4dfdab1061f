#include "bench_report.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "route_timing.h"

namespace {
// Targets on this machine class, medians of the runs.
const double kMaxRenderToFloor = 1.5;
const double kMaxFrameP99ClassicMicros = 500;
const double kMaxFrameP99LayerMicros = 1000;
const double kMaxFrameMicros = 1000;
const double kMaxCoreShare = 0.15;
const double kAimedIntervalMs = 12.0;
const char* kDefaultLayerFolder = "/usr/lib/x86_64-linux-gnu/sdl12-compat";

struct Library {
  std::string name;
  std::string environment;  // what the child's command starts with
  std::string version;
  double frameP99Target;
};

// One line of a child's report: its kind, its subject and its named values.
struct Record {
  std::string kind, subject;
  std::map<std::string, std::string> values;
  double Number(const std::string& name) const {
    auto found = values.find(name);
    return found == values.end() ? 0 : std::atof(found->second.c_str());
  }
};

std::string SelfPath() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  return std::string(path, length > 0 ? length : 0);
}

std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string one, five, fifteen;
  file >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

Record ParseRecord(const std::string& line) {
  std::istringstream words(line);
  Record record;
  words >> record.kind >> record.subject;
  std::string name, value;
  while (words >> name >> value) record.values[name] = value;
  return record;
}

// Runs this program again with the arguments on the library; its report lines.
bool RunChild(const Library& library, const std::string& arguments, std::vector<Record>& records) {
  const std::string command = library.environment + " '" + SelfPath() + "' " + arguments;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return false;
  char buffer[4096];
  while (std::fgets(buffer, sizeof(buffer), pipe)) {
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    records.push_back(ParseRecord(line));
  }
  return pclose(pipe) == 0;
}

// Per subject ("TumboWorld1", "title sleep"), every run's record.
using Runs = std::map<std::string, std::vector<Record>>;

// A level's worst frame, each frame counted at the median of its runs. The replays are the same
// frames every run, so a frame slowed only by something else on the machine in one run is not
// taken for a costly frame.
struct WorstFrame {
  double micros = 0;
  size_t index = 0;
};

struct Measurements {
  Runs levels;
  Runs game;
  std::vector<std::string> levelOrder;
  std::map<std::string, std::vector<std::vector<double>>> frameCosts;  // per level, per run
  std::map<std::string, WorstFrame> worst;
};

double MedianOf(const std::vector<Record>& runs, const std::string& name) {
  std::vector<double> values;
  for (const Record& run : runs) values.push_back(run.Number(name));
  return Median(values);
}

void ReadFrameCosts(const std::string& path, Measurements& out) {
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream words(line);
    std::string level;
    words >> level;
    std::vector<double> frames;
    double micros = 0;
    while (words >> micros) frames.push_back(micros);
    out.frameCosts[level].push_back(frames);
  }
}

void FindWorstFrames(Measurements& out) {
  for (const auto& level : out.frameCosts) {
    size_t frames = SIZE_MAX;
    for (const std::vector<double>& run : level.second) frames = std::min(frames, run.size());
    WorstFrame& worst = out.worst[level.first];
    for (size_t i = 0; i < frames; ++i) {
      std::vector<double> runsOfFrame;
      for (const std::vector<double>& run : level.second) runsOfFrame.push_back(run[i]);
      const double micros = Median(runsOfFrame);
      if (micros > worst.micros) worst = {micros, i};
    }
  }
}

bool Measure(const Library& library, int runs, Measurements& out) {
  bool fine = true;
  const std::string costsPath = "/tmp/tumbo_bench_frames_" + std::to_string(getpid()) + "_" + library.name;
  for (int run = 1; run <= runs; ++run) {
    std::cerr << library.name << ": story level replays, run " << run << " of " << runs << std::endl;
    std::vector<Record> records;
    std::remove(costsPath.c_str());
    Library writingCosts = library;
    writingCosts.environment += std::string(" ") + kFrameCostsFile + "='" + costsPath + "'";
    fine = RunChild(writingCosts, "--routes", records) && fine;
    ReadFrameCosts(costsPath, out);
    std::remove(costsPath.c_str());
    for (const Record& record : records) {
      if (record.kind != "level") continue;
      if (out.levels[record.subject].empty() && run == 1) out.levelOrder.push_back(record.subject);
      out.levels[record.subject].push_back(record);
    }
  }
  FindWorstFrames(out);
  for (const char* phase : {"title", "level"}) {
    for (const char* wait : {"sleep", "busy"}) {
      for (int run = 1; run <= runs; ++run) {
        std::cerr << library.name << ": the real game, " << phase << " (" << wait << "), run " << run << std::endl;
        std::vector<Record> records;
        const std::string arguments = std::string("--game ") + phase + (std::string(wait) == "busy" ? " --busy-wait" : "");
        fine = RunChild(library, arguments, records) && fine;
        for (const Record& record : records) {
          if (record.kind == "game") out.game[record.subject + " " + record.values.at("wait")].push_back(record);
        }
      }
    }
  }
  return fine;
}

void PrintLevelTable(const Library& library, const Measurements& m, int runs) {
  std::cout << "\n" << library.name << " (SDL " << library.version << "): story levels replayed headless at 32 bpp, "
            << "CPU microseconds per frame, median of " << runs << " runs\n"
            << std::left << std::setw(19) << "level" << std::right << std::setw(7) << "frames" << std::setw(8) << "stats"
            << "  events med/p99   logic med/p99  render med/p99    flip med/p99   frame med/p99  worst     at"
            << "  run max  first  floor  render/floor\n";
  for (const std::string& level : m.levelOrder) {
    const std::vector<Record>& runsOf = m.levels.at(level);
    bool kept = true;
    for (const Record& run : runsOf) kept = kept && run.values.at("stats") == "kept";
    std::cout << std::left << std::setw(19) << level << std::right << std::fixed << std::setprecision(0)
              << std::setw(7) << MedianOf(runsOf, "frames") << std::setw(8) << (kept ? "kept" : "CHANGED");
    for (const char* part : {"events", "logic", "render", "flip", "frame"}) {
      std::cout << std::setw(9) << MedianOf(runsOf, std::string(part) + "_med") << std::setw(7)
                << MedianOf(runsOf, std::string(part) + "_p99");
    }
    const WorstFrame worst = m.worst.count(level) ? m.worst.at(level) : WorstFrame();
    std::cout << std::setw(7) << worst.micros << std::setw(7) << worst.index << std::setw(9)
              << MedianOf(runsOf, "frame_max") << std::setw(7) << MedianOf(runsOf, "first_play")
              << std::setw(7) << MedianOf(runsOf, "floor") << std::setprecision(2) << std::setw(14)
              << MedianOf(runsOf, "ratio") << "\n";
    std::cout.unsetf(std::ios::fixed);
  }
}

void PrintSideBySide(const Library libraries[2], const Measurements m[2]) {
  std::cout << "\nSide by side (" << libraries[0].name << " | " << libraries[1].name << ")\n"
            << std::left << std::setw(19) << "level" << std::right << "    render/floor      frame p99 (us)"
            << "    worst frame (us)\n";
  for (const std::string& level : m[0].levelOrder) {
    std::cout << std::left << std::setw(19) << level << std::right << std::fixed;
    for (const char* name : {"ratio", "frame_p99"}) {
      std::cout << std::setprecision(std::string(name) == "ratio" ? 2 : 0);
      for (int i = 0; i < 2; ++i) {
        auto found = m[i].levels.find(level);
        std::cout << std::setw(9) << (found == m[i].levels.end() ? 0.0 : MedianOf(found->second, name));
      }
      std::cout << "  ";
    }
    for (int i = 0; i < 2; ++i) {
      auto found = m[i].worst.find(level);
      std::cout << std::setw(9) << (found == m[i].worst.end() ? 0.0 : found->second.micros);
    }
    std::cout << "\n";
    std::cout.unsetf(std::ios::fixed);
  }
}

void PrintGameTable(const Library libraries[2], const Measurements m[2], int runs) {
  std::cout << "\nThe real game on the dummy drivers, windowed at 32 bpp, 10 s each, median of " << runs
            << " runs; late frames on the wall clock (over 13 ms) and on the game's tick counter (over 12 ticks)\n"
            << std::left << std::setw(14) << "phase, wait";
  for (int i = 0; i < 2; ++i) std::cout << std::setw(44) << (libraries[i].name + ": core %, interval ms, late wall/ticks/frames");
  std::cout << "\n";
  for (const char* subject : {"title sleep", "title busy", "level sleep", "level busy"}) {
    std::cout << std::left << std::setw(14) << subject << std::right << std::fixed;
    for (int i = 0; i < 2; ++i) {
      auto found = m[i].game.find(subject);
      if (found == m[i].game.end()) {
        std::cout << std::setw(44) << "-";
        continue;
      }
      std::cout << std::setprecision(1) << std::setw(8) << 100 * MedianOf(found->second, "cpu_share")
                << std::setprecision(2) << std::setw(10) << MedianOf(found->second, "interval_med_ms")
                << std::setprecision(0) << std::setw(8) << MedianOf(found->second, "late") << "/" << std::left
                << MedianOf(found->second, "late_ticks") << "/" << std::setw(12) << MedianOf(found->second, "frames")
                << std::right;
    }
    std::cout << "\n";
    std::cout.unsetf(std::ios::fixed);
  }
}

void PrintVerdict(const std::string& target, bool met) {
  std::cout << (met ? "  met      " : "  NOT MET  ") << target << "\n";
}

void PrintTargets(const Library libraries[2], const Measurements m[2]) {
  std::cout << "\nTargets\n";
  for (int i = 0; i < 2; ++i) {
    bool ratio = true, p99 = true, max = true, kept = true;
    for (const auto& level : m[i].levels) {
      ratio = ratio && MedianOf(level.second, "ratio") <= kMaxRenderToFloor;
      p99 = p99 && MedianOf(level.second, "frame_p99") < libraries[i].frameP99Target;
      max = max && m[i].worst.count(level.first) && m[i].worst.at(level.first).micros <= kMaxFrameMicros;
      for (const Record& run : level.second) kept = kept && run.values.at("stats") == "kept";
    }
    const std::string on = " (" + libraries[i].name + ")";
    PrintVerdict("Render median at most 1.5 x the memcpy floor on every level" + on, ratio);
    PrintVerdict("p99 of a whole frame under " + std::to_string(int(libraries[i].frameP99Target)) + " us" + on, p99);
    PrintVerdict("no frame of a level over 1 ms of CPU, the first included" + on, max);
    PrintVerdict("every route ends with its stored statistics" + on, kept);
    for (const char* phase : {"title", "level"}) {
      auto sleep = m[i].game.find(std::string(phase) + " sleep");
      auto busy = m[i].game.find(std::string(phase) + " busy");
      if (sleep == m[i].game.end() || busy == m[i].game.end()) continue;
      const std::string where = std::string(" on the ") + (std::string(phase) == "title" ? "title" : "level") + on;
      PrintVerdict("at most 15% of a core" + where, MedianOf(sleep->second, "cpu_share") <= kMaxCoreShare);
      PrintVerdict("median frame interval 12.0 ms" + where,
                   std::abs(MedianOf(sleep->second, "interval_med_ms") - kAimedIntervalMs) < 0.05);
      // Counted on the tick counter: see kLateFrameTicks in game_timing.cpp for why not on the wall.
      PrintVerdict("no more late frames than with the busy wait (tick counter)" + where,
                   MedianOf(sleep->second, "late_ticks") <= MedianOf(busy->second, "late_ticks"));
    }
  }
}

bool FindVersion(Library& library) {
  std::vector<Record> records;
  if (!RunChild(library, "--library", records) || records.empty()) return false;
  library.version = records.front().subject;
  return true;
}
}  // namespace

int RunBenchmark(int runs) {
  const char* layerFolder = std::getenv("TUMBO_SDL12_LAYER");
  const std::string layer = layerFolder ? layerFolder : kDefaultLayerFolder;
  if (access((layer + "/libSDL-1.2.so.0").c_str(), R_OK) != 0) {
    std::cerr << "no SDL 1.2 layer in " << layer << "\n";
    return 1;
  }
  Library libraries[2] = {{"classic", "env -u LD_LIBRARY_PATH -u LD_PRELOAD", "", kMaxFrameP99ClassicMicros},
                          {"layer", "env LD_LIBRARY_PATH='" + layer + "'", "", kMaxFrameP99LayerMicros}};
  const std::string loadBefore = LoadAverage();
  Measurements measured[2];
  bool fine = true;
  for (int i = 0; i < 2; ++i) {
    fine = FindVersion(libraries[i]) && fine;
    fine = Measure(libraries[i], runs, measured[i]) && fine;
  }
  std::cout << "Tumbo Man benchmark; load average before " << loadBefore << ", after " << LoadAverage() << "\n";
  for (int i = 0; i < 2; ++i) PrintLevelTable(libraries[i], measured[i], runs);
  PrintSideBySide(libraries, measured);
  PrintGameTable(libraries, measured, runs);
  PrintTargets(libraries, measured);
  if (!fine) std::cout << "\nA measurement failed; its messages are above.\n";
  return fine ? 0 : 1;
}
