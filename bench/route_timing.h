#pragma once
#include <string>

// The environment variable that, when it names a file, has --routes append every frame's CPU
// time to it: one line per level, the level's name and then its frames in order.
const char* const kFrameCostsFile = "TUMBO_BENCH_FRAME_COSTS";

// Replays every story level's recorded route headless at 32 bits per pixel and prints a line per
// level: the CPU time of the play screen's HandleEvents, Logic and Render (SDL_Flip timed apart),
// the screen pixels each frame drew, and the time plain memory copies of as many pixels take.
// Only the named level when one is given. Returns the process status: 1 when a route no longer
// ends with its stored statistics.
int TimeRoutes(const std::string& onlyLevel);
