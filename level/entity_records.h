#pragma once
#include <istream>
#include <string>

class GameObject;

// Reads a level file's entity section to its end, handing every object built to keep. Words that
// are no type name are skipped one by one. An object placed off a level of columns x rows cells,
// beyond a margin, is refused and reading goes on. Reading stops at the first record whose integers
// cannot be read. False when a record was refused or broken, with the first reason in problem.
bool ReadEntityRecords(std::istream& in, int columns, int rows, void (*keep)(GameObject*), std::string& problem);
