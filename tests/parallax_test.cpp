#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "engine/parallax_background.h"
#include "support/headless.h"

namespace {
const Uint32 kLeftColour = 0x00FF0000;
const Uint32 kRightColour = 0x000000FF;

// A far layer whose left half is red and right half blue, and two see-through nearer layers,
// so the screen shows exactly where the far layer was drawn.
void WriteTestLayers() {
  SDL_Surface* far = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  SDL_Rect left = MakeRect(0, 0, 320, 480);
  SDL_Rect right = MakeRect(320, 0, 320, 480);
  SDL_FillRect(far, &left, kLeftColour);
  SDL_FillRect(far, &right, kRightColour);
  SDL_SaveBMP(far, "far.bmp");
  SDL_FillRect(far, nullptr, 0x00FF00FF);
  SDL_SaveBMP(far, "clear.bmp");
  SDL_FreeSurface(far);
}

Uint32 ScreenPixel(int x, int y) {
  return CheckedScreenPixel(x, y) & 0x00FFFFFF;
}

class ParallaxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    WriteTestLayers();
    ASSERT_TRUE(background.Load("far.bmp", "clear.bmp", "clear.bmp"));
  }
  void TearDown() override { background.Free(); }

  ParallaxBackground background;
};
}  // namespace

TEST_F(ParallaxTest, OffsetOfExactly640StaysAndDrawsLikeZero) {
  for (int i = 0; i < 4; ++i) background.ScrollRight(640);
  for (double offset : background.offsets) EXPECT_DOUBLE_EQ(offset, 640.0);

  SDL_FillRect(screen, nullptr, 0);
  background.Draw();
  EXPECT_EQ(ScreenPixel(0, 10), kLeftColour);
  EXPECT_EQ(ScreenPixel(319, 10), kLeftColour);
  EXPECT_EQ(ScreenPixel(320, 10), kRightColour);
  EXPECT_EQ(ScreenPixel(639, 10), kRightColour);
}

TEST_F(ParallaxTest, LayersMoveAtAQuarterHalfAndThreeQuarters) {
  background.ScrollRight(4);
  EXPECT_DOUBLE_EQ(background.offsets[0], 1.0);
  EXPECT_DOUBLE_EQ(background.offsets[1], 2.0);
  EXPECT_DOUBLE_EQ(background.offsets[2], 3.0);

  background.ScrollLeft(4);
  background.ScrollRight(1);
  EXPECT_DOUBLE_EQ(background.offsets[0], 0.25);
  EXPECT_DOUBLE_EQ(background.offsets[1], 0.5);
  EXPECT_DOUBLE_EQ(background.offsets[2], 0.75);
}

TEST_F(ParallaxTest, QuarterPixelsShowOnlyOnceTheyAddUpToAWholePixel) {
  SDL_FillRect(screen, nullptr, 0);
  background.ScrollRight(1);
  background.ScrollRight(1);
  background.ScrollRight(1);
  background.Draw();
  EXPECT_EQ(ScreenPixel(319, 10), kLeftColour);

  background.ScrollRight(1);
  background.Draw();
  EXPECT_EQ(ScreenPixel(319, 10), kRightColour);
  EXPECT_EQ(ScreenPixel(639, 10), kLeftColour);
}

TEST_F(ParallaxTest, ScrollingLeftPastZeroWrapsToTheEnd) {
  background.ScrollLeft(4);
  EXPECT_DOUBLE_EQ(background.offsets[0], 639.0);
  EXPECT_DOUBLE_EQ(background.offsets[1], 638.0);
  EXPECT_DOUBLE_EQ(background.offsets[2], 637.0);
  background.ScrollRight(4);
  EXPECT_DOUBLE_EQ(background.offsets[0], 640.0);
}

TEST_F(ParallaxTest, AFailedLayerLeavesTheLaterOnesUnloadedAndKeepsTheOldPaths) {
  ParallaxBackground other;
  EXPECT_FALSE(other.Load("far.bmp", "missing.bmp", "clear.bmp"));
  EXPECT_TRUE(other.layers[0].IsLoaded());
  EXPECT_FALSE(other.layers[1].IsLoaded());
  EXPECT_FALSE(other.layers[2].IsLoaded());
  EXPECT_EQ(other.LayerPath(0), "");
  other.Free();

  EXPECT_EQ(background.LayerPath(0), "far.bmp");
  EXPECT_EQ(background.LayerPath(2), "clear.bmp");
  EXPECT_EQ(background.LayerPath(3), "");
}
