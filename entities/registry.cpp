#include "entities/registry.h"

std::vector<GameObject*> entityList;
std::vector<std::pair<int*, int*>> kickedShells;

// A record the factory could not build must not leave a null in the list every frame walks.
void AddEntity(GameObject* object) {
  if (object) entityList.push_back(object);
}

// By index with the size read anew each step, as an object's Update may look at the list.
void UpdateEntities() {
  for (size_t i = 0; i < entityList.size(); ++i) entityList[i]->Update();
}

void DrawEntities() {
  for (size_t i = 0; i < entityList.size(); ++i) entityList[i]->Draw();
}

void ClearEntities() {
  for (GameObject* object : entityList) delete object;
  entityList.clear();
  kickedShells.clear();
}
