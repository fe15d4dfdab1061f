#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "enemies/tumbo_world.h"
#include "engine/engine.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "level/object_types.h"
#include "support/enemy_test_world.h"
#include "support/headless.h"
#include "support/level_records.h"
#include "world/tile.h"
#include "world/tile_images.h"
#include "world/world.h"

namespace fs = boost::filesystem;

namespace {
const int kGrass = 1;
const int kBrick = 5;

// Builds the grid from text rows: '#' grass, 'B' brick, anything else empty.
void BuildWorld(const std::vector<std::string>& rows) {
  SizeGrid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int row = 0; row < world.height; ++row) {
    for (int col = 0; col < world.width; ++col) {
      const char cell = rows[row][col];
      world.grid[row][col] = CreateTile(cell == '#' ? kGrass : cell == 'B' ? kBrick : 0, col, row);
    }
  }
}

// Top of the floor whose surface is the top of the given row.
int StandingY(int row, int height) { return row * kTileSize - height; }

class TumboWorldTest : public EnemyTestWorld {
 protected:
  void SetUp() override {
    UseHero(1);
    hero.x = 5000;  // far away unless a test brings him in
    hero.y = 0;
  }
  // The hero stands on the ground touching the box at (x, y) from its left.
  void StandLeftOf(const GameObject& thing) {
    hero.x = thing.x - hero.w + 2;
    hero.y = thing.y + thing.h - hero.h;
    hero.airborne = false;
    hero.vy = 0;
  }
  void FallOnto(const GameObject& thing) {
    hero.x = thing.x;
    hero.y = thing.y - hero.h + 2;
    hero.airborne = true;
    hero.vy = -5;
  }
  void MoveHeroAway() {
    hero.x = 5000;
    hero.invulnerable = false;
  }
};

// Ground along the bottom row of a wide, empty level.
const std::vector<std::string> kFlatLevel = {
    "..............................",
    "..............................",
    "..............................",
    "..............................",
    "##############################",
};
}  // namespace

TEST_F(TumboWorldTest, CircleManWalksThreePixelsAFrameAndTurnsAtAWall) {
  BuildWorld({
      "..........",
      "..........",
      "........B.",
      "##########",
  });
  CircleMan walker(64, StandingY(3, 25), 0);
  walker.Update();
  EXPECT_EQ(walker.x, 67);
  int furthest = walker.x;
  for (int frame = 0; frame < 60; ++frame) {
    walker.Update();
    furthest = std::max(furthest, walker.x);
  }
  EXPECT_EQ(walker.direction, 1);
  EXPECT_LE(furthest + walker.w, 8 * kTileSize + 3) << "at most one step into the wall";
  EXPECT_GT(furthest + walker.w, 8 * kTileSize - 3);
  EXPECT_EQ(walker.y, StandingY(3, 25));
}

TEST_F(TumboWorldTest, CircleManPacesAOneTilePlatformOverBothEdges) {
  BuildWorld({
      "......",
      "......",
      "..#...",
      "......",
  });
  const int platformLeft = 2 * kTileSize;
  CircleMan walker(platformLeft + 3, StandingY(2, 25), 1);
  int leftmost = walker.x;
  int rightmost = walker.x;
  int turns = 0;
  for (int frame = 0; frame < 200; ++frame) {
    const int before = walker.direction;
    walker.Update();
    turns += walker.direction != before;
    leftmost = std::min(leftmost, walker.x);
    rightmost = std::max(rightmost, walker.x);
  }
  EXPECT_GT(turns, 20);
  EXPECT_GE(leftmost, platformLeft - 3);
  EXPECT_LT(leftmost, platformLeft);
  EXPECT_GT(rightmost + walker.w, platformLeft + kTileSize - 1);
  EXPECT_LE(rightmost + walker.w, platformLeft + kTileSize + 2);
  EXPECT_EQ(walker.y, StandingY(2, 25));
}

TEST_F(TumboWorldTest, CircleManWalkCyclesEveryThreeFramesAndFacesItsRecord) {
  BuildWorld(kFlatLevel);
  CircleMan walker(320, StandingY(4, 25), 7);
  EXPECT_EQ(walker.direction, 1) << "any facing but 0 walks left";
  std::vector<int> frames;
  for (int frame = 0; frame < 7; ++frame) {
    walker.Update();
    frames.push_back(walker.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{0, 0, 1, 1, 1, 0, 0}));
  EXPECT_EQ(walker.x, 320 - 7 * 3);
}

TEST_F(TumboWorldTest, KilledCircleManIsSquashedForThirtyFramesThenFlatAndCountedOnce) {
  BuildWorld(kFlatLevel);
  CircleMan walker(320, StandingY(4, 25), 0);
  walker.Update();
  walker.Update();  // part-way through a walking step
  walker.Kill();
  walker.Kill();  // a second shell in the same frame
  EXPECT_EQ(world.enemiesKilled, 1);
  EXPECT_FALSE(walker.active);
  const int restX = walker.x;
  std::vector<int> frames;
  for (int frame = 0; frame < 40; ++frame) {
    walker.Update();
    frames.push_back(walker.frame);
  }
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 2), 30);
  EXPECT_EQ(frames.back(), 3);
  EXPECT_EQ(walker.state, 2);
  EXPECT_EQ(walker.x, restX);
}

