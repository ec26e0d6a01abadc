#include "link/line_for_device.h"

#include "link/network_address.h"
#include "link/network_line.h"
#include "link/posix_serial_line.h"

namespace kvitmark::link {

std::unique_ptr<SerialLine> LineForDevice(const std::string& device) {
  if (IsNetworkDevice(device)) return std::make_unique<NetworkSerialLine>(device);
  return std::make_unique<PosixSerialLine>(device);
}

}  // namespace kvitmark::link
