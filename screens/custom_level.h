#pragma once
#include <string>

#include "screens/level_screen.h"

// Plays a level made in the editor, picked from the title screen's dialog. No money is kept and
// the results panel leads back to the title.
class CustomLevel : public LevelScreen {
 public:
  std::string levelName;

  void Init() override;

 protected:
  void LeaveResults() override;
  void DrawTitleCard() override;
  void DrawResults() override;
};

// The level's name as players see it: the file name without its folder and its ".level".
std::string CustomLevelName(const std::string& path);
