#include "entities/game_object.h"

#include "engine/rect.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "world/world.h"

namespace {
// A kicked UFRO shell's box.
const int kShellWidth = 40;
const int kShellHeight = 30;
}  // namespace

void GameObject::Kill() {
  active = false;
  ++world.enemiesKilled;
}

GameObject::GameObject(int x, int y, int width, int height, const char* typeName, Footing footing)
    : x(x), y(y), w(width), h(height), typeName(typeName), snapToGround(footing == kStandsOnFloor) {}

SDL_Rect GameObject::EntityRect() const { return MakeRect(x, y, w, h); }

SDL_Rect GameObject::PartRect(SDL_Rect part) const { return MakeRect(x + part.x, y + part.y, part.w, part.h); }

void Entity::TouchPlayer() {
  // Screens without a hero (the world map, the editor) still run their objects.
  if (!thePlayer || thePlayer->dead) return;
  const SDL_Rect box = EntityRect();
  // The tank's shot flies on after a kill, so one shot can take out a whole row of enemies.
  if (thePlayer->tankShot.active && RectsOverlap(thePlayer->tankShot.Rect(), box)) {
    Kill();
    return;
  }
  if (!RectsOverlap(thePlayer->Rect(), box)) return;
  if (thePlayer->inTank) {
    Kill();
  } else if (!thePlayer->airborne) {
    thePlayer->Hurt();
  } else if (thePlayer->vy < 0) {
    Kill();
    thePlayer->Bounce();
  } else {
    thePlayer->Hurt();
  }
}

void Entity::CheckKickedShells() {
  for (const auto& shell : kickedShells) {
    if (RectsOverlap(MakeRect(*shell.first, *shell.second, kShellWidth, kShellHeight), EntityRect())) Kill();
  }
}

void GameObject::WriteRecord(std::ostream& out, std::initializer_list<int> extras) const {
  out << typeName << ' ' << x << ' ' << y;
  for (int value : extras) out << ' ' << value;
  out << '\n';
}
