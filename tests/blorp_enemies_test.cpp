#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <memory>
#include <sstream>
#include <string>

#include "enemies/blorp.h"
#include "enemy_art.h"
#include "engine/rect.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "hero_test_world.h"
#include "level/object_types.h"
#include "support/enemy_test_world.h"
#include "support/level_records.h"
#include "world/tile_images.h"

namespace fs = boost::filesystem;

namespace {
const int kFloorTop = kFloorRow * kTileSize;

// Ground along row 9 of a wide level, with a wall at columns 1 and 28.
void BuildWalledFloor() {
  std::vector<std::string> rows(10, std::string(30, '.'));
  rows[kFloorRow] = std::string(30, '#');
  for (int row = 0; row < kFloorRow; ++row) rows[row][1] = rows[row][28] = '#';
  BuildHeroWorld(rows);
}

// The y at which a box of this height rests on the floor, as a landing leaves it.
int RestingY(int height) { return kFloorTop - 1 - height; }

class BlorpTest : public EnemyTestWorld {
 protected:
  void SetUp() override {
    UseHero(7);
    hero.x = 5000;
    BuildWalledFloor();
  }
  void StandHeroAt(int x, int y) {
    hero.x = x;
    hero.y = y;
    hero.airborne = false;
    hero.vy = 0;
    hero.invulnerable = false;
  }
  // The hero falls into the box's top by `depth` pixels.
  void DropHeroOnto(const GameObject& thing, int depth) {
    StandHeroAt(thing.x + 4, thing.y - hero.h + depth);
    hero.airborne = true;
    hero.vy = -5;
  }
};
}  // namespace

TEST_F(BlorpTest, StompedLargeBlorpReleasesThreeMediumsBelowItAndClearOfTheHero) {
  LargeBlorp large(320, RestingY(50), 0);
  DropHeroOnto(large, 20);
  large.Update();
  EXPECT_FALSE(large.active);
  EXPECT_GT(hero.vy, 0) << "the stomp bounces the hero";
  EXPECT_EQ(world.enemiesKilled, 1);
  EXPECT_EQ(world.enemyCount, 4);
  int pushed = 0;
  for (const MediumBlorp& child : large.children) {
    EXPECT_TRUE(child.active);
    EXPECT_TRUE(child.jumping);
    EXPECT_EQ(child.jumpSpeed, 0);
    EXPECT_GE(child.x, 320 - 35);
    EXPECT_LE(child.x, 320 + 49);
    EXPECT_FALSE(RectsOverlap(hero.Rect(), child.EntityRect()));
    // Pushed down only as far as the hero's box reaches.
    EXPECT_GE(child.y, large.y + 8);
    if (child.y > large.y + 8) {
      ++pushed;
      EXPECT_TRUE(RectsOverlap(hero.Rect(), MakeRect(child.x, child.y - 1, 35, 35)));
    }
    for (const SmallBlorp& grandchild : child.children) EXPECT_FALSE(grandchild.active);
  }
  EXPECT_GT(pushed, 0);

  // A dead parent still runs its children: they fall and land on the floor.
  hero.x = 5000;
  for (int frame = 0; frame < 10; ++frame) large.Update();
  for (const MediumBlorp& child : large.children) {
    EXPECT_FALSE(child.jumping);
    EXPECT_EQ(child.y, RestingY(35));
  }
}

TEST_F(BlorpTest, SplitsSpreadOverTheWholeRangeInBothDirections) {
  int leftmost = 1000;
  int rightmost = -1000;
  int facingRight = 0;
  const int splits = 400;
  for (int split = 0; split < splits; ++split) {
    MediumBlorp medium(0, 100, 0);
    medium.Kill();
    for (const SmallBlorp& child : medium.children) {
      leftmost = std::min(leftmost, child.x);
      rightmost = std::max(rightmost, child.x);
      facingRight += child.direction;
      EXPECT_EQ(child.y, 108);
    }
  }
  EXPECT_EQ(leftmost, -20);
  EXPECT_EQ(rightmost, 34);
  EXPECT_GT(facingRight, splits * 3 / 4);
  EXPECT_LT(facingRight, splits * 9 / 4);
}

