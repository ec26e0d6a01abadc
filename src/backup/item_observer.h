#pragma once

#include <vector>

#include "backup/run_observer.h"
#include "base/message.h"

namespace kvitmark::backup {

// The run's observer as each table's own operation sees it. The run asked its one question
// before it began, so the operations' own questions are answered yes; their end notices are
// kept for the run's report instead of being shown one by one; their progress becomes the
// run's. "Стоп" and "Завершить операцию" end the whole run.
class ItemObserver final : public tables::OperationObserver {
 public:
  explicit ItemObserver(RunObserver& run) : run_(run) {}

  void Started(const tables::OperationStart&) override {}
  void RecordDone(const tables::RecordStep& step) override;
  tables::FailureAnswer RecordFailed(int record) override;
  void Tell(const tables::Notice& notice) override { told_.push_back(notice.text); }
  bool Confirm(const base::Message&) override { return true; }
  bool StopRequested() override;
  void Finished(const tables::OperationSummary&) override {}

  // The user ended the run: "Стоп", or "Завершить операцию" at the prompt.
  bool RunEnded() const { return stopped_ || finished_; }
  // Asks for "Стоп" between two items.
  bool StopBetweenItems();
  // What the operations told since the last call.
  std::vector<base::Message> TakeTold() { return std::move(told_); }
  int Progress() const { return progress_; }

 private:
  RunObserver& run_;
  int progress_ = 0;
  bool stopped_ = false;
  bool finished_ = false;
  std::vector<base::Message> told_;
};

}  // namespace kvitmark::backup
