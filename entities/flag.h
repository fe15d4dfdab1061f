#pragma once
#include "entities/game_object.h"

// The flagpole at the end of every level: a hero falling onto its base raises the flag, and the
// level is complete once the flag reaches the top.
class Flag : public Entity {
 public:
  static constexpr const char* kTypeName = "Flag";
  int touched = 0;  // 1 once the hero has landed on the base
  int flagY = 0;    // world y of the flag picture's top

  Flag(int x, int y);
  void Update() override;
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override {}
  // The landing test.
  void Collide() override;
};
