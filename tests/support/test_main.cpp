#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // Without a display SDL 1.2 would draw into the terminal; tests always run on the dummy drivers.
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::srand(1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
