#pragma once
#include <string>

#include "entities/level_timer.h"

// The level time as the status display shows it: minutes unpadded, seconds in two digits ("3:07").
std::string LevelTimeText(const LevelTimer& timer);

// Width in pixels of the visible part of the power-up bar for the effect's elapsed count.
int EffectBarWidth(int effectElapsed);
