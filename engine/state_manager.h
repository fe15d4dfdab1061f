#pragma once
#include <map>
#include <string>

#include "engine/game_state.h"

// Keeps the screens by key and performs switches. A switch requested during a frame is carried
// out at the start of the next one, so a screen never loses control in the middle of its own code.
class GameStateManager {
 public:
  std::map<std::string, GameState*> states;
  std::string currentKey;
  bool pending = false;
  std::string pendingKey;

  void AddState(GameState* state, std::string key);
  void SetState(std::string key);
  void SignalStateChange(std::string key);
  void ApplyPendingChange();
  GameState* CurrentState();
};

extern GameStateManager stateManager;

// What screens call to switch; the same as stateManager.SignalStateChange.
void SignalStateChange(const std::string& key);
