#include "world/special_graphics.h"

#include "world/tile_images.h"

Image poleImages[2];
Image flagImage;

namespace {
struct SpecialPicture {
  Image* image;
  const char* path;
  bool keyed;
};

const SpecialPicture kSpecialPictures[] = {
    {&spikesImage, "gfx/Tiles/Special/spikes.png", true},
    {&waterImage, "gfx/Tiles/Special/water.png", true},
    {&springImages[0], "gfx/Tiles/Special/spring.png", true},
    {&springImages[1], "gfx/Tiles/Special/springUp.png", true},
    {&checkpointImages[0], "gfx/Tiles/Special/cp_off.png", true},
    {&checkpointImages[1], "gfx/Tiles/Special/cp_on.png", true},
    {&poleImages[0], "gfx/Entities/Flagpole/pole0.png", true},
    {&poleImages[1], "gfx/Entities/Flagpole/pole1.png", true},
    {&flagImage, "gfx/Entities/Flagpole/flag.png", false},
};
}  // namespace

bool LoadSpecialGraphics() {
  for (const SpecialPicture& picture : kSpecialPictures) {
    const bool loaded = picture.keyed ? LoadKeyed(*picture.image, picture.path) : picture.image->Load(picture.path);
    if (!loaded) return false;
  }
  return true;
}

void FreeSpecialGraphics() {
  for (const SpecialPicture& picture : kSpecialPictures) picture.image->Free();
}
