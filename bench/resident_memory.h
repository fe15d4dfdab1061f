#pragma once
#include <unistd.h>

#include <fstream>

// The process's resident memory in megabytes, as the kernel counts it.
inline double ResidentMb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1048576.0);
}
