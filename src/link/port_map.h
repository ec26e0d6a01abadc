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

}  // namespace kvitmark::link
