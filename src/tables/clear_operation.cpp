// "Очистить": a table of the register reset to its factory records.
#include "base/message.h"
#include "tables/catalogue.h"
#include "tables/operation_support.h"
#include "tables/operations.h"
#include "tables/retry_policy.h"

namespace kvitmark::tables {
using namespace support;

OperationSummary ClearTable(TableSession& session, OperationObserver& observer, PageId page) {
  if (!IsConnected(session)) {
    // The window stays open: closing it would throw away every unsaved page.
    observer.Tell(Plain(NotConnectedText()));
    return Finish(observer, {});
  }
  const TableDescriptor& descriptor = Page(page);
  if (!descriptor.clear || !observer.Confirm(OverwriteQuestion(page))) {
    return Finish(observer, {});
  }

  const ClearPlan& plan = *descriptor.clear;
  const bool junior = session.workspace.JuniorSelected();
  const int last = descriptor.recordCount;
  observer.Started({OperationKind::kClearTable, page, last, plan.first - 1, last - plan.first + 1});
  OperationSummary summary;
  bool stopped = false;
  int progress = plan.first - 1;
  for (int record = plan.first;; ++record) {
    if (observer.StopRequested()) stopped = true;
    if (record > last || stopped) break;
    // No prompt: a record that fails every attempt is left as the register had it.
    const std::string text = plan.record(record, junior);
    const RecordOutcome outcome =
        WriteRecordText(session, observer, kClearPolicy, page, record, text);
    (outcome == RecordOutcome::kDone ? summary.done : summary.failed).push_back(record);
    observer.RecordDone({.record = record, .progress = ++progress});
  }

  summary.result = stopped ? OperationResult::kStopped : OperationResult::kDone;
  if (stopped) {
    observer.Tell(Box(StoppedText()));
    session.link.EndExchange();
  } else if (!summary.failed.empty()) {
    observer.Tell(Box(SkippedRecordsText(summary.failed.size()), BoxIcon::kWarning));
  } else {
    observer.Tell(Box(DoneText()));
  }
  return Finish(observer, std::move(summary));
}

}  // namespace kvitmark::tables
