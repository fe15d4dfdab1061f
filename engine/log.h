#pragma once
#include <string>

// The game's log, "log.txt": one line per message, flushed at once, no time stamp.
bool OpenLog(const std::string& path);
void CloseLog();
void Log(const std::string& message);

// A fault the player must hear of without reading log.txt (a picture, font or level file that
// cannot be read): logged every time, and told on stderr the first time that line comes up after OpenLog.
void ReportFault(const std::string& line);
// Logged; told on stderr only when log.txt itself cannot be written (a read-only game folder).
void LogOrTell(const std::string& line);
