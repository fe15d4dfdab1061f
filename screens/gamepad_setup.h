#pragma once
#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "engine/font.h"
#include "engine/game_state.h"
#include "engine/parallax_background.h"
#include "input/gamepad.h"

// The pad's controls at one moment, as the set-up screen looks at them.
class PadSnapshot {
 public:
  std::vector<int> axes;
  std::vector<bool> buttons;  // only those that count as enabled
  std::vector<Uint8> hats;
};

// The attached pad now; empty when none is open.
PadSnapshot ReadPadSnapshot();
// The first control in use, sticks before buttons before hats; null when none is. The caller owns it.
GamepadBinding* CaptureBinding(const PadSnapshot& pad);
// Keeps the finished record under its pad's name, in place of an older one of that name, and
// makes it the mapping in use.
void StoreGamepadRecord(const Gamepad& record);

// Asks for the control of each logical button in turn and stores the new mapping.
class GamepadSetup : public GameState {
 public:
  static constexpr int kWaitFrames = 100;

  ParallaxBackground background;
  int step = 0;
  Gamepad newRecord;
  std::string labels[kPadButtonCount];
  int waitCounter = 0;
  int waitFrames = kWaitFrames;
  Font font;
  // A joystick was attached when the screen was entered, so its art was loaded.
  bool active = false;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override;
  void Cleanup() override;

  // A fresh record for the named pad, asking from the first button.
  void Start(const std::string& padName);
  // One frame of waiting or capturing from what the pad shows.
  void TakeInput(const PadSnapshot& pad);
  bool Finished() const { return step >= kPadButtonCount; }
};
