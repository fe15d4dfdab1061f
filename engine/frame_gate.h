#pragma once
#include <SDL/SDL.h>

// Answers true when more than intervalMs have passed since it last answered true. Measured
// from the moment it opened, so a late frame is never made up by bunching frames together.
bool FrameGate(Uint32 intervalMs);

// The clock the gate reads; SDL's tick counter unless a test puts its own in place.
using TickSource = Uint32 (*)();
void SetTickSource(TickSource source);
void ResetFrameGate();
