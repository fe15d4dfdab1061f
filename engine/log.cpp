#include "engine/log.h"

#include <fstream>

namespace {
std::ofstream logFile;
}

bool OpenLog(const std::string& path) {
  if (logFile.is_open()) logFile.close();
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
