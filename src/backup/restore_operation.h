#pragma once

#include <string>
#include <vector>

#include "backup/backup_check.h"
#include "backup/run_observer.h"
#include "base/message.h"
#include "tables/operations.h"
#include "tables/register_copy.h"

// "Восстановить ЭККА из копии": a checked backup written back into the connected register,
// each table as "Записать в ЭККА" writes it — or only its records that differ from what the
// register is known to hold, where the connection has read or written that table — and the
// logo, after one question that shows all of it.
namespace kvitmark::backup {

// What the restore does with one item of the backup.
struct RestoreStep {
  BackupItem item;
  bool leftOut = false;      // not written: the backup does not hold it whole
  bool changesOnly = false;  // only the records that differ from what the register holds
  std::vector<int> records;  // the records (logo rows) to be sent, in order
  int tableRecords = 0;      // the records a whole write of the table sends
};

std::vector<RestoreStep> PlanRestore(const CheckedBackup& backup,
                                     const tables::RegisterCopy& known);

// One line per step ("Товары (art.art): 14000 записей").
base::MessageList PlanLines(const std::vector<RestoreStep>& steps);

// The one question asked before anything is sent, line by line; the last line asks.
base::MessageList RestoreQuestion(const CheckedBackup& backup,
                                  const std::vector<RestoreStep>& steps, int connectedRegister);

enum class StepState {
  kWritten,     // every record sent
  kUnchanged,   // nothing differed from what the register holds
  kPartly,      // some records did not go through
  kNotReached,  // the restore ended before it
  kLeftOut,     // the backup does not hold it whole
};

struct StepResult {
  RestoreStep step;
  StepState state = StepState::kNotReached;
  std::vector<int> notWritten;
};

struct RestoreResult {
  bool confirmed = false;  // the user said yes; nothing was sent otherwise
  bool stopped = false;    // "Стоп" or "Завершить операцию"
  std::vector<StepResult> steps;
  base::Message error;  // why nothing was done (not connected)
};

// Plans against what the register is known to hold, asks the question and writes. The
// backup's tables are what is sent; the user's pages are not touched.
RestoreResult RestoreRegister(tables::TableSession& session, RunObserver& observer,
                              CheckedBackup& backup);

// Each item's result, line by line.
base::MessageList RestoreReport(const RestoreResult& result);

}  // namespace kvitmark::backup
