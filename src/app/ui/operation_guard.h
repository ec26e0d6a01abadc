#pragma once

#include <functional>

namespace kvitmark::app::ui {

// One long operation at a time. While one runs only "Стоп" acts, and only while the operation
// listens for it; closing the window stops the operation and closes once it has ended, so that
// no record is cut off in the middle.
class OperationGuard {
 public:
  // `statesChanged` sets the window's buttons again; `close` closes the window.
  OperationGuard(std::function<void()> statesChanged, std::function<void()> close)
      : statesChanged_(std::move(statesChanged)), close_(std::move(close)) {}

  bool Running() const { return running_; }
  bool ListeningForStop() const { return listening_; }
  bool StopRequested() const { return stopRequested_; }

  void Run(const std::function<void()>& operation);
  // "Стоп".
  void RequestStop() { stopRequested_ = true; }
  void SetListeningForStop(bool listening);
  // The window is asked to close: true when it may close now, false when the operation is
  // stopped first.
  bool MayClose();

 private:
  std::function<void()> statesChanged_;
  std::function<void()> close_;
  bool running_ = false;
  bool listening_ = false;
  bool stopRequested_ = false;
  bool closeWhenDone_ = false;
};

}  // namespace kvitmark::app::ui
