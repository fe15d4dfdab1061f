#include "app/game_folders.h"

#include <unistd.h>

#include <boost/filesystem.hpp>
#include <boost/system/error_code.hpp>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "engine/path_resolve.h"
#include "level/level_file.h"

namespace fs = boost::filesystem;

namespace {
const char* const kPlayerFolderName = "tumbo-man";
// Below $HOME when XDG_DATA_HOME is not set, as the XDG base directory rules say.
const char* const kDefaultDataHome = ".local/share";
// A folder holding this is a complete game folder (the build's, or the installed data folder).
const char* const kDataMarker = "gfx";
// Where the running program lies, as the kernel tells it.
const char* const kOwnProgram = "/proc/self/exe";
// Installed, the data folder is found from the program's folder by this way (set by the build
// from the install folders), so a tree installed under any prefix or DESTDIR works.
const char* const kDataFromPrograms = TUMBO_DATA_FROM_PROGRAMS;

bool Refuse(const std::string& reason) {
  std::cerr << "Tumbo Man could not start: " << reason << std::endl;
  return false;
}

bool HoldsGameData(const fs::path& folder) {
  boost::system::error_code error;
  return fs::is_directory(folder / kDataMarker, error);
}

// $XDG_DATA_HOME/tumbo-man; a relative XDG_DATA_HOME is not valid and is ignored. Empty when
// neither it nor HOME is set.
fs::path PlayerFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && fs::path(dataHome).is_absolute()) return fs::path(dataHome) / kPlayerFolderName;
  const char* home = std::getenv("HOME");
  if (!home || !*home) return fs::path();
  return fs::path(home) / kDefaultDataHome / kPlayerFolderName;
}

bool EnterPlayerFolder() {
  const fs::path folder = PlayerFolder();
  if (folder.empty()) return Refuse("neither XDG_DATA_HOME nor HOME is set, so there is no folder for the save");
  boost::system::error_code error;
  fs::create_directories(folder / kCustomLevelFolder, error);
  if (error) return Refuse("cannot make the folder " + folder.string() + ": " + error.message());
  if (access(folder.c_str(), W_OK | X_OK) != 0 || chdir(folder.c_str()) != 0) {
    return Refuse("cannot write in the folder " + folder.string() + ": " + std::strerror(errno));
  }
  return true;
}
}  // namespace

// Departure from the one working folder for everything: only an installed game splits what it
// reads from what it writes; from the build's game folder the game behaves as it always did.
bool ChooseGameFolders() {
  boost::system::error_code error;
  const fs::path program = fs::read_symlink(kOwnProgram, error);
  if (error) return Refuse(std::string("cannot tell where the program lies (") + kOwnProgram + ")");
  const fs::path programFolder = program.parent_path();
  if (HoldsGameData(programFolder)) return true;

  const fs::path dataFolder = (programFolder / kDataFromPrograms).lexically_normal();
  if (!HoldsGameData(dataFolder)) {
    return Refuse("its data folder " + dataFolder.string() + " is missing or incomplete; reinstall the game");
  }
  if (!EnterPlayerFolder()) return false;
  SetDataFolder(dataFolder.string());
  return true;
}
