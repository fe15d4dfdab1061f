#pragma once
#include <string>

// The game names some files with different letter case than they have on disk ("Editor Font.ttf"
// and "Editor font.ttf" are one file). Returns the path unchanged when it exists; otherwise the
// first existing path whose components match it ignoring case; otherwise the path unchanged.
std::string ResolvePath(const std::string& path);
