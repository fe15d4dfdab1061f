#pragma once
#include <SDL/SDL.h>
#include <string>

#include "engine/frame_gate.h"
#include "engine/log.h"
#include "engine/rect.h"

const int kScreenWidth = 640;
const int kScreenHeight = 480;
// The column the camera keeps the hero at and that centred texts centre on.
const int kScreenMiddleX = kScreenWidth / 2;

// The one video surface every picture is drawn onto.
extern SDL_Surface* screen;
extern bool fullscreenMode;

// The frame loop runs while this is true; the loop's quit test and the title menu's exit clear it.
extern bool GameRunning;

// Brings up the log, SDL, SDL_ttf, the sound system and the video surface, in that order.
// On failure the cause is logged, engineFailure names the failing step, and false is returned.
bool EngineInit(std::string title, int width, int height, bool fullscreen);
extern std::string engineFailure;

// How the video surface is opened; tests put a failing opener in place to exercise start-up errors.
using VideoOpener = SDL_Surface* (*)(int width, int height, bool fullscreen);
void SetVideoOpener(VideoOpener opener);

void FlipScreen();
// How FlipScreen shows the frame: SDL_Flip unless the benchmark puts a timed one in place.
using ScreenFlipper = int (*)(SDL_Surface* surface);
void SetScreenFlipper(ScreenFlipper flipper);
void ClearScreen();
