#pragma once
#include <string>
#include <vector>

#include "engine/parallax_background.h"

const int kThemeCount = 5;

// A world look the player can pick: the background shown while editing and the three layer
// paths written into a saved level.
struct EditorTheme {
  std::string name;
  ParallaxBackground background;
};

extern std::vector<EditorTheme> themes;

// Theme data that does not depend on loaded pictures, so saving works even if a background failed.
std::string ThemeName(int index);
std::string ThemeLayerPath(int index, int layer);
// The theme whose three layers are these paths; 0 when no theme has them all.
int ThemeWithLayers(const std::string (&paths)[ParallaxBackground::kLayerCount]);
// The theme whose layers are the loaded file's layerPaths.
int FindTheme();
bool InitThemes();
void FreeThemes();
