#pragma once
#include "engine/font.h"
#include "engine/image.h"

// The shop's pictures and fonts, loaded once at start-up.
extern Image shopBackground;
extern Image itemBar;
extern Image itemBarSelected;
extern Font shopItemFont;
extern Font shopMoneyFont;

// Stops at the first file that fails and leaves the rest unloaded.
bool LoadShopGraphics();
void FreeShopGraphics();
