#include "app/startup_loading.h"

#include "editor/editor_model.h"
#include "editor/level_list_dialog.h"
#include "enemies/blorp.h"
#include "enemies/robot_city.h"
#include "enemies/round_world.h"
#include "enemies/space_pirates.h"
#include "enemies/tumbo_world.h"
#include "engine/engine.h"
#include "entities/hero_graphics.h"
#include "entities/items.h"
#include "screens/shop_graphics.h"
#include "world/special_graphics.h"

Image loadingImage;

namespace {
using Loader = bool (*)();
using Freer = void (*)();

struct ArtModule {
  Loader load;
  Freer free;
};

// Module art in loading order; later modules stay unloaded when one fails.
const ArtModule kModules[] = {
    {LoadPlayerGraphics, FreePlayerGraphics},
    {LoadEditorGraphics, FreeEditorGraphics},
    {LoadSpecialGraphics, FreeSpecialGraphics},
    {LoadTumboWorldGraphics, FreeTumboWorldGraphics},
    {LoadBlorpGraphics, FreeBlorpGraphics},
    {LoadSpacePiratesGraphics, FreeSpacePiratesGraphics},
    {LoadRobotCityGraphics, FreeRobotCityGraphics},
    {LoadRoundWorldGraphics, FreeRoundWorldGraphics},
    {LoadItemGraphics, FreeItemGraphics},
    {LoadShopGraphics, FreeShopGraphics},
    {LoadDialogGraphics, FreeDialogGraphics},
    // Missing theme pictures only leave the editor without a background, so start-up goes on.
    {[] { InitThemes(); return true; }, FreeThemes},
};
}  // namespace

bool LoadAllGraphics() {
  if (!loadingImage.Load("gfx/loading.png")) return false;
  loadingImage.Draw(0, 0);
  FlipScreen();
  for (const ArtModule& module : kModules) {
    if (module.load && !module.load()) return false;
  }
  return true;
}

void FreeAllGraphics() {
  loadingImage.Free();
  for (const ArtModule& module : kModules) {
    if (module.free) module.free();
  }
}
