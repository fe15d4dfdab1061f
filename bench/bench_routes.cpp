#include "bench_routes.h"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <iostream>

namespace fs = boost::filesystem;

std::vector<NamedRoute> StoryRoutes() {
  std::vector<NamedRoute> routes;
  const fs::path folder = fs::path(TUMBO_SOURCE_DIR) / "data" / "routes";
  if (!fs::is_directory(folder)) {
    std::cerr << "no routes in " << folder.string() << "\n";
    return routes;
  }
  for (fs::directory_iterator it(folder); it != fs::directory_iterator(); ++it) {
    if (it->path().extension() != ".route") continue;
    NamedRoute named;
    named.level = it->path().stem().string();
    std::string error;
    if (ReadRoute(it->path().string(), named.route, error)) {
      routes.push_back(named);
    } else {
      std::cerr << it->path().string() << ": " << error << "\n";
    }
  }
  std::sort(routes.begin(), routes.end(),
            [](const NamedRoute& a, const NamedRoute& b) { return a.route.story < b.route.story; });
  return routes;
}
