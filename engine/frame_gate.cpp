#include "engine/frame_gate.h"

#include <time.h>

namespace {
// The rest sleeps whole milliseconds until two ticks are left, then naps a quarter of a millisecond
// at a time until the gate opens. The tick counter is read partway through a tick, so a sleep to
// one tick before the gate left anywhere from a millisecond down to nothing in hand, and a sleep
// overrunning by its usual 0.1-0.5 ms could start a frame a tick late; two ticks leave at least
// one. Spinning through those two ticks cost 16-25% of a core, spinning the last one about 10%;
// the naps cost next to nothing (6-9% of a core in all) and find the gate open within a nap.
const Uint32 kSpinMarginMs = 2;
const Uint32 kNapMicros = 250;
const Uint32 kMicrosPerMs = 1000;
const long kNanosPerMicro = 1000;

// Whole milliseconds through SDL_Delay; naps shorter than SDL can sleep through nanosleep.
void Sleep(Uint32 micros) {
  if (micros >= kMicrosPerMs) {
    SDL_Delay(micros / kMicrosPerMs);
    return;
  }
  const timespec nap = {0, static_cast<long>(micros) * kNanosPerMicro};
  nanosleep(&nap, nullptr);
}

TickSource tickSource = SDL_GetTicks;
Sleeper sleeper = Sleep;
Uint32 gateTimestamp = 0;
bool gateStarted = false;
}  // namespace

void SetTickSource(TickSource source) {
  tickSource = source ? source : SDL_GetTicks;
}

void SetSleeper(Sleeper replacement) {
  sleeper = replacement ? replacement : Sleep;
}

void ResetFrameGate() {
  gateStarted = false;
}

bool FrameGate(Uint32 intervalMs) {
  if (!gateStarted) {
    gateTimestamp = tickSource();
    gateStarted = true;
  }
  // Unsigned subtraction keeps the gate working across the 32-bit tick wrap.
  const Uint32 elapsed = tickSource() - gateTimestamp;
  if (elapsed <= intervalMs) return false;
  gateTimestamp = tickSource();
  return true;
}

// The loop used to spin on the gate for the whole of every frame's idle time, which kept a core
// busy on every screen, the title included. Sleeping until the last two ticks, then napping,
// keeps the frame starts where the gate puts them while the game asks for a small share of a core.
void RestBeforeFrameGate(Uint32 intervalMs) {
  if (!gateStarted) return;
  const Uint32 elapsed = tickSource() - gateTimestamp;
  // The gate opens once more than intervalMs have passed, at elapsed == intervalMs + 1.
  if (elapsed > intervalMs) return;
  const Uint32 remaining = intervalMs + 1 - elapsed;
  sleeper(remaining > kSpinMarginMs ? (remaining - kSpinMarginMs) * kMicrosPerMs : kNapMicros);
}
