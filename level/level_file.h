#pragma once
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "engine/parallax_background.h"

class GameObject;

// Where the editor saves the player's levels and where the title menu finds them.
const char* const kCustomLevelFolder = "Levels/Custom/";
const char* const kLevelExtension = ".level";

// The head of a level file: the background's layer paths, farthest first, and the grid's size.
struct LevelHeader {
  std::string layers[ParallaxBackground::kLayerCount];
  int columns = 0;
  int rows = 0;
};

// A path that names a folder is never opened as a level.
bool IsFolder(const std::string& path);
// Why what stands at path must not be opened as a level, or empty when it may be: a folder; a pipe
// or device, which could keep the reader waiting for ever; a file larger than any level. A missing
// file is left to opening it.
std::string LevelFileRefusal(const std::string& path);

// False, with the reason in problem, when the width and height cannot be read.
bool ReadLevelHeader(std::istream& in, LevelHeader& header, std::string& problem);

// Reads the grid's codes row by row and hands each to keep. At the first code that is missing or
// not a number it stops with the reason in problem: that cell is handed 0 (empty), later cells nothing.
bool ReadLevelGrid(std::istream& in, int columns, int rows, void (*keep)(int col, int row, int code),
                   std::string& problem);

// The whole file: head, one grid row a line with a blank after every code, one record line per object.
void WriteLevelFile(std::ostream& out, const LevelHeader& header, int (*codeAt)(int col, int row),
                    const std::vector<GameObject*>& objects);
