#include "editor/editor_model.h"

#include <sstream>

#include "editor/editor_themes.h"

#include "engine/log.h"
#include "engine/rect.h"
#include "entities/game_object.h"
#include "level/object_types.h"
#include "world/world.h"

int editorGrid[kEditorRows][kEditorColumns];
int editorWidth = kNewLevelSize;
int editorHeight = kNewLevelSize;
int themeIndex = 0;
int selectedTile = 0;
int selectedEntity = 0;
bool startPlaced = false;
int startCol = 0;
int startRow = 0;
std::vector<GameObject*> editorEntities;
std::string layerPaths[ParallaxBackground::kLayerCount];

namespace {
void ClearGrid() {
  for (auto& row : editorGrid) {
    for (int& cell : row) cell = 0;
  }
}

// Built through the factory, as a level record would be, so placed objects are exactly the ones
// a loaded level holds.
GameObject* BuildPlaced(const ObjectType& type, int x, int y) {
  const std::string name = type.name;
  std::istringstream record(std::to_string(x) + " " + std::to_string(y) + " " + type.placedFields);
  GameObject* object = CreateEntity(name, record);
  if (!object) Log("Error: the editor cannot build a " + name);
  return object;
}

// Any code counts as floor, solid or not. Falling past the level's bottom puts it back.
void DropOntoFloor(GameObject& object) {
  const int placedY = object.y;
  while (EditorGetCell(object.x / kTileSize, (object.y + object.h) / kTileSize) == 0) {
    ++object.y;
    if (object.y > editorHeight * kTileSize) {
      object.y = placedY;
      return;
    }
  }
}

void MoveStartMarker(int col, int row) {
  if (col == startCol && row == startRow) return;
  if (startPlaced) editorGrid[startRow][startCol] = 0;
  startCol = col;
  startRow = row;
  startPlaced = true;
}

// The name table is empty until start-up fills it; the selection then stays at 0.
int Wrapped(int value, int count) { return count > 0 ? (value % count + count) % count : 0; }
}  // namespace

void EditorReset() {
  ClearGrid();
  for (int i = 0; i < ParallaxBackground::kLayerCount; ++i) layerPaths[i] = ThemeLayerPath(0, i);
  themeIndex = 0;
  editorWidth = kNewLevelSize;
  editorHeight = kNewLevelSize;
  startPlaced = false;
  world.cameraX = 0;
  world.cameraY = 0;
  selectedTile = 0;
  selectedEntity = 0;
}

void EditorClear() {
  ClearGrid();
  for (GameObject* object : editorEntities) delete object;
  editorEntities.clear();
}

int EditorGetCell(int col, int row) {
  if (col < 0 || col >= kEditorColumns || row < 0 || row >= kEditorRows) return 0;
  return editorGrid[row][col];
}

// The painted cell lands on the boundary, outside the saved level: the boundary follows the
// brush but never comes back.
void EditorSetCell(int col, int row) {
  // Callers pass the cell under the mouse; anything else must not reach past the grid.
  if (col < 0 || col >= kEditorColumns || row < 0 || row >= kEditorRows) return;
  editorGrid[row][col] = selectedTile;
  if (selectedTile == kStartMarkerCode) MoveStartMarker(col, row);
  if (col > editorWidth) editorWidth = col;
  if (row > editorHeight) editorHeight = row;
}

void PlaceEntity(std::string name, int x, int y) {
  if (x / kTileSize > editorWidth || y / kTileSize > editorHeight) return;
  if (const ObjectType* type = FindObjectType(name)) {
    GameObject* object = BuildPlaced(*type, x, y);
    if (object) editorEntities.push_back(object);
  } else if (name == kDeleteEntry) {
    DeleteEntityAt(x, y);
  }
  if (!editorEntities.empty() && editorEntities.back()->snapToGround) DropOntoFloor(*editorEntities.back());
}

void DeleteEntityAt(int x, int y) {
  for (auto it = editorEntities.begin(); it != editorEntities.end(); ++it) {
    if (!PointInRect(x, y, (*it)->EntityRect())) continue;
    delete *it;
    editorEntities.erase(it);
    return;
  }
}

void EditorScrollLeft() {
  world.cameraX -= kEditorScrollStep;
  if (world.cameraX < 0) {
    world.cameraX = 0;
    return;
  }
  if (themeIndex < static_cast<int>(themes.size())) themes[themeIndex].background.ScrollLeft(kEditorScrollStep);
}

void EditorScrollRight() {
  world.cameraX += kEditorScrollStep;
  if (world.cameraX > kEditorMaxCameraX) {
    world.cameraX = kEditorMaxCameraX;
    return;
  }
  if (themeIndex < static_cast<int>(themes.size())) themes[themeIndex].background.ScrollRight(kEditorScrollStep);
}

void EditorScrollUp() {
  world.cameraY -= kEditorScrollStep;
  if (world.cameraY < 0) world.cameraY = 0;
}

void EditorScrollDown() {
  world.cameraY += kEditorScrollStep;
  if (world.cameraY > kEditorMaxCameraY) world.cameraY = kEditorMaxCameraY;
}

void NextTile() { selectedTile = Wrapped(selectedTile + 1, kPaletteTileCount); }
void PrevTile() { selectedTile = Wrapped(selectedTile - 1, kPaletteTileCount); }
void NextEntity() { selectedEntity = Wrapped(selectedEntity + 1, static_cast<int>(entityNames.size())); }
void PrevEntity() { selectedEntity = Wrapped(selectedEntity - 1, static_cast<int>(entityNames.size())); }
void NextTheme() { themeIndex = Wrapped(themeIndex + 1, kThemeCount); }
void PrevTheme() { themeIndex = Wrapped(themeIndex - 1, kThemeCount); }
