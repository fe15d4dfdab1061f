#pragma once
#include <istream>
#include <string>
#include <vector>

#include "engine/image.h"

class GameObject;

// One kind of object a level file can hold. Adding a kind is one class and one row of the table.
struct ObjectType {
  const char* name;                        // as level files write it: the class's kTypeName
  GameObject* (*make)(const int* fields);  // builds one from its record's integers
  int fieldCount;                          // x, y and the type's own integers, in record order
  const char* placedFields;                // the editor's values after x and y for one it places
  int paletteSlot;                         // its place in the editor's palette, entityNames
  const ArtModule* art;                    // the module that loads its pictures at start-up
};

// Every placeable type, in the order their art modules are loaded at start-up.
extern const ObjectType kObjectTypes[];
extern const int kObjectTypeCount;

// The palette entry that removes the object under the cursor instead of placing one; no type.
const char* const kDeleteEntry = "Delete";

// The editor's object palette in palette order: every type's name and kDeleteEntry.
extern std::vector<std::string> entityNames;
void InitEntityNames();

// The type of that name, case-sensitive; null for any other word, kDeleteEntry included.
const ObjectType* FindObjectType(const std::string& name);
// True exactly for the placeable type names.
bool IsEntityName(const std::string& word);

// The most integers a record holds: the Baron's x, y, direction and final mark.
const int kMostRecordFields = 4;
// Reads the record's integers after its type name into fields, x and y first; false when one cannot be read.
bool ReadRecordFields(const ObjectType& type, std::istream& in, int (&fields)[kMostRecordFields]);

// Reads the record's integers after its type name and builds the object; the caller owns it.
// Null for an unknown name or a record whose fields cannot be read.
GameObject* CreateEntity(const std::string& name, std::istream& in);
