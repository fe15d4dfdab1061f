#include "app/game_main.h"

// Built twice from this one file: the windowed game and the full-screen game.
int main(int, char**) {
  return GameMain(TUMBO_FULLSCREEN);
}
