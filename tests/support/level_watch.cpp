#include "support/level_watch.h"

#include <algorithm>
#include <vector>

#include "entities/registry.h"
#include "screens/level_screen.h"
#include "support/route_player.h"

void PlayTitleCard(RouteRun& run, int story) {
  run.Start(story);
  while (run.frame < LevelScreen::kTitleCardFrames) run.Frame(RouteKeys(), false);
}

int MostTurnsOfAny(int story, int frames, int (*direction)(GameObject*)) {
  RouteRun run;
  PlayTitleCard(run, story);
  std::vector<int> lastDirection(entityList.size(), -1);
  std::vector<int> turns(entityList.size(), 0);
  for (int i = 0; i < frames; ++i) {
    run.Frame(RouteKeys(), false);
    for (size_t n = 0; n < entityList.size(); ++n) {
      const int now = direction(entityList[n]);
      if (now < 0) continue;
      if (lastDirection[n] >= 0 && now != lastDirection[n]) ++turns[n];
      lastDirection[n] = now;
    }
  }
  run.Finish();
  int most = 0;
  for (int count : turns) most = std::max(most, count);
  return most;
}
