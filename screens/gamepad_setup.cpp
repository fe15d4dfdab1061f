#include "screens/gamepad_setup.h"

#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/state_manager.h"
#include "input/input.h"

namespace {
const int kScrollSpeed = 4;
const int kFontSize = 18;
const int kPromptX = 220;
const int kPromptY = 30;
const int kHalfCharWidth = 8;
const int kLabelY = 240;
const int kCancelX = 200;
const int kCancelY = 390;
const char* kLabels[kPadButtonCount] = {"Right", "Down", "Left", "Up", "Jump/Confirm", "Jetpack/Tank Shot/Cancel",
                                        "Start"};
const int kStickDirections = 4;  // up, right, down, left: the order a stick is tested in

GamepadBinding* CaptureStick(const PadSnapshot& pad) {
  for (size_t a = 0; a < pad.axes.size(); a += 2) {
    const int horizontal = pad.axes[a];
    const int vertical = a + 1 < pad.axes.size() ? pad.axes[a + 1] : 0;
    for (int direction = 0; direction < kStickDirections; ++direction) {
      if (StickPushed(horizontal, vertical, direction)) return new AxisBinding(static_cast<int>(a), direction);
    }
  }
  return nullptr;
}
}  // namespace

PadSnapshot ReadPadSnapshot() {
  PadSnapshot pad;
  if (!joystick) return pad;
  for (int a = 0; a < SDL_JoystickNumAxes(joystick); ++a) pad.axes.push_back(SDL_JoystickGetAxis(joystick, a));
  for (int b = 0; b < SDL_JoystickNumButtons(joystick); ++b) pad.buttons.push_back(JoystickButton(b));
  for (int h = 0; h < SDL_JoystickNumHats(joystick); ++h) pad.hats.push_back(JoystickHat(h));
  return pad;
}

GamepadBinding* CaptureBinding(const PadSnapshot& pad) {
  if (GamepadBinding* stick = CaptureStick(pad)) return stick;
  for (size_t b = 0; b < pad.buttons.size(); ++b) {
    if (pad.buttons[b]) return new ButtonBinding(static_cast<int>(b));
  }
  for (size_t h = 0; h < pad.hats.size(); ++h) {
    if (pad.hats[h] != SDL_HAT_CENTERED) return new HatBinding(static_cast<int>(h), pad.hats[h]);
  }
  return nullptr;
}

void StoreGamepadRecord(const Gamepad& record) {
  bool replaced = false;
  for (Gamepad& stored : gamepadConfigs) {
    if (stored.padName != record.padName) continue;
    stored = record;
    replaced = true;
  }
  if (!replaced) gamepadConfigs.push_back(record);
  activeGamepad = record;
}

void GamepadSetup::Init() {
  active = SDL_NumJoysticks() > 0;
  if (!active) {
    SignalStateChange("TitleScreen");
    return;
  }
  PlayMusic(Piece::kTitle);
  background.Load("gfx/Backgrounds/Title/layer3.png", "gfx/Backgrounds/Title/layer2.png",
                  "gfx/Backgrounds/Title/layer1.png");
  const char* name = SDL_JoystickName(0);
  Start(name ? name : "");
  font.Load("gfx/Fonts/Editor Font.ttf", kFontSize);
}

void GamepadSetup::Start(const std::string& padName) {
  step = 0;
  newRecord.DeleteBindings();
  newRecord.padName = padName;
  for (int i = 0; i < kPadButtonCount; ++i) labels[i] = kLabels[i];
  waitCounter = 0;
  waitFrames = kWaitFrames;
}

void GamepadSetup::HandleEvents() {
  if (!active || Finished()) return;
  if (IsKeyDown(SDLK_ESCAPE)) {
    SignalStateChange("TitleScreen");
    return;
  }
  TakeInput(ReadPadSnapshot());
}

// The wait after each capture keeps one press from being taken for several buttons.
void GamepadSetup::TakeInput(const PadSnapshot& pad) {
  if (Finished()) return;
  if (waitCounter < waitFrames) ++waitCounter;
  if (waitCounter < waitFrames) return;
  GamepadBinding* binding = CaptureBinding(pad);
  if (!binding) return;
  newRecord.SetBinding(step, binding);
  PlayEffect(Effect::kMenuChoose);
  ++step;
  waitCounter = 0;
}

void GamepadSetup::Render() {
  if (!active || Finished()) return;
  background.Draw();
  font.Draw("Enter on Gamepad:", kPromptX, kPromptY, 255, 255, 255);
  const std::string& label = labels[step];
  font.Draw(label, kScreenMiddleX - kHalfCharWidth * static_cast<int>(label.size()), kLabelY, 255, 255, 255);
  font.Draw("Press Esc to cancel", kCancelX, kCancelY, 255, 255, 255);
  FlipScreen();
}

void GamepadSetup::Logic() {
  if (!active) return;
  background.ScrollRight(kScrollSpeed);
  if (!Finished()) return;
  SignalStateChange("TitleScreen");
  StoreGamepadRecord(newRecord);
}

// Keyed on what Init loaded rather than on the joystick count, so a pad pulled out while the
// screen is open does not leave its art loaded.
void GamepadSetup::Cleanup() {
  if (!active) return;
  background.Free();
  newRecord.DeleteBindings();
  font.Free();
  active = false;
}
