#include "entities/items.h"

#include "engine/progress.h"
#include "entities/player.h"
#include "entities/player_tuning.h"

const int kMaxLevelMoney = 999;
const int kMaxLifeCount = 9;
// A refill tops health up to what the hero starts a level with.
const int kMaxHealth = kStartHealth;

Image moneyImage;
Image oneUpImage;
Image drVimImage;
Image energyDrinkImage;
Image jetPackImage;

namespace {
// A power-up item is refused while another power-up runs, so it can be taken afterwards.
void StartEffectOrStay(Item& item, int effect) {
  if (thePlayer->effectActive) {
    item.active = true;
    return;
  }
  thePlayer->SetEffect(effect);
}
}  // namespace

Money::Money(int x, int y) : Item(x, y, 22, 15, kTypeName) {}
OneUp::OneUp(int x, int y) : Item(x, y, 20, 20, kTypeName) {}
DrVim::DrVim(int x, int y) : Item(x, y, 15, 20, kTypeName) {}
EnergyDrink::EnergyDrink(int x, int y) : Item(x, y, 15, 20, kTypeName) {}
JetPack::JetPack(int x, int y) : Item(x, y, 27, 27, kTypeName) {}

void Money::Apply() {
  if (thePlayer->levelMoney < kMaxLevelMoney) thePlayer->levelMoney += 1;
}

void OneUp::Apply() {
  if (thePlayer->lifeCount < kMaxLifeCount) thePlayer->lifeCount += 1;
  // The carried lives are not capped: the next level starts with one more even at the cap.
  lives += 1;
}

void DrVim::Apply() {
  if (thePlayer->health < kMaxHealth) thePlayer->health += 1;
}

void EnergyDrink::Apply() { StartEffectOrStay(*this, kSpeedUpEffect); }
void JetPack::Apply() { StartEffectOrStay(*this, kJetpackEffect); }

Image& Money::Picture() { return moneyImage; }
Image& OneUp::Picture() { return oneUpImage; }
Image& DrVim::Picture() { return drVimImage; }
Image& EnergyDrink::Picture() { return energyDrinkImage; }
Image& JetPack::Picture() { return jetPackImage; }

bool LoadItemGraphics() {
  return moneyImage.Load("gfx/Entities/Items/money.png") && oneUpImage.Load("gfx/Entities/Items/oneup.png") &&
         LoadKeyed(drVimImage, "gfx/Entities/Items/drvim.png") &&
         LoadKeyed(energyDrinkImage, "gfx/Entities/Items/energy_drink.png") &&
         LoadKeyed(jetPackImage, "gfx/Entities/Items/jetpack.png");
}

void FreeItemGraphics() {
  moneyImage.Free();
  oneUpImage.Free();
  drVimImage.Free();
  energyDrinkImage.Free();
  jetPackImage.Free();
}
