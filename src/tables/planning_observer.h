#pragma once

#include "base/message.h"
#include "tables/operation_observer.h"

namespace kvitmark::tables {

// The user of an operation that only plans (what a write would send, whether a file would
// load): it keeps what it was told instead of showing it, agrees to nothing and stops
// anything that would run.
class PlanningObserver final : public OperationObserver {
 public:
  base::Message told;

  void Started(const OperationStart&) override {}
  void RecordDone(const RecordStep&) override {}
  FailureAnswer RecordFailed(int) override { return FailureAnswer::kFinish; }
  void Tell(const Notice& notice) override { told = notice.text; }
  bool Confirm(const base::Message&) override { return false; }
  bool StopRequested() override { return true; }
  void Finished(const OperationSummary&) override {}
};

}  // namespace kvitmark::tables
