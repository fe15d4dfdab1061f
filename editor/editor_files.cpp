#include <boost/filesystem.hpp>
#include <cstdio>
#include <fstream>

#include "editor/editor_model.h"
#include "engine/log.h"
#include "entities/game_object.h"
#include "level/entity_records.h"
#include "world/world.h"

// Custom levels come from players, so a file the editor cannot read in full is reported with one
// log line and never written outside the grid. A false result tells the screen not to treat the
// file as the level being edited, so Save cannot overwrite it with what little was read.

namespace {
const char* const kSaveSuffix = ".saving";

void ReportUnreadable(const std::string& path, const std::string& problem) {
  Log("Error: the editor could not read " + path + ": " + problem);
}

bool IsFolder(const std::string& path) {
  boost::system::error_code error;
  return boost::filesystem::is_directory(path, error);
}

bool FitsTheEditor(int columns, int rows) {
  return columns >= 0 && rows >= 0 && columns <= kEditorColumns && rows <= kEditorRows;
}

bool ReadEditorGrid(std::istream& in, const std::string& path) {
  for (int row = 0; row < editorHeight; ++row) {
    for (int col = 0; col < editorWidth; ++col) {
      if (in >> editorGrid[row][col]) continue;
      editorGrid[row][col] = 0;
      ReportUnreadable(path, "the tile grid breaks off at column " + std::to_string(col) + ", row " +
                                 std::to_string(row));
      return false;
    }
  }
  return true;
}

void KeepInEditor(GameObject* object) { editorEntities.push_back(object); }

bool WriteLevel(std::ostream& out) {
  for (int layer = 0; layer < ParallaxBackground::kLayerCount; ++layer) {
    out << ThemeLayerPath(themeIndex, layer) << '\n';
  }
  out << editorWidth << '\n' << editorHeight << '\n';
  for (int row = 0; row < editorHeight; ++row) {
    for (int col = 0; col < editorWidth; ++col) out << editorGrid[row][col] << ' ';
    out << '\n';
  }
  for (GameObject* object : editorEntities) object->WriteLevelLine(out);
  out.flush();
  return static_cast<bool>(out);
}
}  // namespace

bool EditorLoadLevel(std::string path) {
  if (IsFolder(path)) return false;
  std::ifstream in(path);
  if (!in) return false;
  std::string layers[ParallaxBackground::kLayerCount];
  int columns = 0;
  int rows = 0;
  if (!(in >> layers[0] >> layers[1] >> layers[2] >> columns >> rows)) {
    ReportUnreadable(path, "it has no readable width and height");
    return false;
  }
  // Refused rather than clamped: a clamped level saved back would silently lose its far part.
  if (!FitsTheEditor(columns, rows)) {
    ReportUnreadable(path, "a grid of " + std::to_string(columns) + " x " + std::to_string(rows) +
                               " cells does not fit the editor's " + std::to_string(kEditorColumns) + " x " +
                               std::to_string(kEditorRows));
    return false;
  }
  for (int layer = 0; layer < ParallaxBackground::kLayerCount; ++layer) layerPaths[layer] = layers[layer];
  editorWidth = columns;
  editorHeight = rows;
  themeIndex = FindTheme();
  bool whole = ReadEditorGrid(in, path);
  std::string problem;
  if (whole && !ReadEntityRecords(in, KeepInEditor, problem)) {
    ReportUnreadable(path, problem);
    whole = false;
  }
  world.cameraX = 0;
  world.cameraY = 0;
  selectedTile = 0;
  selectedEntity = 0;
  return whole;
}

// Written beside the old file and renamed over it, so a failed save leaves the old level whole.
bool SaveLevel(std::string path) {
  const std::string partial = path + kSaveSuffix;
  std::ofstream out(partial, std::ios::trunc);
  if (!out) {
    Log("Error: could not save the level " + path);
    return false;
  }
  bool written = WriteLevel(out);
  out.close();
  written = written && !out.fail();
  if (written && std::rename(partial.c_str(), path.c_str()) == 0) return true;
  std::remove(partial.c_str());
  Log("Error: could not save the level " + path);
  return false;
}
