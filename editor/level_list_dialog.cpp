#include "editor/level_list_dialog.h"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <boost/system/error_code.hpp>

#include "engine/engine.h"
#include "engine/font.h"
#include "engine/game_sounds.h"
#include "engine/image.h"
#include "engine/progress.h"
#include "input/gamepad.h"
#include "input/input.h"
#include "level/level_file.h"

namespace fs = boost::filesystem;

namespace {
const int kFontSize = 14;
const int kButtonWidth = 40;
const int kButtonHeight = 20;
const int kButtonRow = 349;
const int kLoadButtonX = 200;
const int kExitButtonX = 160;
const int kNextButtonX = 332;
const int kPrevButtonX = 20;
const int kListLeft = 19;
const int kListRight = 372;
const int kListTop = 35;
const int kListBottom = 348;
const int kEntryX = 21;
const int kFirstEntryY = 36;
const int kEntryHeight = 20;

Image dialogImage;
Image nextPageImage;
Image prevPageImage;
Image loadImage;
Image exitImage;
Image selectionImage;
Font dialogFont;

std::vector<std::vector<std::string>> SplitIntoPages(const std::vector<std::string>& entries) {
  std::vector<std::vector<std::string>> pages;
  for (size_t first = 0; first < entries.size(); first += LevelListDialog::kPageSize) {
    const size_t last = std::min(entries.size(), first + LevelListDialog::kPageSize);
    pages.emplace_back(entries.begin() + first, entries.begin() + last);
  }
  if (pages.empty()) pages.emplace_back();
  return pages;
}

std::vector<std::string> ListCustomFolder() {
  std::vector<std::string> entries;
  boost::system::error_code error;
  const fs::path folder(kCustomLevelFolder);
  if (!fs::is_directory(folder, error)) return entries;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    entries.push_back(kCustomLevelFolder + it->path().filename().string());
  }
  // The platform lists a folder in no useful order; sorted, a player finds the same level in the same place.
  std::sort(entries.begin(), entries.end());
  return entries;
}
}  // namespace

bool LoadDialogGraphics() {
  bool loaded = dialogImage.Load("gfx/LoadLevel/dialog.png");
  loaded = nextPageImage.Load("gfx/LoadLevel/next_page.png") && loaded;
  loaded = prevPageImage.Load("gfx/LoadLevel/prev_page.png") && loaded;
  loaded = loadImage.Load("gfx/LoadLevel/load.png") && loaded;
  loaded = exitImage.Load("gfx/LoadLevel/exit.png") && loaded;
  loaded = LoadKeyed(selectionImage, "gfx/LoadLevel/selection.png") && loaded;
  loaded = dialogFont.Load("gfx/Fonts/Editor font.ttf", kFontSize) && loaded;
  return loaded;
}

void FreeDialogGraphics() {
  dialogImage.Free();
  nextPageImage.Free();
  prevPageImage.Free();
  loadImage.Free();
  exitImage.Free();
  selectionImage.Free();
  dialogFont.Free();
}

void LevelListDialog::FillCustomLevels() {
  pages = SplitIntoPages(ListCustomFolder());
}

void LevelListDialog::FillStoryLevels() {
  pages = SplitIntoPages(storyLevelFiles);
}

void LevelListDialog::Open(int atX, int atY) {
  open = true;
  x = atX;
  y = atY;
  loadButton = MakeRect(x + kLoadButtonX, y + kButtonRow, kButtonWidth, kButtonHeight);
  exitButton = MakeRect(x + kExitButtonX, y + kButtonRow, kButtonWidth, kButtonHeight);
  nextButton = MakeRect(x + kNextButtonX, y + kButtonRow, kButtonWidth, kButtonHeight);
  prevButton = MakeRect(x + kPrevButtonX, y + kButtonRow, kButtonWidth, kButtonHeight);
  selection = 0;
  page = 0;
  chosen = false;
  keyCounter = 0;
  padCounter = 0;
}

void LevelListDialog::Reset() {
  open = false;
  chosen = false;
  chosenPath.clear();
  pages.clear();
  selection = 0;
  page = 0;
}

std::string LevelListDialog::TakeChosenPath() {
  chosen = false;
  return chosenPath;
}

const std::vector<std::string>& LevelListDialog::CurrentPage() const {
  static const std::vector<std::string> kNoEntries;
  if (page < 0 || page >= static_cast<int>(pages.size())) return kNoEntries;
  return pages[page];
}

