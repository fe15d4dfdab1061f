// save.txt through its reader and writer: what is written must read back the same, undamaged,
// and write again to the very same bytes.
#include <vector>

#include "engine/log.h"
#include "engine/progress.h"
#include "engine/save_data.h"
#include "fuzz_support.h"

namespace {
struct Progress {
  bool gameCompleted;
  int money, hat, costume;
  std::vector<bool> ownedItems;
  bool operator==(const Progress& o) const {
    return gameCompleted == o.gameCompleted && money == o.money && hat == o.hat && costume == o.costume &&
           ownedItems == o.ownedItems;
  }
};

Progress Saved() { return {gameCompleted, money, hat, costume, ownedItems}; }

void Scribble() {
  gameCompleted = !gameCompleted;
  money = -7;
  hat = costume = 99;
  ownedItems.assign(3, true);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartFuzzing(kFilesOnly);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TakeInput(kSaveFile, data, size);
  ReadSaveFile();
  if (!WriteSaveFile()) FuzzFinding("the progress read could not be saved");
  const Progress written = Saved();
  const std::string text = ReadWhole(kSaveFile);
  Scribble();
  OpenLog("log.txt");
  ReadSaveFile();
  CloseLog();
  if (!(Saved() == written)) FuzzFinding("save.txt reads back other values than were written:\n" + text);
  if (ReadWhole("log.txt").find("damaged") != std::string::npos) FuzzFinding("a written save.txt reads as damaged");
  if (!WriteSaveFile() || ReadWhole(kSaveFile) != text) FuzzFinding("save.txt changes when read and written again");
  return 0;
}
