#pragma once

#include <fstream>
#include <string>

// The bench process's own memory, from /proc/self (Linux).
namespace kvitmark::bench {

// A field of /proc/self/status ("VmRSS:", "VmHWM:"), in bytes; 0 when it is not there.
inline long long StatusBytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::stoll(line.substr(line.find(':') + 1)) * 1024;
  }
  return 0;
}

// The peak (VmHWM) is set back to what is resident now (Linux 4.0 and later).
inline void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace kvitmark::bench
