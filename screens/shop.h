#pragma once
#include "engine/game_state.h"

// Hats and a second look for the money saved from the levels; buying one and wearing it are two
// separate confirmations.
class Shop : public GameState {
 public:
  static constexpr int kRepeatDelay = 20;

  int selected = 0;
  int keyCounter = 0;
  int keyDelay = kRepeatDelay;
  int padCounter = 0;
  int padDelay = kRepeatDelay;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override {}
  void Cleanup() override;

 private:
  void HandleKeyboard();
  void HandlePad();
  void Act(bool up, bool down, bool confirm);
  void MoveUp();
  void MoveDown();
  void Confirm();
  void DrawPreview();
};
