#include "cli/port_commands.h"

#include <iostream>

#include "base/ui/translation.h"
#include "cli/command_report.h"
#include "link/port_list.h"

namespace kvitmark::cli {

int ListPorts() {
  nlohmann::ordered_json listed = nlohmann::ordered_json::array();
  for (const link::SerialPort& port : link::ListSerialPorts()) {
    const std::string description = base::ui::Render(port.description).toStdString();
    ResultStream() << port.devicePath << '\t' << description << '\n';
    listed.push_back({{"device", port.devicePath}, {"description", description}});
  }
  Report().Set("ports", std::move(listed));
  return 0;
}

}  // namespace kvitmark::cli
