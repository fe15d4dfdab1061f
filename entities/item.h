#pragma once
#include <ostream>

#include "engine/game_sounds.h"
#include "engine/image.h"
#include "entities/game_object.h"

// Something the hero picks up by touching it. Every item shares the pickup rule; the classes
// differ only in their picture and in what they give the hero.
class Item : public GameObject {
 public:
  // The pickup rule, once per frame: touching the hero takes the item and applies it.
  void Update() override;
  // The class's picture at its place; nothing once taken.
  void Draw() override;
  // "typeName x y": items have no extra values.
  void WriteLevelLine(std::ostream& out) override;
  // Gives the item's effect to the hero. May set active again to refuse the pickup.
  virtual void Apply() = 0;
  // What a kept pickup sounds like; power-ups unless the class says otherwise.
  virtual Effect GrabSound() const { return Effect::kPowerUp; }

 protected:
  // Placed where it floats, and counted among the level's items.
  Item(int x, int y, int width, int height, const char* typeName);
  // The one picture shared by every item of the class.
  virtual Image& Picture() = 0;
};
