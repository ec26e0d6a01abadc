#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "link/frame.h"
#include "link/serial_line.h"

namespace kvitmark::link {

// The time-out record as the port takes it; only the read constant is used on this
// line (every read is one byte).
struct CommTimeouts {
  uint32_t readIntervalTimeout = 0;
  uint32_t readTotalTimeoutMultiplier = 0;
  uint32_t readTotalTimeoutConstant = 300;
  uint32_t writeTotalTimeoutMultiplier = 0;
  uint32_t writeTotalTimeoutConstant = 0;
};

// Everything the link remembers between calls: the one open port and the last reply.
struct LinkState {
  int portNumber = -1;               // 1..9 while open
  int openFlag = -1;                 // 1 while open
  std::unique_ptr<SerialLine> line;  // the "handle"; null when closed
  uint8_t ackByte = 0x06;
  char registerDigits[2] = {'0', '1'};
  // Text and CR of the last selection, probe or write reply, fill bytes dropped.
  std::string replyBuffer;
  ReplyCheck replyCheck;
  CommTimeouts timeouts;
  std::string modeString;
  LineSettings lineSettings;
};

}  // namespace kvitmark::link
