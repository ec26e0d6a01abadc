#include "app/ui/operation_guard.h"

namespace kvitmark::app::ui {

void OperationGuard::Run(const std::function<void()>& operation) {
  running_ = true;
  // A stop left over from an earlier operation must not end this one before it starts.
  stopRequested_ = false;
  statesChanged_();
  operation();
  running_ = false;
  listening_ = false;
  stopRequested_ = false;
  statesChanged_();
  if (closeWhenDone_) close_();
}

void OperationGuard::SetListeningForStop(bool listening) {
  listening_ = listening;
  statesChanged_();
}

bool OperationGuard::MayClose() {
  if (!running_) return true;
  stopRequested_ = true;
  closeWhenDone_ = true;
  return false;
}

}  // namespace kvitmark::app::ui
