#pragma once
#include <ostream>

#include "engine/image.h"
#include "entities/enemy.h"

// A walker that paces its platform, turning at walls and at ledges.
// Its frame is the column of circleManFrames: walking, then squashed, then flat.
class CircleMan : public MortalEnemy, public RightFirst {
 public:
  static constexpr const char* kTypeName = "CircleMan";
  Direction direction = kRight;

  CircleMan(int x, int y, int direction);
  void Kill() override;
  void Update() override;
  // Drawn dead or alive, so a squashed one stays in the level.
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  void Animate() override;

 private:
  void Walk();
};

// A flying saucer that patrols sideways. Stomped, it drops as a shell the hero can kick into
// other enemies.
class UFRO : public Enemy, public RightFirst {
 public:
  static constexpr const char* kTypeName = "UFRO";
  int animating = 1;
  int frame = 0;
  int frameCounter = 0;
  int framePeriod = 3;
  bool stomped = false;  // knocked out of the air: now a shell
  Direction direction = kRight;
  bool landed = false;       // the shell has touched the ground at least once
  bool kicked = false;       // the shell slides and kills what it runs into
  bool playerClear = false;  // since the kick, the hero has stepped off the shell at least once

  UFRO(int x, int y, int direction);
  // The stomp: counted once, the UFRO stays active as a shell.
  void Kill() override;
  void Update() override;
  void Draw() override;
  void WriteLevelLine(std::ostream& out) override;
  // Flying, the usual contact rule; as a landed shell, the kick and the sliding shell's bite.
  void TouchPlayer() override;
  void Animate() override;

 private:
  void Patrol();
  void Fall();
  void Slide();
  void Kick();
};

extern Image circleManFrames[2][4];  // [direction][frame]
extern Image ufroFrames[2];

// Loads the grass and brick tiles and the enemy frames. False only when a tile picture fails:
// a missing frame just leaves that frame blank.
bool LoadTumboWorldGraphics();
void FreeTumboWorldGraphics();
