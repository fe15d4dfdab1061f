#include "engine/replace_file.h"

#include <cstdio>
#include <fstream>

bool ReplaceFile(const std::string& path, const std::string& text, const std::string& partialSuffix) {
  const std::string partial = path + partialSuffix;
  std::ofstream file(partial, std::ios::out | std::ios::trunc | std::ios::binary);
  // Something that cannot be opened for writing (a folder standing in the way) is not ours to remove.
  if (!file) return false;
  file << text;
  file.close();
  if (!file.fail() && std::rename(partial.c_str(), path.c_str()) == 0) return true;
  std::remove(partial.c_str());
  return false;
}
