#include "level/entity_records.h"

#include "level/object_types.h"

// A type name whose class does not exist yet builds nothing, and its numbers are then skipped
// like any other stray word.
bool ReadEntityRecords(std::istream& in, void (*keep)(GameObject*), std::string& problem) {
  std::string word;
  while (in >> word) {
    if (!IsEntityName(word)) continue;
    GameObject* object = CreateEntity(word, in);
    if (object) {
      keep(object);
      continue;
    }
    if (!in.fail()) continue;
    problem = in.eof() ? "the " + word + " record is cut short"
                       : "the " + word + " record has a field that is not a number";
    return false;
  }
  return true;
}
