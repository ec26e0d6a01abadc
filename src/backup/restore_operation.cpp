#include "backup/restore_operation.h"

#include <algorithm>
#include <utility>

#include "backup/backup_contents.h"
#include "backup/item_observer.h"
#include "backup/scratch_session.h"
#include "base/message.h"
#include "base/text_pattern.h"
#include "logo/logo_picture.h"
#include "logo/logo_transfer.h"
#include "tables/operation_support.h"

namespace kvitmark::backup {
namespace {

using base::Message;
using tables::PageId;

// Keeps the planning quiet: the backup was checked, so it has nothing to tell.
class Unheard final : public tables::OperationObserver {
 public:
  void Started(const tables::OperationStart&) override {}
  void RecordDone(const tables::RecordStep&) override {}
  tables::FailureAnswer RecordFailed(int) override { return tables::FailureAnswer::kFinish; }
  void Tell(const tables::Notice&) override {}
  bool Confirm(const Message&) override { return false; }
  bool StopRequested() override { return true; }
  void Finished(const tables::OperationSummary&) override {}
};

std::vector<int> PlannedRecords(const CheckedBackup& backup, const tables::RegisterCopy& known,
                                PageId page, tables::WriteScope scope) {
  Unheard unheard;
  const auto planned = tables::PlanWrite(backup.tables, known, page, scope, unheard);
  std::vector<int> records;
  if (planned) {
    for (const auto& record : *planned) records.push_back(record.record);
  }
  return records;
}

Message StepLine(const BackupItem& item, Message what) {
  return ItemLine(ItemCaption(item.page), item.file, std::move(what));
}

Message RowsText(int count) {
  return Message::Counted(count,
                          {KV_PATTERN("backup", "%1 строка"), KV_PATTERN("backup", "%1 строки"),
                           KV_PATTERN("backup", "%1 строк")});
}

std::vector<int> Missing(const std::vector<int>& planned, const std::vector<int>& done) {
  std::vector<int> sorted = done;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> missing;
  for (int record : planned) {
    if (!std::binary_search(sorted.begin(), sorted.end(), record)) missing.push_back(record);
  }
  return missing;
}

class Restore {
 public:
  Restore(tables::TableSession& session, RunObserver& observer, CheckedBackup& backup)
      : scratch_(session, backup.tables), observer_(observer), items_(observer), backup_(backup) {}

  void Run(std::vector<StepResult>& results, bool& stopped) {
    int total = 0;
    for (const StepResult& result : results) total += static_cast<int>(result.step.records.size());
    observer_.Started({tables::OperationKind::kRestore, PageId::kGoods, total - 1, 0});
    const int count = static_cast<int>(results.size());
    for (int index = 0; index < count && !stopped; ++index) {
      StepResult& result = results[index];
      const RestoreStep& step = result.step;
      if (step.leftOut) {
        result.state = StepState::kLeftOut;
        continue;
      }
      if (step.changesOnly && step.records.empty()) {
        result.state = StepState::kUnchanged;
        continue;
      }
      if (items_.StopBetweenItems()) {
        stopped = true;
        break;
      }
      observer_.ItemStarted({index, count, ItemCaption(step.item.page), step.item.file,
                             static_cast<int>(step.records.size())});
      std::vector<int> done;
      if (step.item.page) {
        done = WriteTable(step);
      } else {
        const auto transfer = logo::WriteLogo(scratch_.Session(), items_, *backup_.logo);
        for (int row = 1; row <= transfer.rows; ++row) done.push_back(row);
      }
      items_.TakeTold();
      result.notWritten = Missing(step.records, done);
      result.state = result.notWritten.empty() ? StepState::kWritten : StepState::kPartly;
      if (items_.RunEnded()) stopped = true;
    }
    tables::OperationSummary summary;
    summary.result = stopped ? tables::OperationResult::kStopped : tables::OperationResult::kDone;
    observer_.Finished(summary);
  }

 private:
  std::vector<int> WriteTable(const RestoreStep& step) {
    tables::TableSession& session = scratch_.Session();
    const auto summary = step.changesOnly
                             ? tables::WriteChangesToRegister(session, items_, *step.item.page)
                             : tables::WriteToRegister(session, items_, *step.item.page);
    return summary.done;
  }

