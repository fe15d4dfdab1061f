#pragma once
#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/parallax_background.h"

// Choose one of the five worlds over its own scrolling background and play its overview level.
class LevelSelect : public GameState {
 public:
  static constexpr int kWorldCount = 5;
  static constexpr int kMenuDelay = 20;

  int worldCount = kWorldCount;
  ParallaxBackground backgrounds[kWorldCount];
  Image worldPictures[kWorldCount];
  Image heading;
  Image cursor;
  int selected = 0;
  int keyCounter = 0;
  int keyDelay = kMenuDelay;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override;
  void Cleanup() override;
};
