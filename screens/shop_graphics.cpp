#include "screens/shop_graphics.h"

Image shopBackground;
Image itemBar;
Image itemBarSelected;
Font shopItemFont;
Font shopMoneyFont;

namespace {
const char* kShopFont = "gfx/Fonts/Tumbo font.ttf";
const int kItemFontSize = 18;
const int kMoneyFontSize = 20;
}  // namespace

bool LoadShopGraphics() {
  return shopBackground.Load("gfx/Shop/shop.png") && LoadKeyed(itemBar, "gfx/Shop/item0.png") &&
         LoadKeyed(itemBarSelected, "gfx/Shop/item1.png") && shopItemFont.Load(kShopFont, kItemFontSize) &&
         shopMoneyFont.Load(kShopFont, kMoneyFontSize);
}

void FreeShopGraphics() {
  shopBackground.Free();
  itemBar.Free();
  itemBarSelected.Free();
  shopItemFont.Free();
  shopMoneyFont.Free();
}
