#include "level/level_file.h"

#include <boost/filesystem.hpp>

#include "entities/game_object.h"

namespace fs = boost::filesystem;

namespace {
// The largest level the editor makes is about two megabytes; the largest grid the world takes,
// written with long codes, stays well inside this.
const uintmax_t kMostLevelBytes = 64u << 20;
}  // namespace

bool IsFolder(const std::string& path) {
  boost::system::error_code error;
  return fs::is_directory(path, error);
}

// A pipe once kept the game waiting for ever at its loading picture, and a file of gigabytes was
// read whole as one long word: both are refused before they are opened.
std::string LevelFileRefusal(const std::string& path) {
  boost::system::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::is_directory(status)) return "it is a folder, not a level file";
  // Missing, or a link that leads nowhere or round in a loop: opening it fails, and the caller says so.
  if (error || !fs::exists(status)) return "";
  if (!fs::is_regular_file(status)) return "it is not a plain file";
  const uintmax_t size = fs::file_size(path, error);
  if (error || size <= kMostLevelBytes) return "";
  return "it holds " + std::to_string(size) + " bytes, far more than any level";
}

bool ReadLevelHeader(std::istream& in, LevelHeader& header, std::string& problem) {
  for (std::string& layer : header.layers) in >> layer;
  if (in >> header.columns >> header.rows) return true;
  problem = in.eof() ? "the file ends before its width and height" : "the width or height is not a number";
  return false;
}

bool ReadLevelGrid(std::istream& in, int columns, int rows, void (*keep)(int col, int row, int code),
                   std::string& problem) {
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < columns; ++col) {
      int code = 0;
      if (in >> code) {
        keep(col, row, code);
        continue;
      }
      keep(col, row, 0);
      const std::string cell = "column " + std::to_string(col) + ", row " + std::to_string(row);
      problem = in.eof() ? "the tile grid ends early, at " + cell : "the tile code at " + cell + " is not a number";
      return false;
    }
  }
  return true;
}

void WriteLevelFile(std::ostream& out, const LevelHeader& header, int (*codeAt)(int col, int row),
                    const std::vector<GameObject*>& objects) {
  for (const std::string& layer : header.layers) out << layer << '\n';
  out << header.columns << '\n' << header.rows << '\n';
  for (int row = 0; row < header.rows; ++row) {
    for (int col = 0; col < header.columns; ++col) out << codeAt(col, row) << ' ';
    out << '\n';
  }
  for (GameObject* object : objects) object->WriteLevelLine(out);
}
