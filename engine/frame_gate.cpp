#include "engine/frame_gate.h"

namespace {
// The last stretch before the gate opens is spun out, not slept, so that a sleep that overruns a
// little does not make the frame late. One tick is enough: the tick counter is read up to a
// millisecond late anyway, and a sleep on Linux overruns by a tenth of that. Two ticks measured at
// 16-25% of a core on the title and in a level, every frame spinning for about 2 ms; one keeps the
// game near a tenth of a core without more late frames than the busy wait.
const Uint32 kSpinMarginMs = 1;

TickSource tickSource = SDL_GetTicks;
Sleeper sleeper = SDL_Delay;
Uint32 gateTimestamp = 0;
bool gateStarted = false;
}  // namespace

void SetTickSource(TickSource source) {
  tickSource = source ? source : SDL_GetTicks;
}

void SetSleeper(Sleeper replacement) {
  sleeper = replacement ? replacement : SDL_Delay;
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
// busy on every screen, the title included. Sleeping until the last millisecond or so keeps
// the frame starts where the gate puts them while the game asks for a small share of a core.
void RestBeforeFrameGate(Uint32 intervalMs) {
  if (!gateStarted) return;
  const Uint32 elapsed = tickSource() - gateTimestamp;
  // The gate opens once more than intervalMs have passed, at elapsed == intervalMs + 1.
  if (elapsed > intervalMs) return;
  const Uint32 remaining = intervalMs + 1 - elapsed;
  if (remaining > kSpinMarginMs) sleeper(remaining - kSpinMarginMs);
}
