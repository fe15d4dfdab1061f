#include "editor/editor_draw.h"

#include "editor/editor_model.h"
#include "editor/editor_themes.h"
#include "engine/font.h"
#include "engine/image.h"
#include "entities/game_object.h"
#include "input/input.h"
#include "level/object_types.h"
#include "world/world.h"

namespace {
// Water is drawn see-through, so the cells and objects behind it stay visible while editing.
const int kWaterCode = 3;
const Uint8 kWaterAlpha = 125;
const int kFontSize = 10;
// Cells drawn per row and column: the view's 15 plus one partly visible.
const int kDrawnCells = 16;
const int kSelectedTileX = 528;
const int kSelectedTileY = 4;
const int kCellTextX = 482;
const int kCellTextY = 210;
const int kPixelTextX = 482;
const int kPixelTextY = 250;
const int kEntityTextX = 495;
const int kEntityTextY = 116;
const int kThemeTextX = 496;
const int kThemeTextY = 335;

struct PaletteEntry {
  const char* path;
  bool keyed;
};

const PaletteEntry kPalette[kPaletteTileCount] = {
    {"gfx/Tiles/Editorblank.png", true},
    {"gfx/Tiles/TumboWorld/grass.png", false},
    {"gfx/Tiles/Special/spikes.png", true},
    {"gfx/Tiles/Special/water.png", false},
    {"gfx/Tiles/Special/spring.png", true},
    {"gfx/Tiles/TumboWorld/brick.png", false},
    {"gfx/Tiles/Special/cp_off.png", true},
    {"gfx/Tiles/Blorp/Jelly/0.png", true},
    {"gfx/Tiles/Blorp/Sludge/0.png", false},
    {"gfx/Tiles/SpacePirate/ship_floor.png", false},
    {"gfx/Tiles/SpacePirate/Bomb trap/0.png", true},
    {"gfx/Tiles/RobotCity/steel/0.png", true},
    {"gfx/Tiles/RobotCity/conveyor/0-0.png", false},
    {"gfx/Tiles/RobotCity/conveyor/1-0.png", false},
    {"gfx/Tiles/RoundWorld/Dirt/0.png", false},
    {"gfx/Tiles/RoundWorld/Dirt/1.png", false},
    {"gfx/Tiles/Editor_start.png", false},
};

Image paletteImages[kPaletteTileCount];
Image panelImage;
Image backdropImage;
Image cursorImage;
Image xBoundImage;
Image yBoundImage;
Font editorFont;

bool LoadPaletteImage(int code) {
  Image& image = paletteImages[code];
  if (!image.Load(kPalette[code].path)) return false;
  if (kPalette[code].keyed) image.SetColorKey(255, 0, 255);
  // The water picture has magenta see-through pixels too; keyed first, they stay unseen once the
  // picture is made half transparent.
  if (code == kWaterCode) {
    image.SetColorKey(255, 0, 255);
    image.SetAlpha(kWaterAlpha);
  }
  return true;
}

// Codes read from a file are kept as they are, so one outside the palette is shown as empty.
Image& PaletteImage(int code) {
  return paletteImages[code >= 0 && code < kPaletteTileCount ? code : 0];
}

void DrawCells() {
  const int firstCol = world.cameraX / kTileSize;
  const int firstRow = world.cameraY / kTileSize;
  for (int row = firstRow; row < firstRow + kDrawnCells; ++row) {
    for (int col = firstCol; col < firstCol + kDrawnCells; ++col) {
      PaletteImage(EditorGetCell(col, row)).Draw(col * kTileSize - world.cameraX, row * kTileSize - world.cameraY);
    }
  }
}

void DrawBoundary() {
  const int bottom = editorHeight * kTileSize - world.cameraY;
  const int right = editorWidth * kTileSize - world.cameraX;
  for (int i = 0; i <= editorWidth; ++i) yBoundImage.Draw(i * kTileSize - world.cameraX, bottom);
  for (int i = 0; i <= editorHeight; ++i) xBoundImage.Draw(right, i * kTileSize - world.cameraY);
}

void DrawTexts() {
  const int worldX = mouseX + world.cameraX;
  const int worldY = mouseY + world.cameraY;
  const std::string cell = std::to_string(worldX / kTileSize) + "," + std::to_string(worldY / kTileSize);
  editorFont.Draw(cell, kCellTextX, kCellTextY, 255, 255, 255);
  editorFont.Draw(std::to_string(worldX) + "," + std::to_string(worldY), kPixelTextX, kPixelTextY, 255, 255, 255);
  if (selectedEntity >= 0 && selectedEntity < static_cast<int>(entityNames.size())) {
    editorFont.Draw(entityNames[selectedEntity], kEntityTextX, kEntityTextY, 255, 255, 255);
  }
  editorFont.Draw(ThemeName(themeIndex), kThemeTextX, kThemeTextY, 255, 255, 255);
}
}  // namespace

bool LoadEditorGraphics() {
  for (int code = 0; code < kPaletteTileCount; ++code) {
    if (!LoadPaletteImage(code)) return false;
  }
  return LoadKeyed(panelImage, "gfx/Editor/MapEditor.png") && backdropImage.Load("gfx/Backgrounds/EditorBG.png") &&
         LoadKeyed(cursorImage, "gfx/Editor/editor_cursor.png") && LoadKeyed(xBoundImage, "gfx/Editor/x_bound.png") &&
         LoadKeyed(yBoundImage, "gfx/Editor/y_bound.png") && editorFont.Load("gfx/Fonts/Editor font.ttf", kFontSize);
}

void FreeEditorGraphics() {
  for (Image& image : paletteImages) image.Free();
  panelImage.Free();
  backdropImage.Free();
  cursorImage.Free();
  xBoundImage.Free();
  yBoundImage.Free();
  editorFont.Free();
}

void EditorDraw() {
  backdropImage.Draw(0, 0);
  if (themeIndex >= 0 && themeIndex < static_cast<int>(themes.size())) themes[themeIndex].background.Draw();
  DrawCells();
  DrawBoundary();
  for (GameObject* object : editorEntities) object->Draw();
  const int cursorX = (mouseX + world.cameraX) / kTileSize * kTileSize - world.cameraX;
  const int cursorY = (mouseY + world.cameraY) / kTileSize * kTileSize - world.cameraY;
  cursorImage.Draw(cursorX, cursorY);
  panelImage.Draw(0, 0);
  PaletteImage(selectedTile).Draw(kSelectedTileX, kSelectedTileY);
  DrawTexts();
}
