#include "screens/shop_items.h"

#include <utility>

#include "engine/progress.h"
#include "engine/save_data.h"
#include "screens/shop_graphics.h"

std::vector<ShopItem*> shopItems;

namespace {
const int kNameOffsetX = 11;
const int kPriceOffsetX = 300;
const int kTextOffsetY = 3;
}  // namespace

ShopItem::ShopItem(std::string name, int price, int index)
    : name(std::move(name)), price(price), owned(index == 0), index(index) {}

void ShopItem::MarkOwned() { owned = true; }

void ShopItem::Draw(bool selected, int x, int y) {
  (selected ? itemBarSelected : itemBar).Draw(x, y);
  shopItemFont.Draw(name, x + kNameOffsetX, y + kTextOffsetY, 255, 255, 255);
  if (index == 0) return;
  const std::string priceText = owned ? "Sold!" : "$" + std::to_string(price);
  shopItemFont.Draw(priceText, x + kPriceOffsetX, y + kTextOffsetY, 255, 255, 255);
}

void HatItem::Equip() { hat = index; }

void CostumeItem::Equip() { costume = index; }

void CreateShopItems() {
  DeleteShopItems();
  shopItems = {new HatItem("No Hat", 0, 0),          new HatItem("Paper Hat", 50, 1),
               new HatItem("Red Cap", 100, 2),       new HatItem("Space Pirate Hat", 200, 3),
               new HatItem("Ninja Mask", 200, 4),    new HatItem("Fedora", 250, 5),
               new CostumeItem("Tumbo Man", 0, kTumboManCostume),
               new CostumeItem("Com. Awesome", 1000, kAwesomeCostume)};
  static_assert(kShopArticleCount == 8, "the saved flags follow the eight articles");
  // A short saved list (only a damaged file has one) leaves the remaining articles as new: the
  // free ones owned, the others for sale.
  for (size_t i = 0; i < ownedItems.size() && i < shopItems.size(); ++i) shopItems[i]->owned = ownedItems[i];
}

void StoreOwnedFlags() {
  if (shopItems.empty()) return;
  ownedItems.clear();
  for (ShopItem* item : shopItems) ownedItems.push_back(item->owned);
}

void DeleteShopItems() {
  for (ShopItem* item : shopItems) delete item;
  shopItems.clear();
}

void PurchaseOrWear(ShopItem& item) {
  if (item.owned) {
    item.Equip();
    return;
  }
  // Money equal to the price is not enough.
  if (item.price >= money) return;
  item.MarkOwned();
  money -= item.price;
  // The save at exit is written before the shop's own clean-up, so a game closed while in the
  // shop would keep the lower money but lose the article; the flags follow every purchase.
  StoreOwnedFlags();
}
