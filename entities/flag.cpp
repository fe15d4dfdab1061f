#include "entities/flag.h"

#include "engine/game_sounds.h"
#include "engine/rect.h"
#include "entities/player.h"
#include "world/special_graphics.h"
#include "world/world.h"

namespace {
const int kFlagWidth = 100;
const int kFlagHeight = 298;
const int kFlagStartDrop = 257;  // the flag starts at the foot of the pole
const int kFlagTopDrop = 18;     // and is hoisted until it reaches this far below the top
const int kFlagClimbSpeed = 2;
const int kFlagPictureX = 68;
// The base the hero must land on, relative to the pole's box.
const SDL_Rect kBase = {1, 257, 52, 29};
}  // namespace

Flag::Flag(int x, int y)
    : Entity(x, y, kFlagWidth, kFlagHeight, kTypeName, kStandsOnFloor), flagY(y + kFlagStartDrop) {}

void Flag::Collide() {
  // Screens that run a level's objects without a hero (the world map) leave thePlayer null.
  if (!thePlayer || thePlayer->dead || touched == 1) return;
  const SDL_Rect hero = thePlayer->Rect();
  if (!RectsOverlap(hero, EntityRect()) || !thePlayer->Falling()) return;
  if (!RectsOverlap(hero, PartRect(kBase))) return;
  touched = 1;
  thePlayer->Bounce();
  PlayEffect(Effect::kFlag);
}

void Flag::Update() {
  Collide();
  if (touched == 1 && flagY > y + kFlagTopDrop) flagY -= kFlagClimbSpeed;
  if (flagY <= y + kFlagTopDrop) world.levelComplete = true;
}

void Flag::Draw() {
  poleImages[touched].Draw(static_cast<Sint16>(x - world.cameraX), static_cast<Sint16>(y - world.cameraY));
  flagImage.Draw(static_cast<Sint16>(x + kFlagPictureX - world.cameraX), static_cast<Sint16>(flagY - world.cameraY));
}

void Flag::WriteLevelLine(std::ostream& out) { WriteRecord(out, {}); }
