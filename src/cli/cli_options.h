#pragma once

#include <optional>
#include <string>

#include "cli/terminal_observer.h"

namespace kvitmark::cli {

// Where the register is and how to talk to it, from the command line and Tabulon.ini.
struct ConnectionOptions {
  std::string port;    // "COM3"; empty: from Tabulon.ini, else COM1
  std::string device;  // a device path; overrides the port
  std::optional<int> speed;
  int registerNumber = 1;
  bool trace = false;
  OnError onError = OnError::kStop;
  bool assumeYes = false;
};

// The coding interval as the window's group holds it; any of the three given ticks
// "Использовать".
struct IntervalOptions {
  std::optional<int> first;
  std::optional<int> last;
  std::optional<int> record;
  bool Used() const { return first || last || record; }
};

// What a write sends: everything, or only what differs from a file of what the register
// holds; and whether it is only told, not sent.
struct WriteOptions {
  std::string changedFrom;  // a table file of the same kind; empty: write every record
  bool dryRun = false;
};

}  // namespace kvitmark::cli
