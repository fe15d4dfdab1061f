#pragma once

// Runs the measurements in child processes, each the given number of times, once on the classic
// SDL 1.2 and once on the SDL 1.2 layer over SDL2, and prints the medians side by side with the
// speed targets. Returns the process status (1 when a child failed).
int RunBenchmark(int runs);
