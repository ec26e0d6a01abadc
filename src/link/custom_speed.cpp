#include "link/custom_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace kvitmark::link {

bool SetCustomSpeed(int fd, int speed) {
  struct termios2 settings {};
  if (ioctl(fd, TCGETS2, &settings) != 0) return false;
  settings.c_cflag &= ~CBAUD;
  settings.c_cflag |= BOTHER;
  settings.c_cflag &= ~(CBAUD << IBSHIFT);
  settings.c_cflag |= BOTHER << IBSHIFT;
  settings.c_ispeed = static_cast<speed_t>(speed);
  settings.c_ospeed = static_cast<speed_t>(speed);
  return ioctl(fd, TCSETS2, &settings) == 0;
}

}  // namespace kvitmark::link
