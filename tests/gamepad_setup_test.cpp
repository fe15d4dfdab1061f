#include "screens/gamepad_setup.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/state_manager.h"
#include "screens/blank_screen.h"
#include "support/headless.h"

namespace {
const int kPushed = 30000;

PadSnapshot Pad(std::vector<int> axes, std::vector<bool> buttons, std::vector<Uint8> hats) {
  PadSnapshot pad;
  pad.axes = axes;
  pad.buttons = buttons;
  pad.hats = hats;
  return pad;
}

std::string Captured(const PadSnapshot& pad) {
  std::unique_ptr<GamepadBinding> binding(CaptureBinding(pad));
  return binding ? binding->ToText() : "none";
}

Gamepad Record(const std::string& name, int firstButton) {
  Gamepad record;
  record.padName = name;
  for (int i = 0; i < kPadButtonCount; ++i) record.SetBinding(i, new ButtonBinding(firstButton + i));
  return record;
}

class GamepadSetupTest : public testing::Test {
 protected:
  GamepadSetup setup;
  BlankScreen title;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    stateManager.AddState(&title, "TitleScreen");
    gamepadConfigs.clear();
    activeGamepad.DeleteBindings();
  }
  void TearDown() override {
    setup.Cleanup();
    stateManager.pending = false;
  }
};
}  // namespace

TEST_F(GamepadSetupTest, WithoutAJoystickGoesStraightBackToTheTitle) {
  ASSERT_EQ(0, SDL_NumJoysticks());
  setup.Init();
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
  stateManager.pending = false;
  for (int i = 0; i < 3; ++i) {
    setup.HandleEvents();
    setup.Logic();
    setup.Render();
  }
  EXPECT_FALSE(stateManager.pending);
  EXPECT_TRUE(gamepadConfigs.empty());
}

TEST_F(GamepadSetupTest, CaptureTakesSticksThenButtonsThenHats) {
  EXPECT_EQ("none", Captured(Pad({0, 0, 0, 0}, {false, false}, {SDL_HAT_CENTERED})));
  EXPECT_EQ("Joystick 0 0", Captured(Pad({0, -kPushed}, {true}, {SDL_HAT_UP})));
  EXPECT_EQ("Joystick 2 3", Captured(Pad({0, 0, -kPushed, 0}, {true}, {})));
  EXPECT_EQ("Button 1", Captured(Pad({0, 0}, {false, true, true}, {SDL_HAT_LEFT})));
  EXPECT_EQ("Hat 1 4", Captured(Pad({}, {}, {SDL_HAT_CENTERED, SDL_HAT_DOWN})));
  // A diagonal stick counts as no direction; a diagonal hat keeps its own mask.
  EXPECT_EQ("none", Captured(Pad({kPushed, kPushed}, {}, {})));
  EXPECT_EQ("Hat 0 3", Captured(Pad({kPushed, kPushed}, {}, {SDL_HAT_RIGHTUP})));
  // The last axis of an odd count has no partner and reads as a centred vertical.
  EXPECT_EQ("Joystick 2 1", Captured(Pad({0, 0, kPushed}, {}, {})));
}

TEST_F(GamepadSetupTest, HeldButtonIsTakenAgainOnlyAfterTheWait) {
  setup.Start("Pad");
  const PadSnapshot held = Pad({0, 0}, {false, false, true}, {});
  for (int i = 0; i < GamepadSetup::kWaitFrames - 1; ++i) setup.TakeInput(held);
  EXPECT_EQ(0, setup.step);
  setup.TakeInput(held);
  ASSERT_EQ(1, setup.step);
  for (int i = 0; i < GamepadSetup::kWaitFrames - 1; ++i) setup.TakeInput(held);
  EXPECT_EQ(1, setup.step);
  setup.TakeInput(held);
  EXPECT_EQ(2, setup.step);
  EXPECT_EQ("Button 2", setup.newRecord.GetBinding(1)->ToText());
}

TEST_F(GamepadSetupTest, FinishedRecordReplacesTheSameNamedOneAndIsActive) {
  gamepadConfigs.push_back(Record("Other Pad", 20));
  gamepadConfigs.push_back(Record("Pad", 10));
  setup.Start("Pad");
  for (int button = 0; button < kPadButtonCount; ++button) {
    std::vector<bool> buttons(kPadButtonCount, false);
    buttons[button] = true;
    for (int i = 0; i < GamepadSetup::kWaitFrames; ++i) setup.TakeInput(Pad({}, buttons, {}));
  }
  ASSERT_TRUE(setup.Finished());

  // As if entered with a pad attached; its art is simply not loaded.
  setup.active = true;
  setup.Logic();
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
  ASSERT_EQ(2u, gamepadConfigs.size());
  EXPECT_EQ("Button 20", gamepadConfigs[0].bindings[0]->ToText());
  EXPECT_EQ("Pad", gamepadConfigs[1].padName);
  EXPECT_EQ("Button 6", gamepadConfigs[1].bindings[kPadStart]->ToText());
  EXPECT_EQ("Button 6", activeGamepad.bindings[kPadStart]->ToText());
  EXPECT_NE(setup.newRecord.bindings[0], activeGamepad.bindings[0]);

  StoreGamepadRecord(Record("New Pad", 30));
  ASSERT_EQ(3u, gamepadConfigs.size());
  EXPECT_EQ("New Pad", activeGamepad.padName);
}

TEST_F(GamepadSetupTest, EscapeLeavesWithNothingStored) {
  setup.Start("Pad");
  setup.active = true;
  Uint8* keys = SDL_GetKeyState(nullptr);
  keys[SDLK_ESCAPE] = 1;
  setup.HandleEvents();
  setup.Logic();
  keys[SDLK_ESCAPE] = 0;
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
  EXPECT_EQ(0, setup.step);
  EXPECT_TRUE(gamepadConfigs.empty());
}
