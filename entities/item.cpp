#include "entities/item.h"

#include "engine/rect.h"
#include "entities/player.h"
#include "world/world.h"

Item::Item(int x, int y, int width, int height, const char* typeName)
    : GameObject(x, y, width, height, typeName, kFloats) {
  world.itemCount += 1;
}

void Item::Update() {
  if (!active || !thePlayer) return;
  if (!RectsOverlap(thePlayer->Rect(), EntityRect())) return;
  active = false;
  Apply();
  // A drink or jetpack refused while another power-up runs puts itself back; counting it would
  // add one "grabbed" item for every frame the hero stands on it, so only kept pickups count.
  if (active) return;
  world.itemsGrabbed += 1;
  PlayEffect(GrabSound());
}

void Item::Draw() {
  if (!active) return;
  Picture().Draw(x - world.cameraX, y - world.cameraY);
}

void Item::WriteLevelLine(std::ostream& out) { WriteRecord(out); }
