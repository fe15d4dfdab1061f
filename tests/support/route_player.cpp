#include "support/route_player.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>

#include "app/startup_loading.h"
#include "engine/progress.h"
#include "entities/item.h"
#include "entities/level_timer.h"
#include "entities/registry.h"
#include "screens/play_level.h"
#include "support/headless.h"
#include "world/tiles.h"
#include "world/world.h"

namespace {
// Every run starts from the same random state, so a route replays the same game.
const unsigned kRouteSeed = 1;
const int kTile = 32;

PlayLevel playScreen;
long long fakeNow = 0;

long long FakeClock() { return fakeNow; }

// Each run sets up its own screen, game folder, progress and art, whatever ran before it in the
// process, and Finish frees the art again, so no test after it finds pictures it did not load.
void SetUpRun(int screenDepth) {
  StartHeadless(screenDepth);
  EnterGameDir();
  LoadAllGraphics();
  InitStoryAndSave();
}

}  // namespace

void HoldKeys(const RouteKeys& keys) {
  Uint8* held = SDL_GetKeyState(nullptr);
  held[SDLK_RIGHT] = keys.right;
  held[SDLK_LEFT] = keys.left;
  held[SDLK_UP] = keys.up;
  held[SDLK_SPACE] = keys.space;
}

namespace {
bool ParseKeys(std::istringstream& words, RouteKeys& keys) {
  std::string word;
  while (words >> word) {
    if (word == "right") keys.right = true;
    else if (word == "left") keys.left = true;
    else if (word == "up") keys.up = true;
    else if (word == "space") keys.space = true;
    else if (word != "none") return false;
  }
  return true;
}

bool ParseExpect(std::istringstream& words, RouteStats& stats) {
  std::string name;
  int value = 0;
  int seen = 0;
  while (words >> name >> value) {
    if (name == "frames") stats.frames = value;
    else if (name == "enemiesKilled") stats.enemiesKilled = value;
    else if (name == "itemsGrabbed") stats.itemsGrabbed = value;
    else if (name == "levelMoney") stats.levelMoney = value;
    else if (name == "lives") stats.lives = value;
    else return false;
    ++seen;
  }
  return seen == 5 && words.eof();
}

RouteStats ReadStats(int frames) {
  RouteStats stats;
  stats.frames = frames;
  stats.enemiesKilled = world.enemiesKilled;
  stats.itemsGrabbed = world.itemsGrabbed;
  stats.levelMoney = playScreen.player.levelMoney;
  stats.lives = playScreen.player.lifeCount;
  return stats;
}

std::vector<CheckpointTouch> LevelCheckpoints() {
  std::vector<CheckpointTouch> found;
  for (int column = 0; column < world.width; ++column) {
    for (int row = 0; row < world.height; ++row) {
      if (!dynamic_cast<CheckpointTile*>(GetTile(column, row))) continue;
      found.push_back(CheckpointTouch());
      found.back().column = column;
      break;
    }
  }
  return found;
}

bool Overlaps(const Player& hero, const CellBox& box) {
  return hero.x + hero.w >= box.firstColumn * kTile && hero.x < (box.lastColumn + 1) * kTile &&
         hero.y + hero.h >= box.topRow * kTile && hero.y < (box.bottomRow + 1) * kTile;
}

// The items the run left behind, by cell: where a level hides what a hurried player misses.
void ListLeftovers(std::ostream& out) {
  for (GameObject* object : entityList) {
    if (dynamic_cast<Item*>(object) && object->active) {
      out << "left " << object->typeName << " column " << object->x / kTile << " row " << object->y / kTile << "\n";
    }
  }
}

void TraceLine(std::ostream& out, int frame) {
  const Player& hero = playScreen.player;
  out << "frame " << frame << " x " << hero.x << " y " << hero.y << " vy " << hero.vy << " airborne "
      << hero.airborne << " dead " << hero.dead << " w " << hero.w << " h " << hero.h << " health " << hero.health << " lives " << hero.lifeCount << " money "
      << hero.levelMoney << " camera " << world.cameraX << "," << world.cameraY << "\n";
}
}  // namespace

