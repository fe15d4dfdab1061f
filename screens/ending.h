#pragma once
#include "engine/game_state.h"
#include "engine/image.h"

// Three full-screen pictures after the last level; leaving them marks the game as completed.
class Ending : public GameState {
 public:
  static constexpr int kPageCount = 3;

  Image pages[kPageCount];
  int page = 0;
  // Enter (or Start) was down in the previous frame, or when the ending began.
  bool turnHeld = false;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override {}
  void Cleanup() override;
};
