#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "app/startup_loading.h"
#include "engine/progress.h"
#include "entities/game_object.h"
#include "entities/items.h"
#include "entities/registry.h"
#include "level/level_reader.h"
#include "screens/level_screen.h"
#include "screens/shop_items.h"
#include "support/headless.h"
#include "support/route_player.h"
#include "world/world.h"

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

// The recorded route of that name; a file that cannot be read fails the test and leaves it empty.
Route RecordedRouteOf(const std::string& name) {
  Route route;
  std::string error;
  EXPECT_TRUE(ReadRoute(RoutePath(name), route, error)) << name << ": " << error;
  return route;
}

RouteOutcome ExpectRouteFinishes(const std::string& level) {
  const Route route = RecordedRouteOf(level);
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

namespace {
const char kUpperSuffix[] = "-upper";

std::string SourcePath(const std::string& inside) { return std::string(TUMBO_SOURCE_DIR) + "/" + inside; }

// The names of the files in a source folder that end in the extension, without it, sorted.
std::vector<std::string> FileStems(const std::string& folder, const std::string& extension) {
  std::vector<std::string> stems;
  boost::system::error_code error;
  for (boost::filesystem::directory_iterator it(SourcePath(folder), error), end; !error && it != end; ++it) {
    if (it->path().extension() == extension) stems.push_back(it->path().stem().string());
  }
  std::sort(stems.begin(), stems.end());
  return stems;
}

bool IsUpperRoute(const std::string& name) {
  const std::string suffix = kUpperSuffix;
  return name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string LevelOfRoute(const std::string& name) {
  return IsUpperRoute(name) ? name.substr(0, name.size() - std::string(kUpperSuffix).size()) : name;
}

// Every recorded route is held to the same checks, so a route added for a level is tested as soon
// as its file exists.
class RecordedRoute : public ::testing::TestWithParam<std::string> {};

std::string TestNameOfRoute(const ::testing::TestParamInfo<std::string>& info) {
  return LevelOfRoute(info.param) + (IsUpperRoute(info.param) ? "Upper" : "");
}
}  // namespace

TEST_P(RecordedRoute, IsFairToAFirstTimePlayer) {
  ExpectFairLevel(GetParam(), IsUpperRoute(GetParam()) ? kUpperRoute : kMainRoute);
}

INSTANTIATE_TEST_SUITE_P(Routes, RecordedRoute, ::testing::ValuesIn(FileStems("data/routes", ".route")),
                         TestNameOfRoute);

namespace {
// Money for the shop: what a player who plays every level once brings to it. He takes most of
// the money on each level's main way, this share of it, and the stashes and other ways make up
// the rest.
const double kMainWayShareTaken = 0.8;
// Every level pays for a visit to the shop by itself.
const int kLeastLevelMoney = 100;

int PriceOfCheapest(const std::vector<int>& prices, size_t rank) {
  return rank < prices.size() ? prices[rank] : 0;
}

// The second look and the two cheapest hats, bought cheapest first: each purchase needs more money
// than its price, so the last needs one more than what is left to pay.
int MoneyForTheLookAndTwoHats() {
  CreateShopItems();
  std::vector<int> hats;
  std::vector<int> looks;
  for (ShopItem* item : shopItems) {
    if (item->price == 0) continue;  // the articles every player has from the start
    if (dynamic_cast<HatItem*>(item)) hats.push_back(item->price);
    if (dynamic_cast<CostumeItem*>(item)) looks.push_back(item->price);
  }
  DeleteShopItems();
  std::sort(hats.begin(), hats.end());
  std::sort(looks.begin(), looks.end());
  EXPECT_GE(hats.size(), 2u);
  EXPECT_GE(looks.size(), 1u);
  return PriceOfCheapest(looks, 0) + PriceOfCheapest(hats, 0) + PriceOfCheapest(hats, 1) + 1;
}

int MoneyInLevel(const std::string& level) {
  EXPECT_TRUE(LoadWorld("Levels/" + level + ".level")) << level;
  const int coins = static_cast<int>(std::count_if(entityList.begin(), entityList.end(), [](GameObject* object) {
    return object->typeName == Money::kTypeName;
  }));
  ClearEntities();
  FreeWorld();
  return coins;
}
}  // namespace

// The levels as the story plays them: each map has a main route that names its story level (the
// route tests above then hold it to the climb, the checkpoints, the extra life and the length),
// every route belongs to a map, and the money in the levels buys what the shop promises.
TEST(LevelSources, EveryLevelHasItsRouteAndRoutesBelongToLevels) {
  StartHeadless();
  EnterGameDir();
  ASSERT_TRUE(InitStoryAndSave());
  const std::vector<std::string> maps = FileStems("data", ".map");
  ASSERT_EQ(static_cast<size_t>(kStoryLevelCount), maps.size());
  for (const std::string& level : maps) {
    const Route route = RecordedRouteOf(level);
    EXPECT_EQ("Levels/" + level + ".level", storyLevelFiles[route.story]) << "the route of " << level;
  }
  for (const std::string& name : FileStems("data/routes", ".route")) {
    EXPECT_TRUE(std::count(maps.begin(), maps.end(), LevelOfRoute(name))) << name << " names no level";
  }
}

TEST(LevelSources, MoneyBuysTheSecondLookAndTwoHats) {
  StartHeadless();
  EnterGameDir();
  double brought = 0;
  for (const std::string& level : FileStems("data", ".map")) {
    const Route route = RecordedRouteOf(level);
    const int inLevel = MoneyInLevel(level);
    EXPECT_GE(inLevel, kLeastLevelMoney) << level;
    const int onMainWay = route.expected.levelMoney;
    brought += kMainWayShareTaken * onMainWay + (inLevel - onMainWay);
  }
  EXPECT_GE(brought, MoneyForTheLookAndTwoHats());
}

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
