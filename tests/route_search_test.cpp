// Finds a route through a story level by trying jump and wait timings over the real game code,
// obstacle by obstacle. Not part of the regular suite; run it by hand to record a route:
//   TUMBO_ROUTE_STORY=0 TUMBO_ROUTE_OUT=/tmp/TumboWorld1.route tumbo_tests
//     --gtest_also_run_disabled_tests --gtest_filter=Routes.DISABLED_Search
// TUMBO_ROUTE_FROM=<route file> starts from that route's keys instead of Right alone.
// TUMBO_ROUTE_AVOID=c0:c1:r0:r1[,...] keeps the hero out of those boxes of cells (columns c0 to
// c1, rows r0 to r1), so the search takes the other way where a level offers two.
// Each candidate continues a paused game in a forked child, so the level is not replayed from the
// start for every try.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "engine/progress.h"
#include "support/route_player.h"

namespace {
const int kFrameLimit = 20000;
// A hero whose x has not grown for this long is stuck.
const int kStallFrames = 150;
// How far past the previous failure a candidate is followed before it is judged.
const int kJudgeFrames = 350;
const int kWindowStep = 100;
const int kWindowMax = 400;
const int kCandidateSpacing = 2;
const int kJumpHolds[] = {2, 4, 6, 9, 14, 24};
const int kWaits[] = {15, 40, 80};

struct Verdict {
  int completed = 0;
  int frames = 0;
  int furthestX = 0;
  int furthestLandedX = 0;
  int mishap = 0;
  int lastProgressFrame = 0;
};

struct Candidate {
  int offset = 0;  // frames after the window's start
  int jumpHold = 0;
  int wait = 0;
  Route continuation;  // keys from the window's start on, frames relative to it
};

std::vector<CellBox> avoidBoxes;

bool Mishap(const RouteOutcome& outcome) { return outcome.deaths > 0 || outcome.hurts > 0 || outcome.strayed; }

// Plays on from the run's current frame with the route's keys until the level is done, the hero
// is hurt or stuck, or the judging horizon is reached.
Verdict PlayOn(RouteRun& run, const Route& route, int frameOffset, int horizon) {
  while (run.frame < horizon && !run.Completed() && !Mishap(run.outcome) &&
         run.frame - run.lastProgressFrame < kStallFrames) {
    run.Frame(KeysAt(route, run.frame - frameOffset), false);
  }
  Verdict verdict;
  verdict.completed = run.Completed();
  verdict.frames = run.frame;
  verdict.furthestX = run.outcome.furthestX;
  verdict.furthestLandedX = run.outcome.furthestLandedX;
  verdict.mishap = Mishap(run.outcome);
  verdict.lastProgressFrame = run.lastProgressFrame;
  return verdict;
}

Verdict TryInChild(RouteRun& run, const Route& continuation, int windowStart, int horizon) {
  int channel[2];
  if (pipe(channel) != 0) return Verdict();
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const Verdict verdict = PlayOn(run, continuation, windowStart, horizon);
    const ssize_t written = write(channel[1], &verdict, sizeof verdict);
    _exit(written == static_cast<ssize_t>(sizeof verdict) ? 0 : 1);
  }
  close(channel[1]);
  Verdict verdict;
  if (read(channel[0], &verdict, sizeof verdict) != static_cast<ssize_t>(sizeof verdict)) verdict = Verdict();
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return verdict;
}

Route Continuation(int offset, const RouteKeys& during, int length) {
  Route route;
  RouteKeys right;
  right.right = true;
  route.steps.push_back({0, right});
  route.steps.push_back({offset, during});
  route.steps.push_back({offset + length, right});
  if (offset == 0) route.steps.erase(route.steps.begin());
  return route;
}

std::vector<Candidate> Candidates(int windowLength) {
  std::vector<Candidate> candidates;
  RouteKeys jump;
  jump.right = jump.up = true;
  for (int offset = 0; offset <= windowLength; offset += kCandidateSpacing) {
    for (int hold : kJumpHolds) candidates.push_back({offset, hold, 0, Continuation(offset, jump, hold)});
    for (int wait : kWaits) candidates.push_back({offset, 0, wait, Continuation(offset, RouteKeys(), wait)});
  }
  return candidates;
}

bool Better(const Verdict& a, const Verdict& b) {
  if (a.completed != b.completed) return a.completed;
  if (a.completed) return a.frames < b.frames;
  // Where the hero last stood counts first: a long leap that ends in spikes beats a short hop
  // onto the next platform only on how far it flew.
  if (a.furthestLandedX != b.furthestLandedX) return a.furthestLandedX > b.furthestLandedX;
  if (a.furthestX != b.furthestX) return a.furthestX > b.furthestX;
  return !a.mishap && b.mishap;
}

