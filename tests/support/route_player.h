#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// A recorded way through a story level: the keys held from each listed frame on, and what the
// level's statistics must read when the flag is reached. Text, one item per line:
//   # comment
//   story 0                                   index into the story level list
//   expect frames 4100 enemiesKilled 3 itemsGrabbed 25 levelMoney 24 lives 2
//   0 right                                   from frame 0 on: Right held
//   412 right up                              from frame 412 on: Right and Up held
//   430 none                                  nothing held
// Keys: right, left, up (jump), space (jetpack), none. Frame 0 is the first frame after the play
// screen's Init, so the 200 frames of the title card are counted.

struct RouteKeys {
  bool right = false;
  bool left = false;
  bool up = false;
  bool space = false;
};

struct RouteStep {
  int frame = 0;
  RouteKeys keys;
};

struct RouteStats {
  int frames = 0;  // frames played until the level was complete
  int enemiesKilled = 0;
  int itemsGrabbed = 0;
  int levelMoney = 0;
  int lives = 0;
};

struct Route {
  int story = 0;
  std::vector<RouteStep> steps;  // ordered by frame
  bool hasExpected = false;
  RouteStats expected;
};

bool ParseRoute(std::istream& in, Route& route, std::string& error);
bool ReadRoute(const std::string& path, Route& route, std::string& error);
void WriteRoute(std::ostream& out, const Route& route);
bool SameStats(const RouteStats& a, const RouteStats& b);
std::string DescribeStats(const RouteStats& stats);

// What became of a run.
struct RouteOutcome {
  bool completed = false;  // the World's levelComplete was set
  RouteStats stats;        // read when the run stopped, complete or not
  int deaths = 0;          // death falls started
  int hurts = 0;           // health points lost
  int furthestX = 0;       // the hero's greatest x
};

struct RouteOptions {
  int frameLimit = 30000;
  bool render = true;  // a search may leave drawing out: it changes no game state that a route sees
  int traceEvery = 0;  // print a trace line every so many frames (0: none)
  std::ostream* trace = nullptr;
  std::vector<int> shotFrames;  // frames whose picture is saved as <shotPrefix><frame>.bmp
  std::string shotPrefix;
};

class Player;
class LevelScreen;

// Holds the route's keys in SDL's key state, where the game reads them.
void HoldKeys(const RouteKeys& keys);

// One run of a story level through the real play screen, a frame at a time. Each run sets up its
// own headless game folder and art, and frees the art when it finishes.
class RouteRun {
 public:
  RouteOutcome outcome;
  int frame = 0;              // frames played so far
  int lastProgressFrame = 0;  // the frame in which furthestX last grew

  RouteRun() = default;
  RouteRun(const RouteRun&) = delete;
  RouteRun& operator=(const RouteRun&) = delete;
  // A run left without Finish still frees its level, so no test leaks the World's pictures.
  ~RouteRun() { Finish(); }

  // The screen is opened at the given depth (tests draw at 32 bits).
  void Start(int story, int screenDepth = 32);
  // Holds the keys, then runs HandleEvents, Logic and (if asked) Render of the play screen.
  void Frame(const RouteKeys& keys, bool render);
  // The same frame in steps, for a caller that times the screen's calls apart: BeginFrame holds
  // the keys, the caller runs the play screen's calls, EndFrame counts the frame.
  void BeginFrame(const RouteKeys& keys);
  LevelScreen& Screen() const;
  void EndFrame();
  bool Completed() const;
  Player& Hero() const;
  void Finish();

 private:
  bool started = false;
  bool wasDead = false;  // the hero's state when the frame began
  int healthBefore = 0;
};

// Plays the whole route until the level is complete or the frame limit is reached.
RouteOutcome PlayRoute(const Route& route, const RouteOptions& options);

// The keys held at a frame.
RouteKeys KeysAt(const Route& route, int frame);
