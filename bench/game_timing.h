#pragma once

enum class GamePhase { kTitle, kLevel };
enum class FrameWait { kSleepThenSpin, kBusyWait };

// Runs the real game (its main routine, windowed at 32 bits per pixel) on SDL's dummy
// drivers for the given number of seconds on the title screen, or in the first story level once
// its title card is over (played along its recorded route), and prints the share of a core the
// process used, the median interval between frames and how many came more than 13 ms apart.
// With kBusyWait the loop spins out every frame, as it did before it learnt to sleep.
int TimeGame(GamePhase phase, FrameWait wait, double seconds);
