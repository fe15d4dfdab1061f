#include "world/tiles.h"

#include <cstdlib>
#include <typeinfo>

#include "engine/game_sounds.h"
#include "world/tile_images.h"
#include "world/world.h"

namespace {
// Spikes and deep sludge throw the hero up a little before he falls off the screen.
const int kDeathFallLift = 10;
const int kDeathFallGravityPeriod = 1;
const int kSpringLaunchSpeed = 30;
const int kJellyLooks = 4;
const int kSteelLooks = 4;
}  // namespace

void DrawTileImage(Image& picture, int worldX, int worldY) {
  picture.Draw(static_cast<Sint16>(worldX - world.cameraX), static_cast<Sint16>(worldY - world.cameraY));
}

bool SameKindAbove(Tile& tile, int worldX, int worldY) {
  Tile& above = *GetTile(worldX / kTileSize, worldY / kTileSize - 1);
  return typeid(above) == typeid(tile);
}

// A departure from one picture per tile kind: drawn alone, every cell of a stack repeated its
// surface, so a cliff of grass showed a lawn on each row. Only the picture changes: what is solid,
// and so the game itself, stays as the level says.
void DrawGroundImage(Tile& tile, Image& surface, Image& inner, int worldX, int worldY) {
  DrawTileImage(SameKindAbove(tile, worldX, worldY) ? inner : surface, worldX, worldY);
}

void StartDeathFall(PlayerLink& link) {
  *link.dead = true;
  *link.airborne = true;
  *link.vy = kDeathFallLift;
  *link.gravityPeriod = kDeathFallGravityPeriod;
}

void EmptyTile::Draw(int, int) {}

Tile* SharedEmptyTile() {
  static EmptyTile shared;
  return &shared;
}

PlainTile::PlainTile(Image* picture, bool isSolid, Image* innerPicture) : picture(picture), innerPicture(innerPicture) {
  solid = isSolid;
}

void PlainTile::Draw(int worldX, int worldY) {
  if (innerPicture) {
    DrawGroundImage(*this, *picture, *innerPicture, worldX, worldY);
  } else {
    DrawTileImage(*picture, worldX, worldY);
  }
}

GrassTile::GrassTile() : PlainTile(&grassImage, true, &earthImage) {}
// Bricks are laid in a pattern that already stacks.
BrickTile::BrickTile() : PlainTile(&brickImage, true) {}
ShipFloorTile::ShipFloorTile() : PlainTile(&shipFloorImage, true, &hullImage) {}

void SpikesTile::Touch(PlayerLink& link) { StartDeathFall(link); }

void SpikesTile::Draw(int worldX, int worldY) { DrawTileImage(spikesImage, worldX, worldY); }

WaterTile::WaterTile() { foreground = 1; }

void WaterTile::Touch(PlayerLink& link) { *link.inWater = true; }

void WaterTile::Draw(int worldX, int worldY) { DrawTileImage(waterImage, worldX, worldY); }

void SpringTile::Touch(PlayerLink& link) {
  if (*link.airborne) return;
  *link.airborne = true;
  *link.vy = kSpringLaunchSpeed;
  springing = true;
  PlayEffect(Effect::kSpring);
}

// The spring is not an active tile, so its drawing is the only per-frame call it gets: the
// sprung picture is timed here, in drawn frames.
void SpringTile::Draw(int worldX, int worldY) {
  if (springing && ++counter > springFrames) {
    springing = false;
    counter = 0;
  }
  DrawTileImage(springImages[springing ? 1 : 0], worldX, worldY);
}

CheckpointTile::CheckpointTile(int worldX, int worldY) : x(worldX), y(worldY) {}

// Appended on every touch, not once: the hero's respawn picks from the whole list.
void CheckpointTile::Touch(PlayerLink& link) {
  if (!on) PlayEffect(Effect::kCheckpoint);
  on = true;
  link.checkpoints->emplace_back(x, y);
}

void CheckpointTile::Draw(int worldX, int worldY) { DrawTileImage(checkpointImages[on ? 1 : 0], worldX, worldY); }

JellyTile::JellyTile() : variant(rand() % kJellyLooks) { solid = true; }

void JellyTile::Draw(int worldX, int worldY) {
  DrawGroundImage(*this, jellyImages[variant], jellyInnerImage, worldX, worldY);
}

SludgeTile::SludgeTile(int worldX, int worldY) : x(worldX), y(worldY) { foreground = 1; }

// Wading is safe while the hero's head is above the surface; sinking below it is fatal.
void SludgeTile::Touch(PlayerLink& link) {
  *link.inSludge = true;
  if (*link.y > y) StartDeathFall(link);
}

void SludgeTile::Draw(int worldX, int worldY) { DrawTileImage(sludgeImage, worldX, worldY); }

SteelTile::SteelTile() : variant(rand() % kSteelLooks) { solid = true; }

void SteelTile::Draw(int worldX, int worldY) {
  DrawGroundImage(*this, steelImages[variant], steelInnerImage, worldX, worldY);
}

DirtTile::DirtTile(int look) : variant(look) { solid = true; }

// Both dirt looks are one kind of ground: either one under the other shows the deep dirt.
void DirtTile::Draw(int worldX, int worldY) {
  DrawGroundImage(*this, dirtImages[variant], deepDirtImage, worldX, worldY);
}

void StartTile::Draw(int, int) {}
