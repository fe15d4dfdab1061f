#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>

#include "engine/log.h"
#include "entities/flag.h"
#include "entities/player.h"
#include "level_text.h"
#include "support/headless.h"
#include "world/special_graphics.h"
#include "world/tile_images.h"
#include "world/world.h"

namespace {
// The flag stands at (1000, 100): its base is (1001, 357, 52, 29).
class FlagTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.levelComplete = false;
    thePlayer = &hero;
    hero.x = 1010;
    hero.y = 340;
  }
  void TearDown() override {
    thePlayer = nullptr;
    world.levelComplete = false;
  }
  void Fall() {
    hero.airborne = true;
    hero.vy = -1;
  }

  Player hero;
  Flag flag{1000, 100};
};
}  // namespace

TEST_F(FlagTest, StartsAtTheFootOfThePoleAndWritesItsRecord) {
  EXPECT_EQ(flag.w, 100);
  EXPECT_EQ(flag.h, 298);
  EXPECT_EQ(flag.flagY, 357);
  EXPECT_TRUE(flag.snapToGround);
  std::ostringstream line;
  flag.WriteLevelLine(line);
  EXPECT_EQ(line.str(), "Flag 1000 100\n");
}

TEST_F(FlagTest, OnlyAFallingHeroReachingTheBaseRaisesIt) {
  hero.airborne = false;
  flag.Update();
  EXPECT_EQ(flag.touched, 0);

  hero.airborne = true;
  hero.vy = 3;
  flag.Update();
  EXPECT_EQ(flag.touched, 0);

  Fall();
  hero.y = 150;  // inside the pole's box but far above the base
  flag.Update();
  EXPECT_EQ(flag.touched, 0);

  hero.y = 340;
  hero.dead = true;
  flag.Update();
  EXPECT_EQ(flag.touched, 0);

  hero.dead = false;
  flag.Update();
  EXPECT_EQ(flag.touched, 1);
  EXPECT_GT(hero.vy, 0);
}

TEST_F(FlagTest, OnceTouchedItCannotBeTriggeredAgain) {
  Fall();
  flag.Update();
  ASSERT_EQ(flag.touched, 1);
  Fall();
  flag.Update();
  EXPECT_EQ(hero.vy, -1);
}

TEST_F(FlagTest, LevelCompletesExactlyWhenTheFlagReachesTheTop) {
  Fall();
  flag.Update();
  hero.x = 0;
  for (int frame = 2; frame < 120; ++frame) flag.Update();
  EXPECT_EQ(flag.flagY, 100 + 19);
  EXPECT_FALSE(world.levelComplete);
  flag.Update();
  EXPECT_EQ(flag.flagY, 100 + 17);
  EXPECT_TRUE(world.levelComplete);
  flag.Update();
  EXPECT_EQ(flag.flagY, 100 + 17);
}

TEST_F(FlagTest, WithNoHeroTheFlagJustWaits) {
  thePlayer = nullptr;
  flag.Update();
  EXPECT_EQ(flag.touched, 0);
  EXPECT_EQ(flag.flagY, 357);
}

TEST(SpecialGraphicsTest, LoadsAllNineWithMagentaKeysExceptTheFlag) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(LoadSpecialGraphics());
  for (Image* keyed : {&spikesImage, &waterImage, &springImages[0], &springImages[1], &checkpointImages[0],
                       &checkpointImages[1], &poleImages[0], &poleImages[1]}) {
    ASSERT_TRUE(keyed->IsLoaded()) << keyed->fileName;
    EXPECT_TRUE(keyed->surface->flags & SDL_SRCCOLORKEY) << keyed->fileName;
  }
  ASSERT_TRUE(flagImage.IsLoaded());
  EXPECT_FALSE(flagImage.surface->flags & SDL_SRCCOLORKEY);
  FreeSpecialGraphics();
  EXPECT_FALSE(spikesImage.IsLoaded());
  EXPECT_FALSE(flagImage.IsLoaded());
}

TEST(SpecialGraphicsTest, AMissingSpikesPictureStopsAtOnce) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(OpenLog("log.txt"));
  // A folder with no pictures at all: the first load fails and nothing after it is tried.
  ASSERT_EQ(chdir("Levels"), 0);
  EXPECT_FALSE(LoadSpecialGraphics());
  CloseLog();
  EXPECT_FALSE(waterImage.IsLoaded());
  EXPECT_FALSE(flagImage.IsLoaded());
  const auto errors = LogLinesStartingWith(ReadFile("../log.txt"), "Error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("spikes.png"), std::string::npos);
}
