// Finds the keys for a boss fight in a closed arena, where holding Right gets the hero nowhere:
// from the end of a route that reaches the arena, it tries many short runs of random keys over
// the real game code and keeps the one that lands the next stomp on the Baron's head soonest and
// with the least harm, until his last stomp completes the level. Not part of the regular suite;
// run it by hand to record the end of a route:
//   TUMBO_ROUTE_STORY=9 TUMBO_ROUTE_FROM=/tmp/to-the-arena.route TUMBO_ROUTE_OUT=/tmp/done.route
//     tumbo_tests --gtest_also_run_disabled_tests --gtest_filter=Routes.DISABLED_ArenaSearch
// TUMBO_ROUTE_UNTIL=<frame> keeps only the steps of the given route before that frame, so a
// finished route can be cut where the hero drops into the arena and the fight found again.
// Each try continues a paused game in a forked child, as the route search does.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>

#include "enemies/round_world.h"
#include "engine/progress.h"
#include "entities/player.h"
#include "entities/registry.h"
#include "support/route_player.h"

namespace {
const int kTries = 400;
const int kHorizon = 360;  // frames a try may take to land its stomp
const int kMaxRounds = 40;
const int kShortestHold = 4;
const int kLongestHold = 24;

struct Outcome {
  int stompedAt = -1;  // frames into the try when the Baron lost a point, or -1
  int completedAt = -1;
  int healthLost = 0;
  bool died = false;
};

Baron* TheBaron() {
  for (GameObject* object : entityList) {
    if (Baron* baron = dynamic_cast<Baron*>(object)) return baron;
  }
  return nullptr;
}

RouteKeys RandomKeys(std::mt19937& random) {
  RouteKeys keys;
  const int sideways = std::uniform_int_distribution<int>(0, 2)(random);
  keys.left = sideways == 1;
  keys.right = sideways == 2;
  keys.up = std::uniform_int_distribution<int>(0, 1)(random) == 1;
  return keys;
}

// Keys from the try's first frame on, frames relative to it.
Route RandomTry(std::mt19937& random) {
  Route keys;
  for (int frame = 0; frame < kHorizon;) {
    keys.steps.push_back({frame, RandomKeys(random)});
    frame += std::uniform_int_distribution<int>(kShortestHold, kLongestHold)(random);
  }
  return keys;
}

Outcome PlayTry(RouteRun& run, const Route& keys) {
  Outcome outcome;
  Baron* baron = TheBaron();
  // Once he is down, only the end of his fall is left to wait for.
  if (baron && !baron->active) baron = nullptr;
  const int health = baron ? baron->health : 0;
  const int heroHealth = run.Hero().health;
  const int start = run.frame;
  while (run.frame - start < kHorizon) {
    run.Frame(KeysAt(keys, run.frame - start), false);
    if (run.Hero().dead) {
      outcome.died = true;
      break;
    }
    outcome.healthLost = heroHealth - run.Hero().health;
    if (run.Completed()) {
      outcome.completedAt = run.frame - start;
      break;
    }
    if (outcome.stompedAt < 0 && baron && (baron->health < health || !baron->active)) {
      outcome.stompedAt = run.frame - start;
      // A stomp is only worth keeping if the hero gets clear of the flickering Baron after it.
      break;
    }
  }
  return outcome;
}

Outcome TryInChild(RouteRun& run, const Route& keys) {
  int channel[2];
  if (pipe(channel) != 0) return Outcome();
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const Outcome outcome = PlayTry(run, keys);
    const ssize_t written = write(channel[1], &outcome, sizeof outcome);
    _exit(written == static_cast<ssize_t>(sizeof outcome) ? 0 : 1);
  }
  close(channel[1]);
  Outcome outcome;
  if (read(channel[0], &outcome, sizeof outcome) != static_cast<ssize_t>(sizeof outcome)) outcome = Outcome();
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return outcome;
}

// The frame at which a try is cut when it is kept: the end of its useful part.
int UsefulLength(const Outcome& outcome) {
  return outcome.completedAt >= 0 ? outcome.completedAt : outcome.stompedAt;
}

bool Useful(const Outcome& outcome) { return !outcome.died && UsefulLength(outcome) >= 0; }

bool Better(const Outcome& a, const Outcome& b) {
  if (Useful(a) != Useful(b)) return Useful(a);
  if ((a.completedAt >= 0) != (b.completedAt >= 0)) return a.completedAt >= 0;
  if (a.healthLost != b.healthLost) return a.healthLost < b.healthLost;
  return UsefulLength(a) < UsefulLength(b);
}

void Append(Route& route, int start, const Route& keys, int length) {
  for (const RouteStep& step : keys.steps) {
    if (step.frame >= length) break;
    route.steps.push_back({start + step.frame, step.keys});
  }
}
}  // namespace

TEST(Routes, DISABLED_ArenaSearch) {
  const char* story = std::getenv("TUMBO_ROUTE_STORY");
  const char* from = std::getenv("TUMBO_ROUTE_FROM");
  ASSERT_NE(nullptr, story) << "name the story level in TUMBO_ROUTE_STORY";
  ASSERT_NE(nullptr, from) << "name a route that reaches the arena in TUMBO_ROUTE_FROM";
  Route route;
  std::string error;
  ASSERT_TRUE(ReadRoute(from, route, error)) << error;
  route.story = std::atoi(story);
  route.hasExpected = false;
  if (const char* until = std::getenv("TUMBO_ROUTE_UNTIL")) {
    const int cut = std::atoi(until);
    while (!route.steps.empty() && route.steps.back().frame >= cut) route.steps.pop_back();
  }
  const int arenaFrame = route.steps.empty() ? 0 : route.steps.back().frame + 1;

  std::mt19937 random(7);
  RouteRun run;
  run.Start(route.story);
  while (run.frame < arenaFrame) run.Frame(KeysAt(route, run.frame), false);
  ASSERT_NE(nullptr, TheBaron()) << "the level has no Baron";

  bool completed = false;
  for (int round = 0; round < kMaxRounds && !completed; ++round) {
    Outcome best;
    Route bestKeys;
    for (int attempt = 0; attempt < kTries; ++attempt) {
      const Route keys = RandomTry(random);
      const Outcome outcome = TryInChild(run, keys);
      if (Better(outcome, best)) {
        best = outcome;
        bestKeys = keys;
      }
    }
    if (!Useful(best)) {
      std::cout << "round " << round << ": no try reached the Baron's head; trying again" << std::endl;
      continue;
    }
    const int start = run.frame;
    const int length = UsefulLength(best) + 1;
    Append(route, start, bestKeys, length);
    while (run.frame < start + length && !run.Completed()) run.Frame(KeysAt(route, run.frame), false);
    completed = run.Completed();
    std::cout << "round " << round << ": " << (completed ? "level complete" : "stomp") << " at frame " << run.frame
              << ", hero health " << run.Hero().health << ", Baron health " << (TheBaron() ? TheBaron()->health : 0)
              << std::endl;
  }
  run.Finish();
  ASSERT_TRUE(completed) << "the Baron still stands";

  route.expected = PlayRoute(route, RouteOptions()).stats;
  route.hasExpected = true;
  if (const char* out = std::getenv("TUMBO_ROUTE_OUT")) {
    std::ofstream file(out);
    file << "# A way through \"" << storyLevelTitles[route.story]
         << "\" found over the real game code: the route search up to the arena, then the arena\n"
            "# search for the fight. The route test replays it and compares the statistics at the end.\n"
            "# Frames count from the start of the play screen, the 200 frames of the title card included.\n";
    WriteRoute(file, route);
  }
  WriteRoute(std::cout, route);
}
