#pragma once

// The game's entry routine: start-up, the frame loop, the exit sequence. Returns the process
// status: 0, or 1 when the engine could not start (the reason is on standard error and in log.txt).
int GameMain(bool fullscreen);

// One pass of the loop: gate, pending switch, input, the current screen's three calls.
// Returns false when the gate held the frame back.
bool RunFrame();
