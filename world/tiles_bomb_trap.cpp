#include "engine/frame_counter.h"
#include "engine/game_sounds.h"
#include "engine/rect.h"
#include "world/tile_images.h"
#include "world/tiles.h"

namespace {
enum BombTrapState { kArmed = 0, kTicking = 1, kBlowing = 2, kOpen = 3 };
const int kTickPeriod = 30;
const int kBlastPeriod = 4;
const int kFirstBlastFrame = 4;
const int kHoleFrame = 8;
// Only feet within 3 pixels of the plate's surface set it off.
const int kTriggerAbove = 3;
const int kTriggerHeight = 6;
// The plate looks for the hero's feet as if he were a 32x32 box.
const int kHeroFootOffset = 32;
}  // namespace

BombTrapTile::BombTrapTile(int worldX, int worldY) : x(worldX), y(worldY) { solid = true; }

void BombTrapTile::Reset() {
  solid = true;
  frame = 0;
  state = kArmed;
  frameCounter = 0;
  framePeriod = kTickPeriod;
}

void BombTrapTile::Touch(PlayerLink& link) {
  if (state != kArmed) return;
  const SDL_Rect strip = MakeRect(x, y - kTriggerAbove, kTileSize, kTriggerHeight);
  const int feetY = *link.y + kHeroFootOffset;
  if (PointInRect(*link.x, feetY, strip) || PointInRect(*link.x + kHeroFootOffset, feetY, strip)) {
    state = kTicking;
    frame = 1;
    PlayEffect(Effect::kBombTrap);
  }
}

void BombTrapTile::Update() {
  switch (state) {
    case kArmed:
      frame = 0;
      break;
    case kTicking:
      if (StepDue(frameCounter, framePeriod) && ++frame == kFirstBlastFrame) {
        state = kBlowing;
        solid = false;
        framePeriod = kBlastPeriod;
        PlayEffect(Effect::kExplosion);
      }
      break;
    case kBlowing:
      if (StepDue(frameCounter, framePeriod) && ++frame == kHoleFrame) state = kOpen;
      break;
    default:
      frame = kHoleFrame;
      break;
  }
}

void BombTrapTile::Draw(int worldX, int worldY) { DrawTileImage(bombTrapImages[frame], worldX, worldY); }
