#include "engine/state_manager.h"

#include "engine/log.h"

GameStateManager stateManager;

void GameStateManager::AddState(GameState* state, std::string key) {
  states[key] = state;
  Log("GameState added: " + key);
}

void GameStateManager::SetState(std::string key) {
  auto found = states.find(key);
  if (found == states.end()) {
    Log("Error: no game state registered as " + key);
    return;
  }
  currentKey = key;
  Log("Gamestate set to " + key);
  found->second->Init();
}

void GameStateManager::SignalStateChange(std::string key) {
  if (states.find(key) == states.end()) {
    Log("Error: no game state registered as " + key);
    return;
  }
  pending = true;
  pendingKey = key;
  Log("Signal State Change to " + key);
}

void GameStateManager::ApplyPendingChange() {
  if (!pending) return;
  GameState* old = CurrentState();
  if (old) old->Cleanup();
  const std::string key = pendingKey;
  SetState(key);
  pending = false;
}

GameState* GameStateManager::CurrentState() {
  auto found = states.find(currentKey);
  return found == states.end() ? nullptr : found->second;
}

void SignalStateChange(const std::string& key) {
  stateManager.SignalStateChange(key);
}