  ScratchSession scratch_;
  RunObserver& observer_;
  ItemObserver items_;
  CheckedBackup& backup_;
};

}  // namespace

std::vector<RestoreStep> PlanRestore(const CheckedBackup& backup,
                                     const tables::RegisterCopy& known) {
  std::vector<RestoreStep> steps;
  for (const BackupItem& item : backup.items) {
    RestoreStep step;
    step.item = item;
    step.leftOut = !item.whole;
    if (item.page) {
      const PageId page = *item.page;
      const auto all = PlannedRecords(backup, known, page, tables::WriteScope::kAll);
      step.tableRecords = static_cast<int>(all.size());
      // Where the connection has read or written the table, what it holds is known.
      step.changesOnly = known.KnowsAny(page);
      step.records = step.changesOnly
                         ? PlannedRecords(backup, known, page, tables::WriteScope::kChanged)
                         : all;
    } else {
      const int rows = std::min(backup.logo->Height(), logo::kLogoHeight);
      for (int row = 1; row <= rows; ++row) step.records.push_back(row);
      step.tableRecords = rows;
    }
    if (step.leftOut) step.records.clear();
    steps.push_back(std::move(step));
  }
  return steps;
}

base::MessageList PlanLines(const std::vector<RestoreStep>& steps) {
  base::MessageList lines;
  for (const RestoreStep& step : steps) {
    Message what;
    const int count = static_cast<int>(step.records.size());
    if (step.leftOut) {
      what = step.item.page ? KV_PATTERN("backup", "не будет записана - в копии неполная")
                            : KV_PATTERN("backup", "не будет записан - в копии неполный");
    } else if (!step.item.page) {
      what = RowsText(count);
    } else if (step.changesOnly) {
      what = count == 0 ? Message(KV_PATTERN("backup", "без изменений"))
                        : Message(KV_PATTERN("backup", "изменённых записей %1 из %2"))
                              .Arg(count)
                              .Arg(step.tableRecords);
    } else {
      what = RecordsText(count);
      const int first = tables::Page(*step.item.page).writeFirstRow;
      if (first > 1) {
        what = Message(KV_PATTERN("backup", "%1 (запись 1 не записывается)")).Arg(std::move(what));
      }
    }
    lines.push_back(StepLine(step.item, std::move(what)));
  }
  return lines;
}

base::MessageList RestoreQuestion(const CheckedBackup& backup,
                                  const std::vector<RestoreStep>& steps, int connectedRegister) {
  const Manifest& manifest = backup.manifest;
  base::MessageList lines{
      Message(KV_PATTERN("backup", "В ЭККА %1 будет записано из резервной копии ЭККА %2 от %3:"))
          .Arg(connectedRegister)
          .Arg(manifest.registerNumber)
          .ArgUtf8(manifest.created)};
  for (Message& line : PlanLines(steps)) lines.push_back(std::move(line));
  if (!manifest.complete) {
    lines.push_back(KV_PATTERN("backup", "Копия неполная: её создание было прервано."));
  }
  const bool changesOnly = std::any_of(steps.begin(), steps.end(), [](const RestoreStep& step) {
    return step.changesOnly && !step.leftOut;
  });
  if (changesOnly) {
    lines.push_back(KV_PATTERN("backup",
                               "Таблицы, прочитанные или записанные после подключения, "
                               "записываются только изменёнными записями. Если ЭККА меняли "
                               "не этой программой, переподключитесь, чтобы записать всё."));
  }
  if (manifest.registerNumber != connectedRegister) {
    lines.push_back(
        Message(KV_PATTERN("backup", "Внимание: копия сделана с ЭККА %1, а подключен ЭККА %2."))
            .Arg(manifest.registerNumber)
            .Arg(connectedRegister));
  }
  lines.push_back(KV_PATTERN("backup", "Продолжить ?"));
  return lines;
}

RestoreResult RestoreRegister(tables::TableSession& session, RunObserver& observer,
                              CheckedBackup& backup) {
  RestoreResult result;
  if (!tables::support::IsConnected(session)) {
    result.error = NotConnected();
    return result;
  }
  const auto steps = PlanRestore(backup, session.registerCopy);
  if (!observer.ConfirmLines(RestoreQuestion(backup, steps, session.connectedRegister))) {
    return result;
  }
  result.confirmed = true;
  for (const RestoreStep& step : steps) {
    StepResult planned;
    planned.step = step;
    result.steps.push_back(std::move(planned));
  }
  Restore(session, observer, backup).Run(result.steps, result.stopped);
  return result;
}

base::MessageList RestoreReport(const RestoreResult& result) {
  if (!result.error.Empty()) return {result.error};
  base::MessageList lines{result.stopped ? KV_PATTERN("backup", "Восстановление ЭККА прервано.")
                                         : KV_PATTERN("backup", "Восстановление ЭККА завершено.")};
  for (const StepResult& step : result.steps) {
    const BackupItem& item = step.step.item;
    const bool logo = !item.page;
    Message what;
    switch (step.state) {
      case StepState::kWritten:
        what = logo ? Message(KV_PATTERN("backup", "записан"))
                    : Message(KV_PATTERN("backup", "записано %1"))
                          .Arg(RecordsText(static_cast<int>(step.step.records.size())));
        break;
      case StepState::kUnchanged:
        what = KV_PATTERN("backup", "без изменений");
        break;
      case StepState::kPartly:
        what = Message(logo ? KV_PATTERN("backup", "не записаны строки %1")
                            : KV_PATTERN("backup", "не записаны записи %1"))
                   .Arg(RecordList(step.notWritten));
        break;
      case StepState::kNotReached:
        what = logo ? KV_PATTERN("backup", "не записан") : KV_PATTERN("backup", "не записана");
        break;
      case StepState::kLeftOut:
        what = logo ? KV_PATTERN("backup", "не записан - в копии неполный")
                    : KV_PATTERN("backup", "не записана - в копии неполная");
        break;
    }
    lines.push_back(StepLine(item, std::move(what)));
  }
  return lines;
}

}  // namespace kvitmark::backup
