#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/log.h"
#include "engine/state_manager.h"
#include "support/headless.h"

namespace {
std::vector<std::string> calls;

class RecordingScreen : public GameState {
 public:
  explicit RecordingScreen(std::string name) : name(std::move(name)) {}
  std::string name;
  void Init() override { calls.push_back(name + ".Init"); }
  void HandleEvents() override { calls.push_back(name + ".HandleEvents"); }
  void Render() override { calls.push_back(name + ".Render"); }
  void Logic() override { calls.push_back(name + ".Logic"); }
  void Cleanup() override { calls.push_back(name + ".Cleanup"); }
};

class StateManagerTest : public testing::Test {
 protected:
  RecordingScreen title{"Title"};
  RecordingScreen play{"Play"};
  RecordingScreen over{"Over"};
  GameStateManager manager;

  void SetUp() override {
    EnterGameDir();
    OpenLog("log.txt");
    calls.clear();
    manager.AddState(&title, "TitleScreen");
    manager.AddState(&play, "PlayLevel");
    manager.AddState(&over, "GameOver");
    manager.SetState("TitleScreen");
    calls.clear();
  }
};
}  // namespace

TEST_F(StateManagerTest, OnlyTheLastOfTwoRequestsInOneFrameIsCarriedOut) {
  manager.SignalStateChange("GameOver");
  manager.SignalStateChange("TitleScreen");
  EXPECT_TRUE(calls.empty());  // nothing happens before the next frame
  manager.ApplyPendingChange();
  EXPECT_EQ(calls, (std::vector<std::string>{"Title.Cleanup", "Title.Init"}));
  CloseLog();
  const std::string log = ReadFile("log.txt");
  EXPECT_NE(log.find("Signal State Change to GameOver\nSignal State Change to TitleScreen\n"), std::string::npos);
}

TEST_F(StateManagerTest, RequestingTheCurrentScreenRestartsIt) {
  manager.SetState("PlayLevel");
  calls.clear();
  manager.SignalStateChange("PlayLevel");
  manager.ApplyPendingChange();
  EXPECT_EQ(calls, (std::vector<std::string>{"Play.Cleanup", "Play.Init"}));
  EXPECT_FALSE(manager.pending);
  manager.ApplyPendingChange();  // a switch is carried out once
  EXPECT_EQ(calls.size(), 2u);
  CloseLog();
  const std::string log = ReadFile("log.txt");
  EXPECT_NE(log.find("Signal State Change to PlayLevel\nGamestate set to PlayLevel\n"), std::string::npos);
}

TEST_F(StateManagerTest, UnknownKeysAreLoggedAndIgnored) {
  manager.SignalStateChange("NoSuchScreen");
  EXPECT_FALSE(manager.pending);
  manager.SetState("NoSuchScreen");
  EXPECT_EQ(manager.currentKey, "TitleScreen");
  EXPECT_EQ(manager.CurrentState(), &title);
}
