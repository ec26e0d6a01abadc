// Whether an on-board port has a UART behind it: the driver says so through TIOCGSERIAL.
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "link/port_list.h"

namespace kvitmark::link {

bool HasUart(const std::string& devicePath) {
  // No O_NONBLOCK and an open waits for carrier; no O_NOCTTY and a daemon could acquire the
  // port as its terminal.
  const int descriptor = open(devicePath.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  // Held for exclusive use: only a real port is worth holding.
  if (descriptor < 0) return errno == EBUSY;
  serial_struct info{};
  const bool uart = ioctl(descriptor, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
  close(descriptor);
  return uart;
}

}  // namespace kvitmark::link
