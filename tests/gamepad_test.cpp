#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "engine/log.h"
#include "input/gamepad.h"
#include "support/headless.h"

namespace {
class GamepadFileTest : public testing::Test {
 protected:
  void SetUp() override {
    EnterGameDir();
    OpenLog("log.txt");
    gamepadConfigs.clear();
  }
  void TearDown() override { gamepadConfigs.clear(); }

  static Gamepad Record(const std::string& name, int firstButton) {
    Gamepad pad;
    pad.padName = name;
    pad.SetBinding(kPadRight, new AxisBinding(0, 1));
    pad.SetBinding(kPadDown, new AxisBinding(0, 2));
    pad.SetBinding(kPadLeft, new HatBinding(0, 8));
    pad.SetBinding(kPadUp, new HatBinding(0, 3));
    for (int i = kPadJump; i < kPadButtonCount; ++i) pad.SetBinding(i, new ButtonBinding(firstButton + i));
    return pad;
  }
};
}  // namespace

TEST_F(GamepadFileTest, RecordsSurviveAWriteAndARead) {
  const char* names[] = {"Pad One", "2In1 USB Joystick", "Other Pad 2", "  spaced  out  "};
  for (int i = 0; i < 4; ++i) gamepadConfigs.push_back(Record(names[i], 10 * i));
  SaveGamepadConfigs();
  EXPECT_TRUE(gamepadConfigs.empty());
  // Every record ends its line, so a name always starts one.
  const std::string text = ReadFile("gamepad.txt");
  EXPECT_NE(text.find("Button 6\n2In1 USB Joystick\n"), std::string::npos) << text;
  EXPECT_EQ(text.back(), '\n');

  ReadGamepadConfigs();
  ASSERT_EQ(gamepadConfigs.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(gamepadConfigs[i].padName, names[i]);
    for (int b = 0; b < kPadButtonCount; ++b) {
      EXPECT_EQ(gamepadConfigs[i].bindings[b]->ToText(), Record("x", 10 * i).bindings[b]->ToText());
    }
  }
}

TEST_F(GamepadFileTest, FilesOfTheOldLayoutReadAsBefore) {
  // Written before records ended their line: the next name straight after the last number.
  std::ofstream("gamepad.txt") << "Pad One\nJoystick 0 1\nJoystick 0 2\nHat 0 8\nHat 0 3\nButton 4\nButton 5\n"
                                  "Button 6Other Pad 2\nJoystick 0 1\nJoystick 0 2\nHat 0 8\nHat 0 3\nButton 14\n"
                                  "Button 15\nButton 16";
  ReadGamepadConfigs();
  ASSERT_EQ(gamepadConfigs.size(), 2u);
  EXPECT_EQ(gamepadConfigs[0].padName, "Pad One");
  EXPECT_EQ(gamepadConfigs[1].padName, "Other Pad 2");
  EXPECT_EQ(gamepadConfigs[0].bindings[kPadStart]->ToText(), "Button 6");
  EXPECT_EQ(gamepadConfigs[1].bindings[kPadStart]->ToText(), "Button 16");
}

TEST_F(GamepadFileTest, ShutDownWithoutRecordsLeavesTheFileAlone) {
  std::ofstream("gamepad.txt") << "hand written";
  SaveGamepadConfigs();
  EXPECT_EQ(ReadFile("gamepad.txt"), "hand written");
}

TEST_F(GamepadFileTest, DamagedRecordsAreSkipped) {
  std::ofstream("gamepad.txt") << "Good Pad\nButton 1\nButton 2\nButton 3\nButton 4\nButton 5\nButton 6\nButton 7"
                                  "Bad Pad\nButton 1\nWheel 2\nButton 3\nButton 4\nButton 5\nButton 6\nButton 7"
                                  "Cut Pad\nButton 1\nJoystick 0";
  ReadGamepadConfigs();
  ASSERT_GE(gamepadConfigs.size(), 1u);
  EXPECT_EQ(gamepadConfigs[0].padName, "Good Pad");
  for (Gamepad& pad : gamepadConfigs) EXPECT_TRUE(pad.IsComplete()) << pad.padName;
}

