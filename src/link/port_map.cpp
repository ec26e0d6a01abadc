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

PortChoice ComPort(int number) { return {"COM" + std::to_string(number), number, ""}; }

PortChoice NamedDevice(const std::string& device) { return {device, 1, device}; }

PortChoice MappedPort(int number, const PortMap& map) {
  if (number <= kLinkPorts) return ComPort(number);
  return {"COM" + std::to_string(number), 1, DevicePathForPort(number, map)};
}

std::string PortDevices::PathFor(int port) const {
  if (port == 1 && !picked.empty()) return picked;
  return DevicePathForPort(port, map);
}

LineFactory LineFactoryFor(const PortDevices& devices) {
  return [&devices](int port) -> std::unique_ptr<SerialLine> {
    return LineForDevice(devices.PathFor(port));
  };
}

}  // namespace kvitmark::link
