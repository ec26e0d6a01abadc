#pragma once

#include <functional>

#include "base/clock.h"
#include "tables/operation_observer.h"
#include "tables/operations.h"

// One rule for a record that will not go through, whichever operation exchanges it: a
// number of attempts, then either the user's choice (skip, retry, finish) or a quiet
// failure. Skipping and retrying after the prompt reopen the port first, since a line that
// failed that often is best started afresh.
namespace kvitmark::tables {

struct RetryPolicy {
  int attempts = 10;
  // A pause after each failed attempt but the last.
  base::Milliseconds pauseAfterFailure{0};
  // Ask the observer once the attempts are used up; otherwise the record fails.
  bool askWhenExhausted = true;
  // Ask the observer for "Стоп" before every attempt, not only between records.
  bool stopBeforeEachAttempt = false;
};

// The policies of the operations, side by side.
inline constexpr RetryPolicy kTablePolicy{};
inline constexpr RetryPolicy kClearPolicy{.pauseAfterFailure = base::Milliseconds(1000),
                                          .askWhenExhausted = false};
// A logo row the register will not take ends the write at once; a read asks ten times.
inline constexpr RetryPolicy kLogoWritePolicy{.attempts = 1, .askWhenExhausted = false};
inline constexpr RetryPolicy kLogoReadPolicy{.askWhenExhausted = false};
inline constexpr RetryPolicy kReportPolicy{.stopBeforeEachAttempt = true};

enum class RecordOutcome {
  kDone,      // an attempt succeeded
  kSkipped,   // "Пропустить"
  kFailed,    // attempts used up with no one asked, or the prompt closed without an answer
  kFinished,  // "Завершить операцию"
  kStopped,   // "Стоп" heard before an attempt
};

// Runs `attempt` (true when the register took part in it) for `record` by the policy.
RecordOutcome ExchangeRecord(TableSession& session, OperationObserver& observer,
                             const RetryPolicy& policy, int record,
                             const std::function<bool()>& attempt);

}  // namespace kvitmark::tables
