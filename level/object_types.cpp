#include "level/object_types.h"

#include <utility>

#include "enemies/blorp.h"
#include "enemies/robot_city.h"
#include "enemies/round_world.h"
#include "enemies/space_pirates.h"
#include "enemies/tumbo_world.h"
#include "entities/flag.h"
#include "entities/items.h"
#include "world/special_graphics.h"

std::vector<std::string> entityNames;

namespace {
template <class T, size_t... I>
GameObject* Build(const int* fields, std::index_sequence<I...>) {
  return new T(fields[I]...);
}

template <class T, int FieldCount>
GameObject* Make(const int* fields) {
  return Build<T>(fields, std::make_index_sequence<FieldCount>());
}

// A row of the table; the field count is written once, for the reader and the constructor alike.
template <class T, int FieldCount>
constexpr ObjectType Row(const char* placedFields, int paletteSlot, const ArtModule& art) {
  static_assert(FieldCount >= 2 && FieldCount <= kMostRecordFields, "a record holds x, y and at most two more");
  return {T::kTypeName, Make<T, FieldCount>, FieldCount, placedFields, paletteSlot, &art};
}

// The flag's pictures come with the special tiles.
const ArtModule kFlagpoleArt = {LoadSpecialGraphics, FreeSpecialGraphics};
const ArtModule kTumboWorldArt = {LoadTumboWorldGraphics, FreeTumboWorldGraphics};
const ArtModule kBlorpArt = {LoadBlorpGraphics, FreeBlorpGraphics};
const ArtModule kSpacePiratesArt = {LoadSpacePiratesGraphics, FreeSpacePiratesGraphics};
const ArtModule kRobotCityArt = {LoadRobotCityGraphics, FreeRobotCityGraphics};
const ArtModule kRoundWorldArt = {LoadRoundWorldGraphics, FreeRoundWorldGraphics};
const ArtModule kItemArt = {LoadItemGraphics, FreeItemGraphics};

// The palette slot the editor's delete entry takes.
const int kDeleteSlot = 12;
}  // namespace

// Placed by the editor, an enemy faces left, save the UFRO, which sets off to the right; a Baron
// placed by hand ends no level.
const ObjectType kObjectTypes[] = {
    // Row<type, record fields>(the editor's placed fields, palette slot, art module)
    Row<Flag, 2>("", 21, kFlagpoleArt),
    Row<CircleMan, 3>("1", 0, kTumboWorldArt),
    Row<UFRO, 3>("0", 6, kTumboWorldArt),
    Row<SmallBlorp, 3>("0", 7, kBlorpArt),
    Row<MediumBlorp, 3>("0", 8, kBlorpArt),
    Row<LargeBlorp, 3>("0", 9, kBlorpArt),
    Row<Smashy, 2>("", 10, kBlorpArt),
    Row<Pirate, 3>("0", 11, kSpacePiratesArt),
    Row<Tank, 2>("", 13, kSpacePiratesArt),
    Row<RobotGuard, 3>("1", 14, kRobotCityArt),
    Row<MissileBot, 2>("", 15, kRobotCityArt),
    Row<Overlord, 2>("", 16, kRobotCityArt),
    Row<Soldier, 3>("0", 17, kRoundWorldArt),
    Row<Ninja, 3>("0", 18, kRoundWorldArt),
    Row<Bomber, 2>("", 19, kRoundWorldArt),
    Row<Baron, 4>("0 0", 20, kRoundWorldArt),
    Row<Money, 2>("", 1, kItemArt),
    Row<OneUp, 2>("", 2, kItemArt),
    Row<DrVim, 2>("", 3, kItemArt),
    Row<EnergyDrink, 2>("", 4, kItemArt),
    Row<JetPack, 2>("", 5, kItemArt),
};
const int kObjectTypeCount = sizeof(kObjectTypes) / sizeof(kObjectTypes[0]);

void InitEntityNames() {
  entityNames.assign(kObjectTypeCount + 1, "");
  for (const ObjectType& type : kObjectTypes) entityNames[type.paletteSlot] = type.name;
  entityNames[kDeleteSlot] = kDeleteEntry;
}

const ObjectType* FindObjectType(const std::string& name) {
  for (const ObjectType& type : kObjectTypes) {
    if (name == type.name) return &type;
  }
  return nullptr;
}

bool IsEntityName(const std::string& word) { return FindObjectType(word) != nullptr; }

bool ReadRecordFields(const ObjectType& type, std::istream& in, int (&fields)[kMostRecordFields]) {
  for (int i = 0; i < type.fieldCount; ++i) {
    if (!(in >> fields[i])) return false;
  }
  return true;
}

GameObject* CreateEntity(const std::string& name, std::istream& in) {
  const ObjectType* type = FindObjectType(name);
  int fields[kMostRecordFields];
  if (!type || !ReadRecordFields(*type, in, fields)) return nullptr;
  return type->make(fields);
}
