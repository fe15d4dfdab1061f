#pragma once
#include <istream>
#include <string>

class GameObject;

// Reads the record's integers after its type name and builds the object; the caller owns it.
// Null for an unknown name or a record whose fields cannot be read.
GameObject* CreateEntity(const std::string& name, std::istream& in);
