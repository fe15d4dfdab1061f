#include "input/input.h"

SDL_Event inputEvent;
Uint8* keyState = nullptr;
int mouseX = 0;
int mouseY = 0;
bool mouseLeftDown = false;
bool mouseRightClicked = false;
SDL_Joystick* joystick = nullptr;
bool joystickEnabled = false;

void PollInput() {
  mouseRightClicked = false;
  SDL_PollEvent(&inputEvent);
  keyState = SDL_GetKeyState(nullptr);
  if (inputEvent.type == SDL_MOUSEMOTION) {
    mouseX = inputEvent.motion.x;
    mouseY = inputEvent.motion.y;
  } else if (inputEvent.type == SDL_MOUSEBUTTONDOWN) {
    if (inputEvent.button.button == SDL_BUTTON_LEFT) mouseLeftDown = true;
    if (inputEvent.button.button == SDL_BUTTON_RIGHT) mouseRightClicked = true;
  } else if (inputEvent.type == SDL_MOUSEBUTTONUP && inputEvent.button.button == SDL_BUTTON_LEFT) {
    mouseLeftDown = false;
  }
  SDL_JoystickUpdate();
}

bool QuitRequested() {
  return inputEvent.type == SDL_QUIT;
}

bool IsKeyDown(SDLKey key) {
  if (!keyState) keyState = SDL_GetKeyState(nullptr);
  return keyState && keyState[key] != 0;
}

bool JoystickButton(int button) {
  if (!joystick || !joystickEnabled) return false;
  return SDL_JoystickGetButton(joystick, button) == 1;
}

Uint8 JoystickHat(int hat) {
  if (!joystick || !joystickEnabled) return 0;
  return SDL_JoystickGetHat(joystick, hat);
}

bool FreshPress(bool held, bool& wasHeld) {
  const bool fresh = held && !wasHeld;
  wasHeld = held;
  return fresh;
}

bool HeldInputActs(bool anyHeld, int& counter, int delay) {
  if (!anyHeld) {
    counter = delay;
    return false;
  }
  if (++counter < delay) return false;
  counter = 0;
  return true;
}
