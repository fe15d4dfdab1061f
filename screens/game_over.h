#pragma once
#include "engine/font.h"
#include "engine/game_state.h"
#include "engine/image.h"

// After the last life: a random picture and the choice to retry the story level or give up.
class GameOver : public GameState {
 public:
  static constexpr int kYes = 0;
  static constexpr int kNo = 1;

  Image background;
  Image picture;
  Font font;
  int selected = kYes;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override {}
  void Cleanup() override;

 private:
  // Inputs still held from the level when the screen opened; each counts once let go.
  bool rightHeldOnEntry = false;
  bool leftHeldOnEntry = false;
  bool confirmHeldOnEntry = false;

  static bool RightHeld();
  static bool LeftHeld();
  static bool ConfirmHeld();
  void Confirm();
};
