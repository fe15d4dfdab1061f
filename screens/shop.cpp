#include "screens/shop.h"

#include <string>

#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "entities/hero_graphics.h"
#include "input/gamepad.h"
#include "input/input.h"
#include "screens/shop_graphics.h"
#include "screens/shop_items.h"

namespace {
const int kRowX = 120;
const int kFirstRowY = 70;
const int kRowSpacing = 25;
const int kHeroX = 31;
const int kHeroY = 434;
const int kHatY = 404;
const int kMoneyX = 530;
const int kMoneyY = 433;

bool Valid(int value, int count) { return value >= 0 && value < count; }
}  // namespace

void Shop::Init() {
  CreateShopItems();
  selected = 0;
  keyCounter = 0;
  keyDelay = kRepeatDelay;
  padCounter = 0;
  padDelay = kRepeatDelay;
  PlayMusic(Piece::kTitle);
}

void Shop::HandleEvents() {
  HandleKeyboard();
  HandlePad();
}

// A held key repeats every keyDelay frames; a fresh press acts at once.
void Shop::HandleKeyboard() {
  const bool up = IsKeyDown(SDLK_UP);
  const bool down = IsKeyDown(SDLK_DOWN);
  const bool enter = IsKeyDown(SDLK_RETURN);
  const bool escape = IsKeyDown(SDLK_ESCAPE);
  if (HeldInputActs(up || down || enter || escape, keyCounter, keyDelay)) Act(up, down, enter);
}

void Shop::HandlePad() {
  const bool up = PadUp();
  const bool down = PadDown();
  const bool confirm = PadStart() || PadJump();
  const bool leave = PadAction();
  if (HeldInputActs(up || down || confirm || leave, padCounter, padDelay)) Act(up, down, confirm);
}

// One step of the menu for the input held; with none of the three held, the leave input was.
void Shop::Act(bool up, bool down, bool confirm) {
  if (up) {
    MoveUp();
  } else if (down) {
    MoveDown();
  } else if (confirm) {
    Confirm();
  } else {
    SignalStateChange("TitleScreen");
  }
}

void Shop::MoveUp() {
  if (selected <= 0) return;
  --selected;
  PlayEffect(Effect::kMenuMove);
}

void Shop::MoveDown() {
  if (selected >= static_cast<int>(shopItems.size()) - 1) return;
  ++selected;
  PlayEffect(Effect::kMenuMove);
}

// Buying rings the till; wearing what is owned is an ordinary choice; too little money, silence.
void Shop::Confirm() {
  if (!Valid(selected, static_cast<int>(shopItems.size()))) return;
  ShopItem& item = *shopItems[selected];
  const bool wasOwned = item.owned;
  PurchaseOrWear(item);
  if (wasOwned) {
    PlayEffect(Effect::kMenuChoose);
  } else if (item.owned) {
    PlayEffect(Effect::kPurchase);
  }
}

void Shop::Render() {
  shopBackground.Draw(0, 0);
  for (size_t i = 0; i < shopItems.size(); ++i) {
    shopItems[i]->Draw(static_cast<int>(i) == selected, kRowX, kFirstRowY + kRowSpacing * static_cast<int>(i));
  }
  DrawPreview();
  shopMoneyFont.Draw(std::to_string(money), kMoneyX, kMoneyY, 255, 255, 255);
  FlipScreen();
}

// The second look wears no hat; the chosen hat stays saved for when the first look is worn again.
void Shop::DrawPreview() {
  if (!Valid(costume, kCostumeCount)) return;
  heroFrames[costume][0][0].Draw(kHeroX, kHeroY);
  if (costume == kTumboManCostume && Valid(hat, kHatCount)) hatImages[hat][0].Draw(kHeroX, kHatY);
}

void Shop::Cleanup() {
  StoreOwnedFlags();
  DeleteShopItems();
}
