#pragma once

#include <memory>

#include "link/endpoint.h"
#include "link/serial_line.h"

namespace kvitmark::link {

// The (not yet opened) line to what `endpoint` opens: a register behind the network for a URL
// (rfc2217://HOST:PORT, tcp://HOST:PORT), else a serial device of this machine.
std::unique_ptr<SerialLine> LineFor(const Endpoint& endpoint);

// Lines on this machine's devices and network, as the programs open them.
LineFactory SystemLines();

}  // namespace kvitmark::link
