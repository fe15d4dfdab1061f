#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "engine/engine.h"
#include "engine/progress.h"
#include "entities/items.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "level/object_types.h"
#include "support/headless.h"
#include "support/level_records.h"
#include "world/world.h"

namespace {
class ItemsTest : public testing::Test {
 protected:
  Player hero;

  void SetUp() override {
    srand(1);
    world = World();
    hero.x = 100;
    hero.y = 100;
    thePlayer = &hero;
  }
  void TearDown() override {
    ClearEntities();
    thePlayer = nullptr;
    world = World();
    lives = kStartingLives;
  }
};

Uint32 ScreenPixel(int x, int y) { return CheckedScreenPixel(x, y); }
}  // namespace

TEST_F(ItemsTest, MoneyCountsUpToNineHundredNinetyNine) {
  hero.levelMoney = 41;
  Money coin(hero.x, hero.y);
  coin.Update();
  EXPECT_EQ(hero.levelMoney, 42);
  EXPECT_FALSE(coin.active);

  hero.levelMoney = 999;
  Money last(hero.x, hero.y);
  last.Update();
  EXPECT_EQ(hero.levelMoney, 999);
  EXPECT_FALSE(last.active);
  EXPECT_EQ(world.itemsGrabbed, 2);
  EXPECT_EQ(world.itemCount, 2);
}

TEST_F(ItemsTest, AnExtraLifeAtNineStillRaisesTheCarriedLives) {
  hero.lifeCount = 9;
  lives = 9;
  OneUp life(hero.x, hero.y);
  life.Update();
  EXPECT_EQ(hero.lifeCount, 9);
  EXPECT_EQ(lives, 10);

  hero.lifeCount = 3;
  OneUp another(hero.x, hero.y);
  another.Update();
  EXPECT_EQ(hero.lifeCount, 4);
  EXPECT_EQ(lives, 11);
}

TEST_F(ItemsTest, HealthRefillNeverGoesAboveFull) {
  hero.health = 1;
  DrVim first(hero.x, hero.y);
  first.Update();
  EXPECT_EQ(hero.health, 2);

  hero.health = 3;
  DrVim wasted(hero.x, hero.y);
  wasted.Update();
  EXPECT_EQ(hero.health, 3);
  EXPECT_FALSE(wasted.active);
}

TEST_F(ItemsTest, APowerUpIsRefusedWhileAnotherRunsAndCanBeTakenAfterIt) {
  hero.SetEffect(1);
  EnergyDrink drink(hero.x, hero.y);
  for (int frame = 0; frame < 5; ++frame) drink.Update();
  EXPECT_TRUE(drink.active);
  EXPECT_EQ(hero.effectType, 1);
  EXPECT_EQ(world.itemsGrabbed, 0) << "a refused pickup is not a grabbed item";

  hero.effectActive = false;  // the jetpack's fuel is used up
  drink.Update();
  EXPECT_FALSE(drink.active);
  EXPECT_TRUE(hero.effectActive);
  EXPECT_EQ(hero.effectType, 0);
  EXPECT_EQ(world.itemsGrabbed, 1);

  JetPack pack(hero.x, hero.y);
  pack.Update();
  EXPECT_TRUE(pack.active) << "the speed-up now runs";
  hero.effectActive = false;
  pack.Update();
  EXPECT_FALSE(pack.active);
  EXPECT_EQ(hero.effectType, 1);
}

TEST_F(ItemsTest, ItemsTouchedInOneFrameAreAllTakenInListOrder) {
  AddEntity(new JetPack(hero.x + 5, hero.y + 5));
  AddEntity(new EnergyDrink(hero.x, hero.y));
  AddEntity(new Money(hero.x + 10, hero.y + 20));
  AddEntity(new Money(hero.x + 300, hero.y));  // out of reach
  UpdateEntities();
  EXPECT_FALSE(entityList[0]->active);
  EXPECT_EQ(hero.effectType, 1) << "the jetpack comes first in the list, so the drink is refused";
  EXPECT_TRUE(entityList[1]->active);
  EXPECT_FALSE(entityList[2]->active);
  EXPECT_TRUE(entityList[3]->active);
  EXPECT_EQ(hero.levelMoney, 1);
  EXPECT_EQ(world.itemsGrabbed, 2);
}

TEST_F(ItemsTest, PickupNeedsTheBoxesToTouchAndWorksEvenForADeadHero) {
  Money apart(hero.x + hero.w + 1, hero.y);
  apart.Update();
  EXPECT_TRUE(apart.active);
  Money edge(hero.x + hero.w, hero.y + hero.h);  // corners meet: edges count
  edge.Update();
  EXPECT_FALSE(edge.active);

  hero.dead = true;
  Money falling(hero.x, hero.y);
  falling.Update();
  EXPECT_FALSE(falling.active);
  EXPECT_EQ(hero.levelMoney, 2);

  thePlayer = nullptr;  // screens without a hero still update their objects
  Money unattended(0, 0);
  unattended.Update();
  EXPECT_TRUE(unattended.active);
}

TEST_F(ItemsTest, LevelRecordsHoldNameAndPlaceOnly) {
  std::ostringstream out;
  Money(64, 40).WriteLevelLine(out);
  OneUp(1, 2).WriteLevelLine(out);
  DrVim(-3, 4).WriteLevelLine(out);
  EnergyDrink(5, 6).WriteLevelLine(out);
  JetPack(7, 8).WriteLevelLine(out);
  const std::string records = "Money 64 40\nOneUp 1 2\nDrVim -3 4\nEnergyDrink 5 6\nJetPack 7 8\n";
  ASSERT_EQ(out.str(), records);
  EXPECT_EQ(world.itemCount, 5);

  const std::string again =
      ReadRecordsBack(records, [](const std::string&, const GameObject& read) { EXPECT_FALSE(read.snapToGround); });
  EXPECT_EQ(again, records);
  EXPECT_EQ(world.itemCount, 10);
}

TEST_F(ItemsTest, ItemGraphicsLoadInOrderAndATakenItemIsNotDrawn) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(LoadItemGraphics());
  world.cameraX = 200;
  world.cameraY = 100;
  hero.x = 5000;
  JetPack pack(250, 150);
  const Uint32 background = SDL_MapRGB(screen->format, 0, 0, 0);
  SDL_FillRect(screen, nullptr, background);
  pack.Draw();
  bool drawn = false;
  for (int y = 50; y < 50 + pack.h; ++y) {
    for (int x = 50; x < 50 + pack.w; ++x) drawn = drawn || ScreenPixel(x, y) != background;
  }
  EXPECT_TRUE(drawn) << "drawn at its place minus the camera";
  EXPECT_EQ(ScreenPixel(49, 49), background);

  SDL_FillRect(screen, nullptr, background);
  pack.active = false;
  pack.Draw();
  for (int y = 50; y < 50 + pack.h; ++y) {
    for (int x = 50; x < 50 + pack.w; ++x) ASSERT_EQ(ScreenPixel(x, y), background);
  }
  FreeItemGraphics();
  EXPECT_FALSE(jetPackImage.IsLoaded());
}
