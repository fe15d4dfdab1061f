#pragma once
#include "engine/game_state.h"
#include "engine/image.h"

// The first level's three story pictures, paged back and forth with the arrow keys.
class CutScene : public GameState {
 public:
  static constexpr int kPageCount = 3;

  Image pages[kPageCount];
  int page = 0;
  // The arrows were down in the previous frame, or when the pictures came up.
  bool rightHeld = false;
  bool leftHeld = false;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override {}
  void Cleanup() override;
};
