#pragma once
#include <SDL/SDL.h>

#include <string>
#include <vector>

// A modal, paged list of level files. It only produces a path; its owner loads the level.
class LevelListDialog {
 public:
  static constexpr int kPageSize = 16;
  static constexpr int kRepeatDelay = 15;

  bool open = false;
  int x = 0;
  int y = 0;
  std::vector<std::vector<std::string>> pages;
  int selection = 0;
  int page = 0;
  bool chosen = false;
  std::string chosenPath;
  int keyCounter = 0;
  int keyDelay = kRepeatDelay;
  int padCounter = 0;
  int padDelay = kRepeatDelay;
  SDL_Rect loadButton = {0, 0, 0, 0};
  SDL_Rect exitButton = {0, 0, 0, 0};
  SDL_Rect nextButton = {0, 0, 0, 0};
  SDL_Rect prevButton = {0, 0, 0, 0};

  virtual ~LevelListDialog() = default;

  // The entries of "Levels/Custom", sorted by name; one empty page when the folder is missing.
  virtual void FillCustomLevels();
  virtual void FillStoryLevels();
  virtual void Open(int x, int y);
  // Back to a closed dialog with no pages and no choice.
  virtual void Reset();
  bool IsOpen() const { return open; }
  bool HasChosen() const { return chosen; }
  std::string TakeChosenPath();
  virtual void HandleEvents();
  virtual void Draw();

  // The entries of the page shown; empty when there are no pages at all.
  const std::vector<std::string>& CurrentPage() const;
  bool OnLastPage() const;

 private:
  void HandleKeyboard();
  void HandlePad();
  void HandleMouse();
  void SelectUp();
  void SelectDown();
  void NextPage();
  void PrevPage();
  void Choose();
};

// The dialog's shared pictures and font, loaded once at start-up and freed at exit.
bool LoadDialogGraphics();
void FreeDialogGraphics();
