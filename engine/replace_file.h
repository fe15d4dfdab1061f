#pragma once
#include <string>

// Writes text beside the file, at path + partialSuffix, and renames it over the file, so a crash or
// a full disk while writing never leaves a cut-short file where the old one stood. False, with no
// partial file left behind, when the file could not be replaced.
bool ReplaceFile(const std::string& path, const std::string& text, const std::string& partialSuffix);
