#pragma once

// One screen of the game. Screens are objects of static lifetime, never deleted through this base.
class GameState {
 public:
  // Each time the screen becomes current: load its pictures and fonts, reset its variables.
  virtual void Init() = 0;
  // Once per frame, first: read the input snapshot; may request a switch.
  virtual void HandleEvents() = 0;
  // Once per frame, last: draw the whole screen and end with FlipScreen.
  virtual void Render() = 0;
  // Once per frame, between the two: advance the screen's simulation; may request a switch.
  virtual void Logic() = 0;
  // When the screen stops being current, and on the current screen at exit: free what Init loaded.
  virtual void Cleanup() = 0;
  // Whether the screen reads letter keys itself, so that plain M does not switch the sound there.
  virtual bool ReadsLetters() const { return false; }
};
