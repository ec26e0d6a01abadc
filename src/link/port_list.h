#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/message.h"
#include "link/endpoint.h"

// The serial ports this machine has, for a user who has to pick the one the register hangs
// on. The system's device database (udev) knows them; turning its records into ports is kept
// apart from asking it, so that the rules can be tried on any list of devices.
namespace kvitmark::link {

// One device as the device database describes it.
struct DeviceRecord {
  std::string name;                               // "ttyUSB0"
  std::map<std::string, std::string> properties;  // SUBSYSTEM, DEVNAME, ID_VENDOR, …
  std::vector<std::string> devlinks;              // the device's other names under /dev
};

struct SerialPort {
  std::string devicePath;  // "/dev/ttyUSB0"
  std::string stableName;  // "/dev/serial/by-id/…", the same whichever socket; may be empty
  // What the device says it is ("FTDI FT232R USB UART"), or our word for its kind.
  base::Message description;

  bool operator==(const SerialPort&) const = default;
};

// The port as the user picks it: shown by its device's name, opened by its stable name where
// it has one, so that a re-plugged adapter is the same port whatever number it gets.
Endpoint DetectedEndpoint(const SerialPort& port);

// Whether `path` leads to `port`: its device name, its stable name, or a link to either.
bool IsPort(const SerialPort& port, const std::string& path);

// Whether a real UART answers behind an on-board port's device.
using UartProbe = std::function<bool(const std::string& devicePath)>;

// The serial ports among `records`: USB adapters (ttyUSB, then ttyACM), then on-board ports
// (ttyS) that `hasUart` confirms; each kind in the order of its number.
std::vector<SerialPort> SerialPorts(const std::vector<DeviceRecord>& records,
                                    const UartProbe& hasUart);

// The tty devices udev knows, as records.
std::vector<DeviceRecord> TtyDeviceRecords();

// Asks the port's driver for its UART type.
bool HasUart(const std::string& devicePath);

// The machine's serial ports; empty when it has none (or no device database).
std::vector<SerialPort> ListSerialPorts();

}  // namespace kvitmark::link
