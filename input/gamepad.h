#pragma once
#include <string>
#include <vector>

// How many buttons, axes and hats a pad has. SDL reads a control's state by its number without
// looking at numbers below 0, so a binding must name a control the pad has.
struct PadControls {
  int buttons;
  int axes;
  int hats;
};
// More of each than any pad reports: what a record of a pad that is not attached is held to.
const int kMostPadControls = 1024;
const PadControls kAnyPad = {kMostPadControls, kMostPadControls, kMostPadControls};

// One physical control of a pad that stands for a logical button.
class GamepadBinding {
 public:
  virtual ~GamepadBinding() = default;
  // The control is held now.
  virtual bool IsPressed() = 0;
  // The control as written in "gamepad.txt" and in the log.
  virtual std::string ToText() = 0;
  // A new copy of the same class and values; the caller owns it.
  virtual GamepadBinding* Clone() = 0;
  // The control is one the pad has, in a position it can report.
  virtual bool Fits(const PadControls& pad) const = 0;
};

class ButtonBinding : public GamepadBinding {
 public:
  int button;
  explicit ButtonBinding(int button) : button(button) {}
  bool IsPressed() override;
  std::string ToText() override;
  GamepadBinding* Clone() override { return new ButtonBinding(*this); }
  bool Fits(const PadControls& pad) const override;
};

// A stick direction: axis and axis + 1 are the stick's horizontal and vertical axes.
class AxisBinding : public GamepadBinding {
 public:
  int axis;
  int direction;  // 0 up, 1 right, 2 down, 3 left
  AxisBinding(int axis, int direction) : axis(axis), direction(direction) {}
  bool IsPressed() override;
  std::string ToText() override;
  GamepadBinding* Clone() override { return new AxisBinding(*this); }
  bool Fits(const PadControls& pad) const override;
};

class HatBinding : public GamepadBinding {
 public:
  int hat;
  int value;  // SDL hat mask; a diagonal does not match a straight direction
  HatBinding(int hat, int value) : hat(hat), value(value) {}
  bool IsPressed() override;
  std::string ToText() override;
  GamepadBinding* Clone() override { return new HatBinding(*this); }
  bool Fits(const PadControls& pad) const override;
};

// Logical buttons, in the order of a record and of the file.
enum PadButton { kPadRight, kPadDown, kPadLeft, kPadUp, kPadJump, kPadAction, kPadStart, kPadButtonCount };

// Whether a stick at (horizontal, vertical) counts as pushed in `direction`; a diagonal pushes none.
bool StickPushed(int horizontal, int vertical, int direction);

// The bindings of one pad model, recognised by the device name SDL reports.
class Gamepad {
 public:
  std::string padName;
  GamepadBinding* bindings[kPadButtonCount] = {};

  // A record owns its bindings: copies clone them, and a binding replaced or left behind is freed.
  Gamepad() = default;
  Gamepad(const Gamepad& other);
  Gamepad(Gamepad&& other) noexcept;
  Gamepad& operator=(const Gamepad& other);
  ~Gamepad();
  void SetBinding(int index, GamepadBinding* binding);
  GamepadBinding* GetBinding(int index);
  void DeleteBindings();
  bool IsComplete() const;
};

extern std::vector<Gamepad> gamepadConfigs;
extern Gamepad activeGamepad;

void DetectGamepad();
// Reads "gamepad.txt" into gamepadConfigs. The record named attachedName is held to the attached
// pad's controls, every other to kAnyPad; a record with a binding outside them is skipped, as a
// damaged one is.
void ReadGamepadConfigs(const std::string& attachedName = std::string(), const PadControls& attached = kAnyPad);
void LogGamepad(Gamepad& pad);
void SaveGamepadConfigs();

bool PadRight();
bool PadDown();
bool PadLeft();
bool PadUp();
bool PadJump();
bool PadAction();
bool PadStart();
