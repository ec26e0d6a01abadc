#pragma once

#include "base/message.h"
#include "tables/operation_observer.h"

namespace kvitmark::bench {

// A user who lets every operation run: yes to every question, never "Стоп". The benches'
// registers never fail a record, so the prompt does not come.
class QuietObserver final : public tables::OperationObserver {
 public:
  void Started(const tables::OperationStart&) override {}
  void RecordDone(const tables::RecordStep&) override {}
  tables::FailureAnswer RecordFailed(int) override { return tables::FailureAnswer::kFinish; }
  void Tell(const tables::Notice&) override {}
  bool Confirm(const base::Message&) override { return true; }
  bool StopRequested() override { return false; }
  void Finished(const tables::OperationSummary&) override {}
};

}  // namespace kvitmark::bench
