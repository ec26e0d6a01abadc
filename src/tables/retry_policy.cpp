#include "tables/retry_policy.h"

namespace kvitmark::tables {
namespace {

void ReopenPort(TableSession& session) {
  if (session.connection) session.connection->Reopen();
}

}  // namespace

RecordOutcome ExchangeRecord(TableSession& session, OperationObserver& observer,
                             const RetryPolicy& policy, int record,
                             const std::function<bool()>& attempt) {
  for (;;) {
    for (int call = 1; call <= policy.attempts; ++call) {
      if (policy.stopBeforeEachAttempt && observer.StopRequested()) return RecordOutcome::kStopped;
      if (attempt()) return RecordOutcome::kDone;
      if (call < policy.attempts && policy.pauseAfterFailure.count() > 0) {
        session.clock.Sleep(policy.pauseAfterFailure);
      }
    }
    if (!policy.askWhenExhausted) return RecordOutcome::kFailed;
    // "Стоп" during the last attempt's wait: the user has already said what to do.
    if (policy.stopBeforeEachAttempt && observer.StopRequested()) return RecordOutcome::kStopped;
    switch (observer.RecordFailed(record)) {
      case FailureAnswer::kSkip:
        ReopenPort(session);
        return RecordOutcome::kSkipped;
      case FailureAnswer::kRetry:
        ReopenPort(session);
        break;
      case FailureAnswer::kFinish:
        return RecordOutcome::kFinished;
      case FailureAnswer::kClosed:
        return RecordOutcome::kFailed;
    }
  }
}

}  // namespace kvitmark::tables
