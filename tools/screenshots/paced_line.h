#pragma once

#include <memory>

#include "base/clock.h"
#include "link/serial_line.h"

// The simulated register answers at once; the window's status bar, which says how long an
// operation took, would then show a register no line is that fast for. This line lets the
// virtual clock run on by the time each byte takes on a real line at the speed the program
// set: a start bit, eight data bits and two stop bits.
namespace kvitmark::screenshots {

class PacedLine final : public link::SerialLine {
 public:
  PacedLine(std::unique_ptr<link::SerialLine> inner, base::VirtualClock& clock)
      : inner_(std::move(inner)), clock_(clock) {}

  bool Open() override { return inner_->Open(); }
  bool Configure(const link::LineSettings& settings) override;
  bool SetReadTimeout(base::Milliseconds timeout) override {
    return inner_->SetReadTimeout(timeout);
  }
  bool SetDtr(bool raised) override { return inner_->SetDtr(raised); }
  bool SetRts(bool raised) override { return inner_->SetRts(raised); }
  bool Write(std::string_view bytes) override;
  std::optional<uint8_t> ReadByte() override;
  void Purge() override { inner_->Purge(); }
  void DiscardInput() override { inner_->DiscardInput(); }
  void Drain() override { inner_->Drain(); }
  bool Close() override { return inner_->Close(); }
  int Handle() const override { return inner_->Handle(); }
  base::Message Error() const override { return inner_->Error(); }
  int ErrorNumber() const override { return inner_->ErrorNumber(); }

 private:
  void Pass(std::size_t bytes);

  std::unique_ptr<link::SerialLine> inner_;
  base::VirtualClock& clock_;
  int speed_ = 0;
  // Line time not yet given to the clock, which counts whole milliseconds.
  long long microseconds_ = 0;
};

// Puts every line a factory makes behind the pace of its speed.
link::LineFactory PacedLines(link::LineFactory inner, base::VirtualClock& clock);

}  // namespace kvitmark::screenshots
