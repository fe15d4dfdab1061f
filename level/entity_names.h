#pragma once
#include <string>
#include <vector>

// The editor's object palette in palette order; "Delete" is a palette entry, not a type.
extern std::vector<std::string> entityNames;

void InitEntityNames();
// True exactly for the 21 placeable type names (not "Delete"); case-sensitive.
bool IsEntityName(const std::string& word);
