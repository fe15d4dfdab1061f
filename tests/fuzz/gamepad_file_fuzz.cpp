// gamepad.txt through its reader and writer: every record read names only controls the pad has,
// and what is written reads back as the same records, in the same order.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "input/gamepad.h"

namespace {
const char* const kGamepadFile = "gamepad.txt";
// A pad attached while the file is read: records of its name are held to its controls.
const char* const kAttachedName = "Pad";
const PadControls kAttachedControls = {10, 4, 1};

std::vector<std::string> Records() {
  std::vector<std::string> records;
  for (Gamepad& pad : gamepadConfigs) {
    const PadControls& controls = pad.padName == kAttachedName ? kAttachedControls : kAnyPad;
    std::string record = pad.padName;
    for (GamepadBinding* binding : pad.bindings) {
      if (!binding) FuzzFinding("a record with a missing binding was kept: " + pad.padName);
      if (!binding->Fits(controls)) FuzzFinding("a binding to a control the pad lacks was kept: " + binding->ToText());
      record += "|" + binding->ToText();
    }
    LogGamepad(pad);
    records.push_back(record);
  }
  return records;
}

std::vector<std::string> ReadRecords() {
  gamepadConfigs.clear();
  ReadGamepadConfigs(kAttachedName, kAttachedControls);
  return Records();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartFuzzing(kFilesOnly);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TakeInput(kGamepadFile, data, size);
  const std::vector<std::string> read = ReadRecords();
  SaveGamepadConfigs();
  if (!gamepadConfigs.empty()) FuzzFinding("saving kept the records in memory");
  const std::string text = ReadWhole(kGamepadFile);
  // With no record the file is left as it was; the round trip begins with the first record.
  if (read.empty()) return 0;
  if (ReadRecords() != read) FuzzFinding("gamepad.txt reads back other records than were written:\n" + text);
  gamepadConfigs.clear();
  return 0;
}
