#include "engine/path_resolve.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/filesystem.hpp>
#include <boost/system/error_code.hpp>

namespace fs = boost::filesystem;

namespace {
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
}  // namespace

std::string ResolvePath(const std::string& path) {
  boost::system::error_code error;
  if (path.empty() || fs::exists(path, error)) return path;

  fs::path resolved;
  for (const fs::path& part : fs::path(path)) {
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
    if (match.empty()) return path;
    resolved = match;
  }
  return resolved.string();
}
