#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "engine/progress.h"
#include "entities/registry.h"
#include "screens/level_screen.h"
#include "screens/shop_items.h"
#include "support/route_player.h"

namespace {
std::string RoutePath(const std::string& level) {
  return std::string(TUMBO_SOURCE_DIR) + "/data/routes/" + level + ".route";
}

// To see where a route goes wrong: TUMBO_ROUTE_TRACE=<n> prints the hero's position every n
// frames, TUMBO_ROUTE_SHOTS=<n> saves the screen every n frames as /tmp/route-<frame>.bmp.
// TUMBO_ROUTE_LEFTOVERS=1 lists the items the route leaves in the level.
RouteOptions TraceOptions() {
  RouteOptions options;
  if (std::getenv("TUMBO_ROUTE_LEFTOVERS")) options.leftovers = &std::cout;
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

RouteOutcome ExpectRouteFinishes(const std::string& level) {
  Route route;
  std::string error;
  EXPECT_TRUE(ReadRoute(RoutePath(level), route, error)) << error;
  EXPECT_TRUE(route.hasExpected) << "the route stores no expected statistics";
  const RouteOutcome outcome = PlayRoute(route, TraceOptions());
  EXPECT_TRUE(outcome.completed) << "the flag was not reached; the hero got to x " << outcome.furthestX;
  EXPECT_EQ(DescribeStats(route.expected), DescribeStats(outcome.stats));
  return outcome;
}

// What a first-time player needs from a level, measured on a flawless run: a level worth the
// trip but short enough to try again, a checkpoint never far behind, and no checkpoint he can
// pass without touching it, since a death sends him back to the rightmost one he touched.
const int kShortestLevelSeconds = 60;
const int kLongestLevelSeconds = 100;
const int kLongestStretchSeconds = 25;
// The level climbs and drops: the highest and lowest floors on its way lie this many rows apart.
const int kLeastClimbRows = 12;

enum RouteKind { kMainRoute, kUpperRoute };

double Seconds(int frames) { return frames * kRouteFrameMs / 1000.0; }

void ExpectFairLevel(const std::string& routeName, RouteKind kind) {
  const RouteOutcome outcome = ExpectRouteFinishes(routeName);
  int lastFrame = LevelScreen::kTitleCardFrames;
  for (const CheckpointTouch& checkpoint : outcome.checkpoints) {
    EXPECT_GE(checkpoint.frame, 0) << "the checkpoint in column " << checkpoint.column << " was passed by";
    if (checkpoint.frame < 0) continue;
    EXPECT_GT(checkpoint.frame, lastFrame) << "the checkpoint in column " << checkpoint.column << " came too early";
    EXPECT_LE(Seconds(checkpoint.frame - lastFrame), kLongestStretchSeconds)
        << "before the checkpoint in column " << checkpoint.column;
    lastFrame = std::max(lastFrame, checkpoint.frame);
  }
  EXPECT_LE(Seconds(outcome.stats.frames - lastFrame), kLongestStretchSeconds) << "from the last checkpoint on";
  const double played = Seconds(outcome.stats.frames - LevelScreen::kTitleCardFrames);
  EXPECT_GE(played, kShortestLevelSeconds);
  EXPECT_LE(played, kLongestLevelSeconds);
  if (kind != kMainRoute) return;
  EXPECT_GE(outcome.lowestFloorRow - outcome.highestFloorRow, kLeastClimbRows);
  EXPECT_GT(outcome.stats.lives, kStartingLives) << "no extra life on the way";
}
}  // namespace

TEST(Routes, TumboWorld1) { ExpectFairLevel("TumboWorld1", kMainRoute); }

TEST(Routes, TumboWorld1Upper) { ExpectFairLevel("TumboWorld1-upper", kUpperRoute); }

TEST(Routes, TumboWorld2) { ExpectFairLevel("TumboWorld2", kMainRoute); }

TEST(Routes, TumboWorld2Upper) { ExpectFairLevel("TumboWorld2-upper", kUpperRoute); }

TEST(Routes, Blorp1) { ExpectRouteFinishes("Blorp1"); }

TEST(Routes, Blorp2) { ExpectRouteFinishes("Blorp2"); }

TEST(Routes, SpacePirate1) { ExpectRouteFinishes("SpacePirate1"); }

TEST(Routes, SpacePirate2) { ExpectRouteFinishes("SpacePirate2"); }

TEST(Routes, RobotCity1) { ExpectFairLevel("RobotCity1", kMainRoute); }

TEST(Routes, RobotCity1Upper) { ExpectFairLevel("RobotCity1-upper", kUpperRoute); }

TEST(Routes, RobotCity2) { ExpectFairLevel("RobotCity2", kMainRoute); }

TEST(Routes, RobotCity2Upper) { ExpectFairLevel("RobotCity2-upper", kUpperRoute); }

TEST(Routes, RoundWorld1) { ExpectFairLevel("RoundWorld1", kMainRoute); }

TEST(Routes, RoundWorld1Upper) { ExpectFairLevel("RoundWorld1-upper", kUpperRoute); }

TEST(Routes, RoundWorld2) { ExpectFairLevel("RoundWorld2", kMainRoute); }

TEST(Routes, RoundWorld2Upper) { ExpectFairLevel("RoundWorld2-upper", kUpperRoute); }

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
