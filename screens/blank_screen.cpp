#include "screens/blank_screen.h"

#include "engine/engine.h"

void BlankScreen::Render() {
  ClearScreen();
  FlipScreen();
}
