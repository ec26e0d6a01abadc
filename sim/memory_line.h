#pragma once

#include <deque>
#include <memory>

#include "base/clock.h"
#include "link/serial_line.h"
#include "sim/sim_register.h"

// A serial line that ends in a simulated register, in virtual time: waiting for a byte
// that is not there moves the clock by the whole time-out, a byte the register sends
// late moves it to the moment the byte arrives. Tests run the protocol's seconds of
// pauses in microseconds.
namespace kvitmark::sim {

// The far end every memory line of one test talks to, and what it saw of the line.
class MemoryWire {
 public:
  MemoryWire(SimRegister& simRegister, base::VirtualClock& clock)
      : register_(simRegister), clock_(clock) {}

  // Lines for any port; each one reaches this register.
  link::LineFactory Factory();

  SimRegister& Register() { return register_; }
  base::VirtualClock& Clock() { return clock_; }

  // Knobs for the port itself.
  bool failOpen = false;       // the device cannot be opened
  bool failConfigure = false;  // the device refuses line settings

  // What the program did to the line.
  link::LineSettings settings;
  bool dtr = false;
  bool rts = true;
  int opens = 0;
  int closes = 0;
  int purges = 0;
  base::Milliseconds readTimeout{0};

 private:
  friend class MemorySerialLine;
  SimRegister& register_;
  base::VirtualClock& clock_;
};

class MemorySerialLine final : public link::SerialLine {
 public:
  explicit MemorySerialLine(MemoryWire& wire) : wire_(wire) {}

  bool Open() override;
  bool Configure(const link::LineSettings& settings) override;
  bool SetReadTimeout(base::Milliseconds timeout) override;
  bool SetDtr(bool raised) override;
  bool SetRts(bool raised) override;
  bool Write(std::string_view bytes) override;
  std::optional<uint8_t> ReadByte() override;
  void Purge() override;
  void DiscardInput() override;
  void Drain() override {}
  bool Close() override;
  int Handle() const override { return 3; }
  base::Message Error() const override { return error_; }
  int ErrorNumber() const override { return errorNumber_; }

 private:
  struct Pending {
    char byte;
    base::Milliseconds arrival;
  };
  void CollectOutput();

  MemoryWire& wire_;
  std::deque<Pending> pending_;
  base::Milliseconds lastArrival_{0};
  base::Milliseconds timeout_{300};
  base::Message error_;
  int errorNumber_ = 0;
};

}  // namespace kvitmark::sim