bool ParseRoute(std::istream& in, Route& route, std::string& error) {
  route = Route();
  std::string line;
  int lineNumber = 0;
  bool hasStory = false;
  while (std::getline(in, line)) {
    ++lineNumber;
    std::istringstream words(line);
    std::string first;
    if (!(words >> first) || first[0] == '#') continue;
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    if (first == "story") {
      if (!(words >> route.story) || route.story < 0 || route.story >= kStoryLevelCount) {
        error = where + "story needs a level index from 0 to 9";
        return false;
      }
      hasStory = true;
    } else if (first == "expect") {
      if (!ParseExpect(words, route.expected)) {
        error = where + "expect needs frames, enemiesKilled, itemsGrabbed, levelMoney and lives";
        return false;
      }
      route.hasExpected = true;
    } else {
      RouteStep step;
      char* end = nullptr;
      step.frame = static_cast<int>(std::strtol(first.c_str(), &end, 10));
      if (*end != '\0' || step.frame < 0 || !ParseKeys(words, step.keys)) {
        error = where + "expected <frame> followed by right, left, up, space or none";
        return false;
      }
      if (!route.steps.empty() && step.frame <= route.steps.back().frame) {
        error = where + "frames must increase";
        return false;
      }
      route.steps.push_back(step);
    }
  }
  if (!hasStory) {
    error = "the route names no story level";
    return false;
  }
  return true;
}

bool ParseCellBoxes(const std::string& text, std::vector<CellBox>& boxes) {
  std::istringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    CellBox box;
    char a = 0, b = 0, c = 0;
    std::istringstream fields(item);
    if (!(fields >> box.firstColumn >> a >> box.lastColumn >> b >> box.topRow >> c >> box.bottomRow) || a != ':' ||
        b != ':' || c != ':') {
      return false;
    }
    boxes.push_back(box);
  }
  return true;
}

bool ReadRoute(const std::string& path, Route& route, std::string& error) {
  std::ifstream file(path);
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  return ParseRoute(file, route, error);
}

void WriteRoute(std::ostream& out, const Route& route) {
  out << "story " << route.story << "\n";
  if (route.hasExpected) {
    const RouteStats& e = route.expected;
    out << "expect frames " << e.frames << " enemiesKilled " << e.enemiesKilled << " itemsGrabbed "
        << e.itemsGrabbed << " levelMoney " << e.levelMoney << " lives " << e.lives << "\n";
  }
  for (const RouteStep& step : route.steps) {
    out << step.frame;
    if (step.keys.right) out << " right";
    if (step.keys.left) out << " left";
    if (step.keys.up) out << " up";
    if (step.keys.space) out << " space";
    if (!step.keys.right && !step.keys.left && !step.keys.up && !step.keys.space) out << " none";
    out << "\n";
  }
}

bool SameStats(const RouteStats& a, const RouteStats& b) {
  return a.frames == b.frames && a.enemiesKilled == b.enemiesKilled && a.itemsGrabbed == b.itemsGrabbed &&
         a.levelMoney == b.levelMoney && a.lives == b.lives;
}

std::string DescribeStats(const RouteStats& stats) {
  return "frames " + std::to_string(stats.frames) + " enemiesKilled " + std::to_string(stats.enemiesKilled) +
         " itemsGrabbed " + std::to_string(stats.itemsGrabbed) + " levelMoney " + std::to_string(stats.levelMoney) +
         " lives " + std::to_string(stats.lives);
}

RouteKeys KeysAt(const Route& route, int frame) {
  RouteKeys keys;
  for (const RouteStep& step : route.steps) {
    if (step.frame > frame) break;
    keys = step.keys;
  }
  return keys;
}

