#pragma once
#include <istream>
#include <string>

class GameObject;

// Reads a level file's entity section to its end, handing every object built to keep. Words that
// are no type name are skipped one by one. Reading stops at the first record whose integers cannot
// be read; false is returned then, with the reason in problem.
bool ReadEntityRecords(std::istream& in, void (*keep)(GameObject*), std::string& problem);
