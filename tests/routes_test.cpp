#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "support/route_player.h"

namespace {
std::string RoutePath(const std::string& level) {
  return std::string(TUMBO_SOURCE_DIR) + "/data/routes/" + level + ".route";
}

// To see where a route goes wrong: TUMBO_ROUTE_TRACE=<n> prints the hero's position every n
// frames, TUMBO_ROUTE_SHOTS=<n> saves the screen every n frames as /tmp/route-<frame>.bmp.
RouteOptions TraceOptions() {
  RouteOptions options;
  if (const char* every = std::getenv("TUMBO_ROUTE_TRACE")) {
    options.traceEvery = std::atoi(every);
    options.trace = &std::cout;
  }
  if (const char* every = std::getenv("TUMBO_ROUTE_SHOTS")) {
    const int step = std::max(1, std::atoi(every));
    for (int frame = 0; frame < options.frameLimit; frame += step) options.shotFrames.push_back(frame);
    options.shotPrefix = "/tmp/route-";
  }
  return options;
}

void ExpectRouteFinishes(const std::string& level) {
  Route route;
  std::string error;
  ASSERT_TRUE(ReadRoute(RoutePath(level), route, error)) << error;
  ASSERT_TRUE(route.hasExpected) << "the route stores no expected statistics";
  const RouteOutcome outcome = PlayRoute(route, TraceOptions());
  EXPECT_TRUE(outcome.completed) << "the flag was not reached; the hero got to x " << outcome.furthestX;
  EXPECT_EQ(DescribeStats(route.expected), DescribeStats(outcome.stats));
}
}  // namespace

TEST(Routes, TumboWorld1) { ExpectRouteFinishes("TumboWorld1"); }

TEST(Routes, TumboWorld2) { ExpectRouteFinishes("TumboWorld2"); }

TEST(Routes, Blorp1) { ExpectRouteFinishes("Blorp1"); }

TEST(Routes, Blorp2) { ExpectRouteFinishes("Blorp2"); }

TEST(Routes, SpacePirate1) { ExpectRouteFinishes("SpacePirate1"); }

TEST(Routes, SpacePirate2) { ExpectRouteFinishes("SpacePirate2"); }

TEST(Routes, RobotCity1) { ExpectRouteFinishes("RobotCity1"); }

TEST(Routes, RobotCity2) { ExpectRouteFinishes("RobotCity2"); }

TEST(Routes, RoundWorld1) { ExpectRouteFinishes("RoundWorld1"); }

TEST(Routes, RoundWorld2) { ExpectRouteFinishes("RoundWorld2"); }

TEST(RouteFiles, ReadKeysFromEachListedFrameOn) {
  std::istringstream text(
      "# a short one\n"
      "story 1\n"
      "expect frames 900 enemiesKilled 2 itemsGrabbed 7 levelMoney 6 lives 3\n"
      "0 right\n"
      "140 right up\n"
      "150 none\n");
  Route route;
  std::string error;
  ASSERT_TRUE(ParseRoute(text, route, error)) << error;
  EXPECT_EQ(1, route.story);
  EXPECT_EQ("frames 900 enemiesKilled 2 itemsGrabbed 7 levelMoney 6 lives 3", DescribeStats(route.expected));
  EXPECT_TRUE(KeysAt(route, 139).right);
  EXPECT_FALSE(KeysAt(route, 139).up);
  EXPECT_TRUE(KeysAt(route, 140).up);
  EXPECT_FALSE(KeysAt(route, 5000).right);

  std::ostringstream written;
  WriteRoute(written, route);
  std::istringstream again(written.str());
  Route reread;
  ASSERT_TRUE(ParseRoute(again, reread, error)) << error;
  EXPECT_NE(std::string::npos, written.str().find("\n150 none\n"));
  EXPECT_EQ(route.steps.size(), reread.steps.size());
  EXPECT_TRUE(SameStats(route.expected, reread.expected));
}

TEST(RouteFiles, RejectMistakesWithTheLineNumber) {
  const char* broken[] = {
      "story 0\n0 right\n0 up\n",                  // frames must increase
      "story 0\n0 jump\n",                         // unknown key
      "0 right\n",                                 // no level
      "story 12\n",                                // no such story level
      "story 0\nexpect frames 10 lives 2\n",       // incomplete statistics
  };
  for (const char* text : broken) {
    std::istringstream in(text);
    Route route;
    std::string error;
    EXPECT_FALSE(ParseRoute(in, route, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
  std::istringstream in("story 0\n0 right\n0 up\n");
  Route route;
  std::string error;
  ParseRoute(in, route, error);
  EXPECT_EQ(0u, error.find("line 3"));
}
