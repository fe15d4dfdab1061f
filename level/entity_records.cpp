#include "level/entity_records.h"

#include "level/object_types.h"
#include "world/tile.h"

namespace {
// How far off the level's edges an object may start. A screen's width leaves room for anything a
// level maker might park just outside the view; far beyond it, a place from a damaged or hostile
// file (near the ends of the int range) would overflow the objects' own arithmetic as they move.
const int kObjectMargin = 640;

bool OnLevel(int x, int y, int columns, int rows) {
  return x >= -kObjectMargin && x <= columns * kTileSize + kObjectMargin && y >= -kObjectMargin &&
         y <= rows * kTileSize + kObjectMargin;
}
}  // namespace

bool ReadEntityRecords(std::istream& in, int columns, int rows, void (*keep)(GameObject*), std::string& problem) {
  problem.clear();
  std::string word;
  while (in >> word) {
    const ObjectType* type = FindObjectType(word);
    if (!type) continue;
    int fields[kMostRecordFields];
    if (!ReadRecordFields(*type, in, fields)) {
      if (problem.empty()) {
        problem = in.eof() ? "the " + word + " record is cut short"
                           : "the " + word + " record has a field that is not a number";
      }
      return false;
    }
    const int x = fields[0];
    const int y = fields[1];
    if (OnLevel(x, y, columns, rows)) {
      keep(type->make(fields));
    } else if (problem.empty()) {
      problem = "the " + word + " record at " + std::to_string(x) + ", " + std::to_string(y) +
                " lies far outside the level";
    }
  }
  return problem.empty();
}
