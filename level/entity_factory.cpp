#include "level/entity_factory.h"

#include <utility>

#include "enemies/blorp.h"
#include "enemies/robot_city.h"
#include "enemies/round_world.h"
#include "enemies/space_pirates.h"
#include "enemies/tumbo_world.h"
#include "entities/flag.h"
#include "entities/items.h"

namespace {
using Maker = GameObject* (*)(std::istream&);

// Reads the record's integers (x, y, then the type's own fields) and builds a T from them;
// null when any of them cannot be read.
template <class T, size_t... I>
GameObject* Build(const int (&values)[sizeof...(I)], std::index_sequence<I...>) {
  return new T(values[I]...);
}

template <class T, size_t Count>
GameObject* Make(std::istream& in) {
  int values[Count];
  for (int& value : values) {
    if (!(in >> value)) return nullptr;
  }
  return Build<T>(values, std::make_index_sequence<Count>());
}

struct FactoryEntry {
  const char* name;
  Maker make;
};

// One line per placeable type: its record name and how many integers its record holds.
const FactoryEntry kFactory[] = {
    {"Flag", Make<Flag, 2>},
    {"CircleMan", Make<CircleMan, 3>},
    {"UFRO", Make<UFRO, 3>},
    {"SmallBlorp", Make<SmallBlorp, 3>},
    {"MediumBlorp", Make<MediumBlorp, 3>},
    {"LargeBlorp", Make<LargeBlorp, 3>},
    {"Smashy", Make<Smashy, 2>},
    {"Pirate", Make<Pirate, 3>},
    {"Tank", Make<Tank, 2>},
    {"RobotGuard", Make<RobotGuard, 3>},
    {"MissileBot", Make<MissileBot, 2>},
    {"Overlord", Make<Overlord, 2>},
    {"Soldier", Make<Soldier, 3>},
    {"Ninja", Make<Ninja, 3>},
    {"Bomber", Make<Bomber, 2>},
    {"Baron", Make<Baron, 4>},
    {"Money", Make<Money, 2>},
    {"OneUp", Make<OneUp, 2>},
    {"DrVim", Make<DrVim, 2>},
    {"EnergyDrink", Make<EnergyDrink, 2>},
    {"JetPack", Make<JetPack, 2>},
};
}  // namespace

GameObject* CreateEntity(const std::string& name, std::istream& in) {
  for (const FactoryEntry& entry : kFactory) {
    if (name == entry.name) return entry.make(in);
  }
  return nullptr;
}
