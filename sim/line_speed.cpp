#include "sim/line_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <climits>

namespace kvitmark::sim {

int LineSpeed(int fd) {
  struct termios2 settings {};
  if (ioctl(fd, TCGETS2, &settings) != 0 || settings.c_ospeed > INT_MAX) return 0;
  // The kernel fills in c_ospeed for a speed set by a B constant too.
  return static_cast<int>(settings.c_ospeed);
}

}  // namespace kvitmark::sim