TEST_F(TumboWorldTest, AKilledCircleManIsStillDrawn) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(LoadTumboWorldGraphics());
  BuildWorld(kFlatLevel);
  CircleMan walker(100, 60, 0);
  walker.Kill();
  world.cameraX = 50;
  world.cameraY = 10;
  const Uint32 background = SDL_MapRGB(screen->format, 0, 0, 0);
  SDL_FillRect(screen, nullptr, background);
  walker.Draw();
  int drawn = 0;
  for (int y = 50; y < 75; ++y) {
    for (int x = 50; x < 75; ++x) drawn += CheckedScreenPixel(x, y) != background;
  }
  EXPECT_GT(drawn, 0);
  FreeTumboWorldGraphics();
}

TEST_F(TumboWorldTest, UfroPatrolsWithoutGravityAndTurnsAtAWallAtAnyHeight) {
  BuildWorld({
      "..........",
      "..........",
      ".........B",
      "..........",
  });
  UFRO saucer(200, 2 * kTileSize - 29, 0);  // only its bottom edge reaches the brick's row
  saucer.Update();
  EXPECT_EQ(saucer.x, 202);
  for (int frame = 0; frame < 60 && saucer.direction == 0; ++frame) saucer.Update();
  EXPECT_EQ(saucer.direction, 1);
  EXPECT_EQ(saucer.x + saucer.w, 9 * kTileSize);
  EXPECT_EQ(saucer.y, 2 * kTileSize - 29);
  saucer.Update();
  EXPECT_EQ(saucer.x + saucer.w, 9 * kTileSize - 2);
}

TEST_F(TumboWorldTest, AStompedUfroFallsAsAHarmlessShellCountedOnce) {
  BuildWorld(kFlatLevel);
  UFRO saucer(300, 10, 0);
  FallOnto(saucer);
  saucer.Update();
  EXPECT_TRUE(saucer.stomped);
  EXPECT_TRUE(saucer.active);
  EXPECT_EQ(world.enemiesKilled, 1);
  saucer.Kill();
  EXPECT_EQ(world.enemiesKilled, 1);

  // Still high in the air: the hero standing in it is neither hurt nor kicks it.
  hero.invulnerable = false;
  const int shellX = saucer.x;
  StandLeftOf(saucer);
  const int yBefore = saucer.y;
  saucer.Update();
  EXPECT_EQ(saucer.y, yBefore + 4);
  EXPECT_EQ(hero.health, 3);
  EXPECT_FALSE(saucer.kicked);
  EXPECT_EQ(saucer.x, shellX);
  EXPECT_TRUE(kickedShells.empty());

  MoveHeroAway();
  for (int frame = 0; frame < 100 && !saucer.landed; ++frame) saucer.Update();
  EXPECT_TRUE(saucer.landed);
  EXPECT_GE(saucer.y + saucer.h, 4 * kTileSize);
  EXPECT_LT(saucer.y + saucer.h, 4 * kTileSize + 4);
  EXPECT_EQ(saucer.x, shellX);
  EXPECT_EQ(world.enemiesKilled, 1);
}

TEST_F(TumboWorldTest, AShellKickedFromTheLeftSlidesRightAndBitesOnTheNextTouch) {
  BuildWorld(kFlatLevel);
  UFRO shell(300, StandingY(4, 30), 1);
  shell.Kill();
  shell.Update();
  ASSERT_TRUE(shell.landed);

  StandLeftOf(shell);
  shell.Update();
  EXPECT_TRUE(shell.kicked);
  EXPECT_EQ(shell.direction, 0);
  EXPECT_EQ(shell.x, 300 + 5 + 4) << "pushed 5 pixels at the kick, then slid 4";
  ASSERT_EQ(kickedShells.size(), 1u);
  EXPECT_EQ(kickedShells[0].first, &shell.x);
  EXPECT_EQ(kickedShells[0].second, &shell.y);
  EXPECT_EQ(world.enemiesKilled, 1) << "a kick counts nothing";

  // Still in contact right after the kick: the kicker is not hurt.
  hero.x = shell.x - hero.w + 1;
  shell.Update();
  EXPECT_EQ(hero.health, 3);
  EXPECT_FALSE(shell.playerClear);

  MoveHeroAway();
  shell.Update();
  EXPECT_TRUE(shell.playerClear);
  FallOnto(shell);
  shell.Update();
  EXPECT_EQ(hero.health, 2) << "even from above, a sliding shell hurts";
  EXPECT_EQ(kickedShells.size(), 1u);
}

