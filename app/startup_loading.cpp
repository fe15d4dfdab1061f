#include "app/startup_loading.h"

#include <algorithm>
#include <vector>

#include "editor/editor_draw.h"
#include "editor/editor_model.h"
#include "editor/editor_themes.h"
#include "editor/level_list_dialog.h"
#include "engine/image.h"
#include "engine/log.h"
#include "engine/path_resolve.h"
#include "engine/progress.h"
#include "engine/save_data.h"
#include "entities/hero_graphics.h"
#include "level/level_file.h"
#include "level/object_types.h"
#include "screens/shop_graphics.h"
#include "world/world.h"

namespace {
// Loaded before the objects' art: the hero's and the editor's.
const ArtModule kFirstModules[] = {
    {LoadPlayerGraphics, FreePlayerGraphics},
    {LoadEditorGraphics, FreeEditorGraphics},
};
// Where the story levels lie.
const char* const kStoryLevelFolder = "Levels";
// Loaded after the objects' art.
const ArtModule kLastModules[] = {
    {LoadShopGraphics, FreeShopGraphics},
    {LoadDialogGraphics, FreeDialogGraphics},
    // Missing theme pictures only leave the editor without a background, so start-up goes on.
    {[] { InitThemes(); return true; }, FreeThemes},
};

// Every module in loading order, the objects' modules once each in the order of the type table.
std::vector<const ArtModule*> ModulesInOrder() {
  std::vector<const ArtModule*> modules;
  for (const ArtModule& module : kFirstModules) modules.push_back(&module);
  for (int i = 0; i < kObjectTypeCount; ++i) {
    const ArtModule* art = kObjectTypes[i].art;
    if (std::find(modules.begin(), modules.end(), art) == modules.end()) modules.push_back(art);
  }
  for (const ArtModule& module : kLastModules) modules.push_back(&module);
  return modules;
}
}  // namespace

// Later modules stay unloaded when one fails.
bool LoadAllGraphics() {
  if (!loadingImage.Load("gfx/loading.png")) return false;
  ShowLoadingPicture();
  for (const ArtModule* module : ModulesInOrder()) {
    if (!module->load()) return false;
  }
  return true;
}

void FreeAllGraphics() {
  loadingImage.Free();
  for (const ArtModule* module : ModulesInOrder()) module->free();
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
  // Departure: a missing story folder was noticed only when a level failed to load; said at once.
  if (!IsFolder(ResolvePath(kStoryLevelFolder))) ReportFault(std::string("Error: missing folder ") + kStoryLevelFolder);
  InitEntityNames();
  currentLevel = 0;
  world.levelComplete = false;
  lives = kStartingLives;
  ReadSaveFile();
  CheckSaveFolder();
  return true;
}