TEST_F(BlorpTest, OneLargeBlorpIsThirteenKillsAndTwelveNewEnemies) {
  auto* large = new LargeBlorp(320, RestingY(50), 1);
  AddEntity(large);  // deleted through the base by ClearEntities, grandchildren and all
  large->Kill();
  large->Kill();
  for (MediumBlorp& medium : large->children) {
    medium.Kill();
    for (SmallBlorp& small : medium.children) {
      small.Kill();
      small.Kill();
    }
  }
  EXPECT_EQ(world.enemiesKilled, 13);
  EXPECT_EQ(world.enemyCount, 1 + 12);
}

TEST_F(BlorpTest, ABlorpSquashesRecoversAndHopsItsHeight) {
  SmallBlorp small(320, RestingY(20), 1);
  std::vector<int> frames;
  for (int frame = 0; frame < 18; ++frame) {
    small.Update();
    frames.push_back(small.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 2, 2, 2, 1, 1, 1, 0}));
  ASSERT_TRUE(small.jumping);
  EXPECT_EQ(small.y, RestingY(20) - 7) << "takes off in the frame the cycle ends";
  int top = small.y;
  int airborneFrames = 1;
  while (small.jumping && airborneFrames < 100) {
    small.Update();
    top = std::min(top, small.y);
    ++airborneFrames;
  }
  EXPECT_EQ(top, RestingY(20) - 28);
  EXPECT_EQ(small.y, RestingY(20));
  EXPECT_EQ(small.x, 320 + 3 * airborneFrames);
  EXPECT_EQ(small.state, 1);

  MediumBlorp medium(320, RestingY(35), 0);
  for (int frame = 0; frame < 18; ++frame) medium.Update();
  top = medium.y;
  for (int frame = 0; frame < 30; ++frame) {
    medium.Update();
    top = std::min(top, medium.y);
  }
  EXPECT_EQ(top, RestingY(35) - 55);
}

TEST_F(BlorpTest, ABlorpHittingAWallInMidAirTurnsBackToWhereItWas) {
  SmallBlorp leftward(2 * kTileSize + 2, 100, 0);
  leftward.jumping = true;
  leftward.jumpSpeed = 5;
  leftward.Update();
  EXPECT_EQ(leftward.x, 2 * kTileSize + 2);
  EXPECT_EQ(leftward.direction, 1);
  EXPECT_EQ(leftward.y, 95);

  SmallBlorp rightward(28 * kTileSize - 20 - 2, 100, 1);
  rightward.jumping = true;
  rightward.Update();
  EXPECT_EQ(rightward.x, 28 * kTileSize - 22);
  EXPECT_EQ(rightward.direction, 0);
  rightward.Update();
  EXPECT_EQ(rightward.x, 28 * kTileSize - 25);
}

TEST_F(BlorpTest, ABlorpInAPitFallsEverFasterAndStopsAScreenBelowTheLevel) {
  BuildHeroWorld({"....", "...."});
  SmallBlorp small(40, 10, 0);
  small.state = Blorp::kAirborne;
  small.jumping = true;
  std::vector<int> drops;
  for (int frame = 0; frame < 4; ++frame) {
    const int before = small.y;
    small.Update();
    drops.push_back(small.y - before);
  }
  EXPECT_EQ(drops, (std::vector<int>{0, 1, 2, 3}));
  for (int frame = 0; frame < 5000; ++frame) small.Update();
  const int stoppedAt = small.y;
  EXPECT_GT(stoppedAt, 2 * kTileSize + 480);
  EXPECT_LT(stoppedAt, 2 * kTileSize + 480 + 50);
  small.Update();
  EXPECT_EQ(small.y, stoppedAt);
}

TEST_F(BlorpTest, AShellKillsABlorpOnceAndTheDeadBlorpCannotHurtTheHero) {
  SmallBlorp small(320, RestingY(20), 0);
  int shellX = 310;
  int shellY = RestingY(20) - 5;
  kickedShells.push_back({&shellX, &shellY});
  kickedShells.push_back({&shellX, &shellY});
  StandHeroAt(small.x + 5, RestingY(32));
  small.Update();
  EXPECT_FALSE(small.active);
  EXPECT_EQ(world.enemiesKilled, 1);
  EXPECT_EQ(hero.health, 3);
}

