#pragma once
#include "engine/font.h"
#include "engine/image.h"
#include "engine/save_data.h"

const int kHeroFrameCount = 6;
const int kHatViewCount = 3;  // 0 facing right, 1 facing left, 2 dead
const int kStatFontSize = 18;

// The hero, what he wears and fires, and the status display's art; loaded once at start-up.
extern Image heroFrames[kCostumeCount][2][kHeroFrameCount];  // [costume][facing][frame]
extern Image hatImages[kHatCount][kHatViewCount];
extern Image jetpackImages[2];  // 0 on the ground, 1 in the air
extern Image tankShotImage;
extern Image healthIcon;
extern Image lifeIcon;
extern Image moneyIcon;
extern Font statFont;
extern Image effectBox;
extern Image effectIcons[2];  // by effect type
extern Image effectBar;

// Stops at the first file that fails and leaves the rest unloaded.
bool LoadPlayerGraphics();
void FreePlayerGraphics();
