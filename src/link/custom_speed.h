#pragma once

// Speeds without a B constant (14400, 28800, 56000, 57700) are set through termios2.
// Its header clashes with <termios.h>, so it lives in a file of its own.
namespace kvitmark::link {

// Sets both directions of an open tty to `speed` bit/s; false with errno set on failure.
bool SetCustomSpeed(int fd, int speed);

}  // namespace kvitmark::link
