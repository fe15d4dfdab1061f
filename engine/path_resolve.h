#pragma once
#include <string>

// The game names some files with different letter case than they have on disk ("Editor Font.ttf"
// and "Editor font.ttf" are one file). Returns the path unchanged when it exists; otherwise the
// first existing path whose components match it ignoring case; otherwise, for a relative path
// when a data folder is set, the same search inside the data folder; otherwise the path unchanged.
std::string ResolvePath(const std::string& path);

// An installed game works in the player's own folder, where it writes, and reads the pictures,
// fonts, sounds and story levels that folder lacks from the installed data folder (empty: none).
void SetDataFolder(const std::string& folder);
