#include "screens/shop.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/startup_loading.h"
#include "engine/engine.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "entities/hero_graphics.h"
#include "screens/blank_screen.h"
#include "screens/shop_graphics.h"
#include "screens/shop_items.h"
#include "support/headless.h"

namespace {
enum Row { kNoHat, kPaperHat, kRedCap, kPirateHat, kNinjaMask, kFedora, kTumboMan, kComAwesome };

const int kRowX = 120;
const int kFirstRowY = 70;
const int kRowSpacing = 25;
const int kPriceX = kRowX + 300;

class ShopTest : public testing::Test {
 protected:
  Shop shop;
  BlankScreen title;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    InitStoryAndSave();
    ASSERT_TRUE(LoadPlayerGraphics());
    ASSERT_TRUE(LoadShopGraphics());
    stateManager.AddState(&title, "TitleScreen");
    keys = SDL_GetKeyState(nullptr);
    shop.Init();
  }
  void TearDown() override {
    for (SDLKey key : {SDLK_UP, SDLK_DOWN, SDLK_RETURN, SDLK_ESCAPE}) keys[key] = 0;
    shop.Cleanup();
    FreeShopGraphics();
    FreePlayerGraphics();
    stateManager.pending = false;
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      shop.HandleEvents();
      shop.Logic();
      shop.Render();
    }
  }
  // A short press of Enter on the given row, after the keys have been let go.
  void ConfirmRow(int row) {
    shop.selected = row;
    Frames(1);
    keys[SDLK_RETURN] = 1;
    Frames(1);
    keys[SDLK_RETURN] = 0;
    Frames(1);
  }
  int WhitePixels(int x, int y, int w, int h) {
    int count = 0;
    for (int py = y; py < y + h; ++py) {
      for (int px = x; px < x + w; ++px) {
        if (Pixel(px, py) == SDL_MapRGB(screen->format, 255, 255, 255)) ++count;
      }
    }
    return count;
  }
  Uint32 Pixel(int x, int y) {
    return CheckedScreenPixel(x, y);
  }
  int PriceTextPixels(int row) { return WhitePixels(kPriceX, kFirstRowY + kRowSpacing * row, 90, 22); }
  // Pixels of the hat space above the preview that differ from the shop's own background.
  int HatSpaceChanges() {
    int changed = 0;
    for (int y = 404; y < 434; ++y) {
      for (int x = 31; x < 63; ++x) {
        if (Pixel(x, y) != CheckedPixel(shopBackground.surface, x, y)) ++changed;
      }
    }
    return changed;
  }
};
}  // namespace

TEST_F(ShopTest, MoneyMustExceedThePriceAndBuyingDoesNotWear) {
  money = 50;
  ConfirmRow(kPaperHat);
  EXPECT_FALSE(shopItems[kPaperHat]->owned);
  EXPECT_EQ(50, money);

  money = 51;
  ConfirmRow(kPaperHat);
  EXPECT_TRUE(shopItems[kPaperHat]->owned);
  EXPECT_EQ(1, money);
  EXPECT_EQ(0, hat);

  ConfirmRow(kPaperHat);
  EXPECT_EQ(1, hat);
  EXPECT_EQ(1, money);
}

TEST_F(ShopTest, FreeArticlesAreOwnedShowNoPriceAndWearAtOnce) {
  ASSERT_TRUE(ownedItems.empty());
  hat = 3;
  costume = 1;
  Frames(1);
  EXPECT_EQ(0, PriceTextPixels(kNoHat));
  EXPECT_EQ(0, PriceTextPixels(kTumboMan));
  EXPECT_GT(PriceTextPixels(kPaperHat), 0);

  ConfirmRow(kNoHat);
  EXPECT_EQ(0, hat);
  ConfirmRow(kTumboMan);
  EXPECT_EQ(0, costume);
  EXPECT_EQ(0, money);
}

TEST_F(ShopTest, SecondLookHidesTheHatInThePreviewButKeepsItSaved) {
  money = 1500;
  hat = 2;
  Frames(1);
  EXPECT_GT(HatSpaceChanges(), 0);

  ConfirmRow(kComAwesome);
  ASSERT_TRUE(shopItems[kComAwesome]->owned);
  EXPECT_EQ(0, costume);
  ConfirmRow(kComAwesome);
  EXPECT_EQ(1, costume);
  EXPECT_EQ(2, hat);
  EXPECT_EQ(500, money);
  EXPECT_EQ(0, HatSpaceChanges());

  ConfirmRow(kTumboMan);
  EXPECT_GT(HatSpaceChanges(), 0);
}

TEST_F(ShopTest, HeldDownWalksOneRowEvery20FramesAndStopsAtTheLastFreshPressesActAtOnce) {
  keys[SDLK_DOWN] = 1;
  Frames(19);
  EXPECT_EQ(0, shop.selected);
  Frames(1);
  EXPECT_EQ(1, shop.selected);
  Frames(19);
  EXPECT_EQ(1, shop.selected);
  Frames(1);
  EXPECT_EQ(2, shop.selected);
  Frames(200);
  EXPECT_EQ(kComAwesome, shop.selected);

  // Let go, a fresh press acts on its first frame.
  keys[SDLK_DOWN] = 0;
  Frames(1);
  keys[SDLK_UP] = 1;
  Frames(1);
  EXPECT_EQ(kComAwesome - 1, shop.selected);
  keys[SDLK_UP] = 0;
  Frames(1);
  keys[SDLK_ESCAPE] = 1;
  Frames(1);
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
}

TEST_F(ShopTest, SoldMarksLastAcrossVisits) {
  money = 300;
  ConfirmRow(kFedora);
  // Already saved before leaving: the save at exit comes before the shop's clean-up.
  ASSERT_EQ(8u, ownedItems.size());
  EXPECT_TRUE(ownedItems[kFedora]);
  shop.Cleanup();
  EXPECT_TRUE(shopItems.empty());
  EXPECT_EQ((std::vector<bool>{true, false, false, false, false, true, true, false}), ownedItems);

  shop.Init();
  EXPECT_TRUE(shopItems[kFedora]->owned);
  EXPECT_FALSE(shopItems[kPaperHat]->owned);
  EXPECT_EQ(0, shop.selected);
}

TEST_F(ShopTest, ShortSavedListKeepsItsEntriesAndCompletesWithTheFreeArticles) {
  shop.Cleanup();
  ownedItems = {true, true, false};
  shop.Init();
  EXPECT_TRUE(shopItems[kPaperHat]->owned);
  EXPECT_TRUE(shopItems[kTumboMan]->owned);
  EXPECT_FALSE(shopItems[kComAwesome]->owned);
  shop.Cleanup();
  EXPECT_EQ((std::vector<bool>{true, true, false, false, false, false, true, false}), ownedItems);
  shop.Init();
}
