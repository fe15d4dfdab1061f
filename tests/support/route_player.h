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

// Level time per frame in milliseconds: the frame gate's step, which a route's level clock follows.
const int kRouteFrameMs = 12;

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

// A checkpoint of the level: a column of checkpoint cells, one above the other.
struct CheckpointTouch {
  int column = 0;
  int frame = -1;  // the first frame in which the hero touched it, -1 while he has not
};

// What became of a run.
struct RouteOutcome {
  bool completed = false;  // the World's levelComplete was set
  RouteStats stats;        // read when the run stopped, complete or not
  int deaths = 0;          // death falls started
  int hurts = 0;           // health points lost
  int furthestX = 0;       // the hero's greatest x
  int furthestLandedX = 0; // his greatest x on the ground: a leap that ends in spikes does not count
  bool strayed = false;    // the hero entered a stretch the run was told to avoid
  // The level's checkpoints, left to right, with the frames the hero first touched them.
  std::vector<CheckpointTouch> checkpoints;
  // Rows of the highest and the lowest floor the hero stood on.
  int highestFloorRow = 0;
  int lowestFloorRow = 0;
};

// A rectangle of cells, edges included, that a run must keep the hero out of: it makes a route
// search take the other of two ways.
struct CellBox {
  int firstColumn = 0;
  int lastColumn = 0;
  int topRow = 0;
  int bottomRow = 0;
};

// Reads "c0:c1:r0:r1" boxes separated by commas; false on a mistake.
bool ParseCellBoxes(const std::string& text, std::vector<CellBox>& boxes);

struct RouteOptions {
  int frameLimit = 30000;
  bool render = true;  // a search may leave drawing out: it changes no game state that a route sees
  int traceEvery = 0;  // print a trace line every so many frames (0: none)
  std::ostream* trace = nullptr;
  std::vector<int> shotFrames;  // frames whose picture is saved as <shotPrefix><frame>.bmp
  std::string shotPrefix;
  std::ostream* leftovers = nullptr;  // where the items still in the level at the end are listed
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
  std::vector<CellBox> avoid;  // set before Start

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
  size_t checkpointsNoted = 0;  // entries of the hero's checkpoint list already looked at
  void NoteCheckpointsAndFloor();
};

// Plays the whole route until the level is complete or the frame limit is reached.
RouteOutcome PlayRoute(const Route& route, const RouteOptions& options);

// The keys held at a frame.
RouteKeys KeysAt(const Route& route, int frame);
