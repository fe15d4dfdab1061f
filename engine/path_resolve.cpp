#include "engine/path_resolve.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/filesystem.hpp>
#include <boost/system/error_code.hpp>

namespace fs = boost::filesystem;

namespace {
std::string dataFolder;

// The entry of `folder` named like `name` ignoring case, or empty.
fs::path FindIgnoringCase(const fs::path& folder, const std::string& name) {
  boost::system::error_code error;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
  if (error) return fs::path();
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    const std::string entry = it->path().filename().string();
    if (boost::algorithm::iequals(entry, name)) return folder / entry;
  }
  return fs::path();
}

// The existing path matching `path` ignoring case, or empty.
fs::path FindPath(const fs::path& path) {
  boost::system::error_code error;
  if (fs::exists(path, error)) return path;

  fs::path resolved;
  for (const fs::path& part : path) {
    const std::string name = part.string();
    if (name == "/" || name == "." || name == "..") {
      resolved /= part;
      continue;
    }
    fs::path exact = resolved / part;
    if (fs::exists(exact, error)) {
      resolved = exact;
      continue;
    }
    fs::path match = FindIgnoringCase(resolved, name);
    if (match.empty()) return fs::path();
    resolved = match;
  }
  return resolved;
}
}  // namespace

std::string ResolvePath(const std::string& path) {
  if (path.empty()) return path;
  fs::path found = FindPath(path);
  if (found.empty() && !dataFolder.empty() && fs::path(path).is_relative()) {
    found = FindPath(fs::path(dataFolder) / path);
  }
  return found.empty() ? path : found.string();
}

void SetDataFolder(const std::string& folder) { dataFolder = folder; }
