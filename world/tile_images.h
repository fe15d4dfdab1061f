#pragma once
#include "engine/image.h"

// Tile pictures shared by every tile of a kind. The world-independent ones are loaded by
// LoadSpecialGraphics, the others by their world's graphics loader.
extern Image grassImage;
extern Image brickImage;
extern Image spikesImage;
extern Image waterImage;
extern Image springImages[2];      // 0 resting, 1 sprung
extern Image checkpointImages[2];  // 0 off, 1 on
extern Image jellyImages[4];
extern Image sludgeImage;
extern Image shipFloorImage;
extern Image bombTrapImages[9];
extern Image steelImages[4];
extern Image conveyorImages[2][2];  // [direction][frame]
extern Image dirtImages[2];

// The inner look of each ground kind, drawn instead of the surface picture when the cell above holds
// ground of the same kind, so a stack reads as one mass with a surface only under open sky.
extern Image earthImage;       // under grass
extern Image jellyInnerImage;  // under jelly
extern Image hullImage;        // under ship floor
extern Image steelInnerImage;  // under steel
extern Image deepDirtImage;    // under either dirt
