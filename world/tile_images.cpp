#include "world/tile_images.h"

Image grassImage;
Image brickImage;
Image spikesImage;
Image waterImage;
Image springImages[2];
Image checkpointImages[2];
Image jellyImages[4];
Image sludgeImage;
Image shipFloorImage;
Image bombTrapImages[9];
Image steelImages[4];
Image conveyorImages[2][2];
Image dirtImages[2];
