#include "link/system_lines.h"

#include "link/network_line.h"
#include "link/posix_serial_line.h"

namespace kvitmark::link {

std::unique_ptr<SerialLine> LineFor(const Endpoint& endpoint) {
  if (endpoint.OnNetwork()) return std::make_unique<NetworkSerialLine>(endpoint.Opened());
  return std::make_unique<PosixSerialLine>(endpoint.Opened());
}

LineFactory SystemLines() { return LineFor; }

}  // namespace kvitmark::link
