#pragma once

#include <memory>

#include "base/clock.h"
#include "link/forwarding_line.h"

// The simulated register answers at once; the window's status bar, which says how long an
// operation took, would then show a register no line is that fast for. This line lets the
// virtual clock run on by the time each byte takes on a real line at the speed the program
// set: a start bit, eight data bits and two stop bits.
namespace kvitmark::screenshots {

class PacedLine final : public link::ForwardingLine {
 public:
  PacedLine(std::unique_ptr<link::SerialLine> inner, base::VirtualClock& clock)
      : ForwardingLine(std::move(inner)), clock_(clock) {}

  bool Configure(const link::LineSettings& settings) override;
  bool Write(std::string_view bytes) override;
  std::optional<uint8_t> ReadByte() override;

 private:
  void Pass(std::size_t bytes);

  base::VirtualClock& clock_;
  int speed_ = 0;
  // Line time not yet given to the clock, which counts whole milliseconds.
  long long microseconds_ = 0;
};

// Puts every line a factory makes behind the pace of its speed.
link::LineFactory PacedLines(link::LineFactory inner, base::VirtualClock& clock);

}  // namespace kvitmark::screenshots
