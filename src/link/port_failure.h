#pragma once

#include <string>

#include "base/message.h"
#include "link/connect.h"

namespace kvitmark::link {

// Why the device `devicePath` did not open, in words a user can act on: where to look for a
// missing adapter, which program holds a busy one, how to get the right to open it. Other
// failures keep the system's words.
base::Message PortFailureText(const ConnectResult& result, const std::string& devicePath);

}  // namespace kvitmark::link
