#pragma once

// Whole seconds of real time spent playing a level. Each tick counts at most one second, measured
// from the moment the previous one was noticed, so a pause adds at most one second.
class LevelTimer {
 public:
  int seconds = 0;
  long long deadline = 0;  // milliseconds of the steady clock

  void Reset();
  void Tick();
  int Minutes() const { return seconds / 60; }
  int Seconds() const { return seconds % 60; }
};

extern LevelTimer levelTimer;

// The clock the timer reads, in milliseconds; tests put their own in place.
using MillisecondClock = long long (*)();
void SetLevelClock(MillisecondClock clock);
