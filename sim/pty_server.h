#pragma once

#include <csignal>
#include <string>

#include "sim/sim_register.h"

namespace kvitmark::sim {

// Puts a simulated register on a terminal device: a new pseudo-terminal (the program
// opens its slave side) or a real serial port.
class PtyServer {
 public:
  explicit PtyServer(SimRegister& simRegister) : register_(simRegister) {}
  ~PtyServer();

  // A new pseudo-terminal in raw mode; DevicePath() is the name to open.
  bool OpenPseudoTerminal(std::string& error);
  // A serial device, raw, 8 data bits, no parity, 2 stop bits at `speed`.
  bool OpenDevice(const std::string& path, int speed, std::string& error);
  const std::string& DevicePath() const { return devicePath_; }
  // Bytes travel as on a real line at the speed the program set: each one sent only after
  // the time it takes there (11 bits: start, eight data bits, two stop bits), and each one
  // received taken in no faster. Off, the register answers as fast as the terminal carries.
  void PaceLikeALine(bool paced) { paced_ = paced; }

  // Serves until `stop` becomes non-zero or the register hangs up.
  void Run(const volatile std::sig_atomic_t& stop);

 private:
  SimRegister& register_;
  bool paced_ = false;
  int fd_ = -1;
  // The simulator holds the slave side itself, so that its master never reads EIO
  // between two opens by the program.
  int slaveFd_ = -1;
  std::string devicePath_;
};

}  // namespace kvitmark::sim
