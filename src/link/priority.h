#pragma once

// Every exchange with the register runs with the process's scheduling priority raised,
// so that the byte-by-byte conversation is not starved. This is best effort: where the
// system does not allow it nothing changes. It never uses real-time scheduling, which
// could starve the simulator and the desktop on the same machine.
namespace kvitmark::link {

class PriorityControl {
 public:
  virtual ~PriorityControl() = default;
  // The current nice value.
  virtual int Current() = 0;
  virtual void Set(int niceValue) = 0;
};

// The process's nice value (setpriority); failures are ignored.
class NicePriority final : public PriorityControl {
 public:
  int Current() override;
  void Set(int niceValue) override;
};

// Leaves the priority alone: for links whose line is no real port (the simulator's
// in-memory line, recorded bytes), where raising it gains nothing.
class UnchangedPriority final : public PriorityControl {
 public:
  int Current() override { return 0; }
  void Set(int) override {}
};

// Raises the priority for its lifetime and puts back what it found on every way out.
class PriorityBracket {
 public:
  explicit PriorityBracket(PriorityControl& control);
  ~PriorityBracket();
  PriorityBracket(const PriorityBracket&) = delete;
  PriorityBracket& operator=(const PriorityBracket&) = delete;

 private:
  PriorityControl& control_;
  int saved_;
};

// Keeps a small region of the link's memory resident while a port is open, so that
// an exchange does not wait for paging. Best effort; never fatal.
void LockLinkMemory();
void UnlockLinkMemory();

}  // namespace kvitmark::link
