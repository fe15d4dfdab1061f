#include "entities/hero_graphics.h"
#include "entities/player.h"
#include "entities/player_tuning.h"
#include "world/world.h"

namespace {
const int kHatRaise = 30;  // the hat sits this far above the hero's top
// In the tank the hat sits on the driver's head in the hatch.
const int kTankHatRightX = 39;
const int kTankHatLeftX = 79;
const int kTankHatRaise = 14;
const int kDeadHatView = 2;
// The jetpack hangs on the hero's back.
const int kJetpackRightX = 1;
const int kJetpackLeftX = 27;
const int kJetpackDrop = 7;

// Hat and costume come from "save.txt", which may hold any number: out of range, nothing is drawn.
void DrawHat(const Player& hero, int screenX, int screenY) {
  if (hero.costume != kTumboManCostume || hero.hat < 0 || hero.hat >= kHatCount) return;
  Image* views = hatImages[hero.hat];
  if (!hero.inTank) {
    views[hero.dead ? kDeadHatView : hero.facing].Draw(screenX, screenY - kHatRaise);
  } else if (hero.facing == 0) {
    views[0].Draw(screenX + kTankHatRightX, screenY - kTankHatRaise);
  } else {
    views[1].Draw(screenX + kTankHatLeftX, screenY - kTankHatRaise);
  }
}

void DrawBody(const Player& hero, int screenX, int screenY) {
  if (hero.costume < 0 || hero.costume >= kCostumeCount) return;
  if (hero.frame < 0 || hero.frame >= kHeroFrameCount) return;
  heroFrames[hero.costume][hero.facing][hero.frame].Draw(screenX, screenY);
  DrawHat(hero, screenX, screenY);
}

void DrawJetpack(const Player& hero, int screenX, int screenY) {
  const bool worn = hero.effectActive && hero.effectType == kJetpackEffect;
  if (!worn || hero.dead || hero.inTank || hero.costume != kTumboManCostume) return;
  const int offsetX = hero.facing == 0 ? kJetpackRightX : kJetpackLeftX;
  jetpackImages[hero.airborne ? 1 : 0].Draw(screenX + offsetX, screenY + kJetpackDrop);
}
}  // namespace

void Player::Draw() {
  const int screenX = x - world.cameraX;
  const int screenY = y - world.cameraY;
  if (invulnerable && !noBlink) {
    if (!blinkPhase) DrawBody(*this, screenX, screenY);
    blinkPhase = !blinkPhase;
  } else {
    DrawBody(*this, screenX, screenY);
  }
  DrawJetpack(*this, screenX, screenY);
  if (tankShot.active) tankShotImage.Draw(tankShot.x - world.cameraX, tankShot.y - world.cameraY);
}
