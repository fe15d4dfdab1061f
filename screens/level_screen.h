#pragma once
#include <string>

#include "engine/font.h"
#include "engine/game_state.h"
#include "engine/image.h"
#include "entities/player.h"

// The frame work shared by the two level play screens: title card, play with pause, deaths and
// lives, and the results panel. The screens differ only in how they name the level and in what
// finishing it leads to.
class LevelScreen : public GameState {
 public:
  static constexpr int kTitleCardFrames = 200;

  Player player;
  bool paused = false;
  bool pauseKeyHeld = false;
  Image pauseImage;
  Image panelImage;
  Font titleFont;
  Font textFont;
  bool showingTitleCard = false;
  int titleCardFrames = 0;
  bool showingResults = false;

  void Init() override;
  void HandleEvents() override;
  void Render() override;
  void Logic() override;
  void Cleanup() override;

 protected:
  // Enter or Start on the results panel.
  virtual void LeaveResults() = 0;
  // Once, in the frame the level is found complete.
  virtual void FinishLevel() {}
  // Each frame while the results panel is shown.
  virtual void ResultsLogic() {}
  virtual void DrawTitleCard() = 0;
  virtual void DrawResults() = 0;

  void DrawYellow(Font& font, const std::string& text, int x, int y);
  // Centred the way the panels centre text: every character counted as 20 pixels wide.
  void DrawCentred(const std::string& text, int y);
  // The time, enemy and item lines that both results panels show.
  void DrawLevelStatistics();

 private:
  bool PauseToggled();
  void SteerPlayer();
  void PlayLogic();
  void UpdateJetpackSound();
  void LoseLife();
  void CentreCamera();
  void DrawPlayView();
  void DrawUnseen();
};
