#pragma once
#include "engine/image.h"

// The flagpole's pictures: pole 0 before the hero lands, pole 1 after.
extern Image poleImages[2];
extern Image flagImage;

// Loads the world-independent tile pictures and the flagpole, stopping at the first that fails.
bool LoadSpecialGraphics();
void FreeSpecialGraphics();
