#pragma once
#include "engine/image.h"

// Shown while the art and each level load.
extern Image loadingImage;

// Loads the loading picture, then every module's art in a fixed order, stopping at the first
// module that fails. Returns false when one did.
bool LoadAllGraphics();
void FreeAllGraphics();
