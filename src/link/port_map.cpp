#include "link/port_map.h"

#include "link/line_for_device.h"

namespace kvitmark::link {

std::string DevicePathForPort(int port, const PortMap& ports) {
  const auto found = ports.find(port);
  if (found != ports.end() && !found->second.empty()) return found->second;
  return "/dev/ttyS" + std::to_string(port - 1);
}

LineFactory PosixLineFactory(PortMap ports) {
  return [ports = std::move(ports)](int port) -> std::unique_ptr<SerialLine> {
    return LineForDevice(DevicePathForPort(port, ports));
  };
}

}  // namespace kvitmark::link
