#pragma once
#include <string>

// True only when the whole file was read; a file that could not be read in full is logged.
bool EditorLoadLevel(std::string path);
// True once the level is on disk; an existing file is replaced only by a complete new one.
bool SaveLevel(std::string path);
