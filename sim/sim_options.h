#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sim/sim_register.h"

namespace kvitmark::sim {

struct SimOptions {
  int registerNumber = 1;
  std::string tty;      // serve this device; empty: a new pseudo-terminal
  int speed = 115200;   // the speed --tty is set to
  int answerSpeed = 0;  // given --speed, the register answers only at that speed; 0: at any
  std::string link;     // a symlink to the device served, for a stable name
  std::vector<std::pair<int, std::string>> tableFiles;  // table number, file
  bool save = false;
  bool pace = false;  // bytes travel at the speed of a real line
  SimFaults faults;
  bool help = false;
};

// Nothing but `error` set when the arguments are not understood.
SimOptions ParseSimOptions(const std::vector<std::string>& arguments, std::string& error);

extern const char* const kSimUsage;

}  // namespace kvitmark::sim
