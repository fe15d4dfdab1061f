// Whether a long session grows: the resident memory before and after 50 rounds of entering and
// leaving a level, and 50 of loading levels in the editor. Run by `make bench` in the game folder;
// fails when either grows by more than the allowed slack.
#include <cstdio>
#include <cstdlib>

#include "app/screen_list.h"
#include "app/startup_loading.h"
#include "bench/resident_memory.h"
#include "bench/session_rounds.h"
#include "engine/engine.h"
#include "engine/progress.h"

namespace {
const int kRounds = 50;
// A long session may settle by a little (allocator pools, the font cache), never by more.
const double kMostGrowthMb = 2.0;

// Every story level visited once first, so what is loaded once per session or per world (music,
// fonts, allocator pools) is not counted as growth.
bool Measure(const char* what, int (*rounds)(int)) {
  rounds(static_cast<int>(storyLevelFiles.size()));
  const double before = ResidentMb();
  const int loaded = rounds(kRounds);
  const double after = ResidentMb();
  std::printf("%-38s %8.2f MB -> %8.2f MB resident (%+.2f MB)\n", what, before, after, after - before);
  if (loaded != kRounds) std::printf("only %d of %d rounds loaded their level\n", loaded, kRounds);
  return loaded == kRounds && after - before <= kMostGrowthMb;
}
}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (!EngineInit("Tumbo memory bench", kScreenWidth, kScreenHeight, false) || !LoadAllGraphics()) {
    std::fprintf(stderr, "the game could not start: run in the game folder\n");
    return 1;
  }
  InitStoryAndSave();
  RegisterScreens();
  stateManager.SetState("TitleScreen");
  bool flat = Measure("50 rounds in and out of a level", EnterAndLeaveLevels);
  flat = Measure("50 levels loaded in the editor", LoadLevelsInTheEditor) && flat;
  if (!flat) std::printf("memory grows by more than %.1f MB over a session\n", kMostGrowthMb);
  return flat ? 0 : 1;
}
