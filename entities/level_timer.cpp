#include "entities/level_timer.h"

#include <chrono>

LevelTimer levelTimer;

namespace {
const long long kSecondMs = 1000;

long long SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

MillisecondClock levelClock = SteadyMilliseconds;
}  // namespace

void SetLevelClock(MillisecondClock clock) {
  levelClock = clock ? clock : SteadyMilliseconds;
}

void LevelTimer::Reset() {
  seconds = 0;
  deadline = levelClock() + kSecondMs;
}

void LevelTimer::Tick() {
  const long long now = levelClock();
  if (now <= deadline) return;
  ++seconds;
  deadline = now + kSecondMs;
}
