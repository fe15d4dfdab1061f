#include "editor/editor_themes.h"

#include "editor/editor_model.h"

std::vector<EditorTheme> themes;

namespace {
struct ThemeEntry {
  const char* name;
  const char* layers[ParallaxBackground::kLayerCount];
};

const ThemeEntry kThemeTable[kThemeCount] = {
    {"Tumbo World",
     {"gfx/Backgrounds/TumboWorld/layer1.png", "gfx/Backgrounds/TumboWorld/layer2-2.png",
      "gfx/Backgrounds/TumboWorld/layer3-2.png"}},
    {"Blorp",
     {"gfx/Backgrounds/Blorp/layer1.png", "gfx/Backgrounds/Blorp/layer2.png", "gfx/Backgrounds/Blorp/layer3.png"}},
    {"Space Pirates",
     {"gfx/Backgrounds/SpacePirate/layer1.png", "gfx/Backgrounds/SpacePirate/layer2.png",
      "gfx/Backgrounds/SpacePirate/layer3.png"}},
    {"Robot City",
     {"gfx/Backgrounds/RobotCity/layer1.png", "gfx/Backgrounds/RobotCity/layer2.png",
      "gfx/Backgrounds/RobotCity/layer3.png"}},
    {"Round World",
     {"gfx/Backgrounds/RoundWorld/layer1.png", "gfx/Backgrounds/RoundWorld/layer2.png",
      "gfx/Backgrounds/RoundWorld/layer3.png"}},
};

bool IsTheme(int index) { return index >= 0 && index < kThemeCount; }
}  // namespace

std::string ThemeName(int index) { return IsTheme(index) ? kThemeTable[index].name : ""; }

std::string ThemeLayerPath(int index, int layer) {
  if (!IsTheme(index) || layer < 0 || layer >= ParallaxBackground::kLayerCount) return "";
  return kThemeTable[index].layers[layer];
}

int ThemeWithLayers(const std::string (&paths)[ParallaxBackground::kLayerCount]) {
  for (int index = 0; index < kThemeCount; ++index) {
    bool same = true;
    for (int layer = 0; layer < ParallaxBackground::kLayerCount; ++layer) {
      same = same && paths[layer] == kThemeTable[index].layers[layer];
    }
    if (same) return index;
  }
  return 0;
}

int FindTheme() { return ThemeWithLayers(layerPaths); }

// Every theme is kept even when its pictures fail, so the palette and saving still work; the
// editor then shows only its backdrop behind the map.
bool InitThemes() {
  FreeThemes();
  bool allLoaded = true;
  for (const ThemeEntry& entry : kThemeTable) {
    themes.emplace_back();
    themes.back().name = entry.name;
    allLoaded = themes.back().background.Load(entry.layers[0], entry.layers[1], entry.layers[2]) && allLoaded;
  }
  return allLoaded;
}

void FreeThemes() {
  for (EditorTheme& theme : themes) theme.background.Free();
  themes.clear();
}
