#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "entities/hero_graphics.h"
#include "entities/player.h"
#include "hero_test_pixels.h"
#include "support/headless.h"
#include "world/world.h"

namespace fs = boost::filesystem;

namespace {
std::vector<std::string> LogLines() {
  std::istringstream text(ReadFile("log.txt"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> DesignedLoadOrder() {
  std::vector<std::string> paths;
  for (const char* folder : {"gfx/Tumbo Man/", "gfx/CA/"}) {
    for (int facing = 0; facing < 2; ++facing) {
      for (int frame = 0; frame < 6; ++frame) {
        paths.push_back(folder + std::to_string(facing) + "-" + std::to_string(frame) + ".png");
      }
    }
  }
  for (const char* path :
       {"gfx/Stats/health.png", "gfx/Stats/life.png", "gfx/Stats/money.png", "gfx/Fonts/Stat font.ttf",
        "gfx/Stats/effect_box.png", "gfx/Stats/effect_speed_up.png", "gfx/Stats/effect_jetpack.png",
        "gfx/Stats/effect_bar.png", "gfx/Tumbo Man/jetpack_off.png", "gfx/Tumbo Man/jetpack_on.png",
        "gfx/Entities/SpacePirate/Laser Shot/large.png"}) {
    paths.push_back(path);
  }
  for (int hat = 0; hat < 7; ++hat) {
    for (int view = 0; view < 3; ++view) paths.push_back("gfx/Hats/" + std::to_string(hat) + "-" + std::to_string(view) + ".png");
  }
  return paths;
}

bool Keyed(const Image& image) {
  return image.surface && (image.surface->flags & SDL_SRCCOLORKEY);
}

class HeroGraphicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    // Nothing loaded yet, whatever ran before: the tests see what one load leaves behind.
    FreePlayerGraphics();
    OpenLog("log.txt");
  }
  void TearDown() override {
    FreePlayerGraphics();
    CloseLog();
  }
};

TEST_F(HeroGraphicsTest, EverythingLoadsInTheDesignedOrderKeyedExceptTheOpaqueStats) {
  ASSERT_TRUE(LoadPlayerGraphics());
  std::vector<std::string> expected;
  for (const std::string& path : DesignedLoadOrder()) expected.push_back("Loaded " + path);
  EXPECT_EQ(expected, LogLines());
  EXPECT_TRUE(Keyed(heroFrames[1][1][5]));
  EXPECT_TRUE(Keyed(hatImages[0][2]));
  EXPECT_TRUE(Keyed(healthIcon));
  EXPECT_TRUE(Keyed(tankShotImage));
  EXPECT_FALSE(Keyed(lifeIcon));
  EXPECT_FALSE(Keyed(moneyIcon));
  EXPECT_FALSE(Keyed(effectBar));
  EXPECT_TRUE(statFont.IsLoaded());

  FreePlayerGraphics();
  EXPECT_FALSE(heroFrames[0][0][0].IsLoaded());
  EXPECT_FALSE(hatImages[6][2].IsLoaded());
  EXPECT_FALSE(statFont.IsLoaded());
  EXPECT_EQ("Freed gfx/Hats/6-2.png", LogLines().back());
}

TEST_F(HeroGraphicsTest, AMissingFileStopsTheLoadingThere) {
  // A game folder whose second look lacks its air frame facing right.
  const fs::path real = fs::read_symlink("gfx");
  fs::remove("gfx");
  fs::create_directory("gfx");
  for (fs::directory_iterator it(real); it != fs::directory_iterator(); ++it) {
    if (it->path().filename() != "CA") fs::create_directory_symlink(it->path(), fs::path("gfx") / it->path().filename());
  }
  fs::create_directory("gfx/CA");
  for (const char* frame : {"0-0.png", "0-1.png", "0-2.png"}) fs::create_symlink(real / "CA" / frame, fs::path("gfx/CA") / frame);

  EXPECT_FALSE(LoadPlayerGraphics());
  EXPECT_EQ("Error: couldn't load gfx/CA/0-3.png", LogLines().back());
  EXPECT_TRUE(heroFrames[1][0][2].IsLoaded());
  EXPECT_FALSE(healthIcon.IsLoaded());
  EXPECT_FALSE(hatImages[0][0].IsLoaded());
}

class HeroDrawTest : public HeroGraphicsTest {
 protected:
  Player hero;
  void SetUp() override {
    HeroGraphicsTest::SetUp();
    ASSERT_TRUE(LoadPlayerGraphics());
    world.cameraX = 0;
    world.cameraY = 0;
    hero.StartLevel(100, 100);
    hero.hat = 3;
  }
  std::vector<Uint32> Drawn() {
    ClearToBlack();
    hero.Draw();
    return Region(0, 0, 640, 480);
  }
  bool BodyVisible() { return !RegionBlank(100, 100, 32, 32); }
};

TEST_F(HeroDrawTest, TheSecondLookWearsNeitherHatNorJetpack) {
  hero.costume = 1;
  const std::vector<Uint32> plain = Drawn();
  EXPECT_TRUE(RegionBlank(100, 70, 32, 30));
  hero.SetEffect(1);
  EXPECT_EQ(plain, Drawn());

  hero.costume = 0;
  hero.effectActive = false;
  const std::vector<Uint32> ownLook = Drawn();
  EXPECT_FALSE(RegionBlank(100, 70, 32, 30));
  hero.SetEffect(1);
  EXPECT_NE(ownLook, Drawn());
}

TEST_F(HeroDrawTest, AfterAHitEverySecondFrameShowsTheHeroButNotAfterAStomp) {
  hero.Hurt();
  std::vector<bool> shown;
  for (int frame = 0; frame < 4; ++frame) {
    Drawn();
    shown.push_back(BodyVisible());
  }
  EXPECT_EQ((std::vector<bool>{true, false, true, false}), shown);

  hero.Bounce();
  for (int frame = 0; frame < 3; ++frame) {
    Drawn();
    EXPECT_TRUE(BodyVisible());
  }
}

TEST_F(HeroDrawTest, ADeadHeroWearsTheHatsThirdViewAndTheTankNeverShowsIt) {
  ClearToBlack();
  hatImages[3][2].Draw(100, 70);
  const std::vector<Uint32> deadView = Region(100, 70, 32, 30);
  ClearToBlack();
  hatImages[3][0].Draw(100, 70);
  ASSERT_NE(deadView, Region(100, 70, 32, 30));

  hero.Die();
  hero.frame = 4;
  Drawn();
  EXPECT_EQ(deadView, Region(100, 70, 32, 30));

  hero.dead = false;
  hero.EnterTank();
  hero.facing = 1;
  Drawn();
  std::vector<Uint32> tankHat = Region(179, 86, 32, 14);
  ClearToBlack();
  hatImages[3][1].Draw(179, 86);
  EXPECT_EQ(Region(179, 86, 32, 14), tankHat);
}

TEST_F(HeroDrawTest, TheFlyingTankShotIsDrawnAtItsPlace) {
  hero.tankShot.x = 400;
  hero.tankShot.y = 300;
  Drawn();
  EXPECT_TRUE(RegionBlank(400, 300, 12, 12));
  hero.tankShot.active = true;
  Drawn();
  EXPECT_FALSE(RegionBlank(400, 300, 12, 12));
}
}  // namespace