bool LevelListDialog::OnLastPage() const {
  return page + 1 >= static_cast<int>(pages.size());
}

void LevelListDialog::SelectUp() {
  if (selection <= 0) return;
  --selection;
  PlayEffect(Effect::kMenuMove);
}

void LevelListDialog::SelectDown() {
  if (selection + 1 >= static_cast<int>(CurrentPage().size())) return;
  ++selection;
  PlayEffect(Effect::kMenuMove);
}

void LevelListDialog::NextPage() {
  if (OnLastPage()) return;
  ++page;
  selection = 0;
  PlayEffect(Effect::kMenuMove);
}

void LevelListDialog::PrevPage() {
  if (page <= 0) return;
  --page;
  selection = 0;
  PlayEffect(Effect::kMenuMove);
}

void LevelListDialog::Choose() {
  const std::vector<std::string>& entries = CurrentPage();
  if (entries.empty()) return;
  PlayEffect(Effect::kMenuChoose);
  open = false;
  chosen = true;
  chosenPath = entries[selection];
}

void LevelListDialog::HandleEvents() {
  HandleKeyboard();
  if (open) HandlePad();
  if (open) HandleMouse();
}

void LevelListDialog::HandleKeyboard() {
  const bool anyHeld = IsKeyDown(SDLK_UP) || IsKeyDown(SDLK_DOWN) || IsKeyDown(SDLK_RIGHT) ||
                       IsKeyDown(SDLK_LEFT) || IsKeyDown(SDLK_RETURN) || IsKeyDown(SDLK_BACKSPACE);
  if (!HeldInputActs(anyHeld, keyCounter, keyDelay)) return;
  if (IsKeyDown(SDLK_UP)) {
    SelectUp();
  } else if (IsKeyDown(SDLK_DOWN)) {
    SelectDown();
  } else if (IsKeyDown(SDLK_RIGHT)) {
    NextPage();
  } else if (IsKeyDown(SDLK_LEFT)) {
    PrevPage();
  } else if (IsKeyDown(SDLK_RETURN)) {
    Choose();
  } else {
    open = false;
  }
}

void LevelListDialog::HandlePad() {
  const bool up = PadUp();
  const bool down = PadDown();
  const bool right = PadRight();
  const bool left = PadLeft();
  const bool start = PadStart();
  if (!HeldInputActs(up || down || right || left || start, padCounter, padDelay)) return;
  if (up) {
    SelectUp();
  } else if (down) {
    SelectDown();
  } else if (right) {
    NextPage();
  } else if (left) {
    PrevPage();
  } else {
    Choose();
  }
}

void LevelListDialog::HandleMouse() {
  if (!mouseLeftDown) return;
  if (PointInRect(mouseX, mouseY, loadButton)) {
    Choose();
  } else if (PointInRect(mouseX, mouseY, exitButton)) {
    open = false;
  } else if (PointInRect(mouseX, mouseY, nextButton)) {
    NextPage();
  } else if (PointInRect(mouseX, mouseY, prevButton)) {
    PrevPage();
  } else if (x + kListLeft < mouseX && mouseX < x + kListRight && y + kListTop < mouseY && mouseY < y + kListBottom) {
    const int entry = (mouseY - (y + kFirstEntryY)) / kEntryHeight;
    if (entry < static_cast<int>(CurrentPage().size())) selection = entry;
  }
}

void LevelListDialog::Draw() {
  if (!open) return;
  dialogImage.Draw(x, y);
  if (!OnLastPage()) nextPageImage.Draw(x + kNextButtonX, y + kButtonRow);
  if (page > 0) prevPageImage.Draw(x + kPrevButtonX, y + kButtonRow);
  loadImage.Draw(x + kLoadButtonX, y + kButtonRow);
  exitImage.Draw(x + kExitButtonX, y + kButtonRow);
  const std::vector<std::string>& entries = CurrentPage();
  for (size_t i = 0; i < entries.size(); ++i) {
    dialogFont.Draw(entries[i], x + kEntryX, y + kFirstEntryY + kEntryHeight * static_cast<int>(i), 255, 255, 255);
  }
  selectionImage.Draw(x + kEntryX, y + kFirstEntryY + kEntryHeight * selection);
}