TEST_F(BlorpTest, SmashyHurtsFromEverySideAndCannotBeKilled) {
  Smashy smashy(320, 100);
  const int sides[][2] = {{320 - 31, 110}, {320 + 59, 110}, {330, 100 - 31}, {330, 159}};
  for (const auto& side : sides) {
    StandHeroAt(side[0], side[1]);
    hero.airborne = true;
    hero.vy = -6;  // even a stomp from above
    smashy.Update();
    EXPECT_EQ(hero.health, 2) << side[0] << "," << side[1];
    hero.health = 3;
  }
  EXPECT_TRUE(smashy.active);
  EXPECT_EQ(world.enemiesKilled, 0);
  EXPECT_EQ(world.enemyCount, 0);
}

TEST_F(BlorpTest, SmashyDropsWaitsAHundredFramesRisesAndDropsAgainForAHeroStillBelow) {
  Smashy smashy(320, 64);
  StandHeroAt(400, RestingY(32));
  smashy.Update();
  EXPECT_FALSE(smashy.falling) << "the hero is beside the zone";
  hero.x = 340;
  smashy.Update();
  EXPECT_TRUE(smashy.falling);
  EXPECT_EQ(smashy.y, 69);
  while (smashy.falling) smashy.Update();
  EXPECT_EQ(smashy.y, RestingY(60));
  EXPECT_EQ(hero.health, 2);

  int waited = 0;
  while (smashy.y == RestingY(60)) {
    smashy.Update();
    if (smashy.y == RestingY(60)) {
      EXPECT_EQ(smashy.frame, 1);
      ++waited;
    }
  }
  EXPECT_EQ(waited, 100);
  EXPECT_EQ(smashy.frame, 0);
  EXPECT_EQ(smashy.y, RestingY(60) - 2);
  while (smashy.resting) smashy.Update();
  EXPECT_EQ(smashy.y, 64);
  smashy.Update();
  EXPECT_TRUE(smashy.falling);
}

TEST_F(BlorpTest, RecordsWriteTheirFieldsAndReadBackTheSame) {
  const std::string records = "SmallBlorp 10 20 1\nMediumBlorp 30 40 0\nLargeBlorp -5 60 1\nSmashy 70 80\n";
  const std::string again = ReadRecordsBack(records, [](const std::string& name, const GameObject& read) {
    EXPECT_EQ(read.snapToGround, name != "Smashy");
  });
  EXPECT_EQ(again, records);
  EXPECT_EQ(world.enemyCount, 3) << "Smashy is not an enemy to count";
}

TEST_F(BlorpTest, ASplitBlorpIsDrawnAsItsChildrenOnly) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(LoadBlorpGraphics());
  LargeBlorp large(100, 50, 0);
  large.Kill();
  for (int i = 0; i < 3; ++i) {
    large.children[i].x = 200 + 100 * i;
    large.children[i].y = 300;
  }
  world.cameraX = world.cameraY = 0;
  BlankScreen();
  large.Draw();
  EXPECT_EQ(DrawnPixels(100, 50, 50, 50), 0);
  for (int i = 0; i < 3; ++i) EXPECT_GT(DrawnPixels(200 + 100 * i, 300, 35, 35), 0) << i;
  FreeBlorpGraphics();
}

TEST_F(BlorpTest, GraphicsFailAtAnyMissingPictureAndKeyOnlyTheJellyAndTheBlorps) {
  const fs::path source =
      EnterGameDirWithArt({"Tiles/Blorp/Jelly", "Tiles/Blorp/Sludge", "Entities/Blorp/Small_blorp",
                           "Entities/Blorp/Medium_blorp", "Entities/Blorp/Large_blorp", "Entities/Blorp/Smashy"});
  fs::remove("gfx/Entities/Blorp/Smashy/1.png");
  EXPECT_FALSE(LoadBlorpGraphics());
  EXPECT_TRUE(largeBlorpFrames[1][3].IsLoaded());

  fs::copy_file(source / "Entities/Blorp/Smashy/1.png", "gfx/Entities/Blorp/Smashy/1.png");
  ASSERT_TRUE(LoadBlorpGraphics());
  EXPECT_TRUE(jellyImages[3].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_TRUE(smallBlorpFrames[0][0].surface->flags & SDL_SRCCOLORKEY);
  EXPECT_FALSE(sludgeImage.surface->flags & SDL_SRCCOLORKEY);
  EXPECT_FALSE(smashyFrames[1].surface->flags & SDL_SRCCOLORKEY);
  FreeBlorpGraphics();
  EXPECT_FALSE(jellyImages[0].IsLoaded());
  EXPECT_FALSE(smashyFrames[1].IsLoaded());
}
