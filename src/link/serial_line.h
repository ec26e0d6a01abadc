#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/message.h"
#include "link/endpoint.h"

namespace kvitmark::link {

// What the mode string ("COM1:4800,N,8,2") asks of the line.
struct LineSettings {
  int speed = 0;
  char parity = 'N';
  int dataBits = 8;
  int stopBits = 2;
  bool dtrEnabled = false;
};

// One serial device, as the record exchange needs it. The protocol reads one byte at
// a time with a time-out, so that is the only read there is.
class SerialLine {
 public:
  virtual ~SerialLine() = default;

  // Opens the device for this program alone. On failure Error() says why.
  virtual bool Open() = 0;
  // Raw line, the given speed and framing, no flow control of any kind.
  virtual bool Configure(const LineSettings& settings) = 0;
  // The longest wait of ReadByte for one byte.
  virtual bool SetReadTimeout(base::Milliseconds timeout) = 0;
  virtual bool SetDtr(bool raised) = 0;
  virtual bool SetRts(bool raised) = 0;
  // Sends every byte; waits a bounded time for the line to take them, so a stalled
  // adapter ends in a failed write instead of a frozen program.
  virtual bool Write(std::string_view bytes) = 0;
  // One byte, or nothing when the time-out passed or the other side is gone.
  virtual std::optional<uint8_t> ReadByte() = 0;
  // Drops whatever waits in either direction.
  virtual void Purge() = 0;
  // Drops the received bytes nobody has read yet.
  virtual void DiscardInput() = 0;
  // Waits (boundedly) until the written bytes have left.
  virtual void Drain() = 0;
  virtual bool Close() = 0;
  // A non-negative number that identifies the open device.
  virtual int Handle() const = 0;
  // Why the last call failed, naming the device.
  virtual base::Message Error() const = 0;
  // The system's error number behind Error(), 0 when the system gave none.
  virtual int ErrorNumber() const = 0;
};

// Makes the (not yet opened) line to an endpoint. Tests put the simulator here.
using LineFactory = std::function<std::unique_ptr<SerialLine>(const Endpoint& endpoint)>;

}  // namespace kvitmark::link
