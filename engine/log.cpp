#include "engine/log.h"

#include <fstream>
#include <iostream>
#include <set>

namespace {
// Enough for every file a broken install could lack; a level full of bad picture paths must not
// flood the terminal, nor grow the set of lines told without end.
const size_t kMostToldLines = 32;

std::ofstream logFile;
std::set<std::string> toldLines;

void Tell(const std::string& line) { std::cerr << "Tumbo Man: " << line << std::endl; }
}  // namespace

bool OpenLog(const std::string& path) {
  if (logFile.is_open()) logFile.close();
  toldLines.clear();  // a new log, a new session: its faults are told afresh
  logFile.open(path, std::ios::out | std::ios::trunc);
  return logFile.is_open();
}

void CloseLog() {
  if (logFile.is_open()) logFile.close();
}

void Log(const std::string& message) {
  if (!logFile.is_open()) return;
  logFile << message << '\n';
  logFile.flush();
}

// Departure: these faults were only logged, and a player starting the game from a terminal or a
// menu never looked in log.txt to learn why pictures or levels were missing.
void ReportFault(const std::string& line) {
  Log(line);
  if (toldLines.size() > kMostToldLines || !toldLines.insert(line).second) return;
  if (toldLines.size() > kMostToldLines) {
    Tell("more faults follow; log.txt lists them all");
    return;
  }
  Tell(line);
}

void LogOrTell(const std::string& line) {
  Log(line);
  if (!logFile.is_open() || !logFile) Tell(line);
}
