#pragma once
#include <SDL/SDL.h>

#include <ostream>
#include <string>

// Everything in a level apart from the tiles and the hero. Owned by the registry (or the editor's
// list) and deleted through this base, so a subclass's destructor frees all it owns. A class that
// level files hold names itself in a static kTypeName, exactly as the files write it.
class GameObject {
 public:
  bool active = true;  // takes part in the level; Kill or a pickup clears it
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  std::string typeName;       // exactly as in the level file
  bool snapToGround = false;  // the editor drops it onto the floor when placed

  virtual ~GameObject() = default;
  // Default: inactive and counted as killed. Enemies start their own dying animation instead.
  virtual void Kill();
  // Once per frame, active or not.
  virtual void Update() = 0;
  // Draws at its world position minus the camera.
  virtual void Draw() = 0;
  // Writes the object's record line of the level file, ending with an end of line.
  virtual void WriteLevelLine(std::ostream& out) = 0;

  SDL_Rect EntityRect() const;
  // A part of the object, given from its top-left corner, as a box in the world.
  SDL_Rect PartRect(SDL_Rect part) const;

 protected:
  // Whether the editor drops one it places onto the floor (snapToGround).
  enum Footing { kFloats, kStandsOnFloor };

  GameObject() = default;
  // The fields every object sets the same way: its box, its type name and its footing.
  GameObject(int x, int y, int width, int height, const char* typeName, Footing footing);

  // Writes "typeName x y" followed by each extra value, then an end of line.
  void WriteRecord(std::ostream& out, std::initializer_list<int> extras = {}) const;
};

// Enemies, hazards and level objects.
class Entity : public GameObject {
 public:
  // The contact rule between this entity and the hero: tank shot and tank kill it, a falling hero
  // stomps it and bounces, any other touch hurts the hero.
  virtual void TouchPlayer();
  // Kills this entity once for every kicked shell that overlaps it. Never overridden.
  virtual void CheckKickedShells();
  // Advances the class's animation by one frame.
  virtual void Animate() = 0;
  // The class's whole per-frame contact handling; in the simplest classes just TouchPlayer.
  virtual void Collide() = 0;

 protected:
  using GameObject::GameObject;
};
