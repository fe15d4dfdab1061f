#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/game_main.h"
#include "engine/engine.h"
#include "engine/exit_handlers.h"
#include "support/headless.h"

namespace {
const int kFramesBeforeQuit = 30;
Uint32 fakeNow = 0;
int tickReads = 0;

// Advances 12 ms per reading and closes the window after a few frames, so the whole program
// runs in-process without waiting on the real clock.
Uint32 ClockThatQuits() {
  if (++tickReads == kFramesBeforeQuit * 3) {
    SDL_Event quit;
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
  }
  return fakeNow += 12;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == line) return i;
  }
  return lines.size();
}

// Runs the whole program in a fresh game folder until the window closes; its log.
std::vector<std::string> RunGameUntilClosed() {
  EnterGameDir();
  tickReads = 0;
  SetTickSource(ClockThatQuits);
  EXPECT_EQ(GameMain(false), 0);
  RunExitHandlers();
  SetTickSource(nullptr);
  return Lines(ReadFile("log.txt"));
}
}  // namespace

TEST(GameMainTest, RunsFromStartUpToCleaningUpWhenTheWindowIsClosed) {
  const std::vector<std::string> log = RunGameUntilClosed();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "SDL Initialized...");
  EXPECT_EQ(log.back(), "Cleaning up...");
  const std::vector<std::string> startUp = {"SDL Initialized...", "SDL_ttf Initialized...", "FMOD initalized...",
                                            "Video component initialized...", "Game Engine Initialized.",
                                            "Checking for Gamepads", "Reading Save Data",
                                            "GameState added: ViewMap", "GameState added: Ending",
                                            "Gamestate set to TitleScreen"};
  size_t previous = 0;
  for (const std::string& line : startUp) {
    const size_t at = IndexOf(log, line);
    ASSERT_LT(at, log.size()) << line;
    EXPECT_GE(at, previous) << line;
    previous = at;
  }
  // The save file is written on the way out.
  EXPECT_EQ(ReadFile("save.txt"), "0\n0\n0\n0\n1\n0\n0\n0\n0\n0\n1\n0");
}

TEST(EngineStartupTest, AFailedVideoStartLeavesItsErrorThenCleaningUp) {
  EnterGameDir();
  // The video step fails after SDL, SDL_ttf and sound have started.
  SetVideoOpener([](int, int, bool) -> SDL_Surface* { return nullptr; });
  EXPECT_FALSE(EngineInit("Tumbo", 640, 480, false));
  SetVideoOpener(nullptr);
  EXPECT_EQ(engineFailure, "video");
  RunExitHandlers();
  const std::vector<std::string> log = Lines(ReadFile("log.txt"));
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Error: Failed to Initialize Video!");
  EXPECT_EQ(log.back(), "Cleaning up...");
  EXPECT_EQ(IndexOf(log, "Game Engine Initialized."), log.size());
}

TEST(EngineStartupTest, PlaysSilentlyWithoutAnAudioDevice) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  const std::vector<std::string> log = RunGameUntilClosed();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Cleaning up...");
  for (const char* line : {"SDL Initialized...", "FMOD initalized...", "Game Engine Initialized.",
                           "Gamestate set to TitleScreen"}) {
    EXPECT_LT(IndexOf(log, line), log.size()) << line;
  }
  int audioFailures = 0;
  for (const std::string& line : log) audioFailures += line.rfind("Error: Failed to Initialize SDL audio", 0) == 0;
  // The classic library starts audio anyway and leaves the failure to opening the device.
  EXPECT_LE(audioFailures, 1);
}
