#pragma once

#include <string>

#include "link/connect.h"

namespace kvitmark::link {

// Why the device `devicePath` did not open, in words a user can act on (UTF-8, like the
// device path and the system's text it may contain): where to look for a missing adapter,
// which program holds a busy one, how to get the right to open it. Other failures keep the
// system's text.
std::string PortFailureText(const ConnectResult& result, const std::string& devicePath);

}  // namespace kvitmark::link
