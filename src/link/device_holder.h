#pragma once

#include <optional>
#include <string>

namespace kvitmark::link {

// A process that has a device open.
struct DeviceHolder {
  std::string program;  // its command name as /proc gives it, e.g. "minicom"; may be empty
  int processId = 0;
};

// A process holding `devicePath` open, when /proc shows one: the processes of other users
// stay hidden from an ordinary user, so nothing found does not mean nobody holds it.
std::optional<DeviceHolder> FindDeviceHolder(const std::string& devicePath);

}  // namespace kvitmark::link
