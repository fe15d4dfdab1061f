#include <boost/filesystem.hpp>
#include <fstream>
#include <string>

#include "engine/engine.h"
#include "engine/path_resolve.h"
#include "engine/startup_loading.h"
#include "entities/registry.h"
#include "world/entity_records.h"
#include "world/world.h"

// Level files come from players as well as from us, so every malformed one is reported with a
// single log line and leaves a World whose queries stay safe.

namespace {
const int kDefaultStartX = 20;
const int kDefaultStartY = 100;
const long kNoEntitySection = -1;

void ReportBadLevel(const std::string& path, const std::string& problem) {
  Log("Error loading World: " + path + ": " + problem);
}

std::string SizeText(int columns, int rows) { return std::to_string(columns) + " x " + std::to_string(rows); }

bool IsFolder(const std::string& path) {
  boost::system::error_code error;
  return boost::filesystem::is_directory(path, error);
}

void ResetLevelState(const std::string& path) {
  world.enemyCount = 0;
  world.enemiesKilled = 0;
  world.itemCount = 0;
  world.itemsGrabbed = 0;
  world.startX = kDefaultStartX;
  world.startY = kDefaultStartY;
  world.levelPath = path;
  world.entityStreamPos = kNoEntitySection;
}

// Reads the codes row by row; on a short or broken grid the cells not reached stay empty.
bool ReadGrid(std::istream& in, const std::string& path) {
  for (int row = 0; row < world.height; ++row) {
    for (int col = 0; col < world.width; ++col) {
      int code = 0;
      if (in >> code) {
        world.grid[row][col] = CreateTile(code, col, row);
        continue;
      }
      const std::string cell = "column " + std::to_string(col) + ", row " + std::to_string(row);
      ReportBadLevel(path, in.eof() ? "the tile grid ends early, at " + cell
                                    : "the tile code at " + cell + " is not a number");
      return false;
    }
  }
  return true;
}

void FillEmptyCellsAndListActiveTiles() {
  for (int row = 0; row < world.height; ++row) {
    for (int col = 0; col < world.width; ++col) {
      Tile*& cell = world.grid[row][col];
      if (!cell) cell = world.emptyTile;
      if (cell->IsActive()) world.activeTiles.emplace_back(col, row);
    }
  }
}

bool ReadEntities(std::istream& in, const std::string& path, bool report) {
  std::string problem;
  if (ReadEntityRecords(in, AddEntity, problem)) return true;
  if (report) ReportBadLevel(path, problem);
  return false;
}

void ShowLoadingPicture() {
  loadingImage.Draw(0, 0);
  FlipScreen();
}
}  // namespace

// A World still loaded is freed first, so screens that load twice never leak the old level.
bool LoadWorld(std::string path) {
  FreeWorld();
  SizeGrid(0, 0);
  ShowLoadingPicture();
  ResetLevelState(path);
  Log("Loading World: " + path + "...");
  if (IsFolder(path)) {
    ReportBadLevel(path, "it is a folder, not a level file");
    return false;
  }
  std::ifstream in(ResolvePath(path));
  if (!in) {
    Log("Error loading World: " + path);
    return false;
  }
  std::string layers[ParallaxBackground::kLayerCount];
  int columns = 0;
  int rows = 0;
  if (!(in >> layers[0] >> layers[1] >> layers[2] >> columns >> rows)) {
    ReportBadLevel(path, in.eof() ? "the file ends before its width and height"
                                  : "the width or height is not a number");
    return false;
  }
  if (!IsAcceptableGridSize(columns, rows)) {
    ReportBadLevel(path, "refused a grid of " + SizeText(columns, rows) + " cells");
    return false;
  }
  // The pictures are loaded only once the header has proved sound, so a broken file does not
  // fill the log with its garbage words as picture paths.
  world.background.Load(layers[0], layers[1], layers[2]);
  SizeGrid(columns, rows);
  const bool gridRead = ReadGrid(in, path);
  FillEmptyCellsAndListActiveTiles();
  if (!gridRead) return false;
  if (!in.eof()) world.entityStreamPos = static_cast<long>(in.tellg());
  if (world.entityStreamPos != kNoEntitySection && !ReadEntities(in, path, true)) return false;
  Log("World Loaded: " + path);
  return true;
}

void ReloadEntities() {
  std::ifstream in(ResolvePath(world.levelPath));
  if (!in || IsFolder(world.levelPath)) {
    Log("Error: Failed to reload entities on " + world.levelPath);
    return;
  }
  if (world.entityStreamPos == kNoEntitySection) return;
  in.seekg(world.entityStreamPos);
  // A broken record was reported when the level was loaded; each death need not repeat it.
  ReadEntities(in, world.levelPath, false);
}