void RouteRun::Start(int story, int screenDepth) {
  SetUpRun(screenDepth);
  std::srand(kRouteSeed);
  fakeNow = 0;
  SetLevelClock(FakeClock);
  currentLevel = story;
  currentLevelFile = storyLevelFiles[story];
  lives = kStartingLives;
  started = true;
  // The second look walks and jumps differently; routes are recorded with the hero's own.
  costume = 0;
  world.levelComplete = false;
  playScreen.Init();
  outcome = RouteOutcome();
  outcome.furthestX = outcome.furthestLandedX = playScreen.player.x;
  outcome.checkpoints = LevelCheckpoints();
  checkpointsNoted = 0;
  outcome.highestFloorRow = outcome.lowestFloorRow = (playScreen.player.y + playScreen.player.h + 1) / kTile;
  frame = 0;
  // Nothing moves during the title card; progress is measured from its end.
  lastProgressFrame = LevelScreen::kTitleCardFrames;
}

void RouteRun::Frame(const RouteKeys& keys, bool render) {
  BeginFrame(keys);
  playScreen.HandleEvents();
  playScreen.Logic();
  if (render) playScreen.Render();
  EndFrame();
}

void RouteRun::BeginFrame(const RouteKeys& keys) {
  HoldKeys(keys);
  wasDead = playScreen.player.dead;
  healthBefore = playScreen.player.health;
}

LevelScreen& RouteRun::Screen() const { return playScreen; }

void RouteRun::EndFrame() {
  const Player& hero = playScreen.player;
  fakeNow += kRouteFrameMs;
  ++frame;
  if (hero.dead && !wasDead) ++outcome.deaths;
  if (hero.health < healthBefore && !hero.dead) ++outcome.hurts;
  if (hero.x > outcome.furthestX && !hero.dead) {
    outcome.furthestX = hero.x;
    lastProgressFrame = frame;
  }
  if (hero.x > outcome.furthestLandedX && !hero.dead && !hero.airborne) outcome.furthestLandedX = hero.x;
  NoteCheckpointsAndFloor();
  outcome.completed = world.levelComplete;
  outcome.stats = ReadStats(frame);
}

void RouteRun::NoteCheckpointsAndFloor() {
  const Player& hero = playScreen.player;
  for (; checkpointsNoted < hero.checkpoints.size(); ++checkpointsNoted) {
    for (CheckpointTouch& checkpoint : outcome.checkpoints) {
      const bool touched = checkpoint.column == hero.checkpoints[checkpointsNoted].first / kTile;
      if (touched && checkpoint.frame < 0) checkpoint.frame = frame;
    }
  }
  if (!hero.airborne && !hero.dead) {
    const int floorRow = (hero.y + hero.h + 1) / kTile;
    outcome.highestFloorRow = std::min(outcome.highestFloorRow, floorRow);
    outcome.lowestFloorRow = std::max(outcome.lowestFloorRow, floorRow);
  }
  for (const CellBox& box : avoid) outcome.strayed = outcome.strayed || (!hero.dead && Overlaps(hero, box));
}

bool RouteRun::Completed() const { return world.levelComplete; }

Player& RouteRun::Hero() const { return playScreen.player; }

void RouteRun::Finish() {
  if (!started) return;
  started = false;
  HoldKeys(RouteKeys());
  playScreen.Cleanup();
  FreeAllGraphics();
  world.levelComplete = false;
  SetLevelClock(nullptr);
}

RouteOutcome PlayRoute(const Route& route, const RouteOptions& options) {
  RouteRun run;
  run.Start(route.story);
  size_t next = 0;
  RouteKeys keys;
  while (run.frame < options.frameLimit && !run.Completed()) {
    while (next < route.steps.size() && route.steps[next].frame <= run.frame) keys = route.steps[next++].keys;
    const int frame = run.frame;
    run.Frame(keys, options.render);
    if (options.trace && options.traceEvery > 0 && frame % options.traceEvery == 0) TraceLine(*options.trace, frame);
    if (std::find(options.shotFrames.begin(), options.shotFrames.end(), frame) != options.shotFrames.end()) {
      SDL_SaveBMP(SDL_GetVideoSurface(), (options.shotPrefix + std::to_string(frame) + ".bmp").c_str());
    }
  }
  if (options.leftovers) ListLeftovers(*options.leftovers);
  const RouteOutcome outcome = run.outcome;
  run.Finish();
  return outcome;
}
