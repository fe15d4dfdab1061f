#pragma once
#include <string>

// The game's log, "log.txt": one line per message, flushed at once, no time stamp.
bool OpenLog(const std::string& path);
void CloseLog();
void Log(const std::string& message);
