#include "input/gamepad.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

#include "engine/log.h"
#include "engine/replace_file.h"
#include "input/input.h"

std::vector<Gamepad> gamepadConfigs;
Gamepad activeGamepad;

namespace {
const char* kGamepadFile = "gamepad.txt";
const char* kPartialSuffix = ".tmp";
const int kStickThreshold = 20000;
// The fewest controls a pad needs to play the game.
const int kMinHats = 1;
const int kMinButtons = 2;
const int kMinAxes = 2;
const char* kButtonNames[kPadButtonCount] = {"Right: ", "Down: ", "Left: ", "Up: ", "Jump: ", "Action: ", "Start: "};
const int kStickDirections = 4;
// The positions a hat reports when pushed: the four straight ones and the four diagonals.
const int kHatPositions[] = {SDL_HAT_UP,        SDL_HAT_RIGHT,    SDL_HAT_DOWN,    SDL_HAT_LEFT,
                             SDL_HAT_RIGHTUP,   SDL_HAT_RIGHTDOWN, SDL_HAT_LEFTUP, SDL_HAT_LEFTDOWN};

bool Below(int number, int count) { return number >= 0 && number < count; }

bool Inside(int value) { return -kStickThreshold < value && value < kStickThreshold; }

// Reads one binding; null for an unknown word or a cut-short record.
GamepadBinding* ReadBinding(std::istream& in) {
  std::string word;
  if (!(in >> word)) return nullptr;
  int a = 0;
  int b = 0;
  if (word == "Button") return (in >> a) ? new ButtonBinding(a) : nullptr;
  if (word == "Joystick") return (in >> a >> b) ? new AxisBinding(a, b) : nullptr;
  if (word == "Hat") return (in >> a >> b) ? new HatBinding(a, b) : nullptr;
  return nullptr;
}

bool Pressed(int index) {
  GamepadBinding* binding = activeGamepad.bindings[index];
  return binding && binding->IsPressed();
}
}  // namespace

bool StickPushed(int horizontal, int vertical, int direction) {
  switch (direction) {
    case 0: return vertical < -kStickThreshold && Inside(horizontal);
    case 1: return horizontal > kStickThreshold && Inside(vertical);
    case 2: return vertical > kStickThreshold && Inside(horizontal);
    case 3: return horizontal < -kStickThreshold && Inside(vertical);
    default: return false;
  }
}

bool ButtonBinding::IsPressed() { return JoystickButton(button); }
std::string ButtonBinding::ToText() { return "Button " + std::to_string(button); }
bool ButtonBinding::Fits(const PadControls& pad) const { return Below(button, pad.buttons); }

bool AxisBinding::IsPressed() {
  if (!joystick) return false;
  return StickPushed(SDL_JoystickGetAxis(joystick, axis), SDL_JoystickGetAxis(joystick, axis + 1), direction);
}
std::string AxisBinding::ToText() {
  return "Joystick " + std::to_string(axis) + " " + std::to_string(direction);
}
// The pair's second axis may be missing (a pad with an odd number of axes): SDL reads it as centred.
bool AxisBinding::Fits(const PadControls& pad) const { return Below(axis, pad.axes) && Below(direction, kStickDirections); }

bool HatBinding::IsPressed() { return JoystickHat(hat) == value; }
std::string HatBinding::ToText() { return "Hat " + std::to_string(hat) + " " + std::to_string(value); }
bool HatBinding::Fits(const PadControls& pad) const {
  return Below(hat, pad.hats) && std::find(std::begin(kHatPositions), std::end(kHatPositions), value) != std::end(kHatPositions);
}

Gamepad::Gamepad(const Gamepad& other) : padName(other.padName) {
  for (int i = 0; i < kPadButtonCount; ++i) bindings[i] = other.bindings[i] ? other.bindings[i]->Clone() : nullptr;
}

Gamepad::Gamepad(Gamepad&& other) noexcept : padName(std::move(other.padName)) {
  for (int i = 0; i < kPadButtonCount; ++i) std::swap(bindings[i], other.bindings[i]);
}

Gamepad& Gamepad::operator=(const Gamepad& other) {
  if (this == &other) return *this;
  Gamepad copy(other);
  DeleteBindings();
  padName = copy.padName;
  for (int i = 0; i < kPadButtonCount; ++i) std::swap(bindings[i], copy.bindings[i]);
  return *this;
}

Gamepad::~Gamepad() { DeleteBindings(); }

void Gamepad::SetBinding(int index, GamepadBinding* binding) {
  if (index < 0 || index >= kPadButtonCount) {
    delete binding;
    return;
  }
  delete bindings[index];
  bindings[index] = binding;
}

