#pragma once
#include "engine/game_state.h"

// A screen that only shows a black frame; stands in for screens the game registers but never enters.
class BlankScreen : public GameState {
 public:
  void Init() override {}
  void HandleEvents() override {}
  void Render() override;
  void Logic() override {}
  void Cleanup() override {}
};
