#include "entities/hero_graphics.h"

#include <string>

Image heroFrames[kCostumeCount][2][kHeroFrameCount];
Image hatImages[kHatCount][kHatViewCount];
Image jetpackImages[2];
Image tankShotImage;
Image healthIcon;
Image lifeIcon;
Image moneyIcon;
Font statFont;
Image effectBox;
Image effectIcons[2];
Image effectBar;

namespace {
const char* const kCostumeFolders[kCostumeCount] = {"gfx/Tumbo Man/", "gfx/CA/"};

bool LoadHeroFrames() {
  for (int costume = 0; costume < kCostumeCount; ++costume) {
    if (!LoadNumberedTable(heroFrames[costume], kCostumeFolders[costume], kStop)) return false;
  }
  return true;
}

// Lives, money and the bar are opaque pictures: they carry no colour key.
bool LoadStatusArt() {
  return LoadKeyed(healthIcon, "gfx/Stats/health.png") && lifeIcon.Load("gfx/Stats/life.png") &&
         moneyIcon.Load("gfx/Stats/money.png") && statFont.Load("gfx/Fonts/Stat font.ttf", kStatFontSize) &&
         LoadKeyed(effectBox, "gfx/Stats/effect_box.png") &&
         LoadKeyed(effectIcons[0], "gfx/Stats/effect_speed_up.png") &&
         LoadKeyed(effectIcons[1], "gfx/Stats/effect_jetpack.png") && effectBar.Load("gfx/Stats/effect_bar.png");
}

bool LoadGear() {
  return LoadKeyed(jetpackImages[0], "gfx/Tumbo Man/jetpack_off.png") &&
         LoadKeyed(jetpackImages[1], "gfx/Tumbo Man/jetpack_on.png") &&
         LoadKeyed(tankShotImage, "gfx/Entities/SpacePirate/Laser Shot/large.png");
}

}  // namespace

bool LoadPlayerGraphics() {
  return LoadHeroFrames() && LoadStatusArt() && LoadGear() && LoadNumberedTable(hatImages, "gfx/Hats/", kStop);
}

void FreePlayerGraphics() {
  FreeImages(heroFrames);
  healthIcon.Free();
  lifeIcon.Free();
  moneyIcon.Free();
  statFont.Free();
  effectBox.Free();
  FreeImages(effectIcons);
  effectBar.Free();
  FreeImages(jetpackImages);
  tankShotImage.Free();
  FreeImages(hatImages);
}
