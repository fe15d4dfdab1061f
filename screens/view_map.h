#pragma once
#include "engine/game_state.h"

// The Tumbo World overview level, with the arrow keys moving the camera over it.
class ViewMap : public GameState {
 public:
  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override {}
  void Cleanup() override;
};
