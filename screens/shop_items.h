#pragma once
#include <string>
#include <vector>

// One article of the shop. The articles with index 0 cost nothing and are owned from the start.
class ShopItem {
 public:
  std::string name;
  int price;
  bool owned;
  int index;  // the hat or look that wearing the article selects

  ShopItem(std::string name, int price, int index);
  virtual void MarkOwned();
  virtual void Equip() = 0;
  virtual void Draw(bool selected, int x, int y);
  virtual ~ShopItem() = default;
};

class HatItem : public ShopItem {
 public:
  using ShopItem::ShopItem;
  void Equip() override;
};

class CostumeItem : public ShopItem {
 public:
  using ShopItem::ShopItem;
  void Equip() override;
};

// The articles while the shop is open, in the order of the saved owned flags.
extern std::vector<ShopItem*> shopItems;

// Builds the articles anew, owned as the saved flags say.
void CreateShopItems();
// Brings the saved owned flags up to date: one per article.
void StoreOwnedFlags();
void DeleteShopItems();
// Buys the article when the money is more than its price, or wears it once owned.
void PurchaseOrWear(ShopItem& item);
