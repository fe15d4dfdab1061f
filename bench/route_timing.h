#pragma once
#include <string>

// Replays every story level's recorded route headless at 32 bits per pixel and prints a line per
// level: the CPU time of the play screen's HandleEvents, Logic and Render (SDL_Flip timed apart),
// the screen pixels each frame drew, and the time plain memory copies of as many pixels take.
// Only the named level when one is given. Returns the process status: 1 when a route no longer
// ends with its stored statistics.
int TimeRoutes(const std::string& onlyLevel);
