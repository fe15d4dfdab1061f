#pragma once
#include <SDL/SDL.h>

// The per-frame input snapshot. PollInput takes at most one event per frame; when the queue is
// empty the previous event stays current, so screens that react to key-down events see a held
// key's event again every frame and throttle themselves with their own counters.
extern SDL_Event inputEvent;
extern Uint8* keyState;
extern int mouseX;
extern int mouseY;
extern bool mouseLeftDown;
extern bool mouseRightClicked;
extern SDL_Joystick* joystick;
extern bool joystickEnabled;

void PollInput();
bool QuitRequested();
bool IsKeyDown(SDLKey key);
bool JoystickButton(int button);
Uint8 JoystickHat(int hat);

// True only on the frame a control goes down. `wasHeld` belongs to the caller and remembers the
// previous frame, so a control held on acts once and must be let go before it acts again.
bool FreshPress(bool held, bool& wasHeld);

// A menu's throttle for held keys or pad buttons: true on the frame a fresh press arrives and then
// every `delay` frames while something stays held. `counter` belongs to the caller and starts at
// `delay`, so the first press acts at once; letting go sets it back to `delay`.
bool HeldInputActs(bool anyHeld, int& counter, int delay);
