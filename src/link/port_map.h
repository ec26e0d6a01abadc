#pragma once

#include <map>
#include <string>

#include "link/serial_line.h"

namespace kvitmark::link {

// COMn → device: the settings file may name a device per port ("COM1=/dev/ttyUSB0");
// without an entry, COMn is the n-th on-board port.
using PortMap = std::map<int, std::string>;

std::string DevicePathForPort(int port, const PortMap& ports);

// Lines on the devices that the map names.
LineFactory PosixLineFactory(PortMap ports);

// A port as the user picks it: COM1 … COM9, or a device by its own name (an adapter the
// system detected). The link numbers its ports 1 to 9, so a device picked by name is opened
// in COM1's place.
struct PortChoice {
  std::string name;    // as the user knows it: "COM3", "/dev/ttyUSB0"
  int number = 1;      // the link's port to open
  std::string device;  // the device opened in COM1's place; empty for COMn

  bool operator==(const PortChoice&) const = default;
};

PortChoice ComPort(int number);
PortChoice NamedDevice(const std::string& device);
// COMn by its number: COM1 … COM9 are the link's own; a further name is the device `map`
// gives it (a network port, say), opened in COM1's place.
PortChoice MappedPort(int number, const PortMap& map);
inline constexpr int kLinkPorts = 9;

// What the link opens behind each port number while a program runs: the settings file's
// devices, and the device the user picked by name, if any.
struct PortDevices {
  PortMap map;
  std::string picked;  // stands in for COM1 while set

  std::string PathFor(int port) const;
  // Makes `choice` the one the link opens next.
  void Pick(const PortChoice& choice) { picked = choice.device; }
};

// Lines on the devices as `devices` names them when a port opens; `devices` must outlive
// the factory.
LineFactory LineFactoryFor(const PortDevices& devices);

}  // namespace kvitmark::link
