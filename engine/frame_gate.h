#pragma once
#include <SDL/SDL.h>

// Answers true when more than intervalMs have passed since it last answered true. Measured
// from the moment it opened, so a late frame is never made up by bunching frames together.
bool FrameGate(Uint32 intervalMs);

// Sleeps while the gate is still more than two ticks from opening, and naps briefly when it is
// nearer, so that the loop's polling of FrameGate costs a sliver of a core instead of all of it.
// It never opens the gate itself: FrameGate alone decides when a frame begins.
void RestBeforeFrameGate(Uint32 intervalMs);

// The clock the gate reads; SDL's tick counter unless a test puts its own in place.
using TickSource = Uint32 (*)();
void SetTickSource(TickSource source);
void ResetFrameGate();

// How the rest sleeps, in microseconds; SDL_Delay for whole milliseconds and nanosleep for naps
// unless a test or the benchmark puts its own in place.
using Sleeper = void (*)(Uint32 micros);
void SetSleeper(Sleeper sleeper);
