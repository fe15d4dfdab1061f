#pragma once
#include <string>

#include "screens/level_screen.h"

// Plays the story level at currentLevel; its results panel leads on to the next level.
class PlayLevel : public LevelScreen {
 public:
  int displayedMoney = 0;

  void Init() override;

 protected:
  void LeaveResults() override;
  void FinishLevel() override;
  void ResultsLogic() override;
  void DrawTitleCard() override;
  void DrawResults() override;

 private:
  std::string LevelHeading() const;
  std::string LevelTitle() const;
};
