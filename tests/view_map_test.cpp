#include "screens/view_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "level_text.h"
#include "support/headless.h"
#include "world/world.h"

namespace {
class ViewMapTest : public testing::Test {
 protected:
  ViewMap map;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    keys = SDL_GetKeyState(nullptr);
  }
  void TearDown() override {
    keys[SDLK_RIGHT] = keys[SDLK_DOWN] = keys[SDLK_LEFT] = keys[SDLK_UP] = 0;
    map.Cleanup();
  }
  void Frame() {
    map.HandleEvents();
    map.Logic();
    map.Render();
  }
};
}  // namespace

TEST_F(ViewMapTest, ArrowsMoveTheCameraEachOnItsOwn) {
  // The game ships no overview level; the screen then shows an empty picture.
  map.Init();
  Frame();
  EXPECT_EQ(0, world.width);
  map.Cleanup();

  std::string emptyRow = "0";
  for (int col = 1; col < 40; ++col) emptyRow += " 0";
  WriteText("Levels/TumboWorld.level", LevelText(40, 30, std::vector<std::string>(30, emptyRow)));
  map.Init();
  ASSERT_EQ(40, world.width);

  keys[SDLK_RIGHT] = keys[SDLK_DOWN] = 1;
  Frame();
  Frame();
  EXPECT_EQ(8, world.cameraX);
  EXPECT_EQ(8, world.cameraY);

  keys[SDLK_DOWN] = 0;
  keys[SDLK_LEFT] = 1;
  Frame();
  EXPECT_EQ(8, world.cameraX);
  EXPECT_EQ(8, world.cameraY);
  keys[SDLK_RIGHT] = 0;
  keys[SDLK_UP] = 1;
  Frame();
  EXPECT_EQ(4, world.cameraX);
  EXPECT_EQ(4, world.cameraY);
}
