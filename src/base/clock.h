#pragma once

#include <chrono>

namespace kvitmark::base {

using Milliseconds = std::chrono::milliseconds;

// Every pause the program makes goes through a Clock, so that tests can run the
// protocol's waits (one-second end-of-exchange pauses, 300 ms byte time-outs) in
// virtual time.
class Clock {
 public:
  virtual ~Clock() = default;
  // Time since an arbitrary fixed point; never goes backwards.
  virtual Milliseconds Now() = 0;
  virtual void Sleep(Milliseconds duration) = 0;
};

// The monotonic clock of the machine.
class RealClock final : public Clock {
 public:
  Milliseconds Now() override;
  void Sleep(Milliseconds duration) override;
};

// Time that moves only when somebody sleeps or advances it.
class VirtualClock final : public Clock {
 public:
  Milliseconds Now() override { return now_; }
  void Sleep(Milliseconds duration) override { Advance(duration); }
  void Advance(Milliseconds duration) {
    if (duration.count() > 0) now_ += duration;
  }
  void AdvanceTo(Milliseconds moment) {
    if (moment > now_) now_ = moment;
  }

 private:
  Milliseconds now_{0};
};

}  // namespace kvitmark::base
