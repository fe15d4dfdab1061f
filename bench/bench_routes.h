#pragma once
#include <string>
#include <vector>

#include "support/route_player.h"

// A story level's recorded route, with the level's name (the route file's name).
struct NamedRoute {
  std::string level;
  Route route;
};

// Every route in data/routes, in story order; whatever routes the levels have today. Routes that
// cannot be read are reported on standard error and left out.
std::vector<NamedRoute> StoryRoutes();
