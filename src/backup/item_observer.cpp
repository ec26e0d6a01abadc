#include "backup/item_observer.h"

namespace kvitmark::backup {

void ItemObserver::RecordDone(const tables::RecordStep& step) {
  run_.RecordDone({step.record, step.row, ++progress_});
}

tables::FailureAnswer ItemObserver::RecordFailed(int record) {
  const tables::FailureAnswer answer = run_.RecordFailed(record);
  if (answer == tables::FailureAnswer::kFinish) finished_ = true;
  return answer;
}

bool ItemObserver::StopRequested() {
  // Once heard, a stop holds for every later question of the item's operation too.
  if (!stopped_ && !finished_) stopped_ = run_.StopRequested();
  return stopped_ || finished_;
}

bool ItemObserver::StopBetweenItems() { return StopRequested(); }

}  // namespace kvitmark::backup
