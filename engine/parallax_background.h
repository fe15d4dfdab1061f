#pragma once
#include <string>

#include "engine/image.h"

// Three full-screen layers, farthest first, each drawn twice side by side so it scrolls endlessly.
// Layer i moves by (i + 1) / 4 of the requested amount.
class ParallaxBackground {
 public:
  static const int kLayerCount = 3;
  static const int kLayerWidth = 640;

  Image layers[kLayerCount];
  double offsets[kLayerCount] = {0, 0, 0};
  std::string paths[kLayerCount];

  // Keeps the pictures as they are when all three are already loaded from these files.
  bool Load(std::string farPath, std::string middlePath, std::string nearPath);
  bool LoadedFrom(const std::string (&requested)[kLayerCount]) const;
  bool LoadLayers(const std::string (&requested)[kLayerCount]);
  void ScrollRight(int amount);
  void ScrollLeft(int amount);
  void Draw();
  std::string LayerPath(int index);
  void Free();
};
