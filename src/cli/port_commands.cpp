#include "cli/port_commands.h"

#include <iostream>

#include "cli/command_report.h"
#include "link/port_list.h"

namespace kvitmark::cli {

int ListPorts() {
  nlohmann::ordered_json listed = nlohmann::ordered_json::array();
  for (const link::SerialPort& port : link::ListSerialPorts()) {
    ResultStream() << port.devicePath << '\t' << port.description << '\n';
    listed.push_back({{"device", port.devicePath}, {"description", port.description}});
  }
  Report().Set("ports", std::move(listed));
  return 0;
}

}  // namespace kvitmark::cli
