#include "cli/port_commands.h"

#include <iostream>

#include "link/port_list.h"

namespace kvitmark::cli {

int ListPorts() {
  for (const link::SerialPort& port : link::ListSerialPorts()) {
    std::cout << port.devicePath << '\t' << port.description << '\n';
  }
  return 0;
}

}  // namespace kvitmark::cli
