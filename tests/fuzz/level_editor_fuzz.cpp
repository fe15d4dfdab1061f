// A level file as the editor reads it: loaded, drawn, and saved; the saved file must load again
// and save to the very same bytes.
#include "editor/editor_draw.h"
#include "editor/editor_files.h"
#include "editor/editor_model.h"
#include "fuzz_support.h"

namespace {
const char* const kLevelPath = "Levels/Custom/fuzz.level";
const char* const kSavedPath = "Levels/Custom/saved.level";
const char* const kSavedAgainPath = "Levels/Custom/saved-again.level";

void NewLevel() {
  EditorClear();
  EditorReset();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartFuzzing(kWholeGame);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TakeInput(kLevelPath, data, size);
  NewLevel();
  // Whatever part of the file was read is a level the player may go on to save under a new name.
  EditorLoadLevel(kLevelPath);
  EditorDraw();
  if (!SaveLevel(kSavedPath)) FuzzFinding("the editor could not save what it read");
  const std::string saved = ReadWhole(kSavedPath);
  NewLevel();
  if (!EditorLoadLevel(kSavedPath)) FuzzFinding("a level the editor saved does not load again:\n" + saved);
  if (!SaveLevel(kSavedAgainPath)) FuzzFinding("the editor could not save a level it saved before");
  if (ReadWhole(kSavedAgainPath) != saved) FuzzFinding("a saved level changes when loaded and saved again");
  NewLevel();
  return 0;
}
