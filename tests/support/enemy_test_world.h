#pragma once
// The shared scaffolding of the enemy tests: a hero of the test's own made the player, a ten-row
// world with a floor along its bottom row, and a teardown that leaves nothing behind for the next test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "entities/player.h"
#include "entities/registry.h"
#include "hero_test_world.h"
#include "world/world.h"

// The row of cells the floor of an enemy test's world fills.
const int kFloorRow = 9;

class EnemyTestWorld : public testing::Test {
 protected:
  Player hero;

  // Seeds the random numbers so every run sees the same enemies, makes `hero` the player, and
  // counts kills from zero whatever level an earlier test loaded.
  void UseHero(unsigned seed) {
    srand(seed);
    thePlayer = &hero;
    world.enemyCount = world.enemiesKilled = 0;
  }
  // Ten rows with the given floor row at the bottom and an optional row of walls on it.
  void BuildFloor(const std::string& floor, const std::string& walls = "") {
    std::vector<std::string> rows(10, std::string(floor.size(), '.'));
    rows[kFloorRow] = floor;
    if (!walls.empty()) rows[kFloorRow - 1] = walls;
    BuildHeroWorld(rows);
  }
  void TearDown() override {
    ClearEntities();
    FreeWorld();
    thePlayer = nullptr;
    world.enemyCount = world.enemiesKilled = 0;
  }
  // A living, unhurt hero with three health at (x, y).
  void PlaceHero(int x, int y, bool airborne, int vy) {
    hero.x = x;
    hero.y = y;
    hero.airborne = airborne;
    hero.vy = vy;
    hero.invulnerable = false;
    hero.health = 3;
    hero.dead = false;
  }
};
