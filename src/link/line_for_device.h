#pragma once

#include <memory>
#include <string>

#include "link/serial_line.h"

namespace kvitmark::link {

// The (not yet opened) line to `device`: a register behind the network for a URL
// (rfc2217://HOST:PORT, tcp://HOST:PORT), else a serial device of this machine.
std::unique_ptr<SerialLine> LineForDevice(const std::string& device);

}  // namespace kvitmark::link
