#pragma once
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Small level files for the world's tests, written into the test's own working folder.

// The three background lines of a Tumbo World level.
inline std::string TumboLayers() {
  return "gfx/Backgrounds/TumboWorld/layer1.png\n"
         "gfx/Backgrounds/TumboWorld/layer2-2.png\n"
         "gfx/Backgrounds/TumboWorld/layer3-2.png\n";
}

// A level file with the given grid rows (codes separated by blanks) and entity lines.
inline std::string LevelText(int width, int height, const std::vector<std::string>& rows,
                             const std::string& entities = "") {
  std::ostringstream text;
  text << TumboLayers() << width << '\n' << height << '\n';
  for (const std::string& row : rows) text << row << " \n";
  text << entities;
  return text.str();
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
}

// The log's lines that start with the given text.
inline std::vector<std::string> LogLinesStartingWith(const std::string& logText, const std::string& start) {
  std::vector<std::string> found;
  std::istringstream lines(logText);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.compare(0, start.size(), start) == 0) found.push_back(line);
  }
  return found;
}
