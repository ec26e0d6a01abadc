#pragma once

// The speed a terminal runs at, read through termios2: that is the only way to see speeds
// without a B constant (14400, 28800, 56000, 57700). Its header clashes with <termios.h>, so
// it lives in a file of its own.
namespace kvitmark::sim {

// The output speed of the terminal behind `fd` in bit/s, the speed the program's bytes travel
// at; 0 when it cannot be read. On the master side of a pseudo-terminal this is the speed the
// program set on the slave side.
int LineSpeed(int fd);

}  // namespace kvitmark::sim
