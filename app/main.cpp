#include "app/game_folders.h"
#include "app/game_main.h"

// Built twice from this one file: the windowed game and the full-screen game.
int main(int, char**) {
  if (!ChooseGameFolders()) return 1;
  return GameMain(TUMBO_FULLSCREEN);
}
