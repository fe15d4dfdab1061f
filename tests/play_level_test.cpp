#include "screens/play_level.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/startup_loading.h"
#include "engine/log.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "entities/level_timer.h"
#include "entities/registry.h"
#include "input/input.h"
#include "level_text.h"
#include "screens/blank_screen.h"
#include "support/headless.h"
#include "world/world.h"

namespace {
long long fakeNow = 0;
long long FakeClock() { return fakeNow; }
const long long kFrameMs = 11;

// A flat 20x10 level: the hero starts at column 2 on a grass floor, a coin floats far ahead.
std::string FlatLevel() {
  std::vector<std::string> rows(10, "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
  rows[7] = "0 0 16 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
  rows[8] = rows[9] = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
  return LevelText(20, 10, rows, "Money 512 160\n");
}

class PlayLevelTest : public testing::Test {
 protected:
  PlayLevel screen;
  BlankScreen elsewhere;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    InitStoryAndSave();
    for (const char* key : {"TitleScreen", "GameOver", "Ending"}) stateManager.AddState(&elsewhere, key);
    stateManager.AddState(&screen, "PlayLevel");
    keys = SDL_GetKeyState(nullptr);
    fakeNow = 0;
    SetLevelClock(FakeClock);
    WriteText("Levels/Flat.level", FlatLevel());
    currentLevelFile = "Levels/Flat.level";
  }
  void TearDown() override {
    for (SDLKey key : {SDLK_RETURN, SDLK_RIGHT, SDLK_ESCAPE}) keys[key] = 0;
    stateManager.pending = false;
    stateManager.currentKey.clear();
    screen.Cleanup();
    SetLevelClock(nullptr);
    world.levelComplete = false;
    money = 0;
    lives = kStartingLives;
  }
  void Start() { screen.Init(); }
  void Frame() {
    screen.HandleEvents();
    screen.Logic();
    screen.Render();
    fakeNow += kFrameMs;
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
  }
  void SkipTitleCard() { Frames(PlayLevel::kTitleCardFrames); }
  void FinishLevel() {
    world.levelComplete = true;
    Frame();
  }
  // Runs frames until the hero's death fall has ended and the screen has dealt with it.
  void DieAndFall() {
    screen.player.Die();
    for (int i = 0; i < 1000 && screen.player.dead; ++i) Frame();
  }
};
}  // namespace

TEST_F(PlayLevelTest, TitleCardHoldsEverythingStillFor200Frames) {
  Start();
  const int startX = screen.player.x;
  keys[SDLK_RIGHT] = 1;
  Frames(PlayLevel::kTitleCardFrames - 1);
  EXPECT_TRUE(screen.showingTitleCard);
  EXPECT_EQ(startX, screen.player.x);
  EXPECT_EQ(0, levelTimer.seconds);
  Frame();
  EXPECT_FALSE(screen.showingTitleCard);
  EXPECT_EQ(startX, screen.player.x);

  // The timer's deadline was set before the card, so the first play frame already counts a second.
  Frame();
  EXPECT_GT(screen.player.x, startX);
  EXPECT_EQ(1, levelTimer.seconds);
}

TEST_F(PlayLevelTest, HeldEnterTogglesThePauseOncePerPress) {
  Start();
  SkipTitleCard();
  keys[SDLK_RETURN] = 1;
  Frames(30);
  EXPECT_TRUE(screen.paused);

  // Paused, the hero does not move and the level time stands still.
  keys[SDLK_RETURN] = 0;
  keys[SDLK_RIGHT] = 1;
  const int x = screen.player.x;
  const int seconds = levelTimer.seconds;
  fakeNow += 60000;
  Frames(10);
  EXPECT_EQ(x, screen.player.x);
  EXPECT_EQ(seconds, levelTimer.seconds);

  keys[SDLK_RETURN] = 1;
  Frames(30);
  EXPECT_FALSE(screen.paused);
  EXPECT_EQ(seconds + 1, levelTimer.seconds);
}

TEST_F(PlayLevelTest, MinimisingPausesUntilEnter) {
  Start();
  SkipTitleCard();
  inputEvent.type = SDL_ACTIVEEVENT;
  inputEvent.active.gain = 0;
  inputEvent.active.state = SDL_APPACTIVE;
  Frame();
  EXPECT_TRUE(screen.paused);
  inputEvent.type = SDL_NOEVENT;
  Frames(5);
  EXPECT_TRUE(screen.paused);
  keys[SDLK_RETURN] = 1;
  Frame();
  EXPECT_FALSE(screen.paused);
}

