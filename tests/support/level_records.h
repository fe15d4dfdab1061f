#pragma once
// Level records read through the entity factory and written back, for the round-trip tests of
// each family of level objects.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "entities/game_object.h"
#include "level/object_types.h"

// Reads each record of `records` through the entity factory and returns the records the read
// objects write again. Every record must make an object; `check`, when given, looks at each one.
inline std::string ReadRecordsBack(const std::string& records,
                                   const std::function<void(const std::string&, const GameObject&)>& check = nullptr) {
  std::istringstream in(records);
  std::ostringstream again;
  std::string name;
  while (in >> name) {
    std::unique_ptr<GameObject> read(CreateEntity(name, in));
    EXPECT_TRUE(read) << name;
    if (!read) break;
    if (check) check(name, *read);
    read->WriteLevelLine(again);
  }
  return again.str();
}
