#include "level/level_reader.h"

#include <fstream>
#include <string>

#include "engine/image.h"
#include "engine/log.h"
#include "engine/path_resolve.h"
#include "entities/registry.h"
#include "level/entity_records.h"
#include "level/level_file.h"
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

void PlaceTile(int col, int row, int code) { world.grid[row][col] = CreateTile(code, col, row); }

// On a short or broken grid the cells not reached stay empty.
bool ReadGrid(std::istream& in, const std::string& path) {
  std::string problem;
  if (ReadLevelGrid(in, world.width, world.height, PlaceTile, problem)) return true;
  ReportBadLevel(path, problem);
  return false;
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
  if (ReadEntityRecords(in, world.width, world.height, AddEntity, problem)) return true;
  if (report) ReportBadLevel(path, problem);
  return false;
}

// Opens a level file and reads its header, reporting whatever keeps it from being a level.
bool OpenLevel(const std::string& path, std::ifstream& in, LevelHeader& header) {
  const std::string refusal = LevelFileRefusal(ResolvePath(path));
  if (!refusal.empty()) {
    ReportBadLevel(path, refusal);
    return false;
  }
  in.open(ResolvePath(path));
  if (!in) {
    // Also told on stderr (see ReportFault): a missing or unreadable level is named to the player.
    ReportFault("Error loading World: " + path);
    return false;
  }
  std::string problem;
  if (!ReadLevelHeader(in, header, problem)) {
    ReportBadLevel(path, problem);
    return false;
  }
  if (!IsAcceptableGridSize(header.columns, header.rows)) {
    ReportBadLevel(path, "refused a grid of " + SizeText(header.columns, header.rows) + " cells");
    return false;
  }
  return true;
}
}  // namespace

// A World still loaded is freed first, so screens that load twice never leak the old level. Its
// background pictures go only once the header names this level's: the same ones are kept.
bool LoadWorld(std::string path) {
  FreeWorld(BackgroundAtFree::kKeep);
  SizeGrid(0, 0);
  ShowLoadingPicture();
  ResetLevelState(path);
  Log("Loading World: " + path + "...");
  std::ifstream in;
  LevelHeader header;
  if (!OpenLevel(path, in, header)) {
    world.background.Free();
    return false;
  }
  // The pictures are loaded only once the header has proved sound, so a broken file does not
  // fill the log with its garbage words as picture paths.
  world.background.Load(header.layers[0], header.layers[1], header.layers[2]);
  SizeGrid(header.columns, header.rows);
  const bool gridRead = ReadGrid(in, path);
  FillEmptyCellsAndListActiveTiles();
  if (!gridRead) return false;
  if (!in.eof()) world.entityStreamPos = static_cast<long>(in.tellg());
  if (world.entityStreamPos != kNoEntitySection && !ReadEntities(in, path, true)) return false;
  Log("World Loaded: " + path);
  return true;
}

void ReloadEntities() {
  const std::string resolved = ResolvePath(world.levelPath);
  // Checked before opening: opening a pipe would wait for a writer.
  std::ifstream in;
  if (LevelFileRefusal(resolved).empty()) in.open(resolved);
  if (!in.is_open()) {
    Log("Error: Failed to reload entities on " + world.levelPath);
    return;
  }
  if (world.entityStreamPos == kNoEntitySection) return;
  in.seekg(world.entityStreamPos);
  // A broken record was reported when the level was loaded; each death need not repeat it.
  ReadEntities(in, world.levelPath, false);
}
