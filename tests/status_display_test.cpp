#include <gtest/gtest.h>

#include "engine/engine.h"
#include "entities/hero_graphics.h"
#include "entities/level_timer.h"
#include "entities/player.h"
#include "entities/player_status_display.h"
#include "hero_test_pixels.h"
#include "support/headless.h"

namespace {
const int kBarX = 530;
const int kBarY = 33;

TEST(StatusTimeTest, SecondsAreTwoDigitsAndMinutesAreNotPadded) {
  LevelTimer timer;
  timer.seconds = 59;
  EXPECT_EQ("0:59", LevelTimeText(timer));
  timer.seconds = 60;
  EXPECT_EQ("1:00", LevelTimeText(timer));
  timer.seconds = 187;
  EXPECT_EQ("3:07", LevelTimeText(timer));
  timer.seconds = 600;
  EXPECT_EQ("10:00", LevelTimeText(timer));
}

TEST(StatusBarTest, TheJetpackBarLosesTenPixelsPerLaunch) {
  Player hero;
  hero.SetEffect(1);
  EXPECT_EQ(100, EffectBarWidth(hero.effectElapsed));
  hero.JetpackBoost();
  EXPECT_EQ(90, EffectBarWidth(hero.effectElapsed));
  for (int launch = 2; launch <= 9; ++launch) {
    hero.airborne = false;
    hero.JetpackBoost();
  }
  EXPECT_EQ(10, EffectBarWidth(hero.effectElapsed));
}

TEST(StatusBarTest, TheSpeedUpBarLosesAPixelPerTenFramesAndNeverGoesBelowZero) {
  EXPECT_EQ(100, EffectBarWidth(9));
  EXPECT_EQ(99, EffectBarWidth(10));
  EXPECT_EQ(0, EffectBarWidth(1000));
  EXPECT_EQ(0, EffectBarWidth(1001));
}

class StatusDrawTest : public ::testing::Test {
 protected:
  Player hero;
  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    ASSERT_TRUE(LoadPlayerGraphics());
    levelTimer.seconds = 0;
  }
  void TearDown() override { FreePlayerGraphics(); }
  void Draw() {
    ClearToBlack();
    hero.DrawStatus();
  }
  bool HeartAt(int index) {
    return PixelAt(screen, 60 + 20 * index, 10) == PixelAt(healthIcon.surface, 10, 10);
  }
  bool BarPixelAt(int column) {
    return PixelAt(screen, kBarX + column, kBarY) == PixelAt(effectBar.surface, column, 0);
  }
};

TEST_F(StatusDrawTest, OneHeartIsDrawnPerPointOfHealth) {
  hero.health = 3;
  Draw();
  EXPECT_TRUE(HeartAt(0) && HeartAt(1) && HeartAt(2));
  hero.health = 1;
  Draw();
  EXPECT_TRUE(HeartAt(0));
  EXPECT_FALSE(HeartAt(1));
  hero.health = 0;
  Draw();
  EXPECT_FALSE(HeartAt(0));
}

TEST_F(StatusDrawTest, TheTextIsBlueInAWhiteRingOnTheSceneWithoutABox) {
  hero.health = 0;
  Draw();
  int blue = 0;
  int white = 0;
  int other = 0;
  for (Uint32 pixel : Region(0, 0, 48, 20)) {
    if (pixel == SDL_MapRGB(screen->format, 0, 0, 255)) {
      ++blue;
    } else if (pixel == SDL_MapRGB(screen->format, 255, 255, 255)) {
      ++white;
    } else if (pixel != SDL_MapRGB(screen->format, 0, 0, 0)) {
      ++other;
    }
  }
  EXPECT_GT(blue, 20);
  EXPECT_GT(white, blue / 2);
  EXPECT_EQ(0, other);
}

TEST_F(StatusDrawTest, ThePowerUpShowsItsIconAndABarAsWideAsWhatIsLeft) {
  hero.effectActive = false;
  Draw();
  const std::vector<Uint32> emptyBox = Region(610, 0, 30, 30);
  EXPECT_FALSE(BarPixelAt(0));

  hero.SetEffect(1);
  Draw();
  EXPECT_NE(emptyBox, Region(610, 0, 30, 30));
  EXPECT_TRUE(BarPixelAt(0));
  EXPECT_TRUE(BarPixelAt(45));

  hero.effectElapsed = 900;
  Draw();
  EXPECT_TRUE(BarPixelAt(9));
  // Up to the ring of the time text, which starts a pixel before x 580.
  EXPECT_TRUE(RegionBlank(kBarX + 10, kBarY, 39, 2));
}
}  // namespace
