#pragma once
#include <string>

// Reads a level file into the World: its background, its tile grid, and its objects into the
// registry. A level still loaded is freed first. False when the file could not be read in full.
bool LoadWorld(std::string path);
// Reads the loaded level's objects again, as they were at its start; after a lost life.
void ReloadEntities();
