#pragma once
#include "entities/item.h"

// Adds one coin to the level's money.
class Money : public Item {
 public:
  static constexpr const char* kTypeName = "Money";
  Money(int x, int y);
  void Apply() override;
  Effect GrabSound() const override { return Effect::kCoin; }

 protected:
  Image& Picture() override;
};

// An extra life.
class OneUp : public Item {
 public:
  static constexpr const char* kTypeName = "OneUp";
  OneUp(int x, int y);
  void Apply() override;
  Effect GrabSound() const override { return Effect::kExtraLife; }

 protected:
  Image& Picture() override;
};

// Restores one point of health.
class DrVim : public Item {
 public:
  static constexpr const char* kTypeName = "DrVim";
  DrVim(int x, int y);
  void Apply() override;

 protected:
  Image& Picture() override;
};

// Starts the speed-up; left in place while another power-up runs.
class EnergyDrink : public Item {
 public:
  static constexpr const char* kTypeName = "EnergyDrink";
  EnergyDrink(int x, int y);
  void Apply() override;

 protected:
  Image& Picture() override;
};

// Starts the jetpack; left in place while another power-up runs.
class JetPack : public Item {
 public:
  static constexpr const char* kTypeName = "JetPack";
  JetPack(int x, int y);
  void Apply() override;

 protected:
  Image& Picture() override;
};

extern Image moneyImage;
extern Image oneUpImage;
extern Image drVimImage;
extern Image energyDrinkImage;
extern Image jetPackImage;

// Loads the five item pictures; false at the first that fails.
bool LoadItemGraphics();
void FreeItemGraphics();
