#include "editor/editor_files.h"

#include <fstream>
#include <sstream>

#include "editor/editor_model.h"
#include "editor/editor_themes.h"
#include "engine/log.h"
#include "engine/replace_file.h"
#include "entities/game_object.h"
#include "level/entity_records.h"
#include "level/level_file.h"
#include "world/world.h"

// Custom levels come from players, so a file the editor cannot read in full is reported with one
// log line and never written outside the grid. A false result tells the screen not to treat the
// file as the level being edited, so Save cannot overwrite it with what little was read.

namespace {
const char* const kSaveSuffix = ".saving";

void ReportUnreadable(const std::string& path, const std::string& problem) {
  Log("Error: the editor could not read " + path + ": " + problem);
}

bool FitsTheEditor(int columns, int rows) {
  return columns >= 0 && rows >= 0 && columns <= kEditorColumns && rows <= kEditorRows;
}

void KeepCode(int col, int row, int code) { editorGrid[row][col] = code; }

void KeepInEditor(GameObject* object) { editorEntities.push_back(object); }

// A saved level carries its theme's layers, whatever layers the file it was loaded from named.
LevelHeader EditedLevelHeader() {
  LevelHeader header;
  for (int layer = 0; layer < ParallaxBackground::kLayerCount; ++layer) {
    header.layers[layer] = ThemeLayerPath(themeIndex, layer);
  }
  header.columns = editorWidth;
  header.rows = editorHeight;
  return header;
}
}  // namespace

bool EditorLoadLevel(std::string path) {
  if (IsFolder(path)) return false;
  std::string problem = LevelFileRefusal(path);
  if (!problem.empty()) {
    ReportUnreadable(path, problem);
    return false;
  }
  std::ifstream in(path);
  if (!in) return false;
  LevelHeader header;
  if (!ReadLevelHeader(in, header, problem)) {
    ReportUnreadable(path, problem);
    return false;
  }
  // Refused rather than clamped: a clamped level saved back would silently lose its far part.
  if (!FitsTheEditor(header.columns, header.rows)) {
    ReportUnreadable(path, "a grid of " + std::to_string(header.columns) + " x " + std::to_string(header.rows) +
                               " cells does not fit the editor's " + std::to_string(kEditorColumns) + " x " +
                               std::to_string(kEditorRows));
    return false;
  }
  for (int layer = 0; layer < ParallaxBackground::kLayerCount; ++layer) layerPaths[layer] = header.layers[layer];
  editorWidth = header.columns;
  editorHeight = header.rows;
  themeIndex = FindTheme();
  const bool whole = ReadLevelGrid(in, editorWidth, editorHeight, KeepCode, problem) &&
                     ReadEntityRecords(in, editorWidth, editorHeight, KeepInEditor, problem);
  if (!whole) ReportUnreadable(path, problem);
  world.cameraX = 0;
  world.cameraY = 0;
  selectedTile = 0;
  selectedEntity = 0;
  return whole;
}

bool SaveLevel(std::string path) {
  std::ostringstream text;
  WriteLevelFile(text, EditedLevelHeader(), EditorGetCell, editorEntities);
  if (ReplaceFile(path, text.str(), kSaveSuffix)) return true;
  Log("Error: could not save the level " + path);
  return false;
}
