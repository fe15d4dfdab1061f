#pragma once
#include <string>
#include <vector>

#include "engine/parallax_background.h"
#include "world/tile.h"

class GameObject;

// The level being edited, as raw tile codes: the editor never builds Tile objects. It borrows the
// World's cameraX and cameraY as its own view position.
const int kEditorColumns = 1000;
const int kEditorRows = 500;
const int kNewLevelSize = 30;
const int kPaletteTileCount = 17;
const int kStartMarkerCode = 16;
// The map view is the square at the screen's top-left corner; the panel covers the rest.
const int kEditorViewSize = 480;
const int kEditorScrollStep = 4;
const int kEditorMaxCameraX = kEditorColumns * kTileSize - kEditorViewSize;
const int kEditorMaxCameraY = kEditorRows * kTileSize - kEditorViewSize;

extern int editorGrid[kEditorRows][kEditorColumns];
extern int editorWidth;
extern int editorHeight;
extern int themeIndex;
extern int selectedTile;
extern int selectedEntity;
extern bool startPlaced;
extern int startCol;
extern int startRow;
extern std::vector<GameObject*> editorEntities;
// The layer paths of the level file last loaded; they pick its theme.
extern std::string layerPaths[ParallaxBackground::kLayerCount];

void EditorReset();
void EditorClear();
int EditorGetCell(int col, int row);
void EditorSetCell(int col, int row);
void PlaceEntity(std::string name, int x, int y);
void DeleteEntityAt(int x, int y);

void EditorScrollLeft();
void EditorScrollRight();
void EditorScrollUp();
void EditorScrollDown();

void NextTile();
void PrevTile();
void NextEntity();
void PrevEntity();
void NextTheme();
void PrevTheme();
