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
    for (int facing = 0; facing < 2; ++facing) {
      for (int frame = 0; frame < kHeroFrameCount; ++frame) {
        const std::string path =
            std::string(kCostumeFolders[costume]) + std::to_string(facing) + "-" + std::to_string(frame) + ".png";
        if (!LoadKeyed(heroFrames[costume][facing][frame], path)) return false;
      }
    }
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

bool LoadHats() {
  for (int hat = 0; hat < kHatCount; ++hat) {
    for (int view = 0; view < kHatViewCount; ++view) {
      const std::string path = "gfx/Hats/" + std::to_string(hat) + "-" + std::to_string(view) + ".png";
      if (!LoadKeyed(hatImages[hat][view], path)) return false;
    }
  }
  return true;
}
}  // namespace

bool LoadPlayerGraphics() {
  return LoadHeroFrames() && LoadStatusArt() && LoadGear() && LoadHats();
}

void FreePlayerGraphics() {
  for (auto& costume : heroFrames) {
    for (auto& facing : costume) {
      for (Image& frame : facing) frame.Free();
    }
  }
  healthIcon.Free();
  lifeIcon.Free();
  moneyIcon.Free();
  statFont.Free();
  effectBox.Free();
  for (Image& icon : effectIcons) icon.Free();
  effectBar.Free();
  for (Image& jetpack : jetpackImages) jetpack.Free();
  tankShotImage.Free();
  for (auto& hat : hatImages) {
    for (Image& view : hat) view.Free();
  }
}
