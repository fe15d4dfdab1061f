#include "app/startup_loading.h"

#include "editor/editor_model.h"
#include "editor/level_list_dialog.h"
#include "enemies/blorp.h"
#include "enemies/robot_city.h"
#include "enemies/round_world.h"
#include "enemies/space_pirates.h"
#include "enemies/tumbo_world.h"
#include "engine/image.h"
#include "engine/progress.h"
#include "engine/save_data.h"
#include "entities/hero_graphics.h"
#include "entities/items.h"
#include "level/entity_names.h"
#include "screens/shop_graphics.h"
#include "world/special_graphics.h"
#include "world/world.h"

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
  ShowLoadingPicture();
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

bool InitStoryAndSave() {
  storyLevelFiles = {"Levels/TumboWorld1.level", "Levels/TumboWorld2.level", "Levels/Blorp1.level",
                     "Levels/Blorp2.level",      "Levels/SpacePirate1.level", "Levels/SpacePirate2.level",
                     "Levels/RobotCity1.level",  "Levels/RobotCity2.level",   "Levels/RoundWorld1.level",
                     "Levels/RoundWorld2.level"};
  storyLevelTitles = {"They came from Outer Space!", "For Great Justice!",     "Attack of the Jelly Monsters",
                      "There's too many of them!",   "Pirates...in space!",    "Full Armored Tumbo Man",
                      "The Machines!",               "Giant Robot Attack!",    "The Round Menace",
                      "The Showdown"};
  InitEntityNames();
  currentLevel = 0;
  world.levelComplete = false;
  lives = kStartingLives;
  ReadSaveFile();
  return true;
}
