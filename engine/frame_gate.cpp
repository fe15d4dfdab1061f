#include "engine/frame_gate.h"

namespace {
TickSource tickSource = SDL_GetTicks;
Uint32 gateTimestamp = 0;
bool gateStarted = false;
}  // namespace

void SetTickSource(TickSource source) {
  tickSource = source ? source : SDL_GetTicks;
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