// Replaces every step from the window's start on with the continuation.
void Splice(Route& route, int windowStart, const Route& continuation) {
  while (!route.steps.empty() && route.steps.back().frame >= windowStart) route.steps.pop_back();
  for (RouteStep step : continuation.steps) {
    step.frame += windowStart;
    const RouteKeys& last = route.steps.empty() ? RouteKeys() : route.steps.back().keys;
    const bool same = !route.steps.empty() && last.right == step.keys.right && last.left == step.keys.left &&
                      last.up == step.keys.up && last.space == step.keys.space;
    if (!same) route.steps.push_back(step);
  }
}

Verdict Judge(const Route& route) {
  RouteRun run;
  run.avoid = avoidBoxes;
  run.Start(route.story);
  const Verdict verdict = PlayOn(run, route, 0, kFrameLimit);
  run.Finish();
  return verdict;
}

struct Choice {
  Verdict verdict;
  Candidate candidate;
};

// Plays the route up to the window's start once, then tries every candidate from there.
Choice BestContinuation(const Route& route, int windowStart, int failedAt) {
  RouteRun run;
  run.avoid = avoidBoxes;
  run.Start(route.story);
  while (run.frame < windowStart) run.Frame(KeysAt(route, run.frame), false);
  Choice best;
  for (const Candidate& candidate : Candidates(failedAt - windowStart)) {
    const Verdict verdict = TryInChild(run, candidate.continuation, windowStart, failedAt + kJudgeFrames);
    if (Better(verdict, best.verdict)) best = {verdict, candidate};
  }
  run.Finish();
  return best;
}

// Earlier decisions stay: the window never reaches back before the route's last change of keys.
int WindowStart(const Route& route, int wanted) {
  const int afterLastStep = route.steps.size() > 1 ? route.steps.back().frame + 1 : 0;
  return std::max(afterLastStep, wanted);
}

void WriteRouteFile(const std::string& path, const Route& route) {
  std::ofstream file(path);
  file << "# A way through \"" << storyLevelTitles[route.story]
       << "\" that the route search found over the real game code;\n"
          "# the route test replays it and compares the statistics at the flag. Frames count\n"
          "# from the start of the play screen, the 200 frames of the title card included.\n";
  for (const CellBox& box : avoidBoxes) {
    file << "# Recorded with TUMBO_ROUTE_AVOID " << box.firstColumn << ":" << box.lastColumn << ":" << box.topRow
         << ":" << box.bottomRow << ", to take the other way past columns " << box.firstColumn << " to "
         << box.lastColumn << ".\n";
  }
  WriteRoute(file, route);
}
}  // namespace

TEST(Routes, DISABLED_Search) {
  const char* story = std::getenv("TUMBO_ROUTE_STORY");
  ASSERT_NE(nullptr, story) << "name the story level in TUMBO_ROUTE_STORY";
  Route route;
  // A route to go on from, for a stretch the search cannot find by itself (one that needs Left
  // or Space): its keys stay as they are and the search continues after its last step.
  if (const char* from = std::getenv("TUMBO_ROUTE_FROM")) {
    std::string error;
    ASSERT_TRUE(ReadRoute(from, route, error)) << error;
    route.hasExpected = false;
  }
  route.story = std::atoi(story);
  if (const char* avoid = std::getenv("TUMBO_ROUTE_AVOID")) {
    ASSERT_TRUE(ParseCellBoxes(avoid, avoidBoxes)) << "TUMBO_ROUTE_AVOID wants c0:c1:r0:r1[,...]";
  }
  if (route.steps.empty()) {
    RouteKeys right;
    right.right = true;
    route.steps.push_back({0, right});
  }

  int window = kWindowStep;
  Verdict current = Judge(route);
  while (!current.completed && window <= kWindowMax) {
    const int failedAt = current.lastProgressFrame;
    const int windowStart = WindowStart(route, failedAt - window);
    const Choice best = BestContinuation(route, windowStart, failedAt);
    const Candidate& chosen = best.candidate;
    std::cout << "stuck near frame " << failedAt << " at x " << current.furthestX << "; best try: "
              << (chosen.jumpHold ? "jump " + std::to_string(chosen.jumpHold) : "wait " + std::to_string(chosen.wait))
              << " at frame " << windowStart + chosen.offset << " reaches x " << best.verdict.furthestX << std::endl;
    if (!Better(best.verdict, current)) {
      window += kWindowStep;
      continue;
    }
    Splice(route, windowStart, chosen.continuation);
    window = kWindowStep;
    current = Judge(route);
  }
  // Kept even when it fails, so the way it found can be watched or continued by hand.
  if (!current.completed) {
    if (const char* out = std::getenv("TUMBO_ROUTE_OUT")) WriteRouteFile(out, route);
  }
  ASSERT_TRUE(current.completed) << "no way found past x " << current.furthestX;

  route.expected = PlayRoute(route, RouteOptions()).stats;
  route.hasExpected = true;
  if (const char* out = std::getenv("TUMBO_ROUTE_OUT")) WriteRouteFile(out, route);
  WriteRoute(std::cout, route);
}