TEST_F(TumboWorldTest, AShellKickedFromTheRightGoesLeftAndAnAirborneKickBounces) {
  BuildWorld(kFlatLevel);
  UFRO shell(300, StandingY(4, 30), 0);
  shell.Kill();
  shell.Update();
  hero.x = shell.x + shell.w - 2;
  hero.y = shell.y - hero.h + 3;
  hero.airborne = true;
  hero.vy = -4;
  shell.Update();
  EXPECT_EQ(shell.direction, 1);
  EXPECT_EQ(shell.x, 300 - 5 - 4);
  EXPECT_GT(hero.vy, 0);
}

TEST_F(TumboWorldTest, AKickedShellKillsWalkersButLeavesOtherUfrosAlone) {
  BuildWorld(kFlatLevel);
  auto* shell = new UFRO(40, StandingY(4, 30), 0);
  auto* first = new CircleMan(200, StandingY(4, 25), 1);
  auto* saucer = new UFRO(300, StandingY(4, 30), 1);
  auto* second = new CircleMan(600, StandingY(4, 25), 1);
  for (GameObject* thing : std::vector<GameObject*>{shell, first, saucer, second}) AddEntity(thing);
  shell->Kill();
  UpdateEntities();
  StandLeftOf(*shell);
  UpdateEntities();
  ASSERT_TRUE(shell->kicked);
  MoveHeroAway();
  for (int frame = 0; frame < 150; ++frame) UpdateEntities();
  EXPECT_FALSE(first->active);
  EXPECT_FALSE(second->active);
  EXPECT_FALSE(saucer->stomped);
  EXPECT_TRUE(saucer->active);
  EXPECT_EQ(world.enemyCount, 4);
  EXPECT_EQ(world.enemiesKilled, 3);
}

TEST_F(TumboWorldTest, ASlidingShellTurnsAtWallsAndDropsIntoGaps) {
  BuildWorld({
      "..............",
      "..............",
      "B.............",
      "####....######",
      "..............",
  });
  UFRO shell(40, StandingY(3, 30), 0);
  shell.Kill();
  shell.Update();
  hero.x = shell.x + shell.w - 2;
  hero.y = shell.y;
  shell.Update();  // kicked to the left, towards the wall
  MoveHeroAway();
  for (int frame = 0; frame < 10; ++frame) shell.Update();
  EXPECT_EQ(shell.direction, 0) << "bounced off the wall";
  for (int frame = 0; frame < 40; ++frame) shell.Update();
  EXPECT_GT(shell.y, StandingY(3, 30)) << "fell into the gap";
}

TEST_F(TumboWorldTest, AShellKnockedOutOfTheLevelStopsBelowIt) {
  BuildWorld({
      "....",
      "....",
  });
  UFRO shell(40, 0, 0);
  shell.Kill();
  for (int frame = 0; frame < 20000; ++frame) shell.Update();
  EXPECT_GT(shell.y, 2 * kTileSize);
  EXPECT_LE(shell.y, 2 * kTileSize + 480 + 4);
}

TEST_F(TumboWorldTest, LevelRecordsCarryTheDirectionAndReadBackTheSame) {
  std::ostringstream out;
  CircleMan(96, 39, 1).WriteLevelLine(out);
  UFRO(-20, 64, 0).WriteLevelLine(out);
  const std::string records = "CircleMan 96 39 1\nUFRO -20 64 0\n";
  ASSERT_EQ(out.str(), records);
  EXPECT_EQ(world.enemyCount, 2);

  EXPECT_EQ(ReadRecordsBack(records), records);
  EXPECT_EQ(world.enemyCount, 4);
}

TEST_F(TumboWorldTest, GraphicsFailOnlyForAMissingTilePicture) {
  StartHeadless();
  const fs::path art = fs::path(EnterGameDir()) / "gfx";
  const fs::path source = fs::read_symlink(art);
  fs::remove(art);
  fs::create_directories(art / "Tiles" / "TumboWorld");
  fs::copy_file(source / "Tiles/TumboWorld/grass.png", art / "Tiles/TumboWorld/grass.png");
  EXPECT_FALSE(LoadTumboWorldGraphics()) << "no brick picture";
  EXPECT_TRUE(grassImage.IsLoaded());

  fs::copy_file(source / "Tiles/TumboWorld/brick.png", art / "Tiles/TumboWorld/brick.png");
  EXPECT_FALSE(LoadTumboWorldGraphics()) << "no earth picture for stacked grass";
  fs::copy_file(source / "Tiles/TumboWorld/earth.png", art / "Tiles/TumboWorld/earth.png");
  EXPECT_TRUE(LoadTumboWorldGraphics()) << "missing frames only leave those frames blank";
  EXPECT_TRUE(brickImage.IsLoaded());
  EXPECT_FALSE(ufroFrames[0].IsLoaded());
  FreeTumboWorldGraphics();
  EXPECT_FALSE(grassImage.IsLoaded());
}
