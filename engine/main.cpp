#include "engine/game_folders.h"
#include "engine/game_main.h"

// Built twice from this one file: the windowed game and the full-screen game.
int main(int, char**) {
  if (!ChooseGameFolders("Levels/Custom")) return 1;
  return GameMain(TUMBO_FULLSCREEN);
}
