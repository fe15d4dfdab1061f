#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_main.h"
#include "engine/engine.h"
#include "engine/state_manager.h"
#include "input/input.h"
#include "support/headless.h"

namespace {
std::vector<std::string> calls;
Uint32 fakeNow = 0;
Uint32 AdvancingTicks() { return fakeNow += 12; }

// Requests a switch from HandleEvents when told to, and records every call.
class SwitchingScreen : public GameState {
 public:
  SwitchingScreen(std::string name, std::string target) : name(std::move(name)), target(std::move(target)) {}
  std::string name;
  std::string target;
  bool requestNow = false;
  void Init() override { calls.push_back(name + ".Init"); }
  void HandleEvents() override {
    calls.push_back(name + ".HandleEvents");
    if (requestNow) SignalStateChange(target);
    requestNow = false;
  }
  void Render() override { calls.push_back(name + ".Render"); }
  void Logic() override { calls.push_back(name + ".Logic"); }
  void Cleanup() override { calls.push_back(name + ".Cleanup"); }
};

class MainLoopTest : public testing::Test {
 protected:
  SwitchingScreen first{"First", "Second"};
  SwitchingScreen second{"Second", "First"};

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    SetTickSource(AdvancingTicks);
    ResetFrameGate();
    stateManager = GameStateManager();
    stateManager.AddState(&first, "First");
    stateManager.AddState(&second, "Second");
    stateManager.SetState("First");
    while (SDL_PollEvent(&inputEvent)) {
    }
    inputEvent.type = SDL_NOEVENT;
    calls.clear();
    GameRunning = true;
  }
  void TearDown() override { SetTickSource(nullptr); }

  void RunOneFrame() {
    while (!RunFrame()) {
    }
  }
};
}  // namespace

TEST_F(MainLoopTest, ASwitchRequestedInHandleEventsTakesEffectAtTheNextFrame) {
  first.requestNow = true;
  RunOneFrame();
  RunOneFrame();
  EXPECT_EQ(calls, (std::vector<std::string>{"First.HandleEvents", "First.Logic", "First.Render", "First.Cleanup",
                                             "Second.Init", "Second.HandleEvents", "Second.Logic",
                                             "Second.Render"}));
}

TEST_F(MainLoopTest, AQuitEndsTheLoopAfterItsFrameAndDropsThatFramesSwitch) {
  SDL_Event quit;
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  first.requestNow = true;
  RunOneFrame();
  EXPECT_FALSE(GameRunning);
  EXPECT_EQ(calls, (std::vector<std::string>{"First.HandleEvents", "First.Logic", "First.Render"}));
  // The exit sequence cleans up the screen that was current, not the requested one.
  EXPECT_EQ(stateManager.CurrentState(), &first);
}

TEST_F(MainLoopTest, OneEventIsTakenPerFrameAndTheLastOneStaysCurrent) {
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_DOWN;
  SDL_PushEvent(&key);
  key.key.keysym.sym = SDLK_UP;
  SDL_PushEvent(&key);
  RunOneFrame();
  EXPECT_EQ(inputEvent.key.keysym.sym, SDLK_DOWN);
  RunOneFrame();
  EXPECT_EQ(inputEvent.key.keysym.sym, SDLK_UP);
  RunOneFrame();  // nothing new: the old key-down is seen again
  EXPECT_EQ(inputEvent.type, SDL_KEYDOWN);
  EXPECT_EQ(inputEvent.key.keysym.sym, SDLK_UP);
}

TEST_F(MainLoopTest, ARightClickStaysSeenUntilTheNextEventArrives) {
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.button = SDL_BUTTON_RIGHT;
  SDL_PushEvent(&click);
  RunOneFrame();
  EXPECT_TRUE(mouseRightClicked);
  RunOneFrame();
  EXPECT_TRUE(mouseRightClicked);
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.x = 120;
  motion.motion.y = 77;
  SDL_PushEvent(&motion);
  RunOneFrame();
  EXPECT_FALSE(mouseRightClicked);
  EXPECT_EQ(mouseX, 120);
  EXPECT_EQ(mouseY, 77);
}

TEST_F(MainLoopTest, TheLeftButtonIsALevelUntilReleased) {
  SDL_Event press{};
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.button = SDL_BUTTON_LEFT;
  SDL_PushEvent(&press);
  RunOneFrame();
  RunOneFrame();
  EXPECT_TRUE(mouseLeftDown);
  SDL_Event release = press;
  release.type = SDL_MOUSEBUTTONUP;
  SDL_PushEvent(&release);
  RunOneFrame();
  EXPECT_FALSE(mouseLeftDown);
}

TEST_F(MainLoopTest, HeldKeysAreReadFromTheKeyStateArray) {
  SDL_GetKeyState(nullptr)[SDLK_RIGHT] = 1;
  RunOneFrame();
  EXPECT_TRUE(IsKeyDown(SDLK_RIGHT));
  EXPECT_FALSE(IsKeyDown(SDLK_LEFT));
  SDL_GetKeyState(nullptr)[SDLK_RIGHT] = 0;
  EXPECT_FALSE(IsKeyDown(SDLK_RIGHT));
}
