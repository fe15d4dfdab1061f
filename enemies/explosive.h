#pragma once
#include <ostream>

#include "engine/image.h"
#include "entities/game_object.h"

// Launchers keep a few projectiles each and fire the first one not in use; with all in flight,
// that shot is lost.
template <class Projectile, int Count>
Projectile* FirstInactive(Projectile (&projectiles)[Count]) {
  for (Projectile& projectile : projectiles) {
    if (!projectile.active) return &projectile;
  }
  return nullptr;
}

// A projectile that bursts into a blast when it hits the hero or the ground. Owned by the enemy
// that launches it; never counted as an enemy. Missiles and bombs differ only in their flight,
// their pictures and the size of their blast.
class Explosive : public Entity {
 public:
  struct Blast {
    int left;  // how far the blast reaches left of and above the projectile's corner
    int up;
    int size;
    int firstFrame;
    int endFrame;  // the first frame number past the blast: it ends there
  };

  enum State : int { kFlying = 0, kBursting = 1 };

  State state = kFlying;
  int frame = 0;
  int frameCounter = 0;
  int framePeriod = 2;

  // Bursts: the box grows into the blast around where the projectile was. Only once.
  void Kill() override;
  // While active: animation, contact with the hero, then the subclass's own flight.
  void Update() override;
  void Draw() override;
  // Projectiles are not part of the level file.
  void WriteLevelLine(std::ostream& out) override;
  // Flying, the flight picture; exploding, the blast frames, after which it is gone.
  void Animate() override;
  // The projectile or its blast hurts the hero, even in a tank; a projectile bursts on him.
  void Collide() override;

  bool Flying() const { return active && state == kFlying; }

 protected:
  Explosive(const char* name, const Blast& blast, Image* frames);
  // Starts a flight at (px, py) with a w x h box.
  void Start(int px, int py, int width, int height, int flightFrame);
  // The picture shown while it flies.
  virtual int FlightFrame() const = 0;
  // One frame's movement once animation and contact are done; the blast runs this too.
  virtual void Move() = 0;

 private:
  Blast blast;
  Image* frames;
};