TEST_F(PlayLevelTest, ResultsCountTheMoneyUpOnePerFrame) {
  money = 40;
  Start();
  SkipTitleCard();
  screen.player.levelMoney = 12;
  FinishLevel();
  ASSERT_TRUE(screen.showingResults);
  EXPECT_EQ(52, money);
  EXPECT_EQ(40, screen.displayedMoney);
  Frames(5);
  EXPECT_EQ(45, screen.displayedMoney);
  Frames(20);
  EXPECT_EQ(52, screen.displayedMoney);
  EXPECT_EQ(52, money);
}

TEST_F(PlayLevelTest, EnterOnTheResultsGoesToTheNextLevelEvenWhileCounting) {
  money = 40;
  Start();
  SkipTitleCard();
  screen.player.levelMoney = 12;
  FinishLevel();
  Frames(3);
  keys[SDLK_RETURN] = 1;
  Frame();
  EXPECT_EQ(1, currentLevel);
  EXPECT_EQ("Levels/TumboWorld2.level", currentLevelFile);
  EXPECT_EQ("PlayLevel", stateManager.pendingKey);
  EXPECT_FALSE(world.levelComplete);
  EXPECT_EQ(52, money);
}

TEST_F(PlayLevelTest, TheNextLevelKeepsItsWorldsBackgroundAndFreesAnother) {
  const std::string tumboFar = "gfx/Backgrounds/TumboWorld/layer1.png";
  const std::string blorpFar = "gfx/Backgrounds/Blorp/layer1.png";
  std::string blorpLevel = FlatLevel();
  blorpLevel.replace(0, TumboLayers().size(), blorpFar + "\n" + blorpFar + "\n" + blorpFar + "\n");
  WriteText("Levels/Blorp.level", blorpLevel);
  ASSERT_TRUE(OpenLog("log.txt"));
  stateManager.SetState("PlayLevel");
  SDL_Surface* far = world.background.layers[0].surface;
  world.background.offsets[0] = 100;
  stateManager.SignalStateChange("PlayLevel");
  stateManager.ApplyPendingChange();
  EXPECT_EQ(far, world.background.layers[0].surface);
  EXPECT_EQ(0, world.background.offsets[0]);

  currentLevelFile = "Levels/Blorp.level";
  stateManager.SignalStateChange("PlayLevel");
  stateManager.ApplyPendingChange();
  CloseLog();
  const std::string log = ReadFile("log.txt");
  EXPECT_EQ(1u, LogLinesStartingWith(log, "Loaded " + tumboFar).size());
  EXPECT_EQ(1u, LogLinesStartingWith(log, "Freed " + tumboFar).size());
  EXPECT_EQ(blorpFar, world.background.paths[0]);
}

TEST_F(PlayLevelTest, EnterAfterTheTenthLevelRequestsTheEnding) {
  currentLevel = 9;
  Start();
  SkipTitleCard();
  FinishLevel();
  keys[SDLK_RETURN] = 1;
  Frame();
  EXPECT_EQ(9, currentLevel);
  EXPECT_EQ("Ending", stateManager.pendingKey);
  EXPECT_FALSE(world.levelComplete);
}

TEST_F(PlayLevelTest, DeathsCostLivesUntilGameOver) {
  lives = 1;
  Start();
  screen.player.lifeCount = 2;  // an extra life picked up on the way
  SkipTitleCard();
  ASSERT_FALSE(entityList.empty());
  const int coinX = entityList[0]->x;
  entityList[0]->x += 100;

  DieAndFall();
  EXPECT_TRUE(screen.player.alive);
  EXPECT_EQ(0, lives);
  EXPECT_EQ(1, screen.player.lifeCount);
  EXPECT_FALSE(stateManager.pending);
  ASSERT_EQ(1u, entityList.size());
  EXPECT_EQ(coinX, entityList[0]->x);

  DieAndFall();
  EXPECT_TRUE(stateManager.pending);
  EXPECT_EQ("GameOver", stateManager.pendingKey);
  EXPECT_EQ(kStartingLives, lives);
}

TEST_F(PlayLevelTest, AnExtraLifeAtTheCapStillCountsForTheNextLevel) {
  // An extra life raises the carried lives itself; the hero's own count stops at 9.
  Start();
  SkipTitleCard();
  screen.player.lifeCount = 9;
  lives = 10;
  FinishLevel();
  EXPECT_EQ(10, lives);
}

TEST_F(PlayLevelTest, EscapeLeavesForTheTitleFromTheTitleCard) {
  Start();
  keys[SDLK_ESCAPE] = 1;
  Frame();
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
}
