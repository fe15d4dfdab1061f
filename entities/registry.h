#pragma once
#include <utility>
#include <vector>

#include "entities/game_object.h"

// The objects of the running level, in file order. The registry owns them.
extern std::vector<GameObject*> entityList;
// (x, y) addresses of every kicked UFRO shell; valid until ClearEntities.
extern std::vector<std::pair<int*, int*>> kickedShells;

void AddEntity(GameObject* object);
void UpdateEntities();
void DrawEntities();
void ClearEntities();