GamepadBinding* Gamepad::GetBinding(int index) {
  return (index >= 0 && index < kPadButtonCount) ? bindings[index] : nullptr;
}

void Gamepad::DeleteBindings() {
  for (GamepadBinding*& binding : bindings) {
    delete binding;
    binding = nullptr;
  }
}

bool Gamepad::IsComplete() const {
  if (padName.empty()) return false;
  for (GamepadBinding* binding : bindings) {
    if (!binding) return false;
  }
  return true;
}

void ReadGamepadConfigs(const std::string& attachedName, const PadControls& attached) {
  std::ifstream file(kGamepadFile);
  if (!file) return;
  std::string name;
  while (std::getline(file, name)) {
    // Records now end their line, which leaves the rest of the last binding's line empty and the
    // name on the next one. Files written before that carry the name straight after the last
    // number on the same line, and still read as they always did.
    if (name.empty() && !std::getline(file, name)) break;
    const PadControls& pad = name == attachedName ? attached : kAnyPad;
    Gamepad record;
    record.padName = name;
    for (int i = 0; i < kPadButtonCount; ++i) {
      GamepadBinding* binding = ReadBinding(file);
      // A control the pad does not have (a negative number, or one past its last) would have SDL
      // read outside its state tables: such a binding counts as damaged.
      if (binding && !binding->Fits(pad)) {
        delete binding;
        binding = nullptr;
      }
      record.SetBinding(i, binding);
    }
    // A damaged or hand-edited record with a missing control would leave a button dead: skip it.
    if (!record.IsComplete()) {
      Log("Skipped a damaged gamepad configuration: " + name);
      continue;
    }
    Log("Found config: " + name);
    gamepadConfigs.push_back(std::move(record));
  }
}

void LogGamepad(Gamepad& pad) {
  for (int i = 0; i < kPadButtonCount; ++i) {
    GamepadBinding* binding = pad.GetBinding(i);
    Log(std::string(kButtonNames[i]) + (binding ? binding->ToText() : "none"));
  }
}

void DetectGamepad() {
  joystickEnabled = false;
  Log("Checking for Gamepads");
  // Without joystick support (its start failed) the count may be an error, never a pad.
  if (SDL_NumJoysticks() <= 0) {
    Log("No Gamepads detected.");
    return;
  }
  joystick = SDL_JoystickOpen(0);
  const std::string name = SDL_JoystickName(0) ? SDL_JoystickName(0) : "";
  Log("Gamepad found: " + name);
  if (!joystick || SDL_JoystickNumHats(joystick) < kMinHats || SDL_JoystickNumButtons(joystick) < kMinButtons ||
      SDL_JoystickNumAxes(joystick) < kMinAxes) {
    Log("Gamepad not compatible.");
    return;
  }
  Log("Gamepad is compatible.");
  joystickEnabled = true;
  Log("Searching Gamepad configurations...");
  ReadGamepadConfigs(name, {SDL_JoystickNumButtons(joystick), SDL_JoystickNumAxes(joystick),
                            SDL_JoystickNumHats(joystick)});
  for (Gamepad& record : gamepadConfigs) {
    if (record.padName != name) continue;
    activeGamepad = record;
    Log("Found Gamepad configuration.");
    Log("Gamepad config:");
    LogGamepad(activeGamepad);
    return;
  }
  Log("Couldn't find Gamepad configuration.");
}

void SaveGamepadConfigs() {
  if (joystick) {
    SDL_JoystickClose(joystick);
    joystick = nullptr;
  }
  activeGamepad.DeleteBindings();
  if (gamepadConfigs.empty()) return;
  Log("Saving Gamepad configuration");
  std::ostringstream text;
  for (Gamepad& record : gamepadConfigs) {
    if (!record.IsComplete()) continue;
    text << record.padName << '\n';
    // Every binding ends its line, the last one too: a name written straight after the last
    // number, as files once had it, is read back into that number when it begins with a digit.
    for (GamepadBinding* binding : record.bindings) text << binding->ToText() << '\n';
  }
  gamepadConfigs.clear();
  // Replaced whole, where it was once cut to nothing and written anew: a full disk then lost
  // every mapping the player had set up.
  if (!ReplaceFile(kGamepadFile, text.str(), kPartialSuffix)) {
    Log(std::string("Error: could not write ") + kGamepadFile + "; the mappings from before stay");
  }
}

bool PadRight() { return Pressed(kPadRight); }
bool PadDown() { return Pressed(kPadDown); }
bool PadLeft() { return Pressed(kPadLeft); }
bool PadUp() { return Pressed(kPadUp); }
bool PadJump() { return Pressed(kPadJump); }
bool PadAction() { return Pressed(kPadAction); }
bool PadStart() { return Pressed(kPadStart); }
