#include <gtest/gtest.h>

#include <vector>

#include "engine/engine.h"

namespace {
Uint32 fakeNow = 0;
Uint32 FakeTicks() { return fakeNow; }

class FrameGateTest : public testing::Test {
 protected:
  void SetUp() override {
    SetTickSource(FakeTicks);
    ResetFrameGate();
  }
  void TearDown() override {
    SetTickSource(nullptr);
    SetSleeper(nullptr);
  }
};

std::vector<Uint32> sleeps;
void SleepOnFakeClock(Uint32 micros) {
  sleeps.push_back(micros);
  fakeNow += micros / 1000;
}
}  // namespace

TEST_F(FrameGateTest, HoldsTheFrameUntilMoreThanTheIntervalHasPassed) {
  fakeNow = 1000;
  EXPECT_FALSE(FrameGate(11));  // the first call only starts the clock
  fakeNow = 1011;
  EXPECT_FALSE(FrameGate(11));
  fakeNow = 1012;
  EXPECT_TRUE(FrameGate(11));
  EXPECT_FALSE(FrameGate(11));  // measured again from the moment it opened
  fakeNow = 1024;
  EXPECT_TRUE(FrameGate(11));
}

TEST_F(FrameGateTest, LatenessIsNotMadeUp) {
  fakeNow = 0;
  FrameGate(11);
  fakeNow = 500;
  EXPECT_TRUE(FrameGate(11));
  fakeNow = 511;
  EXPECT_FALSE(FrameGate(11));
}

TEST_F(FrameGateTest, SurvivesTheTickCounterWrapping) {
  fakeNow = 0xFFFFFFF8u;
  FrameGate(11);
  fakeNow = 3;  // 11 ms later, after the wrap
  EXPECT_FALSE(FrameGate(11));
  fakeNow = 4;
  EXPECT_TRUE(FrameGate(11));
}

// The loop sleeps until two ticks are left, then naps: the frame still starts at 12 ms, no sooner.
TEST_F(FrameGateTest, TheRestSleepsAllButTheLastMillisecondsAndNeverOpensTheGate) {
  SetSleeper(SleepOnFakeClock);
  sleeps.clear();
  fakeNow = 1000;
  RestBeforeFrameGate(11);  // the gate has not started: nothing to wait for
  EXPECT_TRUE(sleeps.empty());
  FrameGate(11);
  fakeNow = 1003;
  int spins = 0;
  for (;;) {
    RestBeforeFrameGate(11);
    if (FrameGate(11)) break;
    ++spins;
    ++fakeNow;  // a spin lets a millisecond pass
  }
  EXPECT_EQ(sleeps, std::vector<Uint32>({7000, 250}));
  EXPECT_EQ(fakeNow, 1012u);
  EXPECT_EQ(spins, 2);
}

TEST(RectTest, FarCornerAndEdgesAreInside) {
  const SDL_Rect r = MakeRect(10, 20, 30, 40);
  EXPECT_TRUE(PointInRect(40, 60, r));
  EXPECT_TRUE(PointInRect(10, 20, r));
  EXPECT_FALSE(PointInRect(41, 60, r));
  EXPECT_FALSE(PointInRect(40, 61, r));
  EXPECT_FALSE(PointInRect(9, 30, r));
}

TEST(RectTest, RectanglesSharingAnEdgeOverlap) {
  EXPECT_TRUE(RectsOverlap(MakeRect(0, 0, 100, 10), MakeRect(100, 0, 50, 10)));
  EXPECT_FALSE(RectsOverlap(MakeRect(0, 0, 100, 10), MakeRect(101, 0, 50, 10)));
}

TEST(RectTest, ContainedRectanglesOverlapEitherWay) {
  const SDL_Rect big = MakeRect(0, 0, 100, 100);
  const SDL_Rect small = MakeRect(40, 40, 10, 10);
  EXPECT_TRUE(RectsOverlap(big, small));
  EXPECT_TRUE(RectsOverlap(small, big));
}

TEST(RectTest, APlusShapedCrossingIsNoOverlap) {
  const SDL_Rect tall = MakeRect(40, 0, 10, 100);
  const SDL_Rect wide = MakeRect(0, 40, 100, 10);
  EXPECT_FALSE(RectsOverlap(tall, wide));
  EXPECT_FALSE(RectsOverlap(wide, tall));
}