TEST(GamepadBindingTest, AStickCountsOnlyWhenPushedAlongOneAxis) {
  EXPECT_TRUE(StickPushed(0, -30000, 0));
  EXPECT_TRUE(StickPushed(30000, 100, 1));
  EXPECT_TRUE(StickPushed(-19999, 30000, 2));
  EXPECT_TRUE(StickPushed(-30000, 0, 3));
  EXPECT_FALSE(StickPushed(30000, -30000, 0));  // diagonal: neither up nor right
  EXPECT_FALSE(StickPushed(30000, -30000, 1));
  EXPECT_FALSE(StickPushed(20000, 0, 1));       // the threshold itself is not enough
  EXPECT_FALSE(StickPushed(30000, 20000, 1));   // the other axis must stay strictly inside
}

TEST(GamepadBindingTest, CopiesCloneTheirBindings) {
  Gamepad pad;
  pad.padName = "Pad";
  pad.SetBinding(kPadJump, new ButtonBinding(3));
  Gamepad copy = pad;
  ASSERT_NE(copy.bindings[kPadJump], pad.bindings[kPadJump]);
  EXPECT_EQ(copy.bindings[kPadJump]->ToText(), "Button 3");
  pad.DeleteBindings();
  EXPECT_EQ(copy.bindings[kPadJump]->ToText(), "Button 3");
  EXPECT_FALSE(PadJump());  // no pad attached: nothing is pressed
}

// A number below 0 or past the pad's last control was once kept and handed to SDL, which reads its
// state tables by that number: such a binding makes its record damaged. Records of the attached
// pad are held to its own controls, others to what any pad could have.
TEST_F(GamepadFileTest, BindingsToControlsThePadLacksMakeTheRecordDamaged) {
  auto record = [](const std::string& name, const std::string& right, const std::string& left, const std::string& jump) {
    return name + "\n" + right + "\nJoystick 0 2\n" + left + "\nHat 0 1\n" + jump + "\nButton 5\nButton 6\n";
  };
  std::ofstream("gamepad.txt") << record("Pad", "Joystick 2 1", "Hat 0 8", "Button 7")
                               << record("Pad", "Joystick 4 1", "Hat 0 8", "Button 4")
                               << record("Pad", "Joystick 0 1", "Hat 1 8", "Button 4")
                               << record("Pad", "Joystick 0 1", "Hat 0 8", "Button 8")
                               << record("Other", "Joystick 3 1", "Hat 5 8", "Button 40")
                               << record("Other", "Joystick -1 0", "Hat 0 8", "Button 4")
                               << record("Other", "Joystick 2147483647 1", "Hat 0 8", "Button 4")
                               << record("Other", "Joystick 0 4", "Hat 0 8", "Button 4")
                               << record("Other", "Joystick 0 1", "Hat -1 8", "Button 4")
                               << record("Other", "Joystick 0 1", "Hat 0 0", "Button 4")
                               << record("Other", "Joystick 0 1", "Hat 0 8", "Button -3");
  ReadGamepadConfigs("Pad", {8, 4, 1});
  ASSERT_EQ(gamepadConfigs.size(), 2u);
  EXPECT_EQ(gamepadConfigs[0].padName + " " + gamepadConfigs[0].bindings[kPadJump]->ToText(), "Pad Button 7");
  EXPECT_EQ(gamepadConfigs[1].padName + " " + gamepadConfigs[1].bindings[kPadJump]->ToText(), "Other Button 40");
  CloseLog();
  EXPECT_NE(ReadFile("log.txt").find("Skipped a damaged gamepad configuration: Pad"), std::string::npos);
}

// The file was once cut to nothing before the new records were written: a write that failed
// midway (a full disk) lost every mapping. A failed write now leaves the old file whole.
TEST_F(GamepadFileTest, AFailedWriteLeavesTheOldFileWhole) {
  gamepadConfigs.push_back(Record("Pad One", 0));
  SaveGamepadConfigs();
  const std::string before = ReadFile("gamepad.txt");
  // A folder where the new file would be written first makes the write fail.
  ASSERT_EQ(mkdir("gamepad.txt.tmp", 0755), 0);
  gamepadConfigs.push_back(Record("Pad Two", 10));
  SaveGamepadConfigs();
  rmdir("gamepad.txt.tmp");
  EXPECT_EQ(ReadFile("gamepad.txt"), before);
  CloseLog();
  EXPECT_NE(ReadFile("log.txt").find("Error: could not write gamepad.txt; the mappings from before stay"), std::string::npos);
}
